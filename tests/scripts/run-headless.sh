#!/usr/bin/env bash
# scripts/run.sh on a machine with no X display and no ALSA sequencer (a container, a CI runner) must not
# start a window nobody can see: it ends with exit code 0 after writing a WAV file and a screenshot.
#   tests/scripts/run-headless.sh BUILD_DIR   (the folder holding native/ and windows/)
set -uo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath "$1")

if [ -e /dev/snd/seq ]; then
  echo "this machine has an ALSA sequencer; run.sh would start the window"
  exit 77
fi
rm -f "$build/run/demo.wav" "$build/run/demo.png"

output=$(env -u DISPLAY VELMIRA_BUILD_DIR="$build" timeout 600 "$top/scripts/run.sh" 2>&1)
status=$?
echo "$output"
[ "$status" -eq 0 ] || { echo "FAIL: run.sh ended with exit code $status"; exit 1; }

fail=0
for file in "$build/run/demo.wav" "$build/run/demo.png"; do
  grep -qF "$file" <<<"$output" || { echo "FAIL: run.sh did not name $file"; fail=1; }
done
# A WAV of the demo song holds several seconds of sound, not just a header.
wav_bytes=$(stat -c %s "$build/run/demo.wav" 2>/dev/null || echo 0)
[ "$wav_bytes" -gt 1000000 ] || { echo "FAIL: the WAV has $wav_bytes bytes"; fail=1; }
[ "$(head -c 4 "$build/run/demo.wav" 2>/dev/null)" = RIFF ] || { echo "FAIL: the WAV is not a RIFF file"; fail=1; }
size=$(identify -format '%wx%h' "$build/run/demo.png" 2>/dev/null || echo none)
[ "$size" = 1024x768 ] || { echo "FAIL: the screenshot is $size, not 1024x768"; fail=1; }
# The window was drawn: a blank screen has a single colour.
colours=$(convert "$build/run/demo.png" -format '%k' info: 2>/dev/null || echo 0)
[ "$colours" -gt 100 ] || { echo "FAIL: the screenshot has $colours colours"; fail=1; }
exit $fail
