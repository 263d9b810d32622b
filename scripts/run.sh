#!/usr/bin/env bash
# Installs what is missing, builds the program into build/ and starts it.
# Without a display it runs the program under Xvfb, saves a screenshot of the window to
# build/screenshot.png and exits.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh build

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec ./build/babyname
fi

echo "No display found: starting the program under Xvfb to take a screenshot."
bash scripts/xvfb-screenshot.sh ./build/babyname build/screenshot.png
echo "The window is saved in build/screenshot.png."
