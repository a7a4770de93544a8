# Sourced by the scripts that need an X display. require_x_tools ends the script as skipped
# (status 77) when Xvfb or xdotool is missing. start_xvfb starts Xvfb on a display nobody
# uses, waits until it accepts clients, exports DISPLAY and sets xvfb_pid. visible, press,
# press_until, next_screen and trainer_screen find windows and send them keys.
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

# The visible window whose title is exactly $1, the newest of them, waited for; prints its id.
visible() {
  local id=
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -n1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# Sends the key $1 to the window $2, and counts it in `pressed`. Without a window manager the
# keyboard follows the pointer.
pressed=0
press() {
  pressed=$((pressed + 1))
  xdotool mousemove --window "$2" 40 40
  xdotool windowfocus --sync "$2" 2>/dev/null
  sleep 0.2
  xdotool key "$1"
}

# Presses the key $1 on the window $2 until the command line $3 succeeds, again every 2 s: the
# words' window refuses its writing keys for up to a second whenever another process has held
# the data folder (the launcher's snapshot, a command of the tool). Fails after 5 presses.
press_until() {
  for _ in 1 2 3 4 5; do
    press "$1" "$2"
    for _ in $(seq 20); do
      eval "$3" && return 0
      sleep 0.1
    done
  done
  return 1
}

# The one window of the process $1 on show once it is another than the window $2 (and titled
# $3 when given): the screen a key press led to, waited for; prints its id.
next_screen() {
  local on_show
  for _ in $(seq 100); do
    on_show=$(xdotool search --onlyvisible --pid "$1" 2>/dev/null)
    if [ "$(printf '%s\n' "$on_show" | grep -c .)" = 1 ] && [ "$on_show" != "$2" ] &&
      { [ -z "${3:-}" ] || [ "$(xdotool getwindowname "$on_show")" = "$3" ]; }; then
      echo "$on_show"
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# The trainer's screen titled $1 once it is the trainer's one window on show: its start screen
# (its first window, whose title the quiz screen shares) hidden.
trainer_screen() {
  local start=
  for _ in $(seq 100); do
    start=$(xdotool search --name '^Ordlykta 2.0 ELV$' 2>/dev/null | sort -n | head -n1)
    [ -n "$start" ] && break
    sleep 0.1
  done
  [ -n "$start" ] && next_screen "$(xdotool getwindowpid "$start")" "$start" "$1"
}
