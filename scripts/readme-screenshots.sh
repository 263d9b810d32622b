#!/usr/bin/env bash
# Remakes the README's screenshots with the end-to-end run under Xvfb: the window with a
# filled grid, and the window with the birthday picker's drop-down calendar open.
set -euo pipefail
cd "$(dirname "$0")/.."
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
bash scripts/e2e-window.sh build "$shots" >/dev/null
mkdir -p docs
cp "$shots/grid.png" docs/main-window.png
# The window stands at (225, 111) on the screen; the drop-down lies over it.
convert "$shots/dropdown.png" -crop 520x590+225+111 +repage docs/drop-down-calendar.png
echo "docs/main-window.png and docs/drop-down-calendar.png remade"
