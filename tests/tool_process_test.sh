#!/usr/bin/env bash
# The tool as a real process: exit statuses, help without a display, Swedish under a Swedish
# locale, and the start path (the program runs in the data folder, which is created).
# Usage: tool_process_test.sh TOOL
set -u
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
expect() {  # expect STATUS PATTERN COMMAND...: the status, and PATTERN in stdout+stderr
    local status=$1 pattern=$2; shift 2
    local output actual
    output=$("$@" 2>&1); actual=$?
    if [ "$actual" -ne "$status" ] || ! grep -q -- "$pattern" <<<"$output"; then
        echo "FAILED: $* gave $actual (wanted $status, /$pattern/):"; echo "$output"; failed=1
    fi
}
export LANG=C.UTF-8 LC_ALL=
expect 0 'ordlykta export' env -u DISPLAY -u WAYLAND_DISPLAY "$tool" --help
expect 0 'delete that folder' env -u DISPLAY "$tool" --help
expect 0 '^ordlykta 2' "$tool" --version
expect 2 'Usage' "$tool" frobnicate
expect 2 'Usage' "$tool" --frobnicate
expect 2 'Usage: ordlykta where' "$tool" where --frobnicate
expect 0 "^$work/d\$" "$tool" where --data "$work/d"
expect 0 "^$work/xdg/ordlykta\$" env XDG_DATA_HOME="$work/xdg" "$tool" where
expect 0 "^$work/home/.local/share/ordlykta\$" env XDG_DATA_HOME= HOME="$work/home" "$tool" where
expect 0 'Användning\|Kommandon' env LANG=sv_SE.UTF-8 "$tool" --help
expect 2 'Okänt kommando' env LANG=sv_SE.UTF-8 "$tool" frobnicate

# The start path: the program starts in the data folder, created on the way.
expect 0 "^$work/new/data\$" env ORDLYKTA_PROGRAM=/bin/pwd "$tool" --data "$work/new/data"
expect 1 'cannot start' env ORDLYKTA_PROGRAM="$work/missing" "$tool" --data "$work/d2"
exit $failed
