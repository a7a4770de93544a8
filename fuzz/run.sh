#!/usr/bin/env bash
# Builds the fuzz target with clang, libFuzzer, ASan and UBSan, and runs it for a while.
# Usage: fuzz/run.sh [seconds, default 60] [jobs, default 1]
# Leaks are left to the sanitizer run of the tests: the fuzzer's own leak check would cost
# five times the executions.
# A finding stops the run and leaves its input as build-fuzz/crash-*, leak-* or timeout-*;
# replay it with: build-fuzz/fuzz/fuzz_screens FILE
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
jobs=${2:-1}
top=$PWD

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORDLYKTA_FUZZ=ON -DORDLYKTA_BENCH=OFF >/dev/null
cmake --build build-fuzz -j2 --target fuzz_screens
python3 fuzz/make_seeds.py build-fuzz/seeds
mkdir -p build-fuzz/corpus

# A smaller quarantine and shorter allocation stacks keep a long run within the memory limit.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}quarantine_size_mb=64:malloc_context_size=10
export LSAN_OPTIONS=suppressions=$top/.ci/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build-fuzz
parallel=()
[ "$jobs" -gt 1 ] && parallel=(-jobs="$jobs" -workers="$jobs")
"$top/build-fuzz/fuzz/fuzz_screens" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=3072 -detect_leaks=0 \
  "${parallel[@]}" -print_final_stats=1 -artifact_prefix="$top/build-fuzz/" \
  "$top/build-fuzz/corpus" "$top/build-fuzz/seeds" 2>&1 | grep -v 'does not support raise()'
exit "${PIPESTATUS[0]}"
