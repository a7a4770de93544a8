#!/usr/bin/env bash
# A full copy-on-write disk: btrfs on a loop device, where even a write in place needs new
# pages, for the data file and for its journal alike. An append, an insertion and a removal of
# the list editor are made with 0 to 64 KB free, in 4 KB steps. Whatever the disk refuses, what
# the editor reads and what `ordlykta show` prints is the list before the change or after it,
# never a torn one (the one before when the change was refused); once the space is freed, the
# next holder of the folder leaves that same list.
# With MEMORY_SCREEN_TEST, its full-disk case runs in a folder on the same disk: a quiz answered
# while the disk fills up keeps the answers it can, the word lists byte for byte, and no box.
# Needs root (mount) and loop devices; skipped (status 77) where it cannot mount one.
# Usage: btrfs_full_disk_test.sh LIST_EDIT_TOOL TOOL [MEMORY_SCREEN_TEST]
set -u
edit=$1
tool=$2
screens=${3:-}
skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*"; exit 1; }

[ "$(id -u)" -eq 0 ] || skip "not root: no loop device can be mounted"
command -v mkfs.btrfs >/dev/null || skip "mkfs.btrfs is missing (btrfs-progs)"
work=$(mktemp -d)
mnt=$work/mnt
mkdir "$mnt"
trap 'umount "$mnt" 2>/dev/null; rm -rf "$work"' EXIT
truncate -s 64M "$work/disk.img"
mkfs.btrfs -q --mixed "$work/disk.img" >/dev/null 2>&1 || skip "mkfs.btrfs failed"
mount -o loop "$work/disk.img" "$mnt" 2>/dev/null || skip "no loop device can be mounted here"

data=$mnt/data
mkdir "$data" "$work/given"
"$edit" "$data" setup || fail "no data files"
cp -a "$data/." "$work/given/"
list() { "$tool" show --language 1 --list 5 --data "$data" | cut -f2-; }
old=$(list)
# Most of the disk taken once; what is left is filled up for each case.
fallocate -l $(( $(stat -f -c '%a * %S' "$mnt") - 4 * 1024 * 1024 )) "$mnt/taken"

# The folder as given, then the disk filled up, then `1` KB freed: 4 KB files made before the
# filling are removed (a file cannot be cut shorter on a full btrfs).
reset() {
  rm -rf "$mnt"/fill* "$mnt/small" "$data"
  cp -a "$work/given" "$data"
  mkdir "$mnt/small"
  for i in $(seq 16); do head -c 4096 /dev/zero >"$mnt/small/$i"; done
  dd if=/dev/zero of="$mnt/fill" bs=64k 2>/dev/null
  dd if=/dev/zero of="$mnt/fill" bs=4k oflag=append conv=notrunc 2>/dev/null
  sync -f "$mnt"
  for i in $(seq $(( $1 / 4 ))); do rm "$mnt/small/$i"; done
  sync -f "$mnt"
}

cases=0 refused=0
for change in append insert remove; do
  "$edit" "$data" "$change" || fail "$change with room to spare"
  new=$(list)
  [ "$new" != "$old" ] || fail "$change changed nothing"
  for kb in $(seq 0 4 64); do
    reset "$kb"
    what="$change with $kb KB free"
    "$edit" "$data" "$change" 2>/dev/null
    status=$?
    [ $status -eq 0 ] || [ $status -eq 3 ] || fail "$what: status $status"
    want=$old; [ $status -eq 0 ] && want=$new
    [ $status -eq 3 ] && refused=$((refused + 1))
    [ "$("$edit" "$data" pairs | tr '\t' ' ')" = "$(tr '\t' ' ' <<<"$want")" ] ||
      fail "$what: the editor reads another list"
    [ "$(list)" = "$want" ] || fail "$what: show prints another list"
    rm -rf "$mnt"/fill* "$mnt/small"
    sync -f "$mnt"
    [ "$(list)" = "$want" ] || fail "$what: after space was freed, another list"
    cases=$((cases + 1))
  done
  rm -rf "$data"
  cp -a "$work/given" "$data"
done
echo "btrfs full disk: $cases cases, $refused refused"
[ $refused -gt 0 ] || fail "no change was refused: the disk was never full"

if [ -n "$screens" ]; then
  # Room for the three word-list files the test makes; it fills the rest itself.
  rm -rf "$data" "$mnt/taken"
  sync -f "$mnt"
  fallocate -l $(( $(stat -f -c '%a * %S' "$mnt") - 16 * 1024 * 1024 )) "$mnt/taken"
  TMPDIR=$mnt ORDLYKTA_FULL_DISK=$mnt "$screens" --gtest_filter='*AFullDiskLoses*' \
    --gtest_brief=1 || fail "answers on a full disk"
  echo "btrfs full disk: answers on a full disk lost alone"
fi
