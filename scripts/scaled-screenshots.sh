#!/usr/bin/env bash
# Usage: scaled-screenshots.sh [BUILD_DIR] [OUT_DIR] [SCALES...]
# Photographs the program as high-resolution screens show it: for each scale factor
# (default 1.5 and 2) the main window, then the screen with the birthday picker's drop-down
# calendar open, under a private Xvfb display large enough for the scaled window.
set -euo pipefail
build=$(realpath "${1:-build}")
out=$(realpath -m "${2:-$build/scaled}")
scales=("${@:3}")
[ ${#scales[@]} -gt 0 ] || scales=(1.5 2)
mkdir -p "$out"
for scale in "${scales[@]}"; do
  (
    export QT_SCALE_FACTOR=$scale XVFB_SCREEN=2200x1600x24
    source "$(dirname "$0")/xvfb-session.sh"
    start_program "$build/babyname"
    sleep 1
    import -window "$window" "$out/window-$scale.png"
    # The picker's drop-down button, at (247, 82) in the unscaled window.
    at() { awk -v v="$1" -v s="$scale" 'BEGIN { printf "%d", v * s }'; }
    xdotool mousemove --window "$window" "$(at 247)" "$(at 82)" click 1
    sleep 1
    import -window root "$out/dropdown-$scale.png"
  )
  echo "scale $scale: $out/window-$scale.png, $out/dropdown-$scale.png"
done
