#!/usr/bin/env bash
# Renders the eight screens to doc/screens/*.png under Xvfb, building the picture program first
# when it is missing or out of date.
# Usage: scripts/screenshots.sh [build folder] [output folder]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}
out=${2:-$top/doc/screens}

if ! command -v Xvfb >/dev/null; then
  echo "Xvfb is not installed (apt-get install xvfb xauth)" >&2
  exit 1
fi
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$top" -B "$build" >/dev/null
fi
cmake --build "$build" --target screenshots -j2 >/dev/null

# A display nobody uses yet.
n=90
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done

mkdir -p "$out"
DISPLAY=:$n QT_QPA_PLATFORM=xcb "$build/app/desktop/screenshots" "$out"
