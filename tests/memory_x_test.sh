#!/usr/bin/env bash
# The answers kept by the real trainer in a real X window under Xvfb, on a fixed clock
# (faketime, UTC). On 2 March a list quiz is answered with two pairs right and two wrong, and the
# wrong ones again until they are right; on 3 March `ordlykta due` lists exactly the two wrong
# pairs, due that day, and the right ones are due on 5 March. Then "Repetera dagens ord"
# (`ordlykta review`) asks those two in the real window, and its answers move their schedule.
# Two pairs of the list share their answer, so that typing it is right for those two and wrong
# for the others whatever order the quiz asks in.
# Usage: memory_x_test.sh TOOL PROGRAM SOURCE_DIR
set -u
tool=$(realpath "$1")
program=$(realpath "$2")
source=$(realpath "$3")
. "$source/scripts/xvfb.sh"
require_x_tools
libfaketime=$(ls /usr/lib/*/faketime/libfaketimeMT.so.1 2>/dev/null | head -n1)
[ -n "$libfaketime" ] || { echo "SKIPPED: faketime is not installed"; exit 77; }

work=$(mktemp -d)
xvfb_pid= app_pid=
trap 'kill $app_pid 2>/dev/null; kill $xvfb_pid 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }
start_xvfb || exit 1
unset QT_QPA_PLATFORM
export TZ=UTC XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/share ORDLYKTA_PROGRAM=$program
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
# The clock starts at the given time and runs on; Qt's timers keep the machine's.
export FAKETIME_DONT_FAKE_MONOTONIC=1
data=$work/data
on() { local day=$1; shift; LD_PRELOAD=$libfaketime FAKETIME="@2026-03-$day 12:00:00" "$@"; }
# The same in the background, its process id in app_pid: the library, not faketime's own
# process, so that the id is the trainer's.
start_on() {
  local day=$1; shift
  (export LD_PRELOAD=$libfaketime FAKETIME="@2026-03-$day 12:00:00"; exec "$@") &
  app_pid=$!
}

# A sanitizer's run time and faketime's library wait on each other for ever.
timeout 5 env LD_PRELOAD="$libfaketime" FAKETIME="@2026-03-02 12:00:00" "$tool" --help \
  >/dev/null 2>&1 || { echo "SKIPPED: these programs do not run under faketime"; exit 77; }

printf 'Svenska,Engelska\nhund,animal\nkatt,animal\nbil,vehicle\nbuss,vehicle\n' >"$work/list.csv"
"$tool" import "$work/list.csv" --data "$data" --language 1 --list 1 >/dev/null ||
  fail "the list was not imported"

# Without a window manager the keyboard follows the pointer.
point_at() {
  xdotool mousemove --window "$1" 40 40
  xdotool windowfocus --sync "$1" 2>/dev/null
  sleep 0.2
}
answer() {  # TEXT, then Enter
  xdotool type --delay 30 "$1"
  xdotool key Return
  sleep 0.2
}
# Enter on the scored pass, and "Yes" in the box that offers the wrong ones again.
repeat_wrong() {
  local box
  xdotool key Return
  box=$(visible Confirm) || fail "no box offers the wrong ones again"
  press Return "$box"
  sleep 0.3
  point_at "$1"
}
# History as "swedish due reps answers" lines, sorted, on day $1.
history() {
  on "$1" "$tool" history --json --data "$data" | python3 -c '
import json, sys
for p in json.load(sys.stdin):
    print(p["swedish"], p["due"], p["reps"], len(p["answers"]))' | sort
}
wait_for_answers() {  # DAY COUNT: until the database holds COUNT answers
  for _ in $(seq 50); do
    [ "$(history "$1" | awk '{ n += $4 } END { print n + 0 }')" = "$2" ] && return 0
    sleep 0.1
  done
  fail "not $2 answers kept: $(history "$1")"
}
stop_trainer() {
  kill "$app_pid"
  wait_for_exit "$app_pid"
  app_pid=
}

# 2 March: the list's quiz, as the words' window opens it.
cd "$data"
start_on 02 "$program" --screen quiz
cd "$work"
quiz=$(trainer_screen 'Ordlykta 2.0 ELV') || fail "the trainer did not show the list's quiz"
point_at "$quiz"
for _ in 1 2 3 4; do answer animal; done  # hund and katt right, bil and buss wrong
repeat_wrong "$quiz"
for _ in 1 2; do answer vehicle; done
wait_for_answers 02 6
stop_trainer

[ "$(history 02)" = "$(printf '%s\n' 'bil 2026-03-03 1 2' 'buss 2026-03-03 1 2' \
  'hund 2026-03-05 1 1' 'katt 2026-03-05 1 1')" ] || fail "schedules after the quiz: $(history 02)"
due=$(on 03 "$tool" due --json --data "$data" |
  python3 -c 'import json, sys; print(*sorted(p["swedish"] + " " + p["due"] for p in json.load(sys.stdin)), sep="\n")')
[ "$due" = "$(printf '%s\n' 'bil 2026-03-03' 'buss 2026-03-03')" ] || fail "due on 3 March: $due"

# 3 March: today's words in the real window, both answered right.
start_on 03 "$tool" review --language 1 --data "$data"
quiz=$(visible 'Ordlykta 2.0 ELV') || fail "no window of today's words"
point_at "$quiz"
for _ in 1 2; do answer vehicle; done
wait_for_answers 03 8
stop_trainer
after=$(history 03 | awk '$1 == "bil" || $1 == "buss"')
for word in bil buss; do
  read -r _ day reps answers <<<"$(grep "^$word " <<<"$after")"
  [ "$reps" = 2 ] && [ "$answers" = 3 ] && [[ "$day" > 2026-03-04 ]] ||
    fail "$word after today's words: $after"
done
[ -z "$(on 03 "$tool" due --json --data "$data" | tr -d '[:space:]' | tr -d '[]')" ] ||
  fail "pairs still due on 3 March"
echo "the quiz kept 6 answers, the 2 wrong pairs were due the next day, today's words moved" \
  "them to $(awk '{ print $2 }' <<<"$after" | sort -u | paste -sd,)"
