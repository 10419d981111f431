#!/usr/bin/env bash
# The run command: installs what is missing, builds, and plays a song (or none) with velmira.exe under Wine.
#   scripts/run.sh [--midi-in NAME] [SONG.mid]
# --midi-in NAME: a keyboard's ALSA sequencer port, named as `aconnect -i` lists it, is the program's
# "MIDI入力" from the start (the choice is saved, so later starts keep it).
# - With an ALSA sequencer: the window, playing through it (FluidSynth with a General MIDI soundfont is
#   started where no synthesizer is connected to the sequencer).
# - With an X display but no sequencer: the window, playing through a silent output.
# - With neither: no window nobody could see. The song (or the demo song) is rendered to a WAV file with
#   FluidSynth, a screenshot of the window playing it is saved, and both paths are printed.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VELMIRA_BUILD_DIR:-$top/build}
midi_in=
if [ "${1:-}" = --midi-in ]; then
  [ $# -ge 2 ] || { echo "usage: scripts/run.sh [--midi-in NAME] [SONG.mid]" >&2; exit 2; }
  midi_in=$2
  shift 2
fi
song=${1:-}
if [ -n "$song" ]; then song=$(realpath -m "$song"); fi

"$top/scripts/install-deps.sh"
"$top/scripts/build.sh"

if [ ! -e /dev/snd/seq ] && [ -z "${DISPLAY:-}" ]; then
  echo "No X display and no ALSA sequencer (/dev/snd/seq): nothing here can show the window or play MIDI."
  echo "Rendering the song to audio with FluidSynth and saving a screenshot of the window playing it instead."
  [ -n "$song" ] || song=$build/native/demo.mid
  out=$build/run
  mkdir -p "$out"
  name=$(basename "${song%.*}")
  "$build/native/tools/velmira-render" --wav "$out/$name.wav" --out "$out/$name.txt" "$song"
  VELMIRA_BUILD_DIR=$build "$top/scripts/screenshot.sh" "$out/$name.png" "$song" >/dev/null
  echo "Audio:      $out/$name.wav"
  echo "Screenshot: $out/$name.png"
  exit 0
fi

arguments=()
soundfont=/usr/share/sounds/sf2/FluidR3_GM.sf2
if [ -e /dev/snd/seq ]; then
  if ! aconnect -o 2>/dev/null | grep -qiE 'synth|fluid|timidity'; then
    echo "Starting FluidSynth as the MIDI synthesizer..."
    fluidsynth -a "${VELMIRA_AUDIO_DRIVER:-alsa}" -m alsa_seq -i -s -g 0.8 "$soundfont" >/dev/null 2>&1 &
    for _ in $(seq 50); do aconnect -o 2>/dev/null | grep -qi fluid && break; sleep 0.1; done
  fi
else
  echo "This machine has no ALSA sequencer (/dev/snd/seq), so there is no MIDI output to play to:"
  echo "Velmira starts with a silent output, so the player can still be seen and tried."
  arguments+=(/out:null)
fi

# shellcheck source=scripts/wine.sh
. "$top/scripts/wine.sh"
[ -n "${DISPLAY:-}" ] || echo "No X display is set: the window opens on a hidden Xvfb display." >&2
ensure_display
wine_use "$build/windows"
cd "$build/windows"
if [ -n "$midi_in" ]; then
  if ! aconnect -i 2>/dev/null | grep -qF "'$midi_in'"; then
    echo "No MIDI input named '$midi_in' (aconnect -i lists them); Velmira starts without one." >&2
  fi
  wine_run reg add 'HKCU\Software\Velmira\User' /v MidiIn /t REG_SZ /d "$midi_in" /f >/dev/null
fi
[ -z "$song" ] || arguments+=(/play "$(windows_path "$song")")
wine_exec "$build/windows/velmira.exe" "${arguments[@]}"
