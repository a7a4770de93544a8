#!/usr/bin/env bash
# The tool as a real process: exit statuses, help without a display, Swedish under a Swedish
# locale, and the start path (the program runs in the data folder, which is created).
# Usage: tool_process_test.sh TOOL
set -u
tool=$(readlink -f "$1")
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
expect 2 'Okänd flagga: --frobnicate' env LANG=sv_SE.UTF-8 "$tool" show --frobnicate

# The start path: the program starts in the data folder, created on the way.
expect 0 "^$work/new/data\$" env ORDLYKTA_PROGRAM=/bin/pwd "$tool" --data "$work/new/data"
(cd "$work" && ln -s /bin/pwd mypwd && expect 0 "^$work/rel\$" env ORDLYKTA_PROGRAM=./mypwd "$tool" --data rel && exit $failed) || failed=1
expect 1 'cannot start' env ORDLYKTA_PROGRAM="$work/missing" "$tool" --data "$work/d2"

# A semicolon file as a Swedish spreadsheet saves it: every pair goes in; a row that is no pair
# refuses the whole import (nothing written) unless --skip-bad-rows leaves it out; the report
# ends with the command that undoes the import.
printf 'hund;Hund\nkatt;Katze\nfisk, lax;Fisch\n' >"$work/semi.csv"
expect 0 '3 added' "$tool" import "$work/semi.csv" --data "$work/i" --language 1 --list 5
expect 0 '^3	fisk, lax	Fisch$' "$tool" show --data "$work/i" --language 1 --list 5
printf 'ost;K\xe4se\nmj\xf6lk\n' >"$work/bad.csv"
before=$(md5sum <"$work/i/bu1.dat")
expect 1 'line 2: one field, not a pair' "$tool" import "$work/bad.csv" --data "$work/i" --language 1 --list 5 --separator ';'
[ "$(md5sum <"$work/i/bu1.dat")" = "$before" ] || { echo "FAILED: a refused import changed bu1.dat"; failed=1; }
expect 0 'restore --latest' "$tool" import "$work/bad.csv" --data "$work/i" --language 1 --list 5 --separator ';' --skip-bad-rows
expect 0 '^4	ost	Käse$' "$tool" show --data "$work/i" --language 1 --list 5
expect 0 'restored' "$tool" restore --latest --data "$work/i"
[ "$(md5sum <"$work/i/bu1.dat")" = "$before" ] || { echo "FAILED: restore --latest did not undo the import"; failed=1; }
exit $failed
