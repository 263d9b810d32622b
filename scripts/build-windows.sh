#!/usr/bin/env bash
# Cross-compiles the calendar engine and lunarcal for 64-bit Windows with MinGW-w64 into the
# given folder (default build-windows/): build-windows/lunarcal.exe. The Qt program is not
# part of this build. Installs what is missing first. Extra arguments go to cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh windows
dir=${1:-build-windows}
shift || true
bash scripts/build.sh "$dir" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
  -DBABYNAME_ENGINE_ONLY=ON -DCMAKE_BUILD_TYPE=Release "$@"
