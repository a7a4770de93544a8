# Sourced by the scripts that need an X display. require_x_tools ends the script as skipped
# (status 77) when Xvfb or xdotool is missing. start_xvfb starts Xvfb on a display nobody
# uses, waits until it accepts clients, exports DISPLAY and sets xvfb_pid.
# -noreset: without it the server resets whenever its last client leaves, and a client that
# connects during the reset is refused.
require_x_tools() {
  local tool
  for tool in Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null; then
      echo "SKIPPED: $tool is not installed (apt-get install xvfb xauth xdotool)"
      exit 77
    fi
  done
}

start_xvfb() {
  local ready log
  ready=$(mktemp)
  log=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$ready" >"$log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    if [ -s "$ready" ]; then
      DISPLAY=:$(head -n1 "$ready")
      export DISPLAY
      rm -f "$ready" "$log"
      return 0
    fi
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  echo "Xvfb did not start:" >&2
  cat "$log" >&2
  rm -f "$ready" "$log"
  return 1
}

# Waits up to 10 s for the process $1 to end; returns its exit status, or 124 while it still
# runs.
wait_for_exit() {
  for _ in $(seq 100); do
    kill -0 "$1" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$1" 2>/dev/null && return 124
  wait "$1"
}
