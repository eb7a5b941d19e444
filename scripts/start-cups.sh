#!/usr/bin/env bash
# Starts a CUPS server (when none runs) with two cups-pdf queues for the
# printing tests: MorvanePDF (the default), which can print on the whole sheet,
# and MorvanePDF2, whose A4 and Letter sheets have unprintable margins (left
# 18 pt, top 36 pt, right 30 pt, bottom 24 pt) and paper sources, like most
# real printers.
# cups-pdf writes every job as a PDF under /var/spool/cups-pdf/. Safe to run
# again: it only adds what is missing.
set -euo pipefail
out=/var/spool/cups-pdf
conf=/etc/cups/cups-pdf.conf
mkdir -p "$out"
chmod 1777 "$out"
# One place for every user's output, so tests find the files.
sed -i -e "s|^#\?Out .*|Out $out/\${USER}|" \
       -e "s|^#\?AnonDirName .*|AnonDirName $out/ANONYMOUS|" "$conf"

running() { lpstat -r 2>/dev/null | grep -q "is running"; }
if ! running; then
  mkdir -p /run/cups
  cupsd
  for _ in $(seq 200); do
    running && break
    sleep 0.1
  done
fi
running || { echo "cupsd did not start" >&2; exit 1; }

ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
margins=$(mktemp --suffix=.ppd)
trap 'rm -f "$margins"' EXIT
sed -E -e 's#^\*ImageableArea A4/A4: .*#*ImageableArea A4/A4: "18 24 565 806"#' \
    -e 's#^\*ImageableArea (Letter|AnsiA)/(.*): .*#*ImageableArea \1/\2: "18 24 582 756"#' \
    "$ppd" >"$margins"
# and three paper sources
cat >>"$margins" <<'PPD'
*OpenUI *InputSlot/Paper Source: PickOne
*OrderDependency: 20 AnySetup *InputSlot
*DefaultInputSlot: Auto
*InputSlot Auto/Automatic: ""
*InputSlot Tray1/Tray 1: ""
*InputSlot Manual/Manual Feed: ""
*CloseUI: *InputSlot
PPD
declare -A queue_ppd=([MorvanePDF]=$ppd [MorvanePDF2]=$margins)
for q in MorvanePDF MorvanePDF2; do
  if ! lpstat -p "$q" >/dev/null 2>&1 ||
     ! cmp -s <(grep '^\*\(ImageableArea\|InputSlot\)' "${queue_ppd[$q]}") \
               <(grep '^\*\(ImageableArea\|InputSlot\)' "/etc/cups/ppd/$q.ppd" 2>/dev/null); then
    lpadmin -p "$q" -E -v cups-pdf:/ -P "${queue_ppd[$q]}"
  fi
  cupsenable "$q"
  cupsaccept "$q"
done
lpadmin -d MorvanePDF
lpstat -d -p
