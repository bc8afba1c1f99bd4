#!/usr/bin/env bash
# Runs a command with a private X display for Wine's windows:
#   with_display.sh COMMAND [ARGUMENT...]
# Starts Xvfb on a free display number, waits for its socket, and runs the command with DISPLAY set.
# The prefix's wineserver must be started under that display (one started without it, or under another,
# breaks window creation for every later program of the prefix), so any running one is stopped first,
# and the one the command started is waited for before the display goes away.
set -euo pipefail

display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
  display=$((display + 1))
done

Xvfb ":$display" -ac -nolisten tcp -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
stop_display() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
}
trap stop_display EXIT
trap 'kill "${command_pid:-}" 2>/dev/null; exit 143' INT TERM

for _ in $(seq 100); do
  [ -S "/tmp/.X11-unix/X$display" ] && break
  kill -0 "$xvfb" 2>/dev/null || { echo "with_display: Xvfb :$display did not start" >&2; exit 1; }
  sleep 0.1
done
[ -S "/tmp/.X11-unix/X$display" ] || { echo "with_display: no socket for :$display" >&2; exit 1; }

export DISPLAY=":$display"
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
# In the background, so that a signal to this script is handled at once.
"$@" &
command_pid=$!
status=0
wait "$command_pid" || status=$?
# What the command left behind gets a while to end by itself; then it is stopped.
timeout 30 wineserver -w 2>/dev/null || true
exit "$status"
