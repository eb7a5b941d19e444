#!/usr/bin/env bash
# The real program online: its site names resolve to 127.0.0.1 (a private
# /etc/hosts in a mount namespace of this test) where a stand-in server
# answers. The strip must come up docked under the main window with page 1.
# Run it inside a loopback-only network namespace (the test run is).
set -euo pipefail
bin=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat /etc/hosts > "$work/hosts"
echo "127.0.0.1 www.bing.com www.morvane.example sites.morvane.example" >> "$work/hosts"

exec unshare -m -- bash -c '
  set -euo pipefail
  work=$1; bin=$2; here=$3
  mount --bind "$work/hosts" /etc/hosts
  python3 "$here/promo_server.py" "$work/requests.log" & server=$!
  source "$here/xvfb-session.sh"
  start_xvfb
  trap "kill $server 2>/dev/null; kill \$XVFB_PID 2>/dev/null" EXIT
  for _ in $(seq 50); do (exec 3<>/dev/tcp/127.0.0.1/80) 2>/dev/null && break; sleep 0.1; done
  "$bin" & pid=$!
  main=$(wait_window "Morvane Ver1.0") || { echo "FAIL: no main window"; exit 1; }
  strip=$(wait_window "Form2") || { echo "FAIL: the strip did not show"; kill $pid; exit 1; }
  info=$(xwininfo -id "$strip")
  sx=$(awk "/Absolute upper-left X/ {print \$4}" <<<"$info")
  sy=$(awk "/Absolute upper-left Y/ {print \$4}" <<<"$info")
  sw=$(awk "/Width:/ {print \$2}" <<<"$info")
  sh=$(awk "/Height:/ {print \$2}" <<<"$info")
  echo "strip at $sx,$sy size ${sw}x$sh"
  for _ in $(seq 100); do grep -q "^/ad/1.php$" "$work/requests.log" 2>/dev/null && break; sleep 0.2; done
  echo "requests: $(tr "\n" " " < "$work/requests.log" 2>/dev/null)"
  kill $pid; wait $pid 2>/dev/null || true
  [ "$sx,$sy" = "204,502" ] || { echo "FAIL: strip not docked under the main window"; exit 1; }
  [ "${sw}x$sh" = "448x60" ] || { echo "FAIL: strip size"; exit 1; }
  grep -q "^/ad/1.php$" "$work/requests.log" || { echo "FAIL: page 1 was not requested"; exit 1; }
  echo ok
' web-strip "$work" "$bin" "$here"
