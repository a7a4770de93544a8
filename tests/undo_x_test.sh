#!/usr/bin/env bash
# "Ångra importen" in the words' window under Xvfb, after later changes by real processes: the
# trainer, driven by its keys to add a pair in its list editor, and the command line.
# A change elsewhere since: Alt+G takes back exactly the import, and the later changes stay,
# byte for byte. A change since to the list the import filled: Alt+G refuses, its box names
# what changed and what going back to the snapshot would lose, and no byte changes until the
# box is answered Ja; then the files are those from before the import.
# Usage: undo_x_test.sh TOOL WINDOW PROGRAM
set -u
tool=$(realpath "$1")
window=$(realpath "$2")
program=$(realpath "$3")
. "$(dirname "$0")/../scripts/xvfb.sh"
require_x_tools
command -v xclip >/dev/null || { echo "SKIPPED: xclip is not installed"; exit 77; }

work=$(mktemp -d)
xvfb_pid= window_pid= trainer_pid=
trap 'kill $trainer_pid $window_pid $xvfb_pid 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }
start_xvfb || exit 1
unset QT_QPA_PLATFORM
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/share LANG=sv_SE.UTF-8
data=$work/share/ordlykta
files="agen.dat bu1.dat bu2.dat bu3.dat"

keep() {  # the data files as they are now, in $work/$1
  mkdir -p "$work/$1"
  for f in $files; do [ ! -e "$data/$f" ] || cp "$data/$f" "$work/$1/"; done
}
same() {  # FILE COPY: the data file is byte for byte the kept one, or absent as it was
  if [ -e "$work/$2/$1" ]; then cmp -s "$data/$1" "$work/$2/$1"; else [ ! -e "$data/$1" ]; fi
}
until_true() {  # waits up to 5 s for the command line $1 to succeed
  for _ in $(seq 50); do eval "$1" && return 0; sleep 0.1; done
  return 1
}
names() { "$tool" show --data "$data" | cut -f2 | paste -sd,; }
list() { "$tool" show --data "$data" --language "$1" --list "$2" | cut -f2,3 | paste -sd,; }

# The trainer, in the folder it was started in or by the window, adds "$1 – $2" in the list
# editor of its current list (list 1 of language $5), from the screen $3 by the key $4 to the
# menu, and quits.
trainer_adds() {
  local swedish=$1 other=$2 screen=$3 key=$4 language=$5
  press "$key" "$screen"
  screen=$(next_screen "$trainer_pid" "$screen" 'ordlykta 2.0 ELV') || fail "no menu"
  press alt+s "$screen"  # "&Spara": the list editor
  screen=$(next_screen "$trainer_pid" "$screen") || fail "no list editor"
  sleep 0.3
  xdotool type "$swedish"; xdotool key Tab; xdotool type "$other"; xdotool key alt+s
  until_true '[[ $(list $language 1) == *"$swedish	$other"* ]]' ||
    fail "the editor did not keep $swedish: $(list $language 1)"
  xdotool key alt+a                 # "&Avsluta", and Yes
  press Return "$(visible Confirm)" || fail "no Confirm box"
  until_true '! kill -0 $trainer_pid 2>/dev/null' || fail "the trainer did not end"
  trainer_pid=
}

# Alt+G and the window's box: its text copied with Ctrl+C, then the box answered with the key $1.
undo_box() {
  local box=
  press_until alt+g "$id" \
    'box=$(xdotool search --onlyvisible --name "^Ordlykta ordlistor\$" | grep -vx "$id")' ||
    fail "no box"
  press ctrl+c "$box"
  sleep 0.3
  text=$(xclip -selection clipboard -o)
  press "$1" "$box"
}

# A language with a list of its own, then the window on a German file: Alt+M imports it into
# the next language, "Tyska", list 1.
printf 'Svenska,Engelska\nhund,dog\n' >"$work/djur.csv"
printf 'Svenska,Tyska\nbil,das Auto\nsol,die Sonne\n' >"$work/tyska.csv"
printf 'Svenska,Franska\nhus,maison\n' >"$work/franska.csv"
"$tool" import "$work/djur.csv" >/dev/null || fail "djur.csv"
keep before
ORDLYKTA_WINDOW=$window ORDLYKTA_PROGRAM=$program "$tool" window "$work/tyska.csv" &
window_pid=$!
id=$(visible 'Ordlykta ordlistor') || fail "no window"
press_until alt+m "$id" '[ "$(names)" = "Engelska,Tyska,Språk C" ]' || fail "Alt+M: $(names)"

# Later, elsewhere: the trainer adds a pair to language 1's list, the command line imports
# into language 3.
(cd "$data" && exec "$program") &
trainer_pid=$!
trainer_adds katt cat "$(next_screen $trainer_pid '')" Return 1
"$tool" import "$work/franska.csv" >/dev/null || fail "franska.csv"
keep later
press_until alt+g "$id" '[ "$(names)" = "Engelska,Språk B,Franska" ]' || fail "Alt+G: $(names)"
[ "$(list 1 1)" = "hund	dog,katt	cat" ] || fail "the trainer's pair: $(list 1 1)"
for f in bu1.dat bu3.dat; do same $f later || fail "$f is not as the later change left it"; done
same bu2.dat before || fail "bu2.dat is not as before the import"

# Imported again; the trainer, started by "Lär in listan" on that list, adds a pair to it.
keep again
press_until alt+m "$id" '[ "$(list 2 1)" = "bil	das Auto,sol	die Sonne" ]' ||
  fail "Alt+M again: $(list 2 1)"
press_until alt+adiaeresis "$id" '[ -n "$(xdotool search --name "^Ordlykta 2.0 ELV\$")" ]' ||
  fail "Alt+Ä started no trainer"
learn=$(trainer_screen 'ordlykta 2.0 ELV') || fail "Alt+Ä did not start the trainer"
trainer_pid=$(xdotool getwindowpid "$learn")
trainer_adds hus Haus "$learn" alt+m 2
keep changed
undo_box Escape
for f in $files; do same $f changed || fail "$f changed though the undo was refused"; done
# What changed since and what would be lost: the trainer's pair twice, the import's once.
[[ $text == "Importen kan inte ångras"* ]] || fail "the box says: $text"
[ "$(grep -c 'hus – Haus' <<<"$text")" = 2 ] && [ "$(grep -c 'bil – das Auto' <<<"$text")" = 1 ] ||
  fail "the box does not name the pairs: $text"
undo_box alt+j
until_true 'same bu2.dat again' || fail "Ja did not bring back the files from before the import"
for f in $files; do same $f again || fail "$f is not as before the import"; done
echo "Ångra took back only the import, and refused with what would be lost"
