#!/usr/bin/env bash
# High-DPI screens: the main window is shot at scale 1, with QT_SCALE_FACTOR=2
# and on a 192 dpi screen. Both doubled runs must give a 1018 x 1002 window at
# (408, 2) that shows the same label as at scale 1, drawn natively at the
# higher resolution rather than blown up from a scale-1 picture.
set -euo pipefail
bin=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/xvfb-session.sh"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# shoot <file> <expected WxH> <expected X,Y> <screen> <dpi> [VAR=value...]
shoot() (
  local file=$1 size=$2 pos=$3 screen=$4 dpi=$5
  shift 5
  start_xvfb "$screen" "$dpi"
  env "$@" "$bin" &
  local pid=$!
  local id
  id=$(wait_window "Morvane Ver1.0") || { echo "FAIL: main window did not appear"; kill $pid; exit 1; }
  local geometry x y w h
  geometry=$(xwininfo -id "$id")
  x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$geometry")
  y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$geometry")
  w=$(awk '/Width:/ {print $2}' <<<"$geometry")
  h=$(awk '/Height:/ {print $2}' <<<"$geometry")
  echo "$(basename "$file" .png): window at $x,$y size ${w}x$h"
  # Let the first paint finish before the shot.
  sleep 1
  import -window "$id" "$file"
  kill $pid
  wait $pid 2>/dev/null || true
  [ "${w}x$h" = "$size" ] || { echo "FAIL: expected a $size window"; exit 1; }
  [ "$x,$y" = "$pos" ] || { echo "FAIL: expected the window at $pos"; exit 1; }
)

rmse() { { compare -metric RMSE "$1" "$2" null: 2>&1 || true; } | sed 's/.*(\(.*\))/\1/'; }
# below <value> <limit>: true when value < limit
below() { awk -v v="$1" -v l="$2" 'BEGIN { exit !(v < l) }'; }

shoot "$out/scale1.png" 509x501 204,1 1280x1024x24 96 QT_SCALE_FACTOR=1
shoot "$out/factor2.png" 1018x1002 408,2 2560x2048x24 96 QT_SCALE_FACTOR=2
shoot "$out/dpi192.png" 1018x1002 408,2 2560x2048x24 192 QT_SCALE_FACTOR=1

fail=0
for big in factor2 dpi192; do
  # The same label: brought back to 509 x 501 it matches the scale-1 shot.
  # (A label left at its scale-1 size in a doubled window is about 0.17 away.)
  convert "$out/$big.png" -resize '509x501!' "$out/$big-down.png"
  same=$(rmse "$out/scale1.png" "$out/$big-down.png")
  # Sharper: a scale-1 picture blown up consists of 2 x 2 blocks of equal
  # pixels; the doubled shot must carry detail inside those blocks.
  convert "$out/$big.png" -filter point -resize '509x501!' -filter point -resize '1018x1002!' \
    "$out/$big-blocks.png"
  detail=$(rmse "$out/$big.png" "$out/$big-blocks.png")
  echo "$big: difference from scale 1 $same, detail within 2x2 blocks $detail"
  below "$same" 0.10 || { echo "FAIL: $big does not show the scale-1 label"; fail=1; }
  below 0.02 "$detail" || { echo "FAIL: $big is a blown-up scale-1 picture"; fail=1; }
done
exit $fail
