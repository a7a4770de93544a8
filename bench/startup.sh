#!/usr/bin/env bash
# Start-up time (to the first window on screen) and peak resident memory of the program under
# Xvfb: one warm-up run, then the medians of several runs.
# Usage: bench/startup.sh [build folder] [runs]
set -euo pipefail
build=${1:-build}
runs=${2:-15}
program=$(readlink -f "$build/app/program/ordlykta")
probe=$(readlink -f "$build/bench/startup/map_time")

xvfb_pid=
work=$(mktemp -d)
trap 'kill $xvfb_pid 2>/dev/null; rm -rf "$work"' EXIT
. "$(dirname "$0")/../scripts/xvfb.sh"
start_xvfb
unset QT_QPA_PLATFORM
cd "$work"

"$probe" "$program" >/dev/null 2>&1 || true   # warm-up: caches of fonts and libraries
results=$(for _ in $(seq "$runs"); do "$probe" "$program" 2>/dev/null; done)
median() { sort -n | awk '{ v[NR] = $1 } END { printf "%.1f", v[int((NR + 1) / 2)] }'; }
echo "start-up to first window: median $(cut -d' ' -f1 <<<"$results" | median) ms over $runs runs"
echo "peak resident memory: median $(cut -d' ' -f2 <<<"$results" | median) MB"
