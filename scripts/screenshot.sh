#!/usr/bin/env bash
# Starts the program's window under Wine on a private Xvfb display with a song loaded and playing (through
# a silent MIDI output, so no device is needed), waits, and saves a screenshot of the screen.
#   scripts/screenshot.sh [OUT.png] [SONG.mid] [key-signature|pitch-map]
# The third argument shows that effect dialog, tried, over the window (give a song, or "" for the demo).
# Run scripts/build.sh first.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VELMIRA_BUILD_DIR:-$top/build}
out=$(realpath -m "${1:-$top/screenshots/velmira.png}")
song=${2:-}
effect_dialog=${3:-}
mkdir -p "$(dirname "$out")"

unset DISPLAY
# shellcheck source=scripts/display.sh
. "$top/scripts/display.sh"
ensure_display

cd "$build/windows"
# A new Wine prefix takes longer to set up than the wait below allows: have it ready first.
./wine-run.sh wineboot >/dev/null 2>&1 || true
args=(explorer /desktop=velmira,1024x768 tools/velmira-showcase.exe)
song_arg=
if [ -n "$song" ]; then song_arg=$(winepath -w "$song" 2>/dev/null || echo "$song"); fi
if [ -n "$song_arg" ] || [ -n "$effect_dialog" ]; then args+=("$song_arg"); fi
if [ -n "$effect_dialog" ]; then args+=("$effect_dialog"); fi
./wine-run.sh "${args[@]}" >/dev/null 2>&1 &

# The window is up once the showcase's X window carries the song in its title (it reads "Velmira" before
# the song is open). A new Wine prefix takes 15-30 s to get there, a warm one about a second.
window_shown() {
  xwininfo -display "$DISPLAY" -root -tree 2>/dev/null | grep -F '("velmira-showcase.exe"' |
    grep -v -e '"Default IME"' -e '^ *0x[0-9a-f]* "Velmira":' -q
}
deadline=$((SECONDS + ${VELMIRA_SCREENSHOT_TIMEOUT:-120}))
until window_shown; do
  if [ $SECONDS -ge $deadline ]; then
    echo "the window did not appear within ${VELMIRA_SCREENSHOT_TIMEOUT:-120} s" >&2
    WINEPREFIX="$build/windows/wineprefix" wineserver -k 2>/dev/null || true
    exit 1
  fi
  sleep 0.2
done
# The showcase sets its cells and toggles 1.5 s after playback starts.
sleep "${VELMIRA_SCREENSHOT_SETTLE:-2.5}"
import -display "$DISPLAY" -window root -crop 1024x768+0+0 +repage "$out"
WINEPREFIX="$build/windows/wineprefix" wineserver -k 2>/dev/null || true
echo "$out"
