#!/usr/bin/env bash
# Times the background composition (a 1600 x 1600 24-bit picture stretched to the 788 x 540 face)
# against ImageMagick stretching the same picture with its bilinear (Triangle) filter, side by side.
# Usage: tools/compare-face-speed.sh [native build folder]   (default: build/native)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-${VELMIRA_BUILD_DIR:-$top/build}/native}
benchmarks="$build/velmira_benchmarks"
runs=10

[ -x "$benchmarks" ] || { echo "no $benchmarks: build the native half first" >&2; exit 1; }
# Debian's ImageMagick lives in /usr/bin; a wrapper of the same name earlier on the PATH would be timed too.
convert=$(command -v /usr/bin/convert || command -v convert) ||
  { echo "ImageMagick's convert is not installed" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The benchmark writes the picture it measures, so both sides stretch the very same pixels.
VELMIRA_FACE_PICTURE="$work/in.bmp" "$benchmarks" --benchmark_filter='LargestPicture$' \
  --benchmark_format=csv 2>/dev/null >"$work/ours.csv"
ours=$(awk -F, '/^"makeFaceFromLargestPicture"/ { printf "%.1f", $3 }' "$work/ours.csv")
ours_read=$(awk -F, '/^"readAndMakeFaceFromLargestPicture"/ { printf "%.1f", $3 }' "$work/ours.csv")

start=$(date +%s%N)
for _ in $(seq "$runs"); do
  "$convert" "$work/in.bmp" -filter Triangle -resize '788x540!' "$work/out.bmp"
done
end=$(date +%s%N)
theirs=$(awk -v ns=$((end - start)) -v n="$runs" 'BEGIN { printf "%.1f", ns / n / 1e6 }')

printf '%-46s %10s\n' "1600 x 1600 x 24 bits -> 788 x 540" "ms each"
printf '%-46s %10s\n' "makeFaceFromPicture" "$ours"
printf '%-46s %10s\n' "readPreviewBmp + makeFaceFromPicture" "$ours_read"
printf '%-46s %10s\n' "convert -filter Triangle -resize 788x540!" "$theirs"
