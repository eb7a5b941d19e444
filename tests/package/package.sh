#!/usr/bin/env bash
# Builds the .deb, installs it with apt, validates its desktop files, runs the
# installed program at scale 1, scale 2 and on a 192 dpi screen, then removes
# it again and checks that nothing of it is left.
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
smoke=$here/../e2e/main_window.sh
out=$(mktemp -d)
trap 'rm -rf "$out"; dpkg -r morvane >/dev/null 2>&1 || true' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >/dev/null 2>&1 || fail "cpack -G DEB"
deb=$(ls "$out"/morvane_*.deb)
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes," \
  "installed size $(dpkg-deb -f "$deb" Installed-Size) KiB"
depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
# Libraries come from what the program links, the fonts are named by hand.
for pkg in libc6 libstdc++6 libjpeg62-turbo libqt6core6 libqt6gui6 libqt6widgets6 \
           libqt6printsupport6 libqt6network6 libqt6webenginewidgets6 \
           fonts-noto-cjk fonts-dejavu-core fonts-dejavu-extra; do
  tr ',' '\n' <<<"$depends" | awk '{print $1}' | grep -Fxq "$pkg" || fail "the package does not depend on $pkg"
done
dpkg-deb -x "$deb" "$out/tree"
file "$out/tree/usr/bin/morvane" | grep -q ', stripped' || fail "/usr/bin/morvane is not stripped"
! readelf -d "$out/tree/usr/bin/morvane" | grep -Eq 'RPATH|RUNPATH' || fail "/usr/bin/morvane carries a run-time search path"

apt-get install -y "$deb" >/dev/null 2>&1 || fail "apt-get install $deb"
id=example.morvane.Morvane
for f in /usr/bin/morvane /usr/share/applications/$id.desktop /usr/share/metainfo/$id.metainfo.xml \
         /usr/share/icons/hicolor/scalable/apps/$id.svg; do
  [ -e "$f" ] || fail "$f is not installed"
done
for size in 16 22 32 48 64 128 256; do
  icon=/usr/share/icons/hicolor/${size}x$size/apps/$id.png
  [ "$(identify -format %wx%h "$icon")" = "${size}x$size" ] || fail "$icon is not ${size}x$size"
done
desktop-file-validate /usr/share/applications/$id.desktop
appstreamcli validate --no-net /usr/share/metainfo/$id.metainfo.xml

echo "scale 1:"
QT_SCALE_FACTOR=1 MORVANE_EXPECT_SIZE=509x501 bash "$smoke" /usr/bin/morvane
echo "scale 2:"
QT_SCALE_FACTOR=2 MORVANE_EXPECT_SIZE=1018x1002 bash "$smoke" /usr/bin/morvane
echo "192 dpi screen:"
QT_SCALE_FACTOR=1 MORVANE_XVFB_SCREEN=2560x2048x24 MORVANE_XVFB_DPI=192 MORVANE_EXPECT_SIZE=1018x1002 \
  bash "$smoke" /usr/bin/morvane
bash "$here/highdpi.sh" /usr/bin/morvane

files=$(dpkg -L morvane | while read -r f; do [ -f "$f" ] && echo "$f"; done)
dpkg -r morvane >/dev/null
status=$(dpkg-query -W -f='${db:Status-Status}' morvane 2>/dev/null || true)
[ -z "$status" ] || [ "$status" = not-installed ] || fail "morvane is left in state $status"
for f in $files; do
  [ ! -e "$f" ] || fail "$f is left after removal"
done
echo "removed cleanly ($(wc -w <<<"$files") files)"
