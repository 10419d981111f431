#!/usr/bin/env bash
# Starts the program's window under Wine on a private Xvfb display with a song loaded and playing (through
# a silent MIDI output, so no device is needed), waits, and saves a screenshot of the screen.
#   scripts/screenshot.sh [OUT.png] [SONG.mid]
# Run scripts/build.sh first.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VELMIRA_BUILD_DIR:-$top/build}
out=$(realpath -m "${1:-$top/screenshots/velmira.png}")
song=${2:-}
mkdir -p "$(dirname "$out")"

unset DISPLAY
# shellcheck source=scripts/display.sh
. "$top/scripts/display.sh"
ensure_display

cd "$build/windows"
# A new Wine prefix takes longer to set up than the wait below allows: have it ready first.
./wine-run.sh wineboot >/dev/null 2>&1 || true
args=(explorer /desktop=velmira,1024x768 tools/velmira-showcase.exe)
[ -n "$song" ] && args+=("$(winepath -w "$song" 2>/dev/null || echo "$song")")
./wine-run.sh "${args[@]}" >/dev/null 2>&1 &
sleep "${VELMIRA_SCREENSHOT_WAIT:-12}"
import -display "$DISPLAY" -window root -crop 1024x768+0+0 +repage "$out"
WINEPREFIX="$build/windows/wineprefix" wineserver -k 2>/dev/null || true
echo "$out"
