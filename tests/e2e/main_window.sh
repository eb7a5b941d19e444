#!/usr/bin/env bash
# The real program comes up with its main window where it belongs and ends
# with exit code 0 when the user picks "退出" in the window's menu.
# MORVANE_EXPECT_SIZE gives the window's size in device pixels (509x501 at
# scale 1; QT_SCALE_FACTOR=2 or a 192 dpi screen, MORVANE_XVFB_DPI=192,
# doubles it).
set -euo pipefail
bin=$1
expect_size=${MORVANE_EXPECT_SIZE:-509x501}
# Device pixels per design pixel: the scale factor times the screen's dpi / 96.
scale=$((${QT_SCALE_FACTOR:-1} * ${MORVANE_XVFB_DPI:-96} / 96))
here=$(cd "$(dirname "$0")" && pwd)
source "$here/xvfb-session.sh"
start_xvfb "${MORVANE_XVFB_SCREEN:-1280x1024x24}" "${MORVANE_XVFB_DPI:-96}"

"$bin" &
pid=$!
id=$(wait_window "Morvane Ver1.0") || { echo "FAIL: main window did not appear"; kill $pid; exit 1; }

geometry=$(xwininfo -id "$id")
x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$geometry")
y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$geometry")
w=$(awk '/Width:/ {print $2}' <<<"$geometry")
h=$(awk '/Height:/ {print $2}' <<<"$geometry")
echo "main window at $x,$y size ${w}x$h"
expect_pos="$((204 * scale)),$((1 * scale))"
[ "$x,$y" = "$expect_pos" ] || { echo "FAIL: expected the window at $expect_pos"; kill $pid; exit 1; }
[ "${w}x$h" = "$expect_size" ] || { echo "FAIL: expected a $expect_size client area"; kill $pid; exit 1; }

# Right-click the window's margin, then pick the menu's last item, "退出".
xdotool mousemove --sync $((x + 8 * scale)) $((y + 8 * scale))
xdotool click 3
sleep 0.5
xdotool key Up Return

for _ in $(seq 100); do
  kill -0 $pid 2>/dev/null || break
  sleep 0.1
done
if kill -0 $pid 2>/dev/null; then
  echo "FAIL: the program did not end"
  kill $pid
  exit 1
fi
wait $pid && code=0 || code=$?
echo "exit code $code"
[ "$code" = 0 ]
