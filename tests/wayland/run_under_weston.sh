#!/usr/bin/env bash
# Usage: run_under_weston.sh TEST_BINARY STORE OUT_DIR
# Starts weston on a private Xvfb display (weston's X11 backend: its seat takes the mouse
# and keyboard of that display, so that xdotool gives the compositor real input, as a pop-up
# needs), runs the test binary on it with Qt's Wayland platform and ends both again. Exits 77
# (skipped) where weston, Xvfb or xdotool is missing.
set -euo pipefail
binary=$1 store=$2 out=$3
for tool in weston Xvfb xdotool; do
  if ! command -v $tool >/dev/null 2>&1; then
    echo "wayland_session: $tool is not installed; skipped"
    exit 77
  fi
done
mkdir -p "$out"
source "$(dirname "$0")/../../scripts/xvfb-session.sh" # 1024 x 768, ended on exit
runtime=$(mktemp -d)
chmod 700 "$runtime"
socket=babyname-wayland-$$
weston_pid=
stop() {
  [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null || true
  rm -rf "$runtime"
  cleanup
}
trap stop EXIT

# No animations: the screenshots show the windows as they are drawn. No panel: nothing that
# a stray click could start. --use-pixman renders without a GPU; --debug offers the
# screenshot interface.
cat >"$runtime/weston.ini" <<'INI'
[shell]
panel-position=none
startup-animation=none
animation=none
close-animation=none
focus-animation=none
background-color=0xff304050
INI
XDG_RUNTIME_DIR=$runtime weston --backend=x11-backend.so --use-pixman --debug \
  --config="$runtime/weston.ini" --socket="$socket" --width=1024 --height=768 \
  >"$out/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
  [ -S "$runtime/$socket" ] && break
  kill -0 "$weston_pid" 2>/dev/null || break
  sleep 0.1
done
if [ ! -S "$runtime/$socket" ]; then
  echo "wayland_session: weston did not start:"
  cat "$out/weston.log"
  exit 1
fi
sleep 0.5 # its shell's first frame
# Weston's X11 seat follows the X pointer by its moves, from its own pointer at the output's
# corner, while the X pointer starts in the middle of the screen: one move to the corner
# brings the two together, so that xdotool's moves land where they are sent.
xdotool mousemove 0 0

# Without client-side decorations the window's content starts at its surface's corner.
XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland \
  QT_WAYLAND_DISABLE_WINDOWDECORATION=1 BABYNAME_SHOTS="$out" \
  "$binary" "$store"
