#!/usr/bin/env bash
# Takes the screenshot of the main window that the AppStream data refers to:
# resources/screenshots/main-window.png (run after a build).
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build/app/morvane}
exec scripts/netns-run.sh bash -c '
  source tests/e2e/xvfb-session.sh
  start_xvfb 1024x768x24
  "$0" & pid=$!
  id=$(wait_window "Morvane Ver1.0")
  sleep 1
  import -window "$id" resources/screenshots/main-window.png
  kill $pid' "$bin"
