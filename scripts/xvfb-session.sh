# Sourced by the scripts that run the program in a real window: starts a private Xvfb
# display (XVFB_SCREEN sets its size, 1024x768x24 by default), points DISPLAY at it and
# ends it, and the program started as $app, on exit.
#
# Xvfb picks a free display number itself (-displayfd) and writes it only once it accepts
# connections, so a display that another server already holds is never used, and nothing
# here talks to a server that is not ours.
displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1024x768x24}" -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
xvfb=$!
app=
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -f "$displayfile"
}
trap cleanup EXIT
number=
for _ in $(seq 100); do
  # The number is complete once its line ends.
  if [ "$(wc -l <"$displayfile")" -ge 1 ]; then
    number=$(tr -dc 0-9 <"$displayfile")
    break
  fi
  kill -0 "$xvfb" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$number" ]; then
  echo "xvfb-session: Xvfb did not start" >&2
  exit 1
fi
export DISPLAY=:$number

# Starts the program and sets $window to its main window once that is on screen.
start_program() {
  QT_QPA_PLATFORM=xcb "$1" &
  app=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '宝宝取名' | sed -n 1p)
}
