#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the native and the Windows builds need and is not there yet.
# Safe to run again: it only installs what is missing.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config            # native build (g++ brings the sanitizers' runtimes)
  ccache                                      # a compiler cache: rebuilds after small changes are quick
  googletest libgtest-dev libbenchmark-dev    # tests and benchmarks
  libfreetype-dev fonts-ipafont-gothic        # the skin generator draws its labels with this font
  g++-mingw-w64-x86-64-posix                  # the 64-bit Windows program (the default)
  g++-mingw-w64-i686-posix                    # the 32-bit Windows program, for 32-bit image plug-ins
  wine64                                      # runs the 64-bit program and its Win32 tests; its imaging
                                              # component carries its own JPEG, PNG and GIF decoders
  wine wine32:i386                            # the 32-bit program, where the kernel runs 32-bit code
  fonts-wine                                  # Marlett, for the caption buttons Wine draws
  xvfb xauth imagemagick x11-utils            # a display without a screen, and screenshots
  xdotool                                     # the screenshot and the monkey run click the face as a user would
  gnuplot-nox                                 # the timing report's plot
  locales                                     # ja_JP.UTF-8, so Wine's ANSI code page is 932
  fluidsynth fluid-soundfont-gm alsa-utils    # a General MIDI synthesizer for the run command
  libfluidsynth-dev                           # velmira-render --wav renders audio with it
  fp-utils-3.2.2 libchm-bin                   # chmcmd compiles the help file; extract_chmLib checks it
  clang libclang-rt-dev                       # scripts/fuzz.sh: libFuzzer and clang's sanitizer runtimes
  midicsv                                     # scripts/compare-render-speed.sh: the yardstick
  nsis zip unzip                              # scripts/package.sh: the Windows installers and zips
  desktop-file-utils icoutils                 # scripts/install-desktop.sh: checks the entry, takes out the icon
  emscripten                                  # the engine in WebAssembly for the page (scripts/build-web.sh)
  chromium                                    # the page's browser tests, driven headless by playwright-core
  timgm6mb-soundfont                          # the General MIDI SoundFont the page's synthesizer plays
)
# npm installs the page's libraries and playwright-core (web/package-lock.json). A Node.js from elsewhere
# brings its own npm, which Debian's package would clash with.
command -v npm >/dev/null || packages+=(npm)

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
  need_update=1
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  "${sudo_cmd[@]}" apt-get update
  # Another install running beside this one holds the lock: wait for it rather than fail.
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=900 install -y \
    --no-install-recommends "${missing[@]}"
elif [ -n "${need_update:-}" ]; then
  "${sudo_cmd[@]}" apt-get update
fi

if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  "${sudo_cmd[@]}" sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo_cmd[@]}" locale-gen
fi
