#!/usr/bin/env bash
# Runs the Windows lunarcal.exe under Wine and the Linux lunarcal on the same command lines and
# requires the same exit status, output and messages, byte for byte once Windows' CR LF line
# ends are read as LF. The dates reach both sides of 1900 and both ends of years 1..9999.
# Usage: compare_under_wine.sh LINUX_LUNARCAL WINDOWS_LUNARCAL_EXE WINE_PREFIX
set -euo pipefail
linux=$1
windows=$2
export WINEPREFIX=$3
# No debug chatter, and no offer to install Mono or Gecko into a new prefix.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Headless: a new prefix would otherwise show its progress window on the desktop.
unset DISPLAY WAYLAND_DISPLAY
work=$(mktemp -d)
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
fail() { echo "under wine: $*"; exit 1; }
[ -x "$linux" ] || fail "no Linux lunarcal at $linux"
[ -f "$windows" ] || fail "no lunarcal.exe at $windows (scripts/build-windows.sh makes it)"
command -v wine >/dev/null || fail "wine is not installed"

runs=(
  "--tsv 1880-01-01 1920-12-31"
  "--tsv 0001-01-01 0001-02-28"
  "--tsv 9999-11-01 9999-12-31"
  "--tsv 2023-01-01 2026-12-31"
  "1899-12-30" "1900-01-31" "1582-10-15" "2024-02-10" "0001-01-01" "9999-12-31"
  "--month 1899-12" "--month 1900-02" "--month 2033-11"
  "--to-solar 1899 12 1" "--to-solar 2023 2 1 --leap" "--to-solar 1900 8 1 --leap"
  "--tsv 2024-02-30" "--month 1900-13" "--to-solar 2024 13 1" "--nonsense"
)

# One wine server for the whole run: without it every start brings Wine's services up anew.
# A new prefix is made on the first start; a bound keeps a stuck start from hanging the run.
mkdir -p "$WINEPREFIX"
wineserver -p
timeout 300 wine "$windows" 2024-01-01 >/dev/null 2>&1 || fail "lunarcal.exe does not start under wine"

differences=0
for run in "${runs[@]}"; do
  read -r -a args <<<"$run"
  linux_status=0 windows_status=0
  "$linux" "${args[@]}" >"$work/linux.out" 2>"$work/linux.err" || linux_status=$?
  timeout 120 wine "$windows" "${args[@]}" >"$work/windows.raw" 2>"$work/windows.rawerr" ||
    windows_status=$?
  tr -d '\r' <"$work/windows.raw" >"$work/windows.out"
  tr -d '\r' <"$work/windows.rawerr" >"$work/windows.err"
  if [ "$linux_status" != "$windows_status" ] || ! cmp -s "$work/linux.out" "$work/windows.out" ||
     ! cmp -s "$work/linux.err" "$work/windows.err"; then
    echo "under wine: lunarcal $run differs (exit $linux_status on Linux, $windows_status on Windows)"
    diff "$work/linux.out" "$work/windows.out" | head -n 5 || true
    diff "$work/linux.err" "$work/windows.err" | head -n 5 || true
    differences=$((differences + 1))
  fi
  [ -s "$work/linux.out" ] || [ -s "$work/linux.err" ] || fail "lunarcal $run printed nothing"
done
[ "$differences" -eq 0 ] || fail "$differences of ${#runs[@]} command lines differ"
echo "under wine: ${#runs[@]} command lines print the same on Windows as on Linux"
