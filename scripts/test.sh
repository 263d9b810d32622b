#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test through ctest; then does
# the same once more under AddressSanitizer + UndefinedBehaviorSanitizer. The engine is also
# cross-built for Windows, and ctest compares its lunarcal.exe under Wine with the Linux one.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen

bash scripts/build-windows.sh build-windows
bash scripts/build.sh build -DBABYNAME_WINDOWS_BUILD_DIR="$PWD/build-windows"
(cd build && ctest --output-on-failure -j2)

# Any sanitizer report ends the test process with a failure, so ctest fails.
export ASAN_OPTIONS=abort_on_error=0:halt_on_error=1:detect_leaks=1:exitcode=86
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
bash scripts/build.sh build-asan -DBABYNAME_SANITIZE=ON -DBABYNAME_BENCH=OFF
(cd build-asan && ctest --output-on-failure -j2)

# A short run of the calendar engine's fuzzer (clang, libFuzzer + ASan + UBSan).
bash scripts/fuzz-calendar.sh 20
