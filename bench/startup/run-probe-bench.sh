#!/usr/bin/env bash
# Times the connectivity probe against a name lookup that never gets an
# answer: in private network and mount namespaces, /etc/resolv.conf points at
# a UDP port on 127.0.0.1 where a socket takes the queries and never replies.
#   run-probe-bench.sh <build-dir>
set -euo pipefail
build=${1:?build directory}
exec unshare -n -m -- bash -s "$build" <<'INNER'
set -euo pipefail
ip link set lo up
conf=$(mktemp)
printf 'nameserver 127.0.0.1\noptions timeout:5 attempts:2\n' >"$conf"
mount --bind "$conf" /etc/resolv.conf
python3 -c 'import socket,time
s=socket.socket(socket.AF_INET,socket.SOCK_DGRAM); s.bind(("127.0.0.1",53))
time.sleep(120)' &
silent=$!
sleep 0.3
"$1/bench/startup/bench_probe" http://www.bing.com/ http://silent.morvane.example/
kill "$silent"
rm -f "$conf"
INNER
