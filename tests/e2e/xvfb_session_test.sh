#!/usr/bin/env bash
# The Xvfb session of the window scripts runs on a server of its own: with another server
# already on a display it still gets its own one, and when its server cannot start it stops
# instead of going on with a display that is not its own.
set -euo pipefail
session=$(realpath "$(dirname "$0")/../../scripts/xvfb-session.sh")
fail() { echo "xvfb_session_test: $*"; exit 1; }

# A decoy server of another size; the session must never drive it.
decoyfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$decoyfile" >/dev/null 2>&1 &
decoy=$!
trap 'kill $decoy 2>/dev/null || true; rm -f "$decoyfile"' EXIT
for _ in $(seq 100); do [ "$(wc -l <"$decoyfile")" -ge 1 ] && break; sleep 0.1; done
decoy_display=:$(tr -dc 0-9 <"$decoyfile")

size=$(bash -c 'source "$1"; echo "$DISPLAY $(xdpyinfo | sed -n "s/ *dimensions: *\([0-9x]*\).*/\1/p")"' \
  _ "$session")
[ "${size% *}" != "$decoy_display" ] || fail "the session took the decoy's display $decoy_display"
[ "${size#* }" = 1024x768 ] || fail "the session's display ${size% *} is not its own server: ${size#* }"

# A server that does not start: the session says so and ends with a failure.
fake=$(mktemp -d)
printf '#!/bin/sh\nexit 1\n' >"$fake/Xvfb"
chmod +x "$fake/Xvfb"
if out=$(PATH=$fake:$PATH bash -c 'source "$1"; echo "went on with $DISPLAY"' _ "$session" 2>&1); then
  rm -rf "$fake"
  fail "the session went on without its server: $out"
fi
rm -rf "$fake"
[[ $out == *'did not start'* ]] || fail "no message for a server that did not start: $out"
echo "xvfb_session_test: passed"
