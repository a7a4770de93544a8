#!/usr/bin/env bash
# Start-up of the word lists' window against the program's own, under Xvfb: from the start of
# the process to its first window on screen, one warm-up run each, then the two by turns on
# the same data folder (a language of 98 full lists), and the medians.
# Usage: bench/window_startup.sh [build folder] [runs]
set -euo pipefail
build=${1:-build}
runs=${2:-15}
program=$(readlink -f "$build/app/program/ordlykta")
window=$(readlink -f "$build/window/ordlykta-ordlistor")
probe=$(readlink -f "$build/bench/startup/map_time")
tool=$(readlink -f "$build/tool/ordlykta")

xvfb_pid=
work=$(mktemp -d)
trap 'kill $xvfb_pid 2>/dev/null; rm -rf "$work"' EXIT
. "$(dirname "$0")/../scripts/xvfb.sh"
start_xvfb
unset QT_QPA_PLATFORM
cd "$work"

# A full language: 98 lists of 98 pairs, imported as a teacher's file would be.
awk 'BEGIN { print "Svenska,Engelska,Lista"; for (l = 1; l <= 98; l++) for (p = 1; p <= 98; p++)
             printf "ord%d-%d,word%d-%d,Lista %d\n", l, p, l, p, l }' >"$work/full.csv"
"$tool" import "$work/full.csv" --data "$work" --language 1 --list 1 >/dev/null

"$probe" "$program" >/dev/null 2>&1 || true
"$probe" "$window" --data "$work" >/dev/null 2>&1 || true
ours= theirs=
for _ in $(seq "$runs"); do
  theirs+=$("$probe" "$program" 2>/dev/null)$'\n'
  ours+=$("$probe" "$window" --data "$work" 2>/dev/null)$'\n'
done
median() { grep . | sort -n | awk '{ v[NR] = $1 } END { printf "%.1f", v[int((NR + 1) / 2)] }'; }
ms=$(cut -d' ' -f1 <<<"$ours" | median) mb=$(cut -d' ' -f2 <<<"$ours" | median)
program_ms=$(cut -d' ' -f1 <<<"$theirs" | median) program_mb=$(cut -d' ' -f2 <<<"$theirs" | median)
echo "the window to first window: median $ms ms over $runs runs (the program: $program_ms ms)"
echo "peak resident memory: median $mb MB (the program: $program_mb MB)"
awk -v a="$ms" -v b="$program_ms" -v c="$mb" -v d="$program_mb" \
  'BEGIN { printf "the window against the program: %.2f times the time, %.2f times the memory\n", a / b, c / d }'
