#!/usr/bin/env bash
# The test command: installs what is missing, builds both halves and runs every test,
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
ctest --test-dir "$build/native" --output-on-failure || status=1
ctest --test-dir "$build/windows" --output-on-failure || status=1
"$top/scripts/sanitize.sh" || status=1
# The page in a real browser, built from the same sources.
"$top/scripts/build-web.sh" && (cd "$top/web" && VELMIRA_BUILD_DIR="$build" node --test tests/) || status=1
exit $status
