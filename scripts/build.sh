#!/usr/bin/env bash
# Builds the native half (core library, tests, benchmarks, host tools) and both Windows programs from the
# one source: build/windows is the 64-bit program (the one every script runs), build/windows32 the 32-bit
# one for users of 32-bit image plug-ins.
#   scripts/build.sh [TARGET...]
# Targets named: only those of the Windows trees, and of the native tree only the skin generator they run.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VELMIRA_BUILD_DIR:-$top/build}
jobs=$(nproc)
targets=()
[ $# -eq 0 ] || targets=(--target "$@")

# A compiler cache, where there is one, makes a rebuild after a small change (or in a second checkout) quick.
launcher=()
if command -v ccache >/dev/null 2>&1; then
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$top}
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

cmake -S "$top" -B "$build/native" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}"
cmake --build "$build/native" -j "$jobs" ${targets[@]:+--target velmira-skin-gen}

windows_build() {  # tree toolchain
  cmake -S "$top" -B "$build/$1" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" \
    -DCMAKE_TOOLCHAIN_FILE="$top/cmake/$2.cmake" \
    -DVELMIRA_HOST_TOOLS_DIR="$build/native/tools"
  cmake --build "$build/$1" -j "$jobs" "${targets[@]}"
}
windows_build windows mingw-x86_64
windows_build windows32 mingw-i686
