#!/usr/bin/env bash
# Two programs on one data folder. The first runs on the offscreen platform and holds the
# folder: at start it removes what interrupted creations left, and nothing of the user's. The
# second, in a real X window under Xvfb, shows the error box "Programmet körs redan i den här
# mappen.", ends with status 0 after OK (a real key press) and writes nothing; the first runs on.
# The tool's writing commands refuse there with status 1 and write nothing; its reading ones
# work. And the launcher starts the program even where it cannot take its snapshot.
# Usage: lock_test.sh PROGRAM TOOL
set -u
program=$1
tool=$2
. "$(dirname "$0")/../scripts/xvfb.sh"
require_x_tools

work=$(mktemp -d)
xvfb_pid= first= second=
trap 'kill $xvfb_pid $first $second 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }
# Every entry of the folder, hidden ones too, with its size, time and checksum.
state() { (cd "$work" && for f in $(ls -A); do echo "$f $(stat -c '%s %Y.%y' "$f") $(sha1sum <"$f")"; done); }

cd "$work"
printf 'leftover' >.bu1.dat.Q7x2Kp.tmp
printf 'mine' >.bu1.dat.tmp
printf 'mine' >notes.txt
{ printf '\1\0\0\0%.0s' 1 2 3 4; head -c 96 /dev/zero; } >agen.dat  # language 1, lists 1
"$tool" backup --data "$work" --output "$work.tar.gz" >/dev/null || fail "no backup"
trap 'kill $xvfb_pid $first $second 2>/dev/null; rm -rf "$work" "$work.tar.gz"' EXIT
QT_QPA_PLATFORM=offscreen "$program" &
first=$!
for _ in $(seq 200); do
  [ -e .bu1.dat.Q7x2Kp.tmp ] || break
  sleep 0.05
done
[ -e .bu1.dat.Q7x2Kp.tmp ] && fail "the first program left the leftover"
[ "$(ls -A)" = "$(printf '.bu1.dat.tmp\nagen.dat\nnotes.txt')" ] || fail "folder holds: $(ls -A)"
before=$(state)

for command in "restore $work.tar.gz" "restore --latest" "check --fix"; do
  output=$("$tool" $command --data "$work" 2>&1)
  status=$?
  [ $status -eq 1 ] || fail "$command ended with $status while the program runs: $output"
  grep -q 'is running in' <<<"$output" || fail "$command: $output"
done
output=$(LANG=sv_SE.UTF-8 "$tool" check --fix --data "$work" 2>&1)
grep -q 'ordlykta körs i' <<<"$output" || fail "not in Swedish: $output"
"$tool" check --data "$work" >/dev/null || fail "check does not read while the program runs"
"$tool" backups --data "$work" >/dev/null || fail "backups does not read while the program runs"
[ "$(state)" = "$before" ] || fail "the tool changed the folder: $(state)"

start_xvfb || exit 1
unset QT_QPA_PLATFORM
"$program" &
second=$!
id=
for _ in $(seq 200); do
  id=$(xdotool search --onlyvisible --name '^ordlykta 2.00$' 2>/dev/null | head -n1)
  [ -n "$id" ] && break
  kill -0 $second 2>/dev/null || fail "the second program ended without its box"
  sleep 0.1
done
[ -n "$id" ] || fail "no error box"
xdotool search --name 'ELV$' 2>/dev/null | grep -q . && fail "the second program shows a screen"
# Without a window manager the keyboard follows the pointer.
xdotool mousemove --window "$id" 20 20
sleep 0.2
xdotool key Return
status=0
wait_for_exit $second || status=$?
[ $status -ne 124 ] || fail "the second program is still running after OK"
second=
[ $status -eq 0 ] || fail "the second program ended with status $status"
[ "$(state)" = "$before" ] || fail "the folder changed: $(state)"
kill -0 $first 2>/dev/null || fail "the first program ended"
kill $first
wait $first 2>/dev/null
first=

# A file where the snapshots' folder should be: no snapshot, and the program starts all the same.
printf 'mine' >backups
output=$(ORDLYKTA_PROGRAM=/bin/pwd "$tool" --data "$work" 2>&1) || fail "no start: $output"
grep -q 'no snapshot was taken' <<<"$output" || fail "no word of the snapshot: $output"
grep -qx "$work" <<<"$output" || fail "the program did not start in $work: $output"
echo "the second program ended with 0 and wrote nothing; the first ran on; the tool kept out"
