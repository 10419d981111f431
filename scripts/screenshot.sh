#!/usr/bin/env bash
# Starts velmira.exe under Wine on a private Xvfb display, playing a song through the silent output (so no
# device is needed), sets a few cells and toggles with real mouse clicks, and saves a screenshot.
#   scripts/screenshot.sh [OUT.png] [SONG.mid]     (the song defaults to the build's demo song)
# Run scripts/build.sh first.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VELMIRA_BUILD_DIR:-$top/build}
out=$(realpath -m "${1:-$top/screenshots/velmira.png}")
song=$(realpath -m "${2:-$build/native/demo.mid}")
mkdir -p "$(dirname "$out")"
[ -f "$song" ] || { echo "no song at $song (run scripts/build.sh first)" >&2; exit 1; }
# shellcheck source=scripts/face.sh
. "$top/scripts/face.sh"

# shellcheck source=scripts/wine.sh
. "$top/scripts/wine.sh"
wine_private "$build/windows"
wine_exec explorer /desktop=velmira,1024x768 velmira.exe /out:null /play "$(windows_path "$song")" >/dev/null 2>&1 &

# The window is up once its X window carries the song's name in its title (it reads "Velmira" before the
# song is open). A new Wine prefix takes 15-30 s to get there, a warm one about a second.
song_window() {
  xwininfo -display "$DISPLAY" -root -tree 2>/dev/null | grep -F '("velmira.exe"' | grep -F "$(basename "$song")" |
    awk '{ print $1; exit }'
}
deadline=$((SECONDS + ${VELMIRA_SCREENSHOT_TIMEOUT:-120}))
until window=$(song_window) && [ -n "$window" ]; do
  if [ $SECONDS -ge $deadline ]; then
    echo "the window did not appear within ${VELMIRA_SCREENSHOT_TIMEOUT:-120} s" >&2
    wine_stop
    exit 1
  fi
  sleep 0.2
done

click() {  # x y [button]: the centre of a cell or toggle, in face coordinates
  xdotool mousemove $(face_point "$window" "$1" "$2") click "${3:-1}"
  sleep 0.1
}
cell() { click "${face_cell_x[$2]}" "${face_cell_y[$1 - 1]}" "${3:-1}"; }  # channel column [button]
toggle() { click "${face_toggle_x[$2]}" "${face_toggle_y[$1 - 1]}"; }        # channel column

sleep "${VELMIRA_SCREENSHOT_PLAY:-1.5}"  # the meters and lamps fill up first
cell 2 1 && cell 2 1 && cell 2 1  # channel 2: reverb up three steps
cell 5 4                          # channel 5: auto-pan
cell 4 0 3                        # channel 4: volume one step down (right button)
toggle 3 2                        # channel 3: octave doubling
toggle 10 1                       # channel 10: mute
xdotool mousemove 1000 750        # the pointer off the face
sleep "${VELMIRA_SCREENSHOT_SETTLE:-1}"
import -display "$DISPLAY" -window root -crop 1024x768+0+0 +repage "$out"
wine_stop
echo "$out"
