#!/usr/bin/env bash
# Builds the native test program with sanitizers, each kind in a build tree of its own, and runs it:
# AddressSanitizer and UndefinedBehaviorSanitizer over the whole suite, ThreadSanitizer over the tests that
# drive the sequencer from a second thread (the CrossThread* suites, and ToneLockRace: the tone dialog's OK
# against the timer). Any finding fails the run.
# Only velmira_tests is built: the benchmarks and the tools have nothing to add here.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VELMIRA_BUILD_DIR:-$top/build}
jobs=$(nproc)

build_tests() {  # tree flags
  local tree=$build/$1 flags="$2 -fno-omit-frame-pointer"
  cmake -S "$top" -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" >/dev/null
  cmake --build "$tree" --target velmira_tests -j "$jobs"
}

status=0

# The library's checked subscripts as well: a read past a std::array inside an object stays inside the object,
# where the address sanitizer cannot see it.
build_tests asan "-fsanitize=address,undefined -fno-sanitize-recover=all -D_GLIBCXX_ASSERTIONS"
ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1 \
UBSAN_OPTIONS=print_stacktrace=1 \
  "$build/asan/velmira_tests" --gtest_brief=1 || status=1

build_tests tsan "-fsanitize=thread"
# setarch -R: this GCC's ThreadSanitizer cannot map its shadow memory under the widest address randomisation.
TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 \
  setarch "$(uname -m)" -R "$build/tsan/velmira_tests" --gtest_filter='CrossThread*:ToneLockRace*' --gtest_repeat=5 --gtest_brief=1 ||
  status=1

exit $status
