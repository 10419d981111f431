#!/usr/bin/env bash
# Builds the native half (core library, tests, benchmarks, host tools) and the 32-bit Windows half.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VELMIRA_BUILD_DIR:-$top/build}
jobs=$(nproc)

cmake -S "$top" -B "$build/native" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build/native" -j "$jobs"

cmake -S "$top" -B "$build/windows" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-i686.cmake" \
  -DVELMIRA_HOST_TOOLS_DIR="$build/native/tools"
cmake --build "$build/windows" -j "$jobs"
