#!/usr/bin/env bash
# The pictures of the eight screens, drawn twice under Xvfb: byte for byte the same both times
# (the drills draw from a fixed seed), so that doc/screens changes only when a screen does.
# Usage: screenshots_test.sh SCREENSHOTS
set -u
screenshots=$1
. "$(dirname "$0")/../scripts/xvfb.sh"
require_x_tools

work=$(mktemp -d)
xvfb_pid=
trap 'kill $xvfb_pid 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }
start_xvfb || exit 1
export XDG_CONFIG_HOME=$work/config
for run in 1 2; do
  QT_QPA_PLATFORM=xcb "$screenshots" "$work/$run" >/dev/null || fail "run $run"
done
pictures=("$work"/1/*.png)
[ ${#pictures[@]} -eq 8 ] || fail "${#pictures[@]} pictures, not 8"
for picture in "${pictures[@]}"; do
  cmp -s "$picture" "$work/2/${picture##*/}" || fail "${picture##*/} differs from one run to the next"
done
echo PASSED
