#!/usr/bin/env bash
# Builds the calendar engine's libFuzzer target with clang (ASan + UBSan) into build-fuzz/
# and runs it briefly from the seeds in tests/fuzz_calendar/corpus (what it finds beyond them
# stays in build-fuzz/corpus). Usage: scripts/fuzz-calendar.sh [seconds, default 30]
# Needs the Debian packages clang and libclang-rt-14-dev (libFuzzer).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
out=build-fuzz
mkdir -p "$out/corpus"

CXX=${FUZZ_CXX:-clang++}
flags=(-std=c++20 -O1 -g -fno-omit-frame-pointer -Wall -Wextra
       -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all
       -Isrc -Itools/lunarcal -Itests/support)
sources=(src/calendar/*.cpp tools/lunarcal/lunarcal.cpp tests/fuzz_calendar/calendar_fuzz.cpp)

# Rebuild only when a source is newer than the binary.
binary=$out/calendar_fuzz
if [ ! -x "$binary" ] || [ -n "$(find src/calendar tools/lunarcal tests/fuzz_calendar tests/support -newer "$binary" -type f | head -1)" ]; then
  echo "Building $binary"
  "$CXX" "${flags[@]}" "${sources[@]}" -o "$binary"
fi

export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
"$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  "$out/corpus" tests/fuzz_calendar/corpus 2>&1 | tail -n 60
