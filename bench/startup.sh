#!/usr/bin/env bash
# Start-up time (to the first window on screen) and peak resident memory under Xvfb of the
# program, of the word lists' window on a folder holding a full language (98 lists of 98
# pairs), and of a bare Qt window of the same size: one warm-up run each, then the three by
# turns, so that all see the same machine, and the medians.
# Usage: bench/startup.sh [build folder] [runs]
set -euo pipefail
build=${1:-build}
runs=${2:-15}
program=$(readlink -f "$build/app/program/ordlykta")
window=$(readlink -f "$build/window/ordlykta-ordlistor")
tool=$(readlink -f "$build/tool/ordlykta")
probe=$(readlink -f "$build/bench/startup/map_time")
bare=$(readlink -f "$build/bench/startup/bare_window")

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

declare -A runs_of=([program]="$program" [window]="$window --data $work/data" [bare]="$bare")
declare -A times
for name in program window bare; do "$probe" ${runs_of[$name]} >/dev/null 2>&1 || true; done
for _ in $(seq "$runs"); do
  for name in program window bare; do
    times[$name]+=$("$probe" ${runs_of[$name]} 2>/dev/null)$'\n'
  done
done
median() { grep . | sort -n | awk '{ v[NR] = $1 } END { printf "%.1f", v[int((NR + 1) / 2)] }'; }
declare -A ms mb
for name in program window bare; do
  ms[$name]=$(cut -d' ' -f1 <<<"${times[$name]}" | median)
  mb[$name]=$(cut -d' ' -f2 <<<"${times[$name]}" | median)
  echo "$name: start-up to first window median ${ms[$name]} ms, peak resident memory ${mb[$name]} MB ($runs runs)"
done
ratio() { awk -v a="${ms[$1]}" -v b="${ms[$2]}" -v c="${mb[$1]}" -v d="${mb[$2]}" \
  'BEGIN { printf "%.2f times the time, %.2f times the memory\n", a / b, c / d }'; }
echo "the program against a bare Qt window: $(ratio program bare)"
echo "the window against the program: $(ratio window program)"
