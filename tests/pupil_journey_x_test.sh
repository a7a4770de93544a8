#!/usr/bin/env bash
# A pupil's way from a teacher's file to the trainer's first quiz question and to the first pair
# of its learn screen, under Xvfb, for a list KWordQuiz saved, a LibreOffice CSV (semicolons,
# Windows-1252) and an Anki text export: the desktop entry's Exec line with the file, then as
# few key presses as it takes, each one checked: Alt+M ("Importera", into the language and a new
# list as the file says), then either the space bar ("Förhör listan", which has the focus after
# an import: the trainer on that list's quiz) or Alt+Ä ("Lär in listan": the trainer on that
# list's learn screen, its first Swedish word shown) and Enter ("Fortsätt": its first pair shown,
# and kept in the learning memory as a pair of that list).
# Prints the key presses (one the window refused while another process held the folder is
# pressed again, and counted) and the seconds from the Exec line to the first question and to
# the first pair.
# Usage: pupil_journey_x_test.sh TOOL WINDOW PROGRAM SOURCE_DIR
set -u
tool=$(realpath "$1")
window=$(realpath "$2")
program=$(realpath "$3")
source=$(realpath "$4")
. "$source/scripts/xvfb.sh"
require_x_tools

work=$(mktemp -d)
xvfb_pid= pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  kill $xvfb_pid 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAILED: $*"; exit 1; }
unset QT_QPA_PLATFORM
export XDG_CONFIG_HOME=$work/config ORDLYKTA_WINDOW=$window ORDLYKTA_PROGRAM=$program
export LANG=sv_SE.UTF-8

exec_line=$(sed -n 's/^Exec=//p' "$source/window/ordlykta-ordlistor.desktop")

# The pairs the learn screens showed, as "language<TAB>list<TAB>Swedish word".
shown() {
  python3 - "$1/ordlykta.db" <<'PY' 2>/dev/null
import sqlite3, sys
db = sqlite3.connect(f"file:{sys.argv[1]}?mode=ro", uri=True)
for language, lst, swedish in db.execute(
        "SELECT language, shown.list, swedish FROM shown JOIN pairs ON pairs.id = shown.pair"):
    print(f"{language}\t{lst}\t{swedish.decode('cp1252')}")
PY
}

journey() {  # FILE LIST_NAME quiz|learn
  local file=$1 name=$2 way=$3 id start end data screen language= list=
  start_xvfb || exit 1  # a display of its own for each way
  export XDG_DATA_HOME=$work/share-$RANDOM
  data=$XDG_DATA_HOME/ordlykta
  start=$(date +%s.%N)
  # The Exec line as a desktop runs it: its program is the launcher, %f the file.
  local line=${exec_line/\%f/\"$file\"}
  eval "\"$tool\" ${line#ordlykta }" &
  pids+=($!)
  id=$(visible 'Ordlykta ordlistor') || fail "$file: no window"
  pressed=0

  # 1: Importera. Its list is looked for in the files' bytes, not by the tool, which would hold
  # the folder for a moment and so keep the window's buttons off.
  press_until alt+m "$id" 'grep -qF "$name" "$data"/bu?.dat 2>/dev/null' ||
    fail "$file: no list \"$name\" after Alt+M"
  local trainer='[ -n "$(xdotool search --name "^Ordlykta 2.0 ELV\$" 2>/dev/null)" ]'
  if [ "$way" = quiz ]; then
    # 2: Förhör listan
    press_until space "$id" "$trainer" || fail "$file: the space bar started no trainer"
    screen=$(trainer_screen 'Ordlykta 2.0 ELV') || fail "$file: the space bar did not lead to the quiz"
    end=$(date +%s.%N)
  else
    # 2: Lär in listan
    press_until alt+adiaeresis "$id" "$trainer" || fail "$file: Alt+Ä started no trainer"
    screen=$(trainer_screen 'ordlykta 2.0 ELV') || fail "$file: Alt+Ä did not lead to the learn screen"
    press Return "$screen"  # 3: Fortsätt
    local seen=
    for _ in $(seq 50); do
      seen=$(shown "$data")
      [ -n "$seen" ] && break
      sleep 0.1
    done
    end=$(date +%s.%N)
    for l in 1 2 3; do
      list=$("$tool" show --data "$data" --language $l | awk -F '\t' -v n="$name" '$2 == n { print $1 }')
      [ -n "$list" ] && { language=$l; break; }
    done
    [ "$(printf '%s\n' "$seen" | cut -f1,2)" = "$language	$list" ] ||
      fail "$file: Enter showed no pair of language $language, list $list: \"$seen\""
    "$tool" show --data "$data" --language "$language" --list "$list" |
      grep -qF "	$(printf '%s\n' "$seen" | cut -f3)	" || fail "$file: shown \"$seen\" is not in the list"
  fi
  awk -v s="$start" -v e="$end" -v f="$(basename "$file")" -v w="$way" -v p=$pressed \
    'BEGIN { printf "%s: %d key presses, %.1f s from the Exec line to the first %s\n", f, p, e - s,
             w == "quiz" ? "question" : "pair learnt" }'
  # The trainer started by the window, and the window: ended by their process ids.
  kill "$(xdotool getwindowpid "$screen")" "${pids[@]}" 2>/dev/null
  pids=()
  kill $xvfb_pid 2>/dev/null
  xvfb_pid=
}

while IFS='|' read -r file name; do
  for way in quiz learn; do journey "$source/tests/fixtures/$file" "$name" $way; done
done <<'FILES'
kwordquiz-saved/glosor v12.kvtml|glosor v12
spreadsheet/libreoffice-semicolon-windows1252.csv|libreoffice-semicolon-windows1
anki/anki-2.1.55-notes.txt|Verb
FILES
