#!/usr/bin/env bash
# Starts the built program in a real X window under Xvfb, presses "&Fortsätt", answers the
# first-start notices, and ends it with "&Avsluta" and Yes. The program must exit 0.
# Usage: window_test.sh PROGRAM [DATA_FOLDER]
# The program starts in an empty folder; its data files must appear in DATA_FOLDER when one is
# given (a launcher that chooses the folder) and in the folder it was started in otherwise.
set -u
program=$1
data=${2:-}
. "$(dirname "$0")/../scripts/xvfb.sh"
require_x_tools

work=$(mktemp -d)
xvfb_pid= app_pid=
trap 'kill $xvfb_pid 2>/dev/null; kill $app_pid 2>/dev/null; rm -rf "$work"' EXIT
start_xvfb || exit 1
unset QT_QPA_PLATFORM

cd "$work"
"$program" &
app_pid=$!

# Waits for a visible window with exactly this title and sends it the keys; prints its id. A
# loaded machine can take seconds for each step.
send() {
  local title=$1; shift
  local id=
  for _ in $(seq 200); do
    id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n1)
    [ -n "$id" ] && break
    sleep 0.1
  done
  if [ -z "$id" ]; then echo "FAILED: no window \"$title\"" >&2; return 1; fi
  # Without a window manager the keyboard follows the pointer.
  xdotool mousemove --window "$id" 20 20
  sleep 0.2
  xdotool key "$@"
  echo "$id"
}

# Answers a message box and waits until it is gone, so that the next step never finds it again.
answer() {
  local title=$1 id
  id=$(send "$@") || exit 1
  for _ in $(seq 200); do
    xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | grep -qx "$id" || return 0
    sleep 0.1
  done
  echo "FAILED: the box \"$title\" is still on the screen"; exit 1
}

send 'Ordlykta 2.0 ELV' Return >/dev/null || exit 1   # "&Fortsätt" has the focus
# The notices of a first start: "The file agen.dat is re-created", "the file bu1.dat re-created".
answer 'ordlykta 2.00' Return
answer 'ordlykta 2.00' Return
send 'ordlykta 2.0 ELV' alt+a >/dev/null || exit 1    # "&Avsluta" on the menu
answer 'Confirm' Return                               # Yes is the default

for _ in $(seq 100); do
  kill -0 $app_pid 2>/dev/null || break
  sleep 0.1
done
if kill -0 $app_pid 2>/dev/null; then echo "FAILED: the program is still running"; exit 1; fi
wait $app_pid
status=$?
if [ -n "$data" ]; then
  [ -z "$(ls -A)" ] || { echo "FAILED: files in the start folder: $(ls -A)"; exit 1; }
  cd "$data"
fi
[ -f agen.dat ] && [ -f bu1.dat ] || { echo "FAILED: the data files are not in $PWD"; exit 1; }
echo "program exited with $status"
exit $status
