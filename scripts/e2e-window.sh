#!/usr/bin/env bash
# Usage: e2e-window.sh [BUILD_DIR] [OUT_DIR]
# Drives the built program in a real X window under Xvfb: checks its window class against the
# desktop entry; types a family name into the field clicked past the open drop-down calendar,
# asks for names with Return there and checks that the grid fills with blue names, then with
# a press on 开始取名 past the open drop-down; copies a name with Ctrl+C and hovers it for its
# tooltip; picks a day in the drop-down with the mouse, then with the keyboard (F4 or
# Alt+Down, the arrows, Return or Escape) and checks the picker's fields. Screenshots go to
# OUT_DIR.
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

# The desktop entry names the window class, so that a desktop finds the entry's icon.
entry=$(dirname "$0")/../packaging/com.example.babyname.desktop
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
xprop -id "$window" WM_CLASS | grep -q "\"$wm_class\"\$" ||
  { echo "e2e: window class $(xprop -id "$window" WM_CLASS), entry says $wm_class"; exit 1; }

# The drop-down is a window of its own: open while the program shows two.
popup_open() { [ "$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | wc -l)" -gt 1 ]; }
wait_popup() { # open|closed
  for _ in $(seq 30); do
    if popup_open; then [ "$1" = open ] && return 0; else [ "$1" = closed ] && return 0; fi
    sleep 0.1
  done
  echo "e2e: the drop-down is not $1 ($2)"
  exit 1
}
grid_signature() { convert "$1" -crop 505x401+8+160 +repage -format '%#' info:; }

# A field's text, read through the clipboard.
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

# A click in the family name past the open drop-down closes it and the typing goes there.
click 247 82          # the picker's drop-down button
wait_popup open "after a click on its button"
click 100 41          # the family-name entry inside the group (8+80+12, 8+24+9)
wait_popup closed "after a click in the family name"
xdotool type --delay 80 'x'
typed=$(field 100 41)
[ "$typed" = x ] || { echo "e2e: typing after the click went elsewhere; the family name reads '$typed'"; exit 1; }
# xdotool types 李 through a key it maps for the moment; on a busy machine the program may
# miss the first mapping, so the text is checked and typed again when it did not arrive.
for _ in 1 2 3; do
  xdotool key --clearmodifiers ctrl+a BackSpace
  xdotool type --delay 80 '李'
  sleep 0.2
  typed=$(field 100 41)
  [ "$typed" = '李' ] && break
done
[ "$typed" = '李' ] || { echo "e2e: the family name reads '$typed' after typing 李"; exit 1; }
# Return there asks for names.
xdotool key Return
wait_for grid '[ "$(blue_pixels "$out/grid.png")" -gt 2000 ]' ||
  { echo "e2e: Return in the family name did not fill the grid"; exit 1; }
echo "e2e: $(blue_pixels "$out/grid.png") blue pixels in the grid after Return"

# A press on 开始取名 past the open drop-down closes it and asks for new names.
before=$(grid_signature "$out/grid.png")
click 247 82
wait_popup open "after a click on its button"
click 48 132          # 开始取名
wait_popup closed "after a press on 开始取名"
wait_for grid2 '[ "$(grid_signature "$out/grid2.png")" != "$before" ]' ||
  { echo "e2e: 开始取名 past the drop-down gave no new names"; exit 1; }
[ "$(blue_pixels "$out/grid2.png")" -gt 2000 ] || { echo "e2e: the grid did not fill"; exit 1; }
echo "e2e: new names after 开始取名 past the drop-down"

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
# The picker shows today in its three fields.
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

# The keyboard: F4 in a field opens the drop-down with the day focused, the arrows move it at
# once (one right, one week down: still in the month) and Return takes it.
click 104 82          # the year field
xdotool key F4
wait_popup open "after F4"
xdotool key Right Down Return
wait_popup closed "after Return"
expected=$(date +%Y-%-m)-$((day + 8))
[ "$(fields)" = "$expected" ] || { echo "e2e: the keys gave $(fields), expected $expected"; exit 1; }
# Alt+Down opens it too; Escape closes it and keeps the date.
click 144 82          # the day field
xdotool key alt+Down
wait_popup open "after Alt+Down"
xdotool key Left Escape
wait_popup closed "after Escape"
[ "$(fields)" = "$expected" ] || { echo "e2e: Escape left $(fields), expected $expected"; exit 1; }
echo "e2e: F4, the arrows and Return gave $expected; Alt+Down and Escape kept it"
echo "e2e: passed; screenshots in $out"
