#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The running program as a screen reader sees it: a private X server, a
# session D-Bus and the AT-SPI accessibility bus with its registry, all
# started here, read_accessibility.py reading the program's tree through
# pyatspi and walk_windows.py walking every window from the keyboard. Every
# wait has a time limit.
# Usage: accessibility.sh PATH_TO_VESPERON PATH_TO_VESPERON_CLI PYTHON3
set -euo pipefail
program=$(realpath "$1")
cli=$(realpath "$2")
python=$3
here=$(dirname "$(realpath "$0")")
source "$here/x_session.sh"
logs+=(bus a11y registry)
# wait_for_file SECONDS FILE WHAT: until FILE has content.
wait_for_file() { wait_until "$1" "$3" test -s "$2"; }

export LC_ALL=C.UTF-8 LANG=C.UTF-8 TZ=UTC

# A fixed place and clock, read by the program and by vesperon-cli alike.
mkdir -p "$XDG_CONFIG_HOME/Vesperon Software"
write_store() {
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
}
write_store

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
kill "$app"
wait "$app" 2>/dev/null || true
# SIGTERM saved what the first run changed, as at a logout: the walk starts
# from the same store again.
write_store
# Every window from the keyboard, with a new instance started under a focus
# listener so that its first focus is seen.
"$python" "$here/walk_windows.py" "$program" "$cli" || fail "a window is not usable from the keyboard"
echo "accessibility check passed"
