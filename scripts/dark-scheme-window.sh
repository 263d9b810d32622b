#!/usr/bin/env bash
# Usage: dark-scheme-window.sh [BUILD_DIR] [OUTPUT.png]
# Starts the program in a real X window on a desktop whose colour scheme is dark (a KDE
# Plasma session with Breeze Dark colours in kdeglobals, which Qt reads by itself) and checks
# on the screenshot that the labels and the birthday's year field are drawn in dark text on
# their light ground, as under any other scheme.
set -euo pipefail
build=$(realpath "${1:-build}")
output=$(realpath -m "${2:-$build/e2e/dark-scheme.png}")
mkdir -p "$(dirname "$output")"

config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
dark() { # group background foreground
  printf '[Colors:%s]\nBackgroundNormal=%s\nBackgroundAlternate=%s\nForegroundNormal=%s\n' \
    "$1" "$2" "$2" "$3"
  printf 'ForegroundInactive=161,169,177\nDecorationFocus=61,174,233\nDecorationHover=61,174,233\n\n'
}
{
  printf '[General]\nColorScheme=BreezeDark\n\n[KDE]\nwidgetStyle=Breeze\n\n'
  dark Window 49,54,59 239,240,241
  dark View 35,38,41 239,240,241
  dark Button 49,54,59 239,240,241
  dark Selection 61,174,233 252,252,252
  dark Tooltip 49,54,59 239,240,241
} >"$config/kdeglobals"

XDG_CONFIG_HOME=$config XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5 \
  bash "$(dirname "$0")/xvfb-screenshot.sh" "$build/babyname" "$output"

# Pixels of a window area (WxH+X+Y) drawn in dark text.
dark_pixels() {
  convert "$output" -crop "$1" +repage -fx 'r<0.3 && g<0.3 && b<0.3 ? 1 : 0' \
    -format '%[fx:round(mean*w*h)]' info:
}
label=$(dark_pixels 60x13+24+32) # 宝宝姓氏： in the group box
year=$(dark_pixels 24x15+90+75)  # the four digits of the birthday's year
echo "dark-scheme-window: $label dark pixels in the first label, $year in the year field"
[ "$label" -gt 40 ] && [ "$year" -gt 15 ] || { echo "dark-scheme-window: text is not dark"; exit 1; }
