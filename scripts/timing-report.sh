#!/usr/bin/env bash
# The timing report: plays a busy song through the real multimedia timer (velmira.exe under Wine on a
# private Xvfb, recording what it sends with /out:record), closes the window once the song has stopped,
# and lays each recorded line's real time beside its play time T:
#   - lateness: how long after its due time each message went out. Playback starts right after the load's
#     GS reset and the timer's first tick (T = 0) is due one period later, so a line of play time T is due
#     at the GS reset's real time + 10 ms + T. (The sequencer's own rounding of a song's event to the next
#     tick is not counted: T already holds it.)
#   - the timer's period: the real time between consecutive ticks (each tick's first line)
#   - the tempo error: the real length of the song against its nominal length
# and plots the lateness over the song. Meanwhile a keyboard is played in (/in:replay) on channel 16, which
# the song uses for a controller only, and the live section sets each of its notes' output call beside the
# time it arrived (the replay hands each line over at its time, on the recording's clock):
#   - live latency: the real time of the output line less the time of its input line
#   scripts/timing-report.sh [SECONDS] [PLOT.png]     (60 s and docs/timing.png unless told)
# Run scripts/build.sh first.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VELMIRA_BUILD_DIR:-$top/build}
seconds=${1:-60}
plot=$(realpath -m "${2:-$top/docs/timing.png}")
work=$build/timing
mkdir -p "$work" "$(dirname "$plot")"
song=$work/dense.mid
recording=$work/recording.txt
live_input=$work/live-input.txt

"$build/native/tools/velmira-dense-song" "$song" "$seconds"
# From 5 s (the window is up) to 2 s before the end: a note-on or note-off every 20-60 ms, at no fixed phase
# to the timer.
awk -v end_us=$(((seconds - 2) * 1000000)) 'BEGIN {
  srand(24)
  for (t = 5000000; t < end_us; t += 20000 + int(rand() * 40000)) {
    key = 40 + int(n / 2) % 40
    printf "%d\t%s %02X %s\n", t, (n % 2 ? "8F" : "9F"), key, (n % 2 ? "00" : "64")
    n++
  }
}' >"$live_input"

# shellcheck source=scripts/wine.sh
. "$top/scripts/wine.sh"
recording_clear "$recording"
wine_private "$build/windows"
wine_exec velmira.exe "/out:record=$(windows_path "$recording")" "/in:replay=$(windows_path "$live_input")" \
  /play "$(windows_path "$song")" >/dev/null 2>&1 &
program=$!

# The song has stopped once the last of the stop's all-notes-off lines is written.
deadline=$((SECONDS + seconds + 120))
until grep -q $'^[0-9]* BF 7B 00\t' "$(recording_live "$recording")" 2>/dev/null; do
  if [ $SECONDS -ge $deadline ] || ! kill -0 "$program" 2>/dev/null; then
    echo "the song did not play to its end" >&2
    kill "$program" 2>/dev/null || true
    exit 1
  fi
  sleep 0.5
done
wine_run tools/velmira-poke.exe close
for _ in $(seq 100); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$program" 2>/dev/null; then
  echo "velmira.exe did not close" >&2
  kill "$program" 2>/dev/null || true
  exit 1
fi

# Each line: T, the bytes, a tab, the real time in microseconds since the output was opened. The load's
# messages (up to the GS reset) come before playback; the stop's controllers 66, 64 and 123 after it.
# Lateness lines: T in s, lateness in ms.
lateness=$work/lateness.txt
gaps=$work/gaps.txt
awk -v lateness="$lateness" -v gaps="$gaps" -v summary="$work/summary.txt" '
  !playing { if ($2 == "F0" && $3 == "41") { playing = 1; t0 = $NF + 10000 } next }
  $2 == "9F" || $2 == "8F" { next }
  $2 ~ /^B/ && ($3 == "42" || $3 == "40" || $3 == "7B") { next }
  {
    t = $1; us = $NF
    count++
    printf "%.3f %.3f\n", t / 1000, (us - t0) / 1000 - t > lateness
    if (!(t in tick)) { tick[t] = us; if ((t - 10) in tick) printf "%.3f\n", (us - tick[t - 10]) / 1000 > gaps }
    last = t
  }
  END {
    printf "%d %d %.3f %d\n", count, last, (tick[last] - tick[0]) / 1000, length(tick) > summary
  }' "$recording"

# Live lines: latency in ms, the k-th note line on channel 16 against the k-th input line.
latency=$work/live-latency.txt
awk -F'\t' 'NR == FNR { arrival[++inputs] = $1; next }
  $1 ~ /^[0-9]+ [89]F / { if (++k <= inputs) printf "%.3f\n", ($2 - arrival[k]) / 1000 }
  END { if (k != inputs) printf "%d input lines, %d output lines\n", inputs, k > "/dev/stderr" }' \
  "$live_input" "$recording" >"$latency"
live_count=$(wc -l <"$latency")

percentile() {  # FILE COLUMN P: the P-th percentile of the column (nearest rank)
  sort -g -k"$2","$2" "$1" | awk -v column="$2" -v p="$3" '{ v[NR] = $column }
    END { r = int((p / 100) * NR + 0.999999); if (r < 1) r = 1; print v[r] }'
}
read -r messages nominal_ms real_ms ticks <"$work/summary.txt"
late_median=$(percentile "$lateness" 2 50)
late_p99=$(percentile "$lateness" 2 99)
late_max=$(percentile "$lateness" 2 100)
late_min=$(percentile "$lateness" 2 0)
early=$(awk '$2 < 0 { n++ } END { print n + 0 }' "$lateness")
period_median=$(percentile "$gaps" 1 50)
period_p99=$(percentile "$gaps" 1 99)
tempo_error=$(awk -v real="$real_ms" -v nominal="$nominal_ms" 'BEGIN { printf "%+.2f", (real / nominal - 1) * 100 }')
live_median=$(percentile "$latency" 1 50)
live_p99=$(percentile "$latency" 1 99)
live_max=$(percentile "$latency" 1 100)
mean_period=$(awk -v real="$real_ms" -v ticks="$ticks" 'BEGIN { printf "%.3f", real / (ticks - 1) }')

gnuplot <<PLOT
set terminal png size 900,360 font ",10"
set output "$plot"
set title "Velmira under Wine: lateness of each message against its play time (${messages} messages)"
set xlabel "play time T (s)"
set ylabel "lateness (ms)"
set grid
set key off
plot "$lateness" using 1:2 with points pt 7 ps 0.2 lc rgb "#1060c0"
PLOT

cat <<REPORT
Timing of velmira.exe under Wine ($("$wine_loader" --version 2>/dev/null || echo wine), 64-bit), $(nproc) cores,
a ${seconds} s song of ${messages} messages:
| Figure | Value |
|---|---|
| Lateness, median | ${late_median} ms |
| Lateness, p99 | ${late_p99} ms |
| Lateness, max | ${late_max} ms |
| Messages early (lateness below 0) | ${early} (least lateness ${late_min} ms) |
| Timer period, median | ${period_median} ms |
| Timer period, p99 | ${period_p99} ms |
| Timer period, mean over the song | ${mean_period} ms (${ticks} ticks) |
| Real length against nominal | ${real_ms} ms against ${nominal_ms} ms (tempo error ${tempo_error} %) |
| Live input to output call, median | ${live_median} ms (${live_count} notes played in during the song) |
| Live input to output call, p99 | ${live_p99} ms |
| Live input to output call, max | ${live_max} ms |
Plot: $plot
REPORT
