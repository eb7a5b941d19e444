# Sourced by the end-to-end scripts: starts a private Xvfb display, exported
# as DISPLAY, stopped when the script exits.
start_xvfb() {
  local screen=${1:-1280x1024x24} dpi=${2:-96}
  local n
  for n in $(seq 90 140); do
    [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] && continue
    Xvfb :$n -screen 0 "$screen" -dpi "$dpi" -nolisten tcp -noreset >/dev/null 2>&1 &
    XVFB_PID=$!
    trap 'kill $XVFB_PID 2>/dev/null; wait $XVFB_PID 2>/dev/null' EXIT
    for _ in $(seq 100); do
      if [ -e /tmp/.X11-unix/X$n ]; then
        export DISPLAY=:$n
        # A desktop announces its resolution to Qt through Xft.dpi.
        [ "$dpi" = 96 ] || echo "Xft.dpi: $dpi" | xrdb -nocpp -merge
        return 0
      fi
      sleep 0.05
    done
    kill $XVFB_PID 2>/dev/null
  done
  echo "could not start Xvfb" >&2
  return 1
}

# Waits for a window whose title is exactly $1; prints its id.
wait_window() {
  local id
  for _ in $(seq 300); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
