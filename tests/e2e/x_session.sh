# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the end-to-end checks: a temporary folder and home, the end of
# everything started here, failures shown with their logs, and an X server
# with openbox managing it. `logs` names the logs in $work that a failure
# shows; a check may add its own.
logs=(xvfb wm app)
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
  for log in "${logs[@]}"; do
    [ -s "$work/$log.log" ] && sed "s/^/  $log: /" "$work/$log.log" >&2
  done
  exit 1
}

# wait_until SECONDS WHAT COMMAND...: polls COMMAND every 50 ms.
wait_until() {
  local limit=$1 what=$2
  shift 2
  local deadline=$((SECONDS + limit))
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -lt "$deadline" ] || fail "$what (waited ${limit} s)"
    sleep 0.05
  done
}

# A temporary home for everything started here, the window manager included.
home=$work/home
mkdir -p "$home"
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share XDG_CACHE_HOME=$home/.cache
export XDG_RUNTIME_DIR=$work/run
mkdir -m 700 -p "$XDG_RUNTIME_DIR"

# start_x: an X server on a free display (the server picks it) with openbox
# managing it; false when either is not up within 10 seconds.
start_x() {
  rm -f "$work/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  pids+=($!)
  local deadline=$((SECONDS + 10))
  until [ -s "$work/display" ]; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.05
  done
  export DISPLAY=":$(head -n 1 "$work/display")"
  openbox --sm-disable >"$work/wm.log" 2>&1 &
  local wm=$!
  pids+=($wm)
  # The work area is published once openbox manages windows.
  until xprop -root _NET_WORKAREA 2>/dev/null | grep -q =; do
    [ $SECONDS -lt $deadline ] && kill -0 $wm 2>/dev/null || return 1
    sleep 0.05
  done
}
# stop_x: ends the server and window manager of a failed start.
stop_x() {
  kill "${pids[@]}" 2>/dev/null || true
  wait 2>/dev/null || true
  pids=()
}
# A machine under load may be slow to bring either up: three tries, each
# leaving its logs.
for attempt in 1 2 3; do
  start_x && break
  echo "Try $attempt: Xvfb and openbox did not come up on ${DISPLAY:-no display}." >&2
  for log in xvfb wm; do
    [ -s "$work/$log.log" ] && sed "s/^/  $log: /" "$work/$log.log" >&2
  done
  stop_x
  [ $attempt -lt 3 ] || fail "no X server with a window manager after three tries"
done

