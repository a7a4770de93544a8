#!/usr/bin/env bash
# Renders the eight screens to doc/screens/*.png and the word lists' window's five pages and the
# progress report to doc/screens/ordlistor-*.png, at 100 % and at 200 % (QT_SCALE_FACTOR=2, the
# "@2x" pictures), under Xvfb, building the picture programs first when they are missing or out of date.
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
cmake --build "$build" --target screenshots window_screenshots -j2 >/dev/null

xvfb_pid=
trap 'kill $xvfb_pid 2>/dev/null' EXIT
. "$top/scripts/xvfb.sh"
start_xvfb

mkdir -p "$out"
QT_QPA_PLATFORM=xcb "$build/app/desktop/screenshots" "$out"
QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1 "$build/window/window_screenshots" "$out"
QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=2 "$build/window/window_screenshots" "$out"
