# Sourced by the scripts that run the program in a real window: starts a private Xvfb
# display, points DISPLAY at it and ends it, and the program started as $app, on exit.
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

# Starts the program and sets $window to its main window once that is on screen.
start_program() {
  QT_QPA_PLATFORM=xcb "$1" &
  app=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '宝宝取名' | sed -n 1p)
}
