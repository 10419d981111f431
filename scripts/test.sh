#!/usr/bin/env bash
# The test command: installs what is missing, builds both halves, checks the formatting and runs every test:
# the native suite directly, the Win32 suite of the 64-bit program under 64-bit Wine and of the 32-bit
# program where this machine runs 32-bit programs, then the native suite again under sanitizers, then each
# fuzz target for a few seconds.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VELMIRA_BUILD_DIR:-$top/build}

"$top/scripts/install-deps.sh"
"$top/scripts/build.sh"

# shellcheck source=scripts/wine.sh
. "$top/scripts/wine.sh"
ensure_display

status=0
# The committed .clang-format, applied: any tracked C++ file that it would change fails the run.
git -C "$top" ls-files -z '*.cpp' '*.h' | (cd "$top" && xargs -0 clang-format --dry-run -Werror) || status=1
ctest --test-dir "$build/native" --output-on-failure || status=1
ctest --test-dir "$build/windows" --output-on-failure || status=1
"$top/tests/packaging/check-packages.sh" "$build/windows" || status=1
if wine32_runs; then
  ctest --test-dir "$build/windows32" --output-on-failure || status=1
else
  echo "32-bit Win32 tests skipped: this machine cannot run Wine's 32-bit loader ($wine32_refusal)"
fi
"$top/scripts/sanitize.sh" || status=1
# Every fuzz target builds and survives a few seconds of fuzzing, where clang is there to build them.
if command -v clang++ >/dev/null; then
  "$top/scripts/fuzz.sh" 3 || status=1
fi
# The page in a real browser, built from the same sources.
"$top/scripts/build-web.sh" && (cd "$top/web" && VELMIRA_BUILD_DIR="$build" node --test --test-concurrency=1 tests/) || status=1
"$top/scripts/count-lines.sh"
exit $status
