#!/usr/bin/env bash
# Puts Velmira in the Linux desktop's menu and in the "Open with" list of MIDI files, for the current user:
#   scripts/install-desktop.sh [PROGRAM_FOLDER]   adds the entry (default: the build's build/windows)
#   scripts/install-desktop.sh --remove           takes it away again
# The entry starts velmira.exe under Wine with the chosen file: through the folder's wine-run.sh when it is
# a build, otherwise through $VELMIRA_WINE (default: wine, or Wine's 64-bit loader where 32-bit code cannot
# run), in Japanese (code page 932). Its icon is the program's own, taken out of velmira.exe's icon resource.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=scripts/wine.sh
. "$top/scripts/wine.sh"
data=${XDG_DATA_HOME:-$HOME/.local/share}
entry=$data/applications/velmira.desktop
launcher=$data/velmira/velmira-open
icon_sizes=(16 32 48)

refresh_menus() {
  if command -v update-desktop-database >/dev/null; then update-desktop-database -q "$data/applications" || true; fi
}

if [ "${1:-}" = --remove ]; then
  rm -f "$entry" "$launcher"
  for size in "${icon_sizes[@]}"; do rm -f "$data/icons/hicolor/${size}x$size/apps/velmira.png"; done
  rmdir "$data/velmira" 2>/dev/null || true
  refresh_menus
  echo "Removed the Velmira desktop entry."
  exit 0
fi

folder=$(realpath "${1:-$top/build/windows}")
program=$folder/velmira.exe
[ -f "$program" ] || { echo "install-desktop: no velmira.exe in $folder (build it, or name its folder)" >&2; exit 1; }
if [ -x "$folder/wine-run.sh" ]; then
  runner=("$folder/wine-run.sh")
else
  # Debian's wine wrapper takes the 32-bit loader whenever it is installed, even where the kernel refuses
  # 32-bit code: there the 64-bit loader.
  if [ -n "${VELMIRA_WINE:-}" ]; then
    wine=("$VELMIRA_WINE")
  elif ! wine32_runs && [ -x "$(wine_loader_of win64)" ]; then
    wine=(WINELOADER="$(wine_loader_of win64)" "$(wine_loader_of win64)")
  else
    wine=(wine)
  fi
  runner=(env LANG="$wine_language" LC_ALL="$wine_language" "${wine[@]}")
fi
for tool in desktop-file-validate wrestool icotool; do
  command -v "$tool" >/dev/null || { echo "install-desktop: $tool is missing (run scripts/install-deps.sh)" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Exec quotes the launcher's path the way desktop entries escape ", `, $ and \ inside quotes (and % alone).
exec_path=$(printf '%s' "$launcher" | sed 's/[\\"`$]/\\\\&/g; s/%/%%/g')
cat >"$work/velmira.desktop" <<EOF
[Desktop Entry]
Type=Application
Version=1.4
Name=Velmira
Name[ja]=Velmira
GenericName=MIDI Player
GenericName[ja]=MIDI プレーヤー
Comment=Plays MIDI files and changes the music while it plays
Comment[ja]=演奏しながら音楽を変える MIDI ファイルプレーヤー
Keywords=MIDI;music;player;scale;
Keywords[ja]=MIDI;音楽;プレーヤー;音階;
Exec="$exec_path" %f
Icon=velmira
Terminal=false
Categories=AudioVideo;Audio;Player;Midi;
MimeType=audio/midi;audio/x-midi;
EOF
desktop-file-validate "$work/velmira.desktop"

# The program's icon, each size as the hicolor theme wants it.
wrestool -x -t 14 "$program" -o "$work/velmira.ico"
icotool -x -o "$work" "$work/velmira.ico"
icons=()
for size in "${icon_sizes[@]}"; do
  png=$(ls "$work"/*_"${size}x${size}x"*.png 2>/dev/null | head -n 1)
  [ -n "$png" ] || { echo "install-desktop: velmira.exe has no ${size}x$size icon" >&2; exit 1; }
  icons+=("$png")
done

# Nothing is installed until the entry and the icons are known to be good.
for i in "${!icon_sizes[@]}"; do
  install -D -m 644 "${icons[$i]}" "$data/icons/hicolor/${icon_sizes[$i]}x${icon_sizes[$i]}/apps/velmira.png"
done
mkdir -p "$(dirname "$launcher")"
cat >"$launcher" <<'EOF'
#!/usr/bin/env bash
# Written by install-desktop.sh: opens the given MIDI files in Velmira under Wine.
EOF
declare -f windows_path >>"$launcher"
cat >>"$launcher" <<'EOF'
for file in "$@"; do
  shift
  if [ -e "$file" ]; then set -- "$@" "$(windows_path "$file")"; else set -- "$@" "$file"; fi
done
EOF
printf 'exec %s "$@"\n' "$(printf '%q ' "${runner[@]}" "$program")" >>"$launcher"
chmod 755 "$launcher"

install -D -m 644 "$work/velmira.desktop" "$entry"
refresh_menus
echo "Added $entry: Velmira ($program) in the menu and in \"Open with\" for MIDI files."
