#!/usr/bin/env bash
# Starts a CUPS server (when none runs) with two cups-pdf queues for the
# printing tests: MorvanePDF (the default) and MorvanePDF2. cups-pdf writes
# every job as a PDF under /var/spool/cups-pdf/.
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
for q in MorvanePDF MorvanePDF2; do
  lpstat -p "$q" >/dev/null 2>&1 || lpadmin -p "$q" -E -v cups-pdf:/ -P "$ppd"
  cupsenable "$q"
  cupsaccept "$q"
done
lpadmin -d MorvanePDF
lpstat -d -p
