#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The month table window's saves through the real file dialog, under a real
# window manager:
#   - a name typed without an extension takes the chosen type's;
#   - after the "replace the file?" question the keyboard is the month table
#     window's again (its Ctrl+C copies the table), time after time;
#   - the next run's dialog opens in the folder of the last save, though a
#     print has made a documents folder meanwhile.
# Usage: list_saves.sh PATH_TO_VESPERON
set -euo pipefail
program=$(realpath "$1")
source "$(dirname "$(realpath "$0")")/x_session.sh"

export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 LANG=C.UTF-8
settings=$XDG_CONFIG_HOME/Vesperon\ Software/Vesperon.ini
tables=$work/tables
mkdir -p "$tables"

first_window() { # first_window TITLE_PATTERN
  local id="" deadline=$((SECONDS + 15))
  until [ -n "$id" ]; do
    [ $SECONDS -lt $deadline ] || fail "no window named \"$1\" appeared (waited 15 s)"
    id=$(xdotool search --all --onlyvisible --pid "$app" --name "$1" | head -n 1 || true)
    [ -n "$id" ] || sleep 0.05
  done
  echo "$id"
}
start() { # start: the program, its main window and its month table window
  "$program" >"$work/app.log" 2>&1 &
  app=$!
  pids+=($app)
  main=$(first_window Vesperon)
  xdotool windowactivate --sync "$main" >/dev/null 2>&1 || xdotool windowfocus --sync "$main"
  xdotool key --clearmodifiers alt+l
  list=$(first_window "Sun and Moon Data")
  xdotool windowactivate --sync "$list" >/dev/null 2>&1 || xdotool windowfocus --sync "$list"
}
stop() {
  wmctrl -i -c "$main"
  wait_until 15 "the program did not end after its close request" sh -c "! kill -0 $app"
  wait "$app" || fail "the program ended with status $?"
}
# save MNEMONIC TITLE NAME: the File menu's save item, a typed name, Enter.
save() {
  xdotool key --clearmodifiers alt+f "$1"
  wait_until 10 "no \"$2\" dialog" sh -c "xdotool getactivewindow getwindowname | grep -qx '$2'"
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 10 "$3"
  xdotool key Return
}
list_has_keyboard() {
  [ "$(xdotool getactivewindow)" = "$list" ] || return 1
  printf '' | xclip -selection clipboard -i
  xdotool key --clearmodifiers ctrl+c
  sleep 0.2
  timeout 2 xclip -selection clipboard -o 2>/dev/null | grep -q "Sun and Moon Data"
}

start
save v "Save as CSV" "$tables/noext"
wait_until 10 "\"noext\" was not saved as noext.csv" test -s "$tables/noext.csv"
wait_until 10 "the month table window lost the keyboard after a save" list_has_keyboard
for round in 1 2 3; do
  rm -f "$tables/noext.csv"
  printf 'old\n' >"$tables/noext.csv"
  save v "Save as CSV" noext
  wait_until 10 "no \"replace the file?\" question" sh -c "xdotool getactivewindow getwindowname | grep -qx 'Save as CSV'"
  sleep 0.3
  xdotool key --clearmodifiers alt+y
  wait_until 10 "the file was not replaced" sh -c "! grep -qx old '$tables/noext.csv'"
  wait_until 5 "after the \"replace the file?\" question (round $round) the keyboard is \
$(xdotool getactivewindow getwindowname)'s, not the month table window's" list_has_keyboard
done
stop
grep -qx "ListSaveDir=$tables" "$settings" || fail "the store does not hold the last save's folder: $(cat "$settings")"

mkdir -p "$HOME/Documents" # as a print makes it
start
save t "Save as Text" again
wait_until 10 "the next run's save did not go to the last save's folder: $(ls "$tables")" test -s "$tables/again.txt"
stop
echo "month table window save check passed"
