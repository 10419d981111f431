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

"$top/scripts/install-deps.sh"

if [ -n "$(git -C "$top" status --porcelain --untracked-files=no)" ]; then
  echo "package: the working tree has uncommitted changes; packaging commit $(git -C "$top" rev-parse --short HEAD) without them" >&2
fi
rm -rf "$work"
mkdir -p "$work/source" "$out"
git -C "$top" archive HEAD | tar -x -C "$work/source"

# The exported sources build themselves, only what goes into a package.
VELMIRA_BUILD_DIR=$work "$work/source/scripts/build.sh" velmira velmira_help
packages=()
for tree in windows windows32; do
  written=$("$work/source/packaging/make-packages.sh" "$work/$tree" "$out")
  mapfile -t -O ${#packages[@]} packages <<<"$written"
done

echo "Packages in $out:"
for package in "${packages[@]}"; do printf '  %-36s %9d bytes\n' "$(basename "$package")" "$(stat -c %s "$package")"; done
