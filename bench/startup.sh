#!/usr/bin/env bash
# Start-up time (to the first window on screen) and peak resident memory of the program under
# Xvfb, beside a bare Qt window: one warm-up run each, then the medians of several runs.
# Usage: bench/startup.sh [build folder] [runs]
set -euo pipefail
build=${1:-build}
runs=${2:-15}
program=$(readlink -f "$build/app/program/ordlykta")
probe=$(readlink -f "$build/bench/startup/map_time")
bare=$(readlink -f "$build/bench/startup/bare_window")

xvfb_pid=
work=$(mktemp -d)
trap 'kill $xvfb_pid 2>/dev/null; rm -rf "$work"' EXIT
. "$(dirname "$0")/../scripts/xvfb.sh"
start_xvfb
unset QT_QPA_PLATFORM
cd "$work"

# Warm-up: caches of fonts and libraries. Then the two programs by turns, so that both see the
# same machine.
"$probe" "$program" >/dev/null 2>&1 || true
"$probe" "$bare" >/dev/null 2>&1 || true
ours= floor=
for _ in $(seq "$runs"); do
  ours+=$("$probe" "$program" 2>/dev/null)$'\n'
  floor+=$("$probe" "$bare" 2>/dev/null)$'\n'
done
median() { grep . | sort -n | awk '{ v[NR] = $1 } END { printf "%.1f", v[int((NR + 1) / 2)] }'; }
ms=$(cut -d' ' -f1 <<<"$ours" | median) mb=$(cut -d' ' -f2 <<<"$ours" | median)
bare_ms=$(cut -d' ' -f1 <<<"$floor" | median) bare_mb=$(cut -d' ' -f2 <<<"$floor" | median)
echo "start-up to first window: median $ms ms over $runs runs (a bare Qt window: $bare_ms ms)"
echo "peak resident memory: median $mb MB (a bare Qt window: $bare_mb MB)"
awk -v a="$ms" -v b="$bare_ms" -v c="$mb" -v d="$bare_mb" \
  'BEGIN { printf "the program against a bare Qt window: %.2f times the time, %.2f times the memory\n", a / b, c / d }'
