#!/usr/bin/env bash
# The real program on a virtual X display: the user right-clicks the window's
# margin, picks "打印...", confirms the print dialog with Return, and the
# default cups-pdf queue writes a PDF whose disc measures 119.06 mm across,
# 6.09 mm right of and 8.73 mm below the sheet's corner (that queue prints on
# the whole sheet). Exit code 77 (skipped) when no CUPS server runs.
set -euo pipefail
bin=$1
here=$(cd "$(dirname "$0")" && pwd)
lpstat -r 2>/dev/null | grep -q "is running" || { echo "SKIP: no CUPS server runs here"; exit 77; }
bash "$here/../../scripts/start-cups.sh" >/dev/null
[ "$(lpstat -d | awk '{print $NF}')" = MorvanePDF ] || { echo "FAIL: MorvanePDF is not the default queue"; exit 1; }

source "$here/../e2e/xvfb-session.sh"
start_xvfb 1280x1024x24 96

out=/var/spool/cups-pdf
# Job ids so far; ours is the next one of this user on the default queue.
last_job() {
  lpstat -W all -o MorvanePDF 2>/dev/null |
    awk -v u="$(id -un)" '$2 == u { sub(/.*-/, "", $1); if ($1 > m) m = $1 } END { print m + 0 }'
}
before_job=$(last_job)
scratch=$(mktemp)

"$bin" &
pid=$!
cleanup() { kill $pid 2>/dev/null || true; rm -f "$scratch"; }
trap 'cleanup; kill $XVFB_PID 2>/dev/null || true' EXIT
id=$(wait_window "Morvane Ver1.0") || { echo "FAIL: main window did not appear"; exit 1; }
geometry=$(xwininfo -id "$id")
x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$geometry")
y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$geometry")

# Right-click the margin; "打印..." is the third item from the menu's end.
xdotool mousemove --sync $((x + 8)) $((y + 8))
xdotool click 3
sleep 0.5
xdotool key Up Up Up Return
dialog=$(wait_window "Print") || { echo "FAIL: the print dialog did not open"; exit 1; }
xdotool windowactivate --sync "$dialog" 2>/dev/null || true
xdotool key Return

pdf=
for _ in $(seq 300); do
  job=$(last_job)
  if [ "$job" -gt "$before_job" ]; then
    pdf=$(find "$out" -name "*job_$job.pdf" | head -n1)
    [ -n "$pdf" ] && pdfinfo "$pdf" >/dev/null 2>&1 && break
  fi
  pdf=
  sleep 0.1
done
[ -n "$pdf" ] || { echo "FAIL: no PDF came out of the queue"; exit 1; }
echo "printed $pdf"

# The dark pixels' bounding box at 600 dpi, in the sheet's top 6 inches.
dpi=600
pdftoppm -gray -r $dpi -x 0 -y 0 -W 3600 -H 3600 -singlefile "$pdf" >"$scratch.pgm"
status=0
python3 - "$scratch.pgm" $dpi <<'PY' || status=$?
import sys
data = open(sys.argv[1], 'rb').read()
dpi = int(sys.argv[2])
# binary PGM: P5, width, height, maxval, then one byte a pixel
fields, pos = [], 0
while len(fields) < 4:
    while data[pos:pos + 1].isspace():
        pos += 1
    end = pos
    while not data[end:end + 1].isspace():
        end += 1
    fields.append(data[pos:end])
    pos = end
pos += 1
w, h = int(fields[1]), int(fields[2])
dark = bytes(1 if v < 128 else 0 for v in range(256))
left, top, right, bottom = w, h, -1, -1
for y in range(h):
    row = data[pos + y * w:pos + (y + 1) * w].translate(dark)
    first = row.find(1)
    if first < 0:
        continue
    left, right = min(left, first), max(right, row.rfind(1))
    top = min(top, y) if top < h else y
    bottom = y
mm = 25.4 / dpi
width, height = (right - left + 1) * mm, (bottom - top + 1) * mm
print(f"disc {width:.3f} x {height:.3f} mm at {left * mm:.3f}, {top * mm:.3f} mm")
tolerance = 25.4 / 300 + mm
ok = all(abs(a - b) <= tolerance for a, b in
         ((width, 119.06), (height, 119.06), (left * mm, 6.09), (top * mm, 8.73)))
sys.exit(0 if ok else 1)
PY
rm -f "$scratch.pgm"
[ $status = 0 ] || { echo "FAIL: the disc is not printed at its actual size and place"; exit 1; }
echo "PASS"
