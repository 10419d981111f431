#!/usr/bin/env bash
# Packs each Windows build and tries its packages as a user would, under Wine in a prefix of the build's own
# (made once, kept between runs): the 64-bit program's, and the 32-bit one's where this machine runs 32-bit
# code (else one line says it was skipped and why).
# - A silent install with the default options puts the program, the Start menu shortcut, the uninstall entry
#   and "Open with" of .mid, .midi and .kar in place and leaves the default program of .mid as the user had
#   chosen it; a bad switch installs nothing; the installed program plays a song named on its command line.
# - While that program runs, a silent install over it and a silent uninstall end with exit code 3 and leave
#   its files as they were; a program closed while the install waits lets the install go on.
# - Installs over the used one take /OPENWITH=0 /DEFAULTPLAYER=1 /DESKTOP=1, then /OPENWITH=1 alone (the
#   other choices kept from the install before), and keep the settings.
# - Interactively, in Japanese and in English, every page of the installer and the uninstaller is saved as a
#   picture in BUILD/installer-pages (to be looked at), a running program is asked to close and the install
#   goes on once it has, and the uninstaller's question keeps the settings (Japanese: Yes) or removes them
#   (English: No).
# - Every uninstall (silent, silent with /REMOVESETTINGS, and the two interactive ones) leaves the files and
#   registry keys as they were before the first install, a key that was there empty included, the default
#   program of .mid given back, and the settings as chosen.
# - The zip's program plays a song from a folder whose name has Japanese characters and a space, and every
#   program file in the packages carries the version in its version resource.
# - The desktop entry of scripts/install-desktop.sh validates, starts the program with the file's Windows
#   path and goes again.
#   tests/packaging/check-packages.sh WINDOWS_BUILD_DIR [WINDOWS32_BUILD_DIR]
# The 32-bit build tree defaults to windows32 beside the first.
set -uo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=scripts/wine.sh
. "$top/scripts/wine.sh"
build64=$(realpath "$1")
build32=$(realpath -m "${2:-$(dirname "$build64")/windows32}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
[ -n "${DISPLAY:-}" ] || { echo "FAIL: no X display for the installer's and the program's windows" >&2; exit 1; }

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# A song of one long note.
printf 'MThd\0\0\0\6\0\0\0\1\0\140MTrk\0\0\0\15\0\220\74\144\203\140\200\74\100\0\377\57\0' >"$work/song.mid"

keys() { grep '^\[' "$prefix/user.reg" | sed 's/\] [0-9]*$/]/' | sort; }
files() { (cd "$prefix/drive_c" && find . -path ./windows -prune -o -path '*/Temp' -prune -o -print | sort); }
has_key() { grep -qiF "[$1" "$prefix/user.reg"; }
value_of() {  # the value $2 (@ for the default) of key $1 as user.reg stores it
  KEY="[$1]" NAME=$2 awk 'index($0, ENVIRON["KEY"]) == 1 { inside = 1; next } /^\[/ { inside = 0 }
    inside && index($0, ENVIRON["NAME"] == "@" ? "@=" : "\"" ENVIRON["NAME"] "\"=") == 1 { sub(/^[^=]*=/, ""); print }' \
    "$prefix/user.reg"
}

# The program, started from FOLDER, is running once it has played its first note (the first start in a new
# prefix can take half a minute); close_program asks it to end and waits until it has.
start_program() {  # FOLDER LABEL
  recording=$work/recording-$2.txt
  recording_clear "$recording"
  wine_exec "$1/velmira.exe" "/out:record=$(windows_path "$recording")" /play "$(windows_path "$work/song.mid")" \
    >/dev/null 2>&1 &
  program=$!
  for _ in $(seq 300); do
    grep -q ' 90 3C 64' "$(recording_live "$recording")" 2>/dev/null && return
    sleep 0.2
  done
  fail "$2: the program did not play the song from $1"
}
close_program() {
  wine_run "$build/tools/velmira-poke.exe" close >/dev/null 2>&1
  for _ in $(seq 50); do kill -0 "$program" 2>/dev/null || break; sleep 0.2; done
}

# The installer's windows under X, driven by keys: page NAME [WINDOWS] waits until they show a new picture
# that has settled, on at least WINDOWS windows (2: a message box over the pages), and saves it as NAME.png.
installer_windows() {  # "area id geometry" of each shown window of the installer or uninstaller, largest first
  local id
  for id in $(xdotool search --class '(setup|[Uu]n)\.exe$' 2>/dev/null); do
    xwininfo -id "$id" 2>/dev/null | awk -v id="$id" '/upper-left X/ { x = $NF } /upper-left Y/ { y = $NF }
      /Width:/ { w = $NF } /Height:/ { h = $NF } /Map State:/ { shown = $NF == "IsViewable" }
      END { if (shown) printf "%d %s %dx%d+%d+%d\n", w * h, id, w, h, x, y }'
  done | sort -rn
}
page() {
  local previous="" now geometry windows
  for _ in $(seq 200); do
    sleep 0.2
    windows=$(installer_windows)
    [ "$(grep -c . <<<"$windows")" -ge "${2:-1}" ] || continue
    geometry=$(awk 'NR == 1 { print $3 }' <<<"$windows")  # the pages'; a message box comes over their middle
    now=$(import -window root -crop "$geometry" ppm:- 2>/dev/null | md5sum)
    [ "$now" = "$previous" ] && [ "$now" != "$shown" ] && shown=$now && import -window root -crop "$geometry" "$pages/$1.png" &&
      return 0
    previous=$now
  done
  fail "the page $1 did not appear"
  return 1
}
press() {  # KEY, to the message box when there is one, else to the pages
  xdotool windowfocus "$(installer_windows | awk 'END { print $2 }')" 2>/dev/null
  sleep 0.2
  xdotool key "$1"
}

interactive_install() {  # LANGUAGE TAG
  wine_language=$1 shown=""
  # The program of the install before, running, out of the way of the pages. It starts first: Wine hands the
  # keys to the window that came last.
  start_program "$install_folder" "$2"
  xdotool search --class '^velmira\.exe$' 2>/dev/null | while read -r id; do xdotool windowmove "$id" 1200 0; done
  wine_exec "$setup" >/dev/null 2>&1 &
  local setup_run=$!
  page "$2-1-welcome" && press Return
  page "$2-2-folder" && press Return
  page "$2-3-options" && press Return
  page "$2-4-still-running" 2
  close_program
  press Return  # Retry
  page "$2-5-finished" && press alt+r && press Return  # without starting the program
  wait "$setup_run" || fail "$2: the interactive install failed"
  wine_settle
}
interactive_uninstall() {  # LANGUAGE TAG ANSWER (y: keep the settings, n: remove them)
  wine_language=$1 shown=""
  wine_exec "$install_folder/uninstall.exe" >/dev/null 2>&1 &
  page "$2-6-uninstall" && press Return
  page "$2-7-keep-settings" 2 && press "$3"
  page "$2-8-uninstalled" && press Return
  wine_settle
}

holds() { "$@" && echo 1 || echo 0; }
installed_as() {  # OPEN_WITH DEFAULT_PLAYER DESKTOP, each 1 or 0: the last install's choices are in place
  local uninstall='Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Velmira' extension default expected
  for file in velmira.exe velmira.chm Main.bmp Mask.bmp Button.bmp "velmira-jpeg.$plugin_ext" uninstall.exe; do
    [ -f "$install_folder/$file" ] || fail "the installer did not put $file into $install_folder"
  done
  [ -f "$user_folder/Roaming/Microsoft/Windows/Start Menu/Programs/Velmira.lnk" ] || fail "no Start menu shortcut"
  [ "$(value_of "$uninstall" DisplayVersion)" = "\"$version\"" ] || fail "no uninstall entry of version $version"
  value_of "$uninstall" UninstallString | grep -qF 'uninstall.exe' || fail "the uninstall entry names no uninstaller"
  for extension in .mid .midi .kar; do
    listed=$(value_of "Software\\\\Classes\\\\$extension\\\\OpenWithProgids" Velmira.MidiFile)
    [ "$(holds [ -n "$listed" ])" = "$1" ] || fail "$extension lists Velmira under Open with: $(holds [ -n "$listed" ])"
    default=$(value_of "Software\\\\Classes\\\\$extension" @)
    expected=$([ "$2" = 1 ] && echo '"Velmira.MidiFile"' || { [ $extension = .mid ] && echo '"UserChoice.mid"'; })
    [ "$default" = "$expected" ] || fail "the default program of $extension is ${default:-none}, not ${expected:-none}"
  done
  if [ "$1" = 1 ]; then
    value_of 'Software\\Classes\\Applications\\velmira.exe\\shell\\open\\command' @ | grep -qF '\"%1\"' ||
      fail "the application key has no open command"
  fi
  [ "$(holds [ -f "$desktop/Velmira.lnk" ])" = "$3" ] || fail "a desktop shortcut is there: $(holds [ -f "$desktop/Velmira.lnk" ])"
}
install() {  # SWITCHES...: a silent install that succeeds
  wine_run "$setup" /S "$@" >/dev/null 2>&1 || fail "the silent install $* ended with exit code $?"
  wine_settle
}
uninstall() {  # SWITCHES...: the uninstaller starts a copy of itself and ends at once; settle waits for the copy
  wine_run "$install_folder/uninstall.exe" /S "$@" >/dev/null 2>&1
  wine_settle
}
as_before() {  # LABEL [settings]: files and keys are those from before the install, the settings kept or not
  local settings='^\[Software\\\\Velmira[]\\]'
  if [ "${2:-}" = settings ]; then
    has_key 'Software\\Velmira' || fail "$1 removed the settings"
    diff <(grep -v "$settings" "$work/keys-before") <(keys | grep -v "$settings") >&2 ||
      fail "$1: the registry keys differ from those before the install"
  else
    diff "$work/keys-before" <(keys) >&2 || fail "$1: the registry keys differ from those before the install"
  fi
  diff "$work/files-before" <(files) >&2 || fail "$1: the files differ from those before the install"
  [ "$(value_of 'Software\\Classes\\.mid' @)" = '"UserChoice.mid"' ] || fail "$1 did not give .mid its default back"
}

check_packages() {  # BUILD_DIR
  build=$1
  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
  prefix=$build/package-test-prefix
  wine_use "$build" "$prefix"
  pages=$build/installer-pages
  local width plugin_ext
  [ "$wine_arch" = win64 ] && width=64 plugin_ext=sph || width=32 plugin_ext=spi
  local name=velmira-$version-win$width
  mapfile -t packages < <("$top/packaging/make-packages.sh" "$build" "$work/out")
  local zip=$work/out/$name.zip
  setup=$work/out/$name-setup.exe
  [ "${packages[*]}" = "$zip $setup" ] || { fail "make-packages wrote ${packages[*]}"; return; }

  if [ ! -f "$prefix/.velmira-fresh-profile" ]; then
    rm -rf "$prefix" "$pages"
    wine_language=ja_JP.UTF-8
    wine_run wineboot -i >/dev/null 2>&1
    # The user's own choice for .mid files, which the installer must leave alone, and a key the user has,
    # empty, which the uninstaller must leave too. Keys a new profile lacks stay missing: what the install
    # makes, its uninstaller takes away.
    wine_run reg add 'HKCU\Software\Classes\.mid' /ve /d UserChoice.mid /f >/dev/null 2>&1
    wine_run reg add 'HKCU\Software\Classes\.midi\OpenWithProgids' /f >/dev/null 2>&1
    wine_settle
    # Wine links the desktop to the Linux home folder; a shortcut made there must not reach it.
    user_folder=$(ls -d "$prefix"/drive_c/users/*/AppData | grep -v /Public/ | head -n 1)
    rm -f "$(dirname "$user_folder")/Desktop" && mkdir "$(dirname "$user_folder")/Desktop"
    touch "$prefix/.velmira-fresh-profile"
  fi
  mkdir -p "$pages"
  user_folder=$(ls -d "$prefix"/drive_c/users/*/AppData | grep -v /Public/ | head -n 1)
  desktop=$(dirname "$user_folder")/Desktop
  install_folder=$user_folder/Local/Programs/Velmira

  wine_settle
  keys >"$work/keys-before"
  files >"$work/files-before"
  if grep -qi velmira "$prefix/user.reg"; then
    rm -f "$prefix/.velmira-fresh-profile"
    fail "the prefix holds keys of ours before the install (an earlier run broke off; it is made anew next time)"
  fi

  wine_run "$setup" /S /DESKTOP=yes >/dev/null 2>&1
  [ $? = 2 ] || fail "a bad switch did not end the install with exit code 2"
  [ ! -e "$install_folder" ] || fail "a bad switch installed all the same"
  install
  installed_as 1 0 0
  start_program "$install_folder" installed
  close_program
  wine_settle
  has_key 'Software\\Velmira' || fail "the program kept no settings, so keeping them proves nothing"

  # Over a running program.
  start_program "$install_folder" running
  local stamp
  stamp=$(stat -c %Z "$install_folder/velmira.exe")  # written or replaced: a new change time
  wine_run "$setup" /S >/dev/null 2>&1
  [ $? = 3 ] || fail "the silent install over the running program did not end with exit code 3"
  wine_run "$install_folder/uninstall.exe" /S "_?=$(windows_path "$install_folder")" >/dev/null 2>&1
  [ $? = 3 ] || fail "the silent uninstall of the running program did not end with exit code 3"
  [ "$(stat -c %Z "$install_folder/velmira.exe")" = "$stamp" ] || fail "the running program was overwritten"
  installed_as 1 0 0
  wine_exec "$setup" /S >/dev/null 2>&1 &
  local waiting=$!
  sleep 3
  close_program
  wait "$waiting" || fail "the silent install did not go on once the program was closed"

  install /OPENWITH=0 /DEFAULTPLAYER=1 /DESKTOP=1
  installed_as 0 1 1
  install /OPENWITH=1
  installed_as 1 1 1
  uninstall
  as_before "the silent uninstall" settings

  install
  interactive_install ja_JP.UTF-8 ja
  interactive_uninstall ja_JP.UTF-8 ja y
  as_before "the uninstall answered Yes" settings
  install
  interactive_install C.UTF-8 en
  interactive_uninstall C.UTF-8 en n
  as_before "the uninstall answered No"

  install
  wine_run reg add 'HKCU\Software\Velmira\User' /f >/dev/null 2>&1
  uninstall /REMOVESETTINGS
  as_before "the silent uninstall with /REMOVESETTINGS"

  # The zip, unpacked where the folder's name needs UTF-16 to reach the program.
  unpacked="$work/ヴェルミラ テスト $width"
  mkdir -p "$unpacked"
  unzip -q "$zip" -d "$unpacked"
  start_program "$unpacked/$name" zip
  close_program
  wine_settle
  wine_run reg delete 'HKCU\Software\Velmira' /f >/dev/null 2>&1
  for file in "$unpacked/$name"/velmira{.exe,-*.$plugin_ext}; do
    strings -el "$file" | grep -qxF "$version" || fail "$(basename "$file") carries no version $version"
  done
  wine_settle
}

check_packages "$build64"
if ! wine32_runs; then
  echo "32-bit packages skipped: this machine cannot run Wine's 32-bit loader ($wine32_refusal)"
elif [ ! -f "$build32/velmira.exe" ]; then
  echo "32-bit packages skipped: no 32-bit build in $build32"
else
  check_packages "$build32"
fi

# The desktop entry, in a data folder of its own, for the unpacked program with a runner that shows its call.
program_folder="$work/ヴェルミラ テスト 64/velmira-$version-win64"
data="$work/data folder"
XDG_DATA_HOME=$data VELMIRA_WINE=echo "$top/scripts/install-desktop.sh" "$program_folder" >/dev/null ||
  fail "install-desktop.sh failed"
desktop-file-validate "$data/applications/velmira.desktop" || fail "the desktop entry does not validate"
grep -qx 'MimeType=audio/midi;audio/x-midi;' "$data/applications/velmira.desktop" || fail "the entry claims no MIDI type"
[ "$(identify -format %wx%h "$data/icons/hicolor/48x48/apps/velmira.png" 2>/dev/null)" = 48x48 ] ||
  fail "no 48x48 icon"
launched=$(cd / && "$data/velmira/velmira-open" "$work/song.mid")
[ "$launched" = "$program_folder/velmira.exe $(windows_path "$work/song.mid")" ] ||
  fail "the desktop entry starts: $launched"
XDG_DATA_HOME=$data "$top/scripts/install-desktop.sh" --remove >/dev/null
left=$(find "$data" -type f ! -name mimeinfo.cache)
[ -z "$left" ] || fail "--remove left $left"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "the installers, the uninstallers, the zips and the desktop entry of velmira $version work" \
  "(the installer's pages: $build64/installer-pages)"
