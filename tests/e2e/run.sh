#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program under a real X server (Xvfb, with openbox as the window
# manager) and a temporary home, driven by keys as a person would:
#   - the main window appears with its icon and its size;
#   - F3 opens the date panel and a typed date moves the calendar;
#   - the location editor applies a typed place;
#   - the List window opens, and its Copy shows the month and the place;
#   - the Sky Events window opens with Ctrl+E, its Copy shows the year's
#     events at the place, and its Print makes a PDF without a printer;
#   - F2 returns to today;
#   - a close request asks to keep the new place, and the settings file
#     then holds it.
#   - under a file-size limit (ulimit -f, SIGXFSZ at its default action) a
#     close whose save fails is reported and ends normally, the settings
#     file whole.
#   - two copies running at once on one store and one list of places, closed
#     at the same moment: each keeps the other's changed settings and the
#     place the other saved.
#   - started with standard input and error closed, it holds /dev/null there
#     and ends on a close request.
# Every wait has a time limit; the whole check takes a few seconds.
# Usage: run.sh PATH_TO_VESPERON
set -euo pipefail
program=$(realpath "$1")
source "$(dirname "$(realpath "$0")")/x_session.sh"

export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 LANG=C.UTF-8
settings=$XDG_CONFIG_HOME/Vesperon\ Software/Vesperon.ini

"$program" >"$work/app.log" 2>&1 &
app=$!
pids+=($app)

window_of() { xdotool search --all --onlyvisible --pid "$app" --name "$1" | head -n 1; }
find_window() { # find_window TITLE_PATTERN: prints the first visible window of the program so named
  local id=""
  local deadline=$((SECONDS + 15))
  while [ -z "$id" ]; do
    [ $SECONDS -lt $deadline ] || fail "no window named \"$1\" appeared (waited 15 s)"
    id=$(window_of "$1" || true)
    [ -n "$id" ] || sleep 0.05
  done
  echo "$id"
}
key() { # key WINDOW KEYS...: focuses WINDOW and types keys
  local w=$1
  shift
  xdotool windowactivate --sync "$w" >/dev/null 2>&1 || xdotool windowfocus --sync "$w"
  xdotool key --clearmodifiers --delay 40 "$@"
}
clipboard() { timeout 5 xclip -selection clipboard -o 2>/dev/null; }
# copy_table: opens the List window from the main window, copies the table
# and prints the clipboard's text.
copy_table() {
  printf '' | xclip -selection clipboard -i
  key "$main" alt+l
  local list
  list=$(find_window "Sun and Moon Data")
  key "$list" ctrl+c
  wait_until 10 "the List window's Copy put nothing on the clipboard" sh -c "xclip -selection clipboard -o | grep -q ."
  clipboard
  key "$list" Escape
}

# The main window, its icon and its size: 259 pixels wide, the day view,
# calendar, phase list and status bar (407 pixels) under the menu bar.
main=$(find_window "Vesperon")
wait_until 10 "the main window has no icon" sh -c "xprop -id $main _NET_WM_ICON | grep -q 'Icon ('"
read -r width height < <(xwininfo -id "$main" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')
[ "$width" = 259 ] || fail "the main window is $width pixels wide, not 259"
[ "$height" -ge 407 ] && [ "$height" -le 447 ] || fail "the main window is $height pixels high, not 407 plus a menu bar"

# F3 and a typed date: 6 January 2000.
key "$main" F3 ctrl+a 2 0 0 0 Tab ctrl+a 1 Tab ctrl+a 6 Return

# The location editor, opened by a click on the place's box in the status
# bar (8 to 113, 384 to 400 below the menu bar); a typed place; Change. The
# clicks go through the program's event queue in order, so the name field
# (16 to 121, 180 to 201) is there for the second click.
menu_bar=$((height - 407))
xdotool mousemove --window "$main" 60 $((menu_bar + 392)) click 1
xdotool mousemove --window "$main" 40 $((menu_bar + 190)) click 1
key "$main" ctrl+a
xdotool type --delay 20 "Test Harbour"
key "$main" Tab ctrl+a minus 1 0 period 5 Tab ctrl+a 4 5 period 2 5 Return

table=$(copy_table)
grep -q "January 2000" <<<"$table" || fail "the table is not of January 2000 after F3: $table"
grep -q "Test Harbour" <<<"$table" || fail "the table is not for the place applied: $table"
grep -q "45.25°N  10.5°E" <<<"$table" || fail "the table has not the place's coordinates: $table"

# Sky Events (Ctrl+E): the shown day's year at the applied place, copied;
# Print makes a PDF in Documents where no printer is installed.
printf '' | xclip -selection clipboard -i
key "$main" ctrl+e
sky=$(find_window "Sky Events for 2000")
key "$sky" ctrl+c
wait_until 10 "the Sky Events window's Copy put nothing on the clipboard" sh -c "xclip -selection clipboard -o | grep -q ."
events=$(clipboard)
grep -q "^Sky events from 2000-01-01 to 2000-12-31" <<<"$events" || fail "the sky events are not of 2000: $events"
grep -q "^Test Harbour (45.25° N, 10.50° E)" <<<"$events" || fail "the sky events are not for the place applied: $events"
grep -q "^2000-07-16 .*Total lunar eclipse" <<<"$events" || fail "the total lunar eclipse of 16 July 2000 is missing: $events"
if ! lpstat -d 2>/dev/null | grep -q "system default destination"; then
  key "$sky" ctrl+p
  told=$(find_window "^Print$")
  wait_until 10 "no PDF of the sky events in Documents" test -s "$HOME/Documents/Sky Events for 2000.pdf"
  key "$told" Return
fi
key "$sky" Escape

# F2: back to today.
key "$main" F2
table=$(copy_table)
grep -q "$(date +'%B %Y')" <<<"$table" || fail "F2 did not return to this month: $table"

# A close request, as from the title bar: the program asks whether to keep
# the new place; Yes keeps it.
wmctrl -i -c "$main"
confirm=$(find_window "Confirm")
key "$confirm" y
wait_until 15 "the program did not end after the close request" sh -c "! kill -0 $app"
wait "$app" || fail "the program ended with status $?"

[ -f "$settings" ] || fail "no settings file at $settings"
grep -q "^City=Test Harbour" "$settings" || fail "the settings file does not hold the new place: $(cat "$settings")"
grep -q "^Latitude=45.25" "$settings" || fail "the settings file does not hold the new latitude: $(cat "$settings")"
grep -q "^Longitude=-10.5" "$settings" || fail "the settings file does not hold the new longitude: $(cat "$settings")"

# Under a file-size limit (ulimit -f) and with SIGXFSZ at its default action,
# as from a shell: a close whose save meets the limit is reported and the
# store stays whole, instead of the signal ending the program unsaved.
printf '[Other]\nNote=%03000d\n' 0 >>"$settings"
cp "$settings" "$work/store-before"
env --default-signal=XFSZ bash -c 'ulimit -f 2 && exec "$0"' "$program" >"$work/app.log" 2>&1 &
app=$!
pids+=($app)
main=$(find_window "Vesperon")
wmctrl -i -c "$main"
warning=$(find_window "^Vesperon$")
key "$warning" y
wait_until 15 "the program did not end after the close under a file-size limit" sh -c "! kill -0 $app"
status=0
wait "$app" || status=$?
[ $status = 0 ] || fail "under a file-size limit the program ended with status $status"
cmp -s "$settings" "$work/store-before" || fail "the settings file changed under a file-size limit"

# Two copies at once. The list of places is saved beside the program, so the
# copies run from a folder of their own with a copy of the list.
mkdir -p "$work/bin"
cp "$program" "$work/bin/vesperon"
cp "$(dirname "$program")/Location.txt" "$work/bin/Location.txt"
sed -i '/^\[Other\]/,$d' "$settings"
"$work/bin/vesperon" >>"$work/app.log" 2>&1 &
first=$! app=$!
pids+=($app)
first_main=$(find_window "Vesperon")
"$work/bin/vesperon" >>"$work/app.log" 2>&1 &
second=$! app=$!
pids+=($app)
second_main=$(find_window "Vesperon")
# add_place WINDOW NAME: types a name into the location editor of the window,
# adds it to the list, saves the list and closes the editor.
add_place() {
  xdotool mousemove --window "$1" 60 $((menu_bar + 392)) click 1
  xdotool mousemove --window "$1" 40 $((menu_bar + 190)) click 1
  key "$1" ctrl+a
  xdotool type --delay 20 "$2"
  key "$1" alt+f a alt+f s Escape
}
# The first copy takes the 24-hour clock and a place; the second Universal
# Time and another place.
key "$first_main" alt+t 2
add_place "$first_main" "First Copy Bay"
key "$second_main" alt+t u
add_place "$second_main" "Second Copy Bay"
# Neither copy changed the place it shows: both close without a question,
# at the same moment, as at a logout.
wmctrl -i -c "$first_main"
wmctrl -i -c "$second_main"
for pid in "$first" "$second"; do
  wait_until 15 "a copy did not end after its close request (a question?)" sh -c "! kill -0 $pid"
  wait "$pid" || fail "a copy ended with status $?"
done
grep -q "^TFormat=1" "$settings" || fail "the first copy's 24-hour clock was lost: $(cat "$settings")"
grep -q "^Time=2" "$settings" || fail "the second copy's Universal Time was lost: $(cat "$settings")"
grep -q "^First Copy Bay" "$work/bin/Location.txt" || fail "the first copy's place was lost from the list"
grep -q "^Second Copy Bay" "$work/bin/Location.txt" || fail "the second copy's place was lost from the list"

# Started with standard input and standard error closed (0<&- 2>&-): the X
# connection must not take descriptor 2, where every warning would go into it
# and hang the program.
"$program" 0<&- 2>&- >"$work/app.log" &
app=$!
pids+=($app)
main=$(find_window "Vesperon")
for fd in 0 2; do
  target=$(readlink "/proc/$app/fd/$fd" || true)
  [ "$target" = /dev/null ] || fail "started with descriptor $fd closed, the program holds $target there"
done
wmctrl -i -c "$main"
wait_until 15 "the program started with standard error closed did not end after its close request" \
  sh -c "! kill -0 $app"
wait "$app" || fail "the program started with standard error closed ended with status $?"
echo "end-to-end check passed"
