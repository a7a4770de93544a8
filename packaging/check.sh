#!/usr/bin/env bash
# Makes the Debian package and the source archive in a build folder and checks them as a Debian
# reviewer would: lintian, hardening of every program, the manual pages, the metainfo; then
# installs the package with apt (as root) and reads its help and manual page from the installed
# files. Any warning fails the check, and so does a lintian info tag that is not overridden.
# Usage: packaging/check.sh BUILD_FOLDER
set -euo pipefail
build=$(realpath "$1")
top=$(realpath "$(dirname "$0")/..")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
is_program() { [ "$(head -c 4 "$1" | od -An -tx1 | tr -d ' ')" = 7f454c46 ]; }

(cd "$build" && cpack -G DEB >/dev/null && cpack --config CPackSourceConfig.cmake >/dev/null)
deb=$(ls -t "$build"/ordlykta_*_amd64.deb | sed -n 1p)
echo "== $(basename "$deb"): $(stat -c %s "$deb") bytes, installed size $(dpkg-deb -f "$deb" Installed-Size) KiB"

echo "== lintian"
lintian --pedantic -I --fail-on error,warning,info,pedantic "$deb"

echo "== hardening-check"
dpkg-deb -x "$deb" "$work/root"
programs=()
while IFS= read -r -d '' file; do
  if is_program "$file"; then programs+=("$file"); fi
done < <(find "$work/root" -type f -print0)
[ ${#programs[@]} -gt 0 ] || { echo "no programs in the package"; exit 1; }
# Fortified calls replace only libc calls whose buffer size the compiler knows; where a program
# has none, hardening-check reports "only unprotected functions found" although the flag was
# used. So it checks the rest, and the compile commands show that every file was fortified.
# Control-flow protection is not among Debian 12's hardening flags, and its C library's start
# files lack the marking, so no program of Debian 12 has it.
hardening-check --nofortify --nocfprotection "${programs[@]}"
if grep '"command"' "$build/compile_commands.json" | grep -v -e '-D_FORTIFY_SOURCE=2 '; then
  echo "compiled without -D_FORTIFY_SOURCE=2"; exit 1
fi

echo "== manual pages"
for page in "$top"/packaging/man/*.1; do
  mandoc -T lint -W warning "$page"
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || { echo "$page: $warnings"; exit 1; }
done

echo "== metainfo"
# The metainfo alone, then with the menu entry and icons it names.
report=$(appstreamcli validate --pedantic --no-net "$work"/root/usr/share/metainfo/*.xml
         appstreamcli validate-tree --pedantic --no-net "$work/root")
echo "$report"
if grep -q '^[EWP]:' <<<"$report"; then exit 1; fi

echo "== source archive"
# It holds exactly the files kept in git, so it builds as the checkout does.
source=$build/ordlykta-$(dpkg-deb -f "$deb" Version | cut -d- -f1).tar.gz
if git -C "$top" rev-parse --git-dir >/dev/null 2>&1; then
  diff <(git -C "$top" ls-files | sort) \
       <(tar -tzf "$source" | grep -v '/$' | cut -d/ -f2- | sort)
fi
tar -xzf "$source" -C "$work"
cmake -S "$work"/ordlykta-* -B "$work/source-build" >/dev/null

echo "== installed with apt"
export LC_ALL=C.UTF-8
apt-get install -y -q --reinstall "$deb" >/dev/null
env -u DISPLAY ordlykta --help
MANWIDTH=80 man ordlykta | col -b >"$work/ordlykta.txt"
MANWIDTH=80 man -L sv ordlykta | col -b >"$work/ordlykta.sv.txt"
sed -n 1,12p "$work/ordlykta.txt"
sed -n 1,4p "$work/ordlykta.sv.txt"
grep -q 'SNAPSHOTS AND BACKUPS' "$work/ordlykta.txt"
grep -q 'SÄKERHETSKOPIOR' "$work/ordlykta.sv.txt"
