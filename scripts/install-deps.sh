#!/usr/bin/env bash
# Installs the Debian 12 packages Morvane needs to build, run and test.
# Usage: scripts/install-deps.sh [run|test]
set -euo pipefail
mode=${1:-test}
export DEBIAN_FRONTEND=noninteractive

run_pkgs=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools
  qt6-webengine-dev qt6-webengine-dev-tools libqt6svg6-dev
  qt6-l10n-tools qt6-translations-l10n
  libgl-dev libvulkan-dev
  libjpeg62-turbo-dev libuemf-dev libcups2-dev
  fonts-noto-cjk fonts-dejavu-core fonts-dejavu-extra
  xvfb xauth iproute2 util-linux
)
test_pkgs=(
  clang libclang-rt-14-dev libfuzzer-14-dev
  libgtest-dev libbenchmark-dev
  cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
  python3 x11-utils x11-xserver-utils xdotool imagemagick
  desktop-file-utils appstream dpkg-dev file
)

pkgs=("${run_pkgs[@]}")
[ "$mode" = test ] && pkgs+=("${test_pkgs[@]}")

apt-get update
apt-get install -y --no-install-recommends "${pkgs[@]}"
