#!/usr/bin/env bash
# Builds the Windows packages from the committed sources alone, for the 64-bit and the 32-bit program:
#   scripts/package.sh [OUT_DIR]      (default: build/packages)
# writes velmira-VERSION-win64.zip, velmira-VERSION-win64-setup.exe, velmira-VERSION-win32.zip and
# velmira-VERSION-win32-setup.exe, VERSION being the one CMakeLists.txt sets. The sources are exported from
# the current commit (what is not committed does not reach a user) and built in fresh build trees.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$top/build/packages}")
work=$top/build/package
jobs=$(nproc)

"$top/scripts/install-deps.sh"
if command -v ccache >/dev/null 2>&1; then
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$work} CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
fi

if [ -n "$(git -C "$top" status --porcelain --untracked-files=no)" ]; then
  echo "package: the working tree has uncommitted changes; packaging commit $(git -C "$top" rev-parse --short HEAD) without them" >&2
fi
rm -rf "$work"
mkdir -p "$work/source" "$out"
git -C "$top" archive HEAD | tar -x -C "$work/source"

# The native tree builds only what the Windows builds run: the skin generator.
cmake -S "$work/source" -B "$work/native" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/native" -j "$jobs" --target velmira-skin-gen

packages=()
for toolchain in mingw-x86_64 mingw-i686; do
  tree=$work/$toolchain
  cmake -S "$work/source" -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$work/source/cmake/$toolchain.cmake" \
    -DVELMIRA_HOST_TOOLS_DIR="$work/native/tools" >/dev/null
  cmake --build "$tree" -j "$jobs" --target velmira velmira_help
  written=$("$work/source/packaging/make-packages.sh" "$tree" "$out")
  mapfile -t -O ${#packages[@]} packages <<<"$written"
done

echo "Packages in $out:"
for package in "${packages[@]}"; do printf '  %-36s %9d bytes\n' "$(basename "$package")" "$(stat -c %s "$package")"; done
