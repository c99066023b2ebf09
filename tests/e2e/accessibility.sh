#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The running program as a screen reader sees it: a private X server, a
# session D-Bus and the AT-SPI accessibility bus with its registry, all
# started here, and read_accessibility.py reading the program's tree through
# pyatspi. Every wait has a time limit.
# Usage: accessibility.sh PATH_TO_VESPERON PATH_TO_VESPERON_CLI PYTHON3
set -euo pipefail
program=$(realpath "$1")
cli=$(realpath "$2")
python=$3
here=$(dirname "$(realpath "$0")")
work=$(mktemp -d)
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  for log in xvfb wm bus a11y registry app; do
    [ -s "$work/$log.log" ] && sed "s/^/  $log: /" "$work/$log.log" >&2
  done
  exit 1
}
# wait_for_file SECONDS FILE WHAT: until FILE has content.
wait_for_file() {
  local deadline=$((SECONDS + $1))
  until [ -s "$2" ]; do
    [ $SECONDS -lt $deadline ] || fail "$3 (waited $1 s)"
    sleep 0.05
  done
}

home=$work/home
mkdir -p "$home"
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share XDG_CACHE_HOME=$home/.cache
export XDG_RUNTIME_DIR=$work/run
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
export LC_ALL=C.UTF-8 LANG=C.UTF-8 TZ=UTC

# A fixed place and clock, read by the program and by vesperon-cli alike.
mkdir -p "$XDG_CONFIG_HOME/Vesperon Software"
cat >"$XDG_CONFIG_HOME/Vesperon Software/Vesperon.ini" <<'INI'
[Location]
City=Test Harbour
Latitude=45.25
Longitude=-10.5
TimeZone=-1
[Flags]
Automode=0
Time=0
TFormat=0
Transit=1
Az=0
Phase=1
INI

Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
wait_for_file 10 "$work/display" "no X server"
export DISPLAY=":$(head -n 1 "$work/display")"
openbox --sm-disable >"$work/wm.log" 2>&1 &
pids+=($!)

# The session bus, then the accessibility bus and its registry.
dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/bus" 2>"$work/bus.log" &
pids+=($!)
wait_for_file 10 "$work/bus" "no session D-Bus"
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus")
export DBUS_SESSION_BUS_ADDRESS
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/a11y.log" 2>&1 &
pids+=($!)
"$python" - <<'PY' || fail "the accessibility bus did not start"
import time, dbus
bus = dbus.SessionBus()
deadline = time.monotonic() + 10
while True:
    try:
        address = bus.get_object("org.a11y.Bus", "/org/a11y/bus").GetAddress(dbus_interface="org.a11y.Bus")
        if address: break
    except dbus.DBusException:
        pass
    if time.monotonic() > deadline: raise SystemExit(1)
    time.sleep(0.05)
PY
/usr/libexec/at-spi2-registryd >"$work/registry.log" 2>&1 &
pids+=($!)

export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
"$program" >"$work/app.log" 2>&1 &
app=$!
pids+=($app)

deadline=$((SECONDS + 15))
main=""
until [ -n "$main" ]; do
  [ $SECONDS -lt $deadline ] || fail "no main window appeared (waited 15 s)"
  main=$(xdotool search --all --onlyvisible --pid "$app" --name "Vesperon" 2>/dev/null | head -n 1 || true)
  [ -n "$main" ] || sleep 0.05
done

"$python" "$here/read_accessibility.py" "$app" "$main" "$cli" || fail "the accessibility tree is not as shown"
echo "accessibility check passed"
