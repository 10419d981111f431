#!/usr/bin/env bash
# Times velmira-render against midicsv (Debian's midicsv) printing the same long piano piece as text, side by
# side: both read the whole file and print a line an event; the renderer also plays it through the engine in
# virtual time. Then times a file of 255 tracks that each wait 0x0FFFFFFF ticks at one tick a quarter, which
# plays up to the renderer's one-day cap: its cost follows its few events, not its length.
# Usage: scripts/compare-render-speed.sh [native build folder]   (default: build/native)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-${VELMIRA_BUILD_DIR:-$top/build}/native}
render="$build/tools/velmira-render"
pianoSong="$build/tools/velmira-piano-song"
rounds=10 runs=10

for tool in "$render" "$pianoSong"; do
  [ -x "$tool" ] || { echo "no $tool: cmake --build $build --target velmira-render velmira-piano-song" >&2; exit 1; }
done
midicsv=$(command -v midicsv) || { echo "midicsv is not installed (Debian package midicsv)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$pianoSong" "$work/piano.mid"

# 255 track chunks of one event each: a delta of 0x0FFFFFFF ticks, then the end of the track.
{
  printf 'MThd\0\0\0\6\0\1\0\377\0\1'
  for _ in $(seq 255); do printf 'MTrk\0\0\0\10\377\377\377\177\377\57\0\0'; done
} >"$work/waits.mid"

# CPU seconds (user + system) of running the command $runs times, its output thrown away.
cpu_seconds() {
  local TIMEFORMAT='%U %S'
  { time (for _ in $(seq "$runs"); do "$@" >/dev/null; done) ; } 2>&1 | awk '{ print $1 + $2 }'
}

ours=0 theirs=0
for _ in $(seq "$rounds"); do  # taken in turns, so a busy moment of the machine falls on both
  ours=$(awk -v a="$ours" -v b="$(cpu_seconds "$render" "$work/piano.mid")" 'BEGIN { print a + b }')
  theirs=$(awk -v a="$theirs" -v b="$(cpu_seconds "$midicsv" "$work/piano.mid")" 'BEGIN { print a + b }')
done
n=$((rounds * runs))
waits=$(cpu_seconds "$render" "$work/waits.mid")

printf '%-52s %12s\n' "piano piece, $(stat -c %s "$work/piano.mid") bytes" "CPU ms a run"
printf '%-52s %12.2f  (%d lines)\n' "velmira-render" "$(awk -v s="$ours" -v n="$n" 'BEGIN { print s * 1000 / n }')" \
  "$("$render" "$work/piano.mid" | wc -l)"
printf '%-52s %12.2f  (%d lines)\n' "midicsv" "$(awk -v s="$theirs" -v n="$n" 'BEGIN { print s * 1000 / n }')" \
  "$("$midicsv" "$work/piano.mid" | wc -l)"
printf '%-52s %12.2f\n' "velmira-render / midicsv" "$(awk -v a="$ours" -v b="$theirs" 'BEGIN { print a / b }')"
printf '%-52s %12.2f  (ends at %s ms)\n' "velmira-render, 255 tracks waiting a day ($(stat -c %s "$work/waits.mid") bytes)" \
  "$(awk -v s="$waits" -v n="$runs" 'BEGIN { print s * 1000 / n }')" "$("$render" "$work/waits.mid" | tail -1 | cut -d' ' -f1)"
