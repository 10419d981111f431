#!/usr/bin/env bash
# The monkey run: velmira.exe under Wine on a private Xvfb, recording what it sends (/out:record), driven for
# MINUTES (5 unless told) by random clicks and drags on the face, random menu commands, random keys and
# random answers in whatever dialog or message box opens. After every action it checks that the process
# lives and its window answers a message within a few seconds, and every few actions that the recording is
# well formed (scripts/monkey-check.awk); at the end it closes the window and checks that no note was left
# sounding. The monkey may itself choose one of the menu items that end the program: an ending with exit
# code 0 is checked like that close, and the program is started again. The program runs from a copy in the
# monkey folder with its settings cleared, and the actions come from a seed it prints, so the same seed gives
# the same actions again:
#   scripts/monkey.sh [MINUTES]                  a new seed
#   VELMIRA_MONKEY_SEED=N scripts/monkey.sh [MINUTES]    replays seed N
# A failure saves the seed, the last actions and the recording under the build's monkey folder.
# Run scripts/build.sh first.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VELMIRA_BUILD_DIR:-$top/build}
# shellcheck source=scripts/wine.sh
. "$top/scripts/wine.sh"
# shellcheck source=scripts/face.sh
. "$top/scripts/face.sh"
minutes=${1:-5}
seed=${VELMIRA_MONKEY_SEED:-$(( $(date +%s) % 32768 ))}
work=$build/monkey
songs=$work/songs
recording=$work/recording.txt
log=$work/actions.txt
# The program runs from a copy of its own: whatever the monkey saves, wherever a dialog lets it, lands in a
# folder made anew each run, never over the build's skin files.
program_folder=$work/program
rm -rf "$songs" "$program_folder"
mkdir -p "$songs" "$program_folder"
rm -f "$log"
recording_clear "$recording"
cp "$build/windows/velmira.exe" "$build/windows"/*.bmp "$build/windows"/*.sph "$build/windows/velmira.chm" \
  "$program_folder/"
echo "monkey seed $seed, $minutes minutes (replay: VELMIRA_MONKEY_SEED=$seed scripts/monkey.sh $minutes)"

cp "$build/native/demo.mid" "$songs/demo.mid"
"$build/native/tools/velmira-dense-song" "$songs/dense.mid" 20
printf 'The quick brown fox jumps over the lazy dog. %.0s' $(seq 40) >"$songs/text.txt"
cp "$build/windows/Main.bmp" "$songs/picture.bmp"
# What a random answer may type into a dialog's first field: songs, a text, a picture, nothing much, a number.
texts=("$(windows_path "$songs/demo.mid")" "$(windows_path "$songs/dense.mid")" "$(windows_path "$songs/text.txt")"
       "$(windows_path "$songs/picture.bmp")" "$(windows_path "$songs/saved.mid")" "Z:\\nowhere\\x.mid"
       "" "7" "120" "-3" "abc")
# Every command of the menu bar's popups, as the page reads them from the menu resource, but the two that end
# the program and the help viewer (a program of its own).
node "$top/web/tools/menu-from-rc.mjs" "$top/resources" "$work/resources.json"
mapfile -t commands < <(
  node -e 'for (const menu of require(process.argv[1]).menus) for (const { id } of menu.items) if (id) console.log(id)' \
    "$work/resources.json" |
    grep -vxF "$(awk '/^#define IDM_(APP_EXIT|DELETE_SETTINGS_AND_EXIT|HELP_SEARCH) / { print $3 }' "$top/resources/CommandIds.h")")
keys=(space ctrl+o Up Down Left Right Prior Next Escape Return Tab a F1 alt+f Delete)

wine_private "$build/windows"
# Settings left by an earlier run would change what the same seed does.
wine_run reg delete 'HKCU\Software\Velmira' /f >/dev/null 2>&1 || true
poke() { wine_run tools/velmira-poke.exe "$@" 2>/dev/null; }
program=""
start_program() {
  wine_exec "$program_folder/velmira.exe" "/out:record=$(windows_path "$recording")" /play \
    "$(windows_path "$songs/demo.mid")" >/dev/null 2>&1 &
  program=$!
}
start_program
# Whatever ends the script ends the program and the display with it.
trap 'kill "$program" 2>/dev/null || true; kill "$VELMIRA_XVFB_PID" 2>/dev/null || true' EXIT

actions=0
fail() {
  local saved=$work/failure-seed-$seed
  mkdir -p "$saved"
  { echo "seed $seed, after $actions actions: $*"; echo "last actions:"; tail -n 30 "$log"; } >"$saved/finding.txt"
  cp "$(recording_live "$recording")" "$saved/recording.txt" 2>/dev/null || true
  echo "FINDING: $* (seed $seed; saved in $saved)" >&2
  tail -n 10 "$log" >&2
  kill "$program" 2>/dev/null || true
  wine_stop
  exit 1
}

# The main window's X window: the program's one window as wide as the face.
main_window() {
  local id
  for id in $(xdotool search --classname 'velmira.exe' 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)" || continue
    if [ "${WIDTH:-0}" -ge "$face_width" ]; then echo "$id"; return; fi
  done
}
wait_for_window() {
  local deadline=$((SECONDS + 120))
  until window=$(main_window) && [ -n "$window" ]; do
    [ $SECONDS -lt $deadline ] || fail "the window did not appear"
    sleep 0.5
  done
}
wait_for_window

check_recording() {  # [final]
  local findings
  findings=$(awk -v final="${1:-0}" -f "$top/scripts/monkey-check.awk" "$(recording_live "$recording")") ||
    fail "$findings"
}
# Keys and clicks can reach the two menu items that end the program, as a user's can: an ending with exit
# code 0 is such a choice. Its recording must end silent like any close; then the program starts again.
closed_by_user=0
recorded=0
check_alive() {
  local answer=0
  if kill -0 "$program" 2>/dev/null; then
    poke ping 4000 || answer=$?
    [ "$answer" -eq 0 ] && return
    # A window that was just closed stops answering a moment before its process ends.
    for _ in $(seq 20); do
      kill -0 "$program" 2>/dev/null || break
      sleep 0.5
    done
    kill -0 "$program" 2>/dev/null && fail "the window did not answer within 4 s (velmira-poke ping: $answer)"
  fi
  local status=0
  wait "$program" || status=$?
  [ "$status" -eq 0 ] || fail "velmira.exe has ended with exit code $status"
  closed_by_user=$((closed_by_user + 1))
  echo "$actions: velmira.exe was closed from its own menu; starting it again" >>"$log"
  check_recording final
  recorded=$((recorded + $(wc -l <"$recording")))
  start_program
  wait_for_window
}

RANDOM=$seed
end=$((SECONDS + minutes * 60))
while [ $SECONDS -lt $end ]; do
  # Every step draws the same numbers whatever happens, so a seed always gives the same actions.
  kind=$((RANDOM % 10)) a=$RANDOM b=$RANDOM c=$RANDOM d=$RANDOM e=$RANDOM
  actions=$((actions + 1))
  # Wine may give the window a new X window (its old id then answers BadWindow): look it up again.
  if ! xdotool getwindowgeometry "$window" >/dev/null 2>&1; then
    found=$(main_window)
    echo "$actions: the main window's X id $window is gone; now ${found:-none}" >>"$log"
    [ -z "$found" ] || window=$found
  fi
  # A dialog or message box that is open is answered first (a user could do nothing else with it).
  text=${texts[$((c % ${#texts[@]}))]}
  answered=""
  if ((d % 3 == 0)); then
    answered=$(poke answer "$e") || answered=""
  else
    answered=$(poke answer "$e" "$text") || answered=""
  fi
  if [ -n "$answered" ]; then
    echo "$actions: $answered (typed: $text)" >>"$log"
  else
    case $kind in
      0 | 1 | 2)  # a click on the face, mostly the left button
        read -r x y < <(face_point "$window" $((a % face_width)) $((b % face_height)))
        button=$((c % 4 == 0 ? 3 : 1))
        echo "$actions: click $button at face $((a % face_width)),$((b % face_height))" >>"$log"
        xdotool mousemove "$x" "$y" click "$button"
        ;;
      3 | 4)  # a drag across the face
        read -r x y < <(face_point "$window" $((a % face_width)) $((b % face_height)))
        read -r x2 y2 < <(face_point "$window" $((c % face_width)) $((d % face_height)))
        echo "$actions: drag from face $((a % face_width)),$((b % face_height)) to $((c % face_width)),$((d % face_height))" >>"$log"
        xdotool mousemove "$x" "$y" mousedown 1 mousemove "$x2" "$y2" mouseup 1
        ;;
      5 | 6 | 7)  # a menu command
        id=${commands[$((a % ${#commands[@]}))]}
        result=0
        poke command "$id" || result=$?
        echo "$actions: menu command $id$([ "$result" -eq 4 ] && echo ' (refused: a modal dialog is open)')" >>"$log"
        ;;
      *)  # a key
        key=${keys[$((a % ${#keys[@]}))]}
        echo "$actions: key $key" >>"$log"
        xdotool windowfocus "$window" 2>/dev/null || true
        xdotool key "$key"
        ;;
    esac
  fi
  sleep 0.$((b % 3))
  check_alive
  if ((actions % 10 == 0)); then check_recording; fi
done

# Closing: a close waits while a dialog is open, so answer whatever is open (the close's own question too)
# and ask again until the program ends; then the last stop must have silenced all. The answers go through
# the buttons in turn: the first alone may be one that keeps its dialog open ("開く" with no file named).
for attempt in $(seq 60); do
  kill -0 "$program" 2>/dev/null || break
  poke close || true
  sleep 0.5
  answered=$(poke answer "$attempt") && echo "closing: $answered" >>"$log" || true
done
kill -0 "$program" 2>/dev/null && fail "velmira.exe did not close"
status=0
wait "$program" || status=$?
[ "$status" -eq 0 ] || fail "velmira.exe has ended with exit code $status"
check_recording final
recorded=$((recorded + $(wc -l <"$recording")))
echo "monkey seed $seed: $actions actions in $minutes minutes, $recorded recorded messages," \
  "closed from its menu $closed_by_user times, no finding"
