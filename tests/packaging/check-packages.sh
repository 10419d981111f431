#!/usr/bin/env bash
# Packs the 64-bit build and tries its packages as a user would, under 64-bit Wine in a prefix of its own
# (made once, kept between runs):
# - the installer, run silently, puts the program, the Start menu shortcut, the uninstall entry and the
#   "Open with" keys in place, and leaves the default program of .mid files as the user had chosen it;
# - the installed program plays a song named on its command line;
# - the silent uninstaller keeps the settings, and with /REMOVESETTINGS leaves nothing of ours behind: the
#   files and registry keys are those from before the install;
# - the zip's program plays a song from a folder whose name has Japanese characters and a space;
# - every program file in the packages carries the version in its version resource, and the desktop entry
#   of scripts/install-desktop.sh validates, starts the program with the file's Windows path and goes again.
#   tests/packaging/check-packages.sh WINDOWS_BUILD_DIR
set -uo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath "$1")
prefix=$build/package-test-prefix
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
mapfile -t packages < <("$top/packaging/make-packages.sh" "$build" "$work/out")
zip=$work/out/velmira-$version-win64.zip
setup=$work/out/velmira-$version-win64-setup.exe
[ "${packages[*]}" = "$zip $setup" ] || { echo "FAIL: make-packages wrote ${packages[*]}" >&2; exit 1; }

loader=$(sed -n 's/^loader=//p' "$build/wine-run.sh")  # the build's own choice of Wine's 64-bit loader
win() {
  WINELOADER=$loader WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all \
    WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 "$loader" "$@"
}
settle() { WINEPREFIX=$prefix wineserver -w; }  # every program of the prefix has ended, the registry is saved
if [ ! -f "$prefix/.velmira-ready" ]; then
  rm -rf "$prefix"
  win wineboot -i >/dev/null 2>&1
  # The user's own choice for .mid files, which the installer must leave alone, and the keys every
  # Windows has and a new prefix lacks, which the uninstaller rightly leaves.
  win reg add 'HKCU\Software\Classes\.mid' /ve /d UserChoice.mid /f >/dev/null 2>&1
  win reg add 'HKCU\Software\Classes\Applications' /f >/dev/null 2>&1
  win reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall' /f >/dev/null 2>&1
  settle
  touch "$prefix/.velmira-ready"
fi
[ -n "${DISPLAY:-}" ] || { echo "FAIL: no X display for the program's window" >&2; exit 1; }

user_folder=$(ls -d "$prefix"/drive_c/users/*/AppData | grep -v /Public/ | head -n 1)
install_folder=$user_folder/Local/Programs/Velmira
shortcut=$user_folder/Roaming/Microsoft/Windows/Start\ Menu/Programs/Velmira.lnk
registry=$prefix/user.reg
keys() { grep '^\[' "$registry" | sed 's/\] [0-9]*$/]/' | sort; }
files() { (cd "$prefix/drive_c" && find . -path ./windows -prune -o -path '*/Temp' -prune -o -print | sort); }
has_key() { grep -qiF "[$1" "$registry"; }
value_of() {  # the value $2 (@ for the default) of key $1 as user.reg stores it
  KEY="[$1]" NAME=$2 awk 'index($0, ENVIRON["KEY"]) == 1 { inside = 1; next } /^\[/ { inside = 0 }
    inside && index($0, ENVIRON["NAME"] == "@" ? "@=" : "\"" ENVIRON["NAME"] "\"=") == 1 { sub(/^[^=]*=/, ""); print }' "$registry"
}
windows_path() { printf 'Z:%s' "$(realpath -m "$1" | tr / '\\')"; }

# A song of one long note, and the program playing it from FOLDER until its first note was recorded (the
# first start in a new prefix can take half a minute).
printf 'MThd\0\0\0\6\0\0\0\1\0\140MTrk\0\0\0\15\0\220\74\144\203\140\200\74\100\0\377\57\0' >"$work/song.mid"
plays_song() {  # FOLDER LABEL
  local recording=$work/recording-$2.txt
  rm -f "$recording" "$recording".*.part
  win "$1/velmira.exe" "/out:record=$(windows_path "$recording")" /play "$(windows_path "$work/song.mid")" \
    >/dev/null 2>&1 &
  local program=$!
  # The lines go to a temporary file beside the recording until the program ends.
  for _ in $(seq 300); do grep -q ' 90 3C 64' "$recording".*.part 2>/dev/null && break; sleep 0.2; done
  win "$build/tools/velmira-poke.exe" close >/dev/null 2>&1
  for _ in $(seq 50); do kill -0 "$program" 2>/dev/null || break; sleep 0.2; done
  grep -q ' 90 3C 64' "$recording" 2>/dev/null || fail "$2: the program did not play the song from $1"
  settle
}

settle
keys >"$work/keys-before"
files >"$work/files-before"
if grep -qi velmira "$registry"; then
  rm -f "$prefix/.velmira-ready"
  fail "the prefix holds keys of ours before the install (an earlier run broke off; it is made anew next time)"
fi

install_and_check() {
  win "$setup" /S >/dev/null 2>&1
  settle
  for file in velmira.exe velmira.chm Main.bmp Mask.bmp Button.bmp velmira-jpeg.sph uninstall.exe; do
    [ -f "$install_folder/$file" ] || fail "the installer did not put $file into $install_folder"
  done
  [ -f "$shortcut" ] || fail "no Start menu shortcut"
  local uninstall='Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Velmira'
  [ "$(value_of "$uninstall" DisplayVersion)" = "\"$version\"" ] || fail "no uninstall entry of version $version"
  value_of "$uninstall" UninstallString | grep -qF 'uninstall.exe' || fail "the uninstall entry names no uninstaller"
  for extension in .mid .midi; do
    [ -n "$(value_of "Software\\\\Classes\\\\$extension\\\\OpenWithProgids" Velmira.MidiFile)" ] ||
      fail "$extension does not list Velmira under Open with"
  done
  value_of 'Software\\Classes\\Applications\\velmira.exe\\shell\\open\\command' @ | grep -qF '\"%1\"' ||
    fail "the application key has no open command"
  [ "$(value_of 'Software\\Classes\\.mid' @)" = '"UserChoice.mid"' ] || fail "the installer took the default of .mid"
}
uninstall() {  # the uninstaller starts a copy of itself and ends at once: settle waits for the copy
  win "$install_folder/uninstall.exe" /S "$@" >/dev/null 2>&1
  settle
}

install_and_check
plays_song "$install_folder" installed
has_key 'Software\\Velmira' || fail "the program kept no settings, so their removal proves nothing"
uninstall
has_key 'Software\\Velmira' || fail "a silent uninstall removed the settings"
install_and_check
uninstall /REMOVESETTINGS
diff "$work/keys-before" <(keys) >&2 || fail "the registry keys differ from those before the install"
diff "$work/files-before" <(files) >&2 || fail "the files differ from those before the install"
[ "$(value_of 'Software\\Classes\\.mid' @)" = '"UserChoice.mid"' ] || fail "the uninstaller took the default of .mid"

# The zip, unpacked where the folder's name needs UTF-16 to reach the program.
unpacked="$work/ヴェルミラ テスト"
mkdir -p "$unpacked"
unzip -q "$zip" -d "$unpacked"
plays_song "$unpacked/velmira-$version-win64" zip
win reg delete 'HKCU\Software\Velmira' /f >/dev/null 2>&1
for file in "$unpacked/velmira-$version-win64"/velmira{.exe,-*.sph}; do
  strings -el "$file" | grep -qxF "$version" || fail "$(basename "$file") carries no version $version"
done

# The desktop entry, in a data folder of its own, for the unpacked program with a runner that shows its call.
data="$work/data folder"
XDG_DATA_HOME=$data VELMIRA_WINE=echo "$top/scripts/install-desktop.sh" "$unpacked/velmira-$version-win64" >/dev/null ||
  fail "install-desktop.sh failed"
desktop-file-validate "$data/applications/velmira.desktop" || fail "the desktop entry does not validate"
grep -qx 'MimeType=audio/midi;audio/x-midi;' "$data/applications/velmira.desktop" || fail "the entry claims no MIDI type"
[ "$(identify -format %wx%h "$data/icons/hicolor/48x48/apps/velmira.png" 2>/dev/null)" = 48x48 ] ||
  fail "no 48x48 icon"
launched=$(cd / && "$data/velmira/velmira-open" "$work/song.mid")
[ "$launched" = "$unpacked/velmira-$version-win64/velmira.exe $(windows_path "$work/song.mid")" ] ||
  fail "the desktop entry starts: $launched"
XDG_DATA_HOME=$data "$top/scripts/install-desktop.sh" --remove >/dev/null
left=$(find "$data" -type f ! -name mimeinfo.cache)
[ -z "$left" ] || fail "--remove left $left"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "the installer, the uninstaller, the zip and the desktop entry of velmira $version work"
