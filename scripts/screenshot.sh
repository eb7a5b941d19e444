#!/usr/bin/env bash
# Takes the screenshot of the main window that the AppStream data refers to:
# resources/screenshots/main-window.png (run after a build). The label shows
# the built-in background picture and the CD badge, picked from the window's
# menu as a user would.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build/app/morvane}
exec scripts/netns-run.sh env QTWEBENGINE_DISABLE_SANDBOX=1 bash -c '
  set -euo pipefail
  source tests/e2e/xvfb-session.sh
  start_xvfb 1024x768x24
  "$0" & pid=$!
  id=$(wait_window "Morvane Ver1.0")
  eval "$(xdotool getwindowgeometry --shell "$id")"
  menu() {  # opens the main menu on the window margin, goes $1 items down, types the rest
    xdotool mousemove --sync $((X + 8)) $((Y + 8)) click 3
    sleep 0.5
    local downs=$1
    shift
    xdotool key $(for _ in $(seq "$downs"); do echo Down; done) "$@"
    sleep 0.5
  }
  menu 9 Return          # background picture
  menu 11 Right Return   # media type: CD
  # Away from the label, so no item shows hover.
  xdotool mousemove 1000 760
  sleep 0.5
  import -window "$id" resources/screenshots/main-window.png
  kill $pid' "$bin"
