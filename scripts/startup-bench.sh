#!/usr/bin/env bash
# Usage: startup-bench.sh [BUILD_DIR] [RUNS]
# Times the program's start-up to its first paint as a whole process, next to a bare Qt
# window: mean wall time and peak memory over RUNS runs, on the platform in QT_QPA_PLATFORM
# (offscreen unless set; under Xvfb use xcb).
set -euo pipefail
build=${1:-build}
runs=${2:-20}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
report=$(mktemp)
trap 'rm -f "$report"' EXIT
measure() {
  local program=$1 total=0 peak=0
  "$program" >/dev/null 2>&1 # warm the file cache
  for _ in $(seq "$runs"); do
    local line
    local start end
    start=$(date +%s%N)
    /usr/bin/time -o "$report" -f '%M' "$program" >/dev/null 2>&1
    end=$(date +%s%N)
    line="$(( (end - start) / 1000 )) $(tail -n 1 "$report")"
    total=$((total + ${line% *}))
    [ "${line#* }" -gt "$peak" ] && peak=${line#* }
  done
  printf '%-18s %6.1f ms  %6.1f MiB peak\n' "$(basename "$program")" \
    "$(awk -v t="$total" -v n="$runs" 'BEGIN { print t / n / 1000 }')" \
    "$(awk -v k="$peak" 'BEGIN { print k / 1024 }')"
}
measure "$build/bare-window-bench"
measure "$build/startup-bench"
