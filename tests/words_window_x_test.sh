#!/usr/bin/env bash
# The built words' window in a real X window under Xvfb, started as the launcher starts it for
# a double-clicked list: it opens titled "Ordlykta ordlistor", imports the file with Alt+M (a
# real key press), closes with Ctrl+Q and status 0, and remembers its size for the next start.
# Usage: words_window_x_test.sh TOOL WINDOW
set -u
tool=$1
window=$2
. "$(dirname "$0")/../scripts/xvfb.sh"
require_x_tools

work=$(mktemp -d)
xvfb_pid= app_pid=
trap 'kill $xvfb_pid 2>/dev/null; kill $app_pid 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }
start_xvfb || exit 1
unset QT_QPA_PLATFORM
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/share
printf 'Svenska,Engelska\nskola,school\nbok,book\n' >"$work/glosor v12.csv"

find_window() {
  local id=
  for _ in $(seq 200); do
    id=$(xdotool search --onlyvisible --name '^Ordlykta ordlistor$' 2>/dev/null | head -n1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    kill -0 $app_pid 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

ORDLYKTA_WINDOW=$window "$tool" window "$work/glosor v12.csv" &
app_pid=$!
id=$(find_window) || fail "no window"
# Without a window manager the keyboard follows the pointer.
xdotool mousemove --window "$id" 40 40
xdotool windowfocus --sync "$id" 2>/dev/null
sleep 0.3
xdotool key alt+m
for _ in $(seq 100); do
  [ -f "$work/share/ordlykta/bu1.dat" ] && break
  sleep 0.1
done
[ -f "$work/share/ordlykta/bu1.dat" ] || fail "Alt+M imported nothing"
xdotool windowsize "$id" 700 560
sleep 0.3
xdotool key ctrl+q
status=0
wait_for_exit $app_pid || status=$?
[ $status -ne 124 ] || fail "the window did not close"
app_pid=
[ $status -eq 0 ] || fail "ended with status $status"
grep -q 'size=@Size(700 560)' "$work"/config/ordlykta/ordlykta-ordlistor.conf ||
  fail "the size is not kept: $(cat "$work"/config/ordlykta/*.conf 2>&1)"
echo "the window imported with Alt+M, closed with 0 and kept its size"
