#!/usr/bin/env bash
# The run command: installs what is missing, builds, and starts velmira.exe under Wine.
# Wine plays MIDI through the ALSA sequencer; where there is one but no synthesizer on it, FluidSynth
# with a General MIDI soundfont is started to be that synthesizer.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VELMIRA_BUILD_DIR:-$top/build}

"$top/scripts/install-deps.sh"
"$top/scripts/build.sh"

soundfont=/usr/share/sounds/sf2/FluidR3_GM.sf2
if [ -e /dev/snd/seq ]; then
  if ! aconnect -o 2>/dev/null | grep -qiE 'synth|fluid|timidity'; then
    echo "Starting FluidSynth as the MIDI synthesizer..."
    fluidsynth -a "${VELMIRA_AUDIO_DRIVER:-alsa}" -m alsa_seq -i -s -g 0.8 "$soundfont" >/dev/null 2>&1 &
    for _ in $(seq 50); do aconnect -o 2>/dev/null | grep -qi fluid && break; sleep 0.1; done
  fi
else
  echo "This machine has no ALSA sequencer (/dev/snd/seq), so Wine finds no MIDI output:" >&2
  echo "Velmira will say \"MIDI出力デバイスがありません\" and end." >&2
fi

# shellcheck source=scripts/display.sh
. "$top/scripts/display.sh"
[ -n "${DISPLAY:-}" ] || echo "No X display is set: the window opens on a hidden Xvfb display." >&2
ensure_display
cd "$build/windows"
"$build/windows/wine-run.sh" "$build/windows/velmira.exe"
