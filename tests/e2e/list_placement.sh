#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The month table window's first placement under a real window manager, which
# frames the window whenever it comes to it: stored far right of the screen,
# taller than the screen and at or above its top, the window opens with its
# whole frame on the screen and clear of the strip at the screen's bottom,
# and the settings store that frame. Several starts in a row, the window
# manager held back for none to a few seconds while the window opens.
# Usage: list_placement.sh PATH_TO_VESPERON
set -euo pipefail
program=$(realpath "$1")
source "$(dirname "$(realpath "$0")")/x_session.sh"

export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 LANG=C.UTF-8
settings=$XDG_CONFIG_HOME/Vesperon\ Software/Vesperon.ini
mkdir -p "$(dirname "$settings")"
wm=${pids[-1]} # openbox, started last by x_session.sh
read -r screen_width screen_height < <(xwininfo -root | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')
strip=30 # pixels kept free at the screen's bottom at 96 dpi

first_window() { # first_window PID TITLE_PATTERN
  local id="" deadline=$((SECONDS + 15))
  until [ -n "$id" ]; do
    [ $SECONDS -lt $deadline ] || fail "no window named \"$2\" appeared (waited 15 s)"
    id=$(xdotool search --all --onlyvisible --pid "$1" --name "$2" | head -n 1 || true)
    [ -n "$id" ] || sleep 0.05
  done
  echo "$id"
}
# frame_of WINDOW: left top width height of the window with its frame.
frame_of() {
  local left right top bottom x y w h
  read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  read -r x y w h < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
                                              /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}')
  echo $((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom))
}

for start in "25 0" "-50 0" "25 0.05" "-50 0.2" "25 2.5" "-50 0"; do
  read -r stored_top held <<<"$start"
  printf '[Window]\nListLeft=5000\nListTop=%s\nListHeight=3000\n' "$stored_top" >"$settings"
  "$program" >"$work/app.log" 2>&1 &
  app=$!
  pids+=($app)
  main=$(first_window $app Vesperon)
  xdotool windowactivate --sync "$main" >/dev/null 2>&1 || xdotool windowfocus --sync "$main"
  kill -STOP "$wm"
  xdotool key --clearmodifiers alt+l || true
  sleep "$held"
  kill -CONT "$wm"
  list=$(first_window $app "Sun and Moon Data")
  wait_until 10 "the month table window was never framed" sh -c "xprop -id $list _NET_FRAME_EXTENTS | grep -q ="
  sleep 0.5 # the window manager's last word
  read -r left top width height < <(frame_of "$list")
  what="stored top $stored_top, window manager held $held s: the frame stands at $left,$top, $width x $height"
  [ "$left" -ge 0 ] && [ "$top" -ge 0 ] || fail "$what, above or left of the screen"
  [ $((left + width)) -le "$screen_width" ] || fail "$what, past the screen's right edge"
  [ $((top + height)) -le $((screen_height - strip)) ] || fail "$what, in the strip at the screen's bottom"
  wmctrl -i -c "$main"
  wait_until 15 "the program did not end after its close request" sh -c "! kill -0 $app"
  wait "$app" || fail "the program ended with status $?"
  for value in "ListLeft=$left" "ListTop=$top" "ListHeight=$height"; do
    grep -q "^$value\$" "$settings" || fail "$what; the store holds $(grep ^List "$settings" | tr '\n' ' ')"
  done
done
echo "month table window placement check passed"
