#!/usr/bin/env bash
# The test command: installs what is missing, builds both halves, checks the formatting and runs every test,
# the native suite directly and the Win32 suite under Wine, then the native suite again under sanitizers.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VELMIRA_BUILD_DIR:-$top/build}

"$top/scripts/install-deps.sh"
"$top/scripts/build.sh"

# shellcheck source=scripts/display.sh
. "$top/scripts/display.sh"
ensure_display

status=0
# The committed .clang-format, applied: any tracked C++ file that it would change fails the run.
git -C "$top" ls-files -z '*.cpp' '*.h' | (cd "$top" && xargs -0 clang-format --dry-run -Werror) || status=1
ctest --test-dir "$build/native" --output-on-failure || status=1
ctest --test-dir "$build/windows" --output-on-failure || status=1
"$top/scripts/sanitize.sh" || status=1
exit $status
