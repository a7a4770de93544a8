#!/usr/bin/env bash
# `ordlykta window [FILE] [--data DIR] [--page PAGE]` replaces the launcher with the window
# program, handing on the data folder and the file as absolute paths; a missing window program
# is a refusal (status 1) that names it.
# Usage: window_launch_test.sh TOOL
set -u
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }
cd "$work"
mkdir data

output=$(ORDLYKTA_WINDOW=/bin/echo "$tool" window "glosor v12.csv" --data data --page import 2>&1) ||
  fail "status $?: $output"
[ "$output" = "--data $work/data --page import $work/glosor v12.csv" ] || fail "handed on: $output"
output=$(ORDLYKTA_WINDOW=/bin/echo XDG_DATA_HOME="$work/xdg" "$tool" window 2>&1) || fail "$output"
[ "$output" = "--data $work/xdg/ordlykta" ] || fail "without --data: $output"

output=$(ORDLYKTA_WINDOW="$work/missing" "$tool" window 2>&1)
status=$?
[ $status -eq 1 ] || fail "a missing window program ended with $status"
grep -q "$work/missing" <<<"$output" || fail "the refusal does not name it: $output"
echo "the launcher hands the window its folder, page and file"
