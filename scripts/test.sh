#!/usr/bin/env bash
# The test command: installs what is missing, builds both halves and runs every test,
# the native suite directly and the Win32 suite under Wine, then the native suite again under sanitizers,
# then each fuzz target for a few seconds.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VELMIRA_BUILD_DIR:-$top/build}

"$top/scripts/install-deps.sh"
"$top/scripts/build.sh"

# shellcheck source=scripts/display.sh
. "$top/scripts/display.sh"
ensure_display

status=0
ctest --test-dir "$build/native" --output-on-failure || status=1
ctest --test-dir "$build/windows" --output-on-failure || status=1
"$top/scripts/sanitize.sh" || status=1
# Every fuzz target builds and survives a few seconds of fuzzing, where clang is there to build them.
if command -v clang++ >/dev/null; then
  "$top/scripts/fuzz.sh" 3 || status=1
fi
exit $status
