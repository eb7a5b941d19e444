#!/usr/bin/env bash
# Installs what Morvane needs, builds it and starts it. The program runs in a
# network namespace with only loopback, so none of its traffic leaves the
# machine. Without a display it starts on a virtual one (Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh run
MORVANE_BUILD_TESTS=OFF bash scripts/build.sh -DMORVANE_BUILD_TESTS=OFF -DMORVANE_BUILD_BENCH=OFF
bin=$PWD/build/app/morvane
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting Morvane on a virtual X display (Xvfb)." >&2
  exec scripts/netns-run.sh xvfb-run -a -s "-screen 0 1280x1024x24" "$bin"
fi
exec scripts/netns-run.sh "$bin"
