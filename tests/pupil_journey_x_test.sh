#!/usr/bin/env bash
# A pupil's way from a teacher's file to the trainer's first quiz question, under Xvfb, for a
# list KWordQuiz saves, a LibreOffice CSV (semicolons, Windows-1252) and an Anki text export:
# the desktop entry's Exec line with the file, then as few key presses as it takes, each one
# checked: Alt+M ("Importera", into the language and a new list as the file says) and the space bar
# ("Förhör listan", which has the focus after an import: the trainer on that list's quiz).
# Prints the seconds from the Exec line to the first question.
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

# The visible window whose title is exactly $1, waited for.
visible() {
  local id=
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -n1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

press() {  # KEY on window ID
  xdotool mousemove --window "$2" 40 40
  xdotool windowfocus --sync "$2" 2>/dev/null
  sleep 0.2
  xdotool key "$1"
}

exec_line=$(sed -n 's/^Exec=//p' "$source/window/ordlykta-ordlistor.desktop")
journey() {  # FILE LIST_NAME
  local file=$1 name=$2 id start data
  start_xvfb || exit 1  # a display of its own for each file
  export XDG_DATA_HOME=$work/share-$RANDOM
  data=$XDG_DATA_HOME/ordlykta
  start=$(date +%s.%N)
  # The Exec line as a desktop runs it: its program is the launcher, %f the file.
  local line=${exec_line/\%f/\"$file\"}
  eval "\"$tool\" ${line#ordlykta }" &
  pids+=($!)
  id=$(visible 'Ordlykta ordlistor') || fail "$file: no window"

  sleep 0.5         # the page read and its preview made
  press alt+m "$id"  # 1: Importera
  local lists=
  for _ in $(seq 50); do
    lists=$(for l in 1 2 3; do "$tool" show --data "$data" --language $l 2>/dev/null; done)
    printf '%s\n' "$lists" | grep -q "	$name	" && break
    sleep 0.1
  done
  printf '%s\n' "$lists" | grep -q "	$name	" ||
    fail "$file: no list \"$name\" after Alt+M"

  press space "$id"  # 2: Förhör listan
  local quiz=
  for _ in $(seq 100); do
    # The quiz screen shares its title with the start screen, which it replaces: once the
    # start screen is hidden, the one window of that title on show is the quiz's.
    if [ "$(xdotool search --name '^Ordlykta 2.0 ELV$' 2>/dev/null | wc -l)" -ge 2 ]; then
      quiz=$(xdotool search --onlyvisible --name '^Ordlykta 2.0 ELV$' 2>/dev/null)
      [ "$(printf '%s\n' "$quiz" | grep -c .)" = 1 ] && break
    fi
    quiz=
    sleep 0.1
  done
  [ -n "$quiz" ] || fail "$file: the space bar did not lead to the quiz"
  awk -v s="$start" -v e="$(date +%s.%N)" -v f="$(basename "$file")" \
    'BEGIN { printf "%s: 2 key presses, %.1f s from the Exec line to the first question\n", f, e - s }'
  # The trainer started by the window, and the window: ended by their process ids.
  kill "$(xdotool getwindowpid "$quiz")" "${pids[@]}" 2>/dev/null
  pids=()
  kill $xvfb_pid 2>/dev/null
  xvfb_pid=
}

journey "$source/tests/fixtures/kwordquiz-layout/glosor v12.kvtml" "glosor v12"
journey "$source/tests/fixtures/spreadsheet/libreoffice-semicolon-windows1252.csv" "libreoffice-semicolon-windows1"
journey "$source/tests/fixtures/anki/anki-2.1.55-notes.txt" "Verb"
