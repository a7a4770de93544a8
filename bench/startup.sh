#!/usr/bin/env bash
# Start-up time (to the first window on screen) and peak resident memory under Xvfb of the
# program, of the word lists' window on a folder holding a full language (98 lists of 98
# pairs), and of a bare Qt window of the same size: one warm-up run each, then the three by
# turns, so that all see the same machine, and the medians. The program is also started in a
# folder holding an answers database of 100,000 answers (bench/Answers.h), and, when given, a
# program built from another commit in the empty folder.
# Usage: bench/startup.sh [build folder] [runs] [other program]
set -euo pipefail
build=${1:-build}
runs=${2:-15}
other=${3:+$(readlink -f "$3")}
program=$(readlink -f "$build/app/program/ordlykta")
window=$(readlink -f "$build/window/ordlykta-ordlistor")
tool=$(readlink -f "$build/tool/ordlykta")
probe=$(readlink -f "$build/bench/startup/map_time")
bare=$(readlink -f "$build/bench/startup/bare_window")
fill=$(readlink -f "$build/bench/startup/fill_answers")

xvfb_pid=
work=$(mktemp -d)
trap 'kill $xvfb_pid 2>/dev/null; rm -rf "$work"' EXIT
. "$(dirname "$0")/../scripts/xvfb.sh"
start_xvfb
unset QT_QPA_PLATFORM
cd "$work"

# A full language, imported as a teacher's file would be.
awk 'BEGIN { print "Svenska,Engelska,Lista"; for (l = 1; l <= 98; l++) for (p = 1; p <= 98; p++)
             printf "ord%d-%d,word%d-%d,Lista %d\n", l, p, l, p, l }' >"$work/full.csv"
"$tool" import "$work/full.csv" --data "$work/data" --language 1 --list 1 >/dev/null

mkdir "$work/answers"
"$fill" "$work/answers/ordlykta.db"

declare -A runs_of=([program]="$program" [answers]="$program" [window]="$window --data $work/data"
                    [bare]="$bare" [other]="$other")
declare -A folder_of=([answers]="$work/answers")
names="program answers window bare${other:+ other}"
declare -A times
probe() { (cd "${folder_of[$1]:-$work}" && "$probe" ${runs_of[$1]}); }
for name in $names; do probe $name >/dev/null 2>&1 || true; done
for _ in $(seq "$runs"); do
  for name in $names; do
    times[$name]+=$(probe $name 2>/dev/null)$'\n'
  done
done
median() { grep . | sort -n | awk '{ v[NR] = $1 } END { printf "%.1f", v[int((NR + 1) / 2)] }'; }
declare -A ms mb
for name in $names; do
  ms[$name]=$(cut -d' ' -f1 <<<"${times[$name]}" | median)
  mb[$name]=$(cut -d' ' -f2 <<<"${times[$name]}" | median)
  echo "$name: start-up to first window median ${ms[$name]} ms, peak resident memory ${mb[$name]} MB ($runs runs)"
done
ratio() { awk -v a="${ms[$1]}" -v b="${ms[$2]}" -v c="${mb[$1]}" -v d="${mb[$2]}" \
  'BEGIN { printf "%.2f times the time, %.2f times the memory\n", a / b, c / d }'; }
echo "the program against a bare Qt window: $(ratio program bare)"
echo "the window against the program: $(ratio window program)"
echo "the program with 100,000 answers against none: $(ratio answers program)"
[ -z "$other" ] || echo "the program against the other one: $(ratio program other)"
