# Sourced by everything that runs a Windows program of ours under Wine: each build's wine-run.sh (through
# which CMake runs the Win32 tests), the scripts and the package test. It settles which loader, which prefix,
# which language, and how a Linux path reaches the program; it brings ensure_display along.
#   wine_use BUILD_TREE [PREFIX]  the programs of a Windows build tree, run in PREFIX (default: the tree's
#                                 own wineprefix, set up on first use with the fonts the face needs)
#   wine_run PROGRAM [ARGS...]    runs it and waits (wine_exec: the shell becomes the program)
#   wine_warm, wine_settle, wine_stop    start the prefix's Wine, wait for it to end, end it
#   wine_private BUILD_TREE       all of it on a private X display, from the tree's folder
#   recording_clear, recording_live FILE    the program's /out:record file before a run and while it runs
# shellcheck source=scripts/display.sh
. "$(dirname "${BASH_SOURCE[0]}")/display.sh"
wine_sources=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# The loader is named, never left to the `wine` wrapper: the wrapper takes the 32-bit loader whenever it is
# installed, and on a machine whose kernel refuses 32-bit programs that fails even for a 64-bit program.
wine_loader_of() {  # win64 | win32
  if [ "$1" = win64 ]; then echo /usr/lib/wine/wine64; else echo /usr/lib/wine/wine; fi
}

# Some kernels refuse every 32-bit Linux program, Wine's 32-bit loader among them: try it, don't guess.
# Where it is refused, wine32_refusal says why.
wine32_runs() {
  local answer
  answer=$("$(wine_loader_of win32)" --version 2>&1) && return 0
  wine32_refusal=${answer##*: }
  return 1
}

# How a Linux path reaches a Windows program: every prefix maps drive Z: to the root.
windows_path() { printf 'Z:%s' "$(realpath -m "$1" | tr / '\\')"; }

# velmira.exe /out:record=FILE writes into a temporary FILE.*.part beside FILE while it runs, which takes
# FILE's name when the program ends: recording_clear takes both away before a run, recording_live names the
# one to read now.
recording_clear() { rm -f "$1" "$1".*.part; }
recording_live() {
  local part
  for part in "$1".*.part; do [ -f "$part" ] && { echo "$part"; return; }; done
  echo "$1"
}

wine_use() {  # BUILD_TREE [PREFIX]
  wine_arch=$(sed -n 's/^VELMIRA_WINEARCH:INTERNAL=//p' "$1/CMakeCache.txt" 2>/dev/null)
  [ -n "$wine_arch" ] || { echo "wine.sh: $1 is not a configured Windows build" >&2; return 1; }
  wine_loader=$(wine_loader_of "$wine_arch")
  wine_prefix=${2:-$1/wineprefix}
  wine_own_prefix=
  [ $# -ge 2 ] || wine_own_prefix=1
}
wine_language=ja_JP.UTF-8  # the programs run in Japanese: the ANSI code page is 932

# The shell becomes the program: `wine_exec PROGRAM ... &` leaves the program's own id in $!, for kill and
# wait (a function run in the background would leave a shell between them).
wine_exec() {
  export WINELOADER=$wine_loader WINEPREFIX=$wine_prefix WINEARCH=$wine_arch
  export WINEDEBUG=${WINEDEBUG:--all}
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"  # no Mono or Gecko to install, no menu entries
  export LANG=$wine_language LC_ALL=$wine_language
  [ -z "$wine_own_prefix" ] || wine_prepare
  [ -n "${DISPLAY:-}" ] || exec xvfb-run -a -s "-screen 0 $display_screen" "$wine_loader" "$@"
  exec "$wine_loader" "$@"
}
wine_run() { (wine_exec "$@"); }

# A build's prefix is made once, by whichever run comes first (the others wait for it), with the fonts the
# face and the dialogs are drawn in.
wine_prepare() {
  if [ ! -f "$WINEPREFIX/.velmira-ready" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    exec 9>"$WINEPREFIX.lock"
    flock 9
    if [ ! -f "$WINEPREFIX/.velmira-ready" ]; then
      "$wine_loader" wineboot.exe -i >/dev/null 2>&1 || true
      "$wine_loader" regedit.exe /S "$wine_sources/cmake/font-substitutes.reg" >/dev/null 2>&1 || true
      wineserver -w || true
      if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "wine.sh: $wine_loader could not set up the Wine prefix $WINEPREFIX" >&2
        exit 1
      fi
      touch "$WINEPREFIX/.velmira-ready"
    fi
    flock -u 9
  fi
  # Wine draws the caption buttons and the system menu's icons with Marlett, but looks for it only in the
  # prefix's own Fonts folder, not where Debian's fonts-wine installs it. Copied in whole (rename), so a run
  # starting beside this one never loads half a file.
  local fonts="$WINEPREFIX/drive_c/windows/Fonts" marlett=/usr/share/wine/fonts/marlett.ttf
  if [ -f "$marlett" ] && [ -d "$fonts" ] && [ ! -f "$fonts/marlett.ttf" ]; then
    cp "$marlett" "$fonts/.marlett.$BASHPID" && mv -f "$fonts/.marlett.$BASHPID" "$fonts/marlett.ttf"
  fi
}

# A new prefix takes longer to start than the scripts' waits for a window allow: have it up first.
wine_warm() { wine_run wineboot >/dev/null 2>&1 || true; }
# For a script that drives the program where nothing else can get in its way: a private X display, the
# tree's programs in its own prefix, started, and the tree as the current folder.
wine_private() {  # BUILD_TREE
  unset DISPLAY
  ensure_display
  wine_use "$1"
  cd "$1"
  wine_warm
}
wine_settle() { WINEPREFIX=$wine_prefix wineserver -w; }  # every program of the prefix has ended, the registry is saved
wine_stop() { WINEPREFIX=$wine_prefix wineserver -k 2>/dev/null || true; }
