# Sourced by the scripts that run the program in a real window: starts a private Xvfb
# display (XVFB_SCREEN sets its size, 1024x768x24 by default), points DISPLAY at it and
# ends it, and the program started as $app, on exit.
#
# Xvfb picks a free display number itself (-displayfd) and writes it only once it accepts
# connections, so a display that another server already holds is never used, and nothing
# here talks to a server that is not ours. A display is taken only once a client has
# connected to it; a server that took a number but turns clients away is ended and another
# one started. -noreset: by default the server resets itself whenever its last client leaves,
# and a client connecting during the reset is turned away. The accessibility bus's launcher
# touches the display and leaves again just as the program starts.
displayfile=$(mktemp)
xvfblog=$(mktemp)
xvfb=
app=
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  end_xvfb
  rm -f "$displayfile" "$xvfblog"
}
# Ends the server and waits for it, so that its display is free again when this returns.
end_xvfb() {
  [ -n "$xvfb" ] || return 0
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
  xvfb=
}
trap cleanup EXIT

# Starts a server and prints its display number once it has one; prints nothing if it ended.
start_xvfb() {
  : >"$displayfile"
  Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1024x768x24}" -nolisten tcp -noreset \
    3>"$displayfile" >/dev/null 2>>"$xvfblog" &
  xvfb=$!
}
display_number() {
  for _ in $(seq 100); do
    # The number is complete once its line ends.
    if [ "$(wc -l <"$displayfile")" -ge 1 ]; then
      tr -dc 0-9 <"$displayfile"
      return
    fi
    kill -0 "$xvfb" 2>/dev/null || return 0
    sleep 0.1
  done
}
accepts_clients() {
  for _ in $(seq 20); do
    xdpyinfo -display ":$1" >/dev/null 2>&1 && return 0
    kill -0 "$xvfb" 2>/dev/null || return 1
    sleep 0.25
  done
  return 1
}

number=
for attempt in 1 2 3; do
  start_xvfb
  number=$(display_number)
  [ -n "$number" ] && accepts_clients "$number" && break
  [ -n "$number" ] && echo "xvfb-session: display :$number turned clients away (try $attempt)" >&2
  number=
  end_xvfb
done
if [ -z "$number" ]; then
  echo "xvfb-session: Xvfb did not start" >&2
  tail -n 20 "$xvfblog" >&2
  exit 1
fi
export DISPLAY=:$number

# Starts the program and sets $window to its main window once that is on screen.
start_program() {
  QT_QPA_PLATFORM=xcb "$1" &
  app=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '宝宝取名' | sed -n 1p)
}
