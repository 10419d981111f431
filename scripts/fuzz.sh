#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (coverage for the fuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer over the whole tree) in a build tree of their own and runs each target for
# SECONDS (default 60), one after another, from its committed seeds in fuzz/seeds/<target>/ (small files the
# program's own writers made). A finding stops the run: the input that caused it is left in the fuzz build
# tree (crash-*, leak-*, timeout-*) and the exit status is 1. Each target is built on its own, so that one
# that does not build is reported and the others still run.
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]     (every fuzz/*Fuzzer.cpp unless told)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VELMIRA_BUILD_DIR:-$top/build}/fuzz
seconds=${1:-60}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in "$top"/fuzz/*Fuzzer.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi

command -v clang++ >/dev/null || { echo "clang is not installed (scripts/install-deps.sh)" >&2; exit 1; }
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g"
CC=clang CXX=clang++ cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMIRA_FUZZ=ON \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_C_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  >/dev/null

# Inputs as large as the largest seed of each target (a button sheet is 74 KB), and no larger.
max_len() {
  case $1 in
    SkinFuzzer) echo 80000 ;;
    PictureSoundFuzzer) echo 16384 ;;
    TextSoundFuzzer) echo 17000 ;;
    *) echo 8192 ;;
  esac
}

status=0
for target in "${targets[@]}"; do
  if ! cmake --build "$build" --target "$target" -j "$(nproc)" >"$build/$target.build.log" 2>&1; then
    grep -E 'error' "$build/$target.build.log" >&2 || true
    echo "$target: does not build, see $build/$target.build.log" >&2
    status=1
    continue
  fi
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"  # what the fuzzer finds worth keeping; the committed seeds are only read
  echo "== $target, $seconds s"
  rc=0
  (cd "$build" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    "$build/fuzz/$target" -max_total_time="$seconds" -max_len="$(max_len "$target")" -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 "$corpus" "$top/fuzz/seeds/$target" >"$build/$target.log" 2>&1) || rc=$?
  grep -E '^(stat::number_of_executed_units|stat::average_exec_per_sec|stat::peak_rss_mb)' "$build/$target.log" || true
  if [ $rc -ne 0 ]; then
    grep -E 'ERROR|SUMMARY|Test unit written' "$build/$target.log" >&2 || true
    echo "$target: a finding (exit status $rc), see $build/$target.log" >&2
    status=1
  fi
done
exit $status
