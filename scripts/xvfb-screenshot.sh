#!/usr/bin/env bash
# Usage: xvfb-screenshot.sh PROGRAM OUTPUT.png
# Starts PROGRAM on a private Xvfb display, waits for its main window, photographs it and
# ends both.
set -euo pipefail
program=$1
output=$2

source "$(dirname "$0")/xvfb-session.sh"
start_program "$program"
sleep 1 # let the first paint finish
import -window "$window" -frame "$output" 2>/dev/null || import -window "$window" "$output"
