#!/usr/bin/env bash
# Builds the .deb, installs it with apt, validates its desktop files, runs the
# installed program at scale 1 and 2, then removes it again.
set -euo pipefail
build=$1
smoke=$2
out=$(mktemp -d)
trap 'rm -rf "$out"; dpkg -r morvane >/dev/null 2>&1 || true' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >/dev/null
deb=$(ls "$out"/morvane_*.deb)
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"
dpkg-deb -f "$deb" Depends

apt-get install -y "$deb" >/dev/null
id=example.morvane.Morvane
for f in /usr/bin/morvane /usr/share/applications/$id.desktop /usr/share/metainfo/$id.metainfo.xml \
         /usr/share/icons/hicolor/scalable/apps/$id.svg /usr/share/icons/hicolor/256x256/apps/$id.png; do
  [ -e "$f" ] || { echo "FAIL: $f is not installed"; exit 1; }
done
desktop-file-validate /usr/share/applications/$id.desktop
appstreamcli validate --no-net /usr/share/metainfo/$id.metainfo.xml

echo "scale 1:"
MORVANE_EXPECT_SIZE=509x501 bash "$smoke" /usr/bin/morvane
echo "scale 2:"
QT_SCALE_FACTOR=2 MORVANE_EXPECT_SIZE=1018x1002 bash "$smoke" /usr/bin/morvane

dpkg -r morvane >/dev/null
[ ! -e /usr/bin/morvane ] || { echo "FAIL: /usr/bin/morvane left after removal"; exit 1; }
echo "removed cleanly"
