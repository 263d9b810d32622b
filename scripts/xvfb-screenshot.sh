#!/usr/bin/env bash
# Usage: xvfb-screenshot.sh PROGRAM OUTPUT.png
# Starts PROGRAM on a private Xvfb display, waits for its main window, photographs it and
# ends both.
set -euo pipefail
program=$1
output=$2

display=:$((90 + RANDOM % 400))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

QT_QPA_PLATFORM=xcb "$program" &
app=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '宝宝取名' | head -n 1)
sleep 1 # let the first paint finish
import -window "$window" -frame "$output" 2>/dev/null || import -window "$window" "$output"
