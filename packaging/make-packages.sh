#!/usr/bin/env bash
# Packs one Windows build into the portable zip and the installer:
#   packaging/make-packages.sh WINDOWS_BUILD_DIR OUT_DIR
# writes OUT_DIR/velmira-VERSION-winWIDTH.zip and OUT_DIR/velmira-VERSION-winWIDTH-setup.exe, where VERSION
# is the version the build was configured with and WIDTH 64 or 32 after its compiler, and prints their paths.
# Both hold the same files: the program, its plug-ins of the program's width, the skin, the help, the
# read-mes and the licence when the sources have one.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$here")
build=$(realpath "$1")
mkdir -p "$2"
out=$(realpath "$2")

cache_value() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
version=$(cache_value CMAKE_PROJECT_VERSION)
[ -n "$version" ] || { echo "make-packages: $build is not a configured build" >&2; exit 1; }
# The width is the program's own: the machine field of its PE header.
pe_word() { od -An -t u"$2" -j "$1" -N "$2" "$build/velmira.exe" | tr -d ' '; }
case $(pe_word $(($(pe_word 60 4) + 4)) 2) in
  34404) width=64 plugin_ext=sph other_ext=spi strip=x86_64-w64-mingw32-strip ;;  # x86-64
  332) width=32 plugin_ext=spi other_ext=sph strip=i686-w64-mingw32-strip ;;      # i386
  *) echo "make-packages: $build/velmira.exe is not a Windows program for x86" >&2; exit 1 ;;
esac
name=velmira-$version-win$width

work=$out/.work-$name
stage=$work/$name
rm -rf "$work"
mkdir -p "$stage"
plugins=("$build"/velmira-*."$plugin_ext")
[ -e "${plugins[0]}" ] || { echo "make-packages: no $plugin_ext plug-ins in $build" >&2; exit 1; }
cp "$build/velmira.exe" "$build/velmira.chm" "$build/Main.bmp" "$build/Mask.bmp" "$build/Button.bmp" \
   "${plugins[@]}" "$stage/"
# Users get no use of the symbols, which are half the size of the program.
"$strip" "$stage/velmira.exe" "$stage"/velmira-*."$plugin_ext"
for licence in "$top"/LICENSE* "$top"/COPYING*; do
  [ -f "$licence" ] && cp "$licence" "$stage/$(basename "$licence").txt"
done
# Notepad on older Windows takes a file without a byte order mark for the ANSI code page.
for readme in "$here"/README-*.txt; do
  { printf '\xef\xbb\xbf'
    sed "s/@VELMIRA_VERSION@/$version/g; s/@VELMIRA_WIDTH@/$width/g; s/@VELMIRA_PLUGIN_EXT@/$plugin_ext/g" \
        "$readme" | sed 's/$/\r/'
  } >"$stage/$(basename "$readme")"
done

rm -f "$out/$name.zip"
(cd "$work" && zip -q -r -9 -X "$out/$name.zip" "$name")

# The installer's file lists: what it copies and what its uninstaller deletes (a plug-in under either
# width's name, since an installer of the other width may have put it there).
: >"$work/files.nsh"
: >"$work/un-files.nsh"
for file in "$stage"/*; do
  base=$(basename "$file")
  echo "File \"$file\"" >>"$work/files.nsh"
  echo "Delete \"\$INSTDIR\\$base\"" >>"$work/un-files.nsh"
  case $base in
    *."$plugin_ext") echo "Delete \"\$INSTDIR\\${base%.*}.$other_ext\"" >>"$work/un-files.nsh" ;;
  esac
done
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DWIDTH="$width" -DSTAGE="$stage" -DLISTS="$work" \
  -DICON="$build/resources/velmira.ico" -DOUTFILE="$out/$name-setup.exe" "$here/velmira.nsi" >&2

rm -rf "$work"
echo "$out/$name.zip"
echo "$out/$name-setup.exe"
