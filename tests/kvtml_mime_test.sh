#!/usr/bin/env bash
# The package's definition of KDE's vocabulary type: the shared MIME database built from it
# with freedesktop.org's definitions (and KDE's, where installed) knows *.kvtml as one type,
# application/x-kvtml, a kind of XML, without a warning.
# Usage: kvtml_mime_test.sh DEFINITION
set -u
definition=$1
command -v update-mime-database >/dev/null || { echo "SKIPPED: no update-mime-database"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }
mkdir -p "$work/packages"
cp "$definition" "$work/packages/"
for shipped in /usr/share/mime/packages/freedesktop.org.xml /usr/share/mime/packages/kde5.xml; do
  [ -f "$shipped" ] && cp "$shipped" "$work/packages/"
done
output=$(XDG_DATA_DIRS=$(dirname "$work") update-mime-database "$work" 2>&1) || fail "$output"
[ -z "$output" ] || fail "warnings: $output"
# KDE's and ours give the same line; nothing else claims the pattern.
[ "$(grep kvtml "$work/globs2" | sort -u)" = "50:application/x-kvtml:*.kvtml" ] ||
  fail "globs: $(grep kvtml "$work/globs2")"
[ "$(grep -c '^application/x-kvtml$' "$work/types")" = 1 ] || fail "not one type"
grep -qx 'application/x-kvtml application/xml' "$work/subclasses" || fail "not a kind of XML"
echo "*.kvtml is one type, application/x-kvtml"
