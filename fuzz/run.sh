#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer, ASan and UBSan, and runs each for a while:
# fuzz_screens (every screen driven by random data files and actions) and fuzz_readers (the
# readers of KVTML, CSV, Anki text and backup archives).
# Usage: fuzz/run.sh [seconds each, default 60] [jobs, default 1] [target, default both]
# Leaks are left to the sanitizer run of the tests: the fuzzer's own leak check would cost
# five times the executions.
# A finding stops the run and leaves its input as build-fuzz/crash-*, leak-* or timeout-*;
# replay it with: build-fuzz/fuzz/TARGET FILE
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
jobs=${2:-1}
targets=(${3:-fuzz_screens fuzz_readers})
top=$PWD

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORDLYKTA_FUZZ=ON \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" >/dev/null
cmake --build build-fuzz -j2 --target "${targets[@]}"
python3 fuzz/make_seeds.py build-fuzz/seeds/fuzz_screens
# The readers' seeds: the fixture files, each after the byte that picks its reader (0 KVTML,
# 1 CSV, 2 Anki text, 3 archive), and a backup archive.
readers=build-fuzz/seeds/fuzz_readers
mkdir -p "$readers"
for f in tests/fixtures/kwordquiz/*.kvtml tests/fixtures/kwordquiz-saved/*.kvtml; do { printf '\000'; cat "$f"; } >"$readers/$(basename "$f")"; done
for f in tests/fixtures/spreadsheet/*.csv; do { printf '\001'; cat "$f"; } >"$readers/$(basename "$f")"; done
for f in tests/fixtures/anki/*.txt; do { printf '\002'; cat "$f"; } >"$readers/$(basename "$f")"; done
archive=$(mktemp -d)
head -c 112 /dev/zero >"$archive/agen.dat"
{ printf '\003'; tar -C "$archive" -czf - agen.dat; } >"$readers/backup.tar.gz"
rm -r "$archive"

# A smaller quarantine and shorter allocation stacks keep a long run within the memory limit.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}quarantine_size_mb=64:malloc_context_size=10
export LSAN_OPTIONS=suppressions=$top/.ci/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build-fuzz
parallel=()
[ "$jobs" -gt 1 ] && parallel=(-jobs="$jobs" -workers="$jobs")
for target in "${targets[@]}"; do
  mkdir -p "corpus/$target"
  "$top/build-fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=3072 -detect_leaks=0 \
    "${parallel[@]}" -print_final_stats=1 -artifact_prefix="$top/build-fuzz/" \
    "$top/build-fuzz/corpus/$target" "$top/build-fuzz/seeds/$target" 2>&1 | grep -v 'does not support raise()'
  status=${PIPESTATUS[0]}
  [ "$status" -eq 0 ] || exit "$status"
done
