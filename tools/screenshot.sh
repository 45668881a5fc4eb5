#!/usr/bin/env bash
# Starts a command under a virtual X display and saves a screenshot of the whole screen.
# Usage: tools/screenshot.sh OUTPUT.png DELAY_SECONDS COMMAND [ARGS...]
set -euo pipefail
out=$1; delay=$2; shift 2
display=:$(( 90 + RANDOM % 100 ))
Xvfb "$display" -r -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
DISPLAY=$display "$@" &
app=$!
sleep "$delay"
# xwd misses transient dialogs drawn over their owner here; import reads the screen as shown.
DISPLAY=$display import -window root "$out"
kill $app 2>/dev/null || true
