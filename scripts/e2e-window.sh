#!/usr/bin/env bash
# Usage: e2e-window.sh [BUILD_DIR] [OUT_DIR]
# Drives the built program in a real X window under Xvfb: types a family name, presses
# 开始取名 and checks that the grid fills with blue names; opens the birthday picker's
# drop-down calendar, picks a day and checks the picker's fields; copies a name with Ctrl+C
# and hovers it for its tooltip. Screenshots go to OUT_DIR.
set -euo pipefail
build=$(realpath "${1:-build}")
out=$(realpath -m "${2:-$build/e2e}")
mkdir -p "$out"

source "$(dirname "$0")/xvfb-session.sh"
start_program "$build/babyname"
sleep 0.5
shot() { import -window "$window" "$out/$1.png"; }
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }

# Counts the pixels of the grid's area (8,160 505x401) that are drawn in the names' blue.
blue_pixels() {
  convert "$1" -crop 505x401+8+160 +repage -fx 'b>0.7 && r<0.35 && g<0.35 ? 1 : 0' \
    -format '%[fx:round(mean*w*h)]' info:
}

shot start
[ "$(blue_pixels "$out/start.png")" -eq 0 ] || { echo "e2e: the grid is not empty at start"; exit 1; }

# Waits up to 10 s for a condition on fresh screenshots: the window may be slow to repaint
# on a busy machine.
wait_for() {
  local name=$1 condition=$2
  for _ in $(seq 50); do
    shot "$name"
    eval "$condition" && return 0
    sleep 0.2
  done
  return 1
}

click 100 41          # the family-name entry inside the group (8+80+12, 8+24+9)
xdotool type --delay 80 '李'
click 48 132          # 开始取名
wait_for grid '[ "$(blue_pixels "$out/grid.png")" -gt 2000 ]' || { echo "e2e: the grid did not fill"; exit 1; }
echo "e2e: $(blue_pixels "$out/grid.png") blue pixels in the grid after 开始取名"

# Ctrl+C on a selected cell puts its name on the clipboard.
printf '%s' '(nothing copied)' | xclip -selection clipboard -i
click 134 208         # row 2, column 2 of the grid (8+84+42, 160+32+16)
xdotool key --clearmodifiers ctrl+c
for _ in $(seq 30); do
  copied=$(xclip -o -selection clipboard 2>/dev/null || true)
  [ "$copied" != '(nothing copied)' ] && break
  sleep 0.1
done
[[ "$copied" =~ ^李[^[:space:]]+$ ]] || { echo "e2e: Ctrl+C copied '$copied', not a name"; exit 1; }
echo "e2e: Ctrl+C copied $copied"

# Resting the mouse on the cell shows its tooltip: the tooltip's cream (the window's own
# colour) appears over the grid's white. The tooltip is a window of its own, so the whole
# screen is photographed.
eval "$(xdotool getwindowgeometry --shell "$window")" # sets X and Y
cream_pixels() {
  convert "$1" -crop 505x401+$((X + 8))+$((Y + 160)) +repage \
    -fx 'r>0.97 && g>0.97 && b>0.85 && b<0.91 ? 1 : 0' -format '%[fx:round(mean*w*h)]' info:
}
xdotool mousemove --window "$window" 140 212
for _ in $(seq 25); do
  import -window root "$out/tooltip.png"
  [ "$(cream_pixels "$out/tooltip.png")" -gt 300 ] && break
  sleep 0.2
done
[ "$(cream_pixels "$out/tooltip.png")" -gt 300 ] || { echo "e2e: no tooltip over the name"; exit 1; }
echo "e2e: a tooltip of $(cream_pixels "$out/tooltip.png") pixels over $copied"
xdotool mousemove --window "$window" 516 300 # away from the grid: the tooltip goes
# The picker shows today in its three fields, read through the clipboard.
field() { # x y: select the field's text and copy it
  printf '%s' '(nothing copied)' | xclip -selection clipboard -i
  click "$1" "$2"
  xdotool key --clearmodifiers ctrl+a ctrl+c
  local text
  for _ in $(seq 30); do
    text=$(xclip -o -selection clipboard 2>/dev/null || true)
    [ "$text" != '(nothing copied)' ] && break
    sleep 0.1
  done
  printf '%s' "$text"
}
fields() { echo "$(field 104 82)-$(field 126 82)-$(field 144 82)"; }
today=$(date +%Y-%-m-%-d)
[ "$(fields)" = "$today" ] || { echo "e2e: the picker shows $(fields), not today $today"; exit 1; }

# The drop-down opens below the picker on today's month. A day in the third week row is
# always in the shown month; its cell sits at about (157, 127) in the 313 x 253 calendar,
# which opens at the picker's bottom-left corner (88, 93 in the window).
click 247 82
wait_for dropdown 'true'
import -window root "$out/dropdown.png"
first_weekday=$(date -d "$(date +%Y-%m-01)" +%w)
day=$((1 - first_weekday + 14 + 3))
click $((88 + 157)) $((93 + 127))
expected=$(date +%Y-%-m)-$day
sleep 0.3
picked=$(fields)
shot picked
[ "$picked" = "$expected" ] || { echo "e2e: picking a day gave $picked, expected $expected"; exit 1; }
echo "e2e: the drop-down gave $picked"
echo "e2e: passed; screenshots in $out"
