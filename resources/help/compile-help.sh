#!/usr/bin/env bash
# Compiles the help pages into velmira.chm.
# Usage: compile-help.sh CHMCMD SOURCE_DIR WORK_DIR OUTPUT.chm VERSION
# The pages are written in UTF-8, but the Windows help viewer reads the contents, the index and the search
# words of a Japanese help file in code page 932, so every text file is converted (and its declared charset
# with it) before compiling. A character that code page 932 lacks stops the build here rather than turning
# into garbage in the viewer. The pages name the program's version as @VELMIRA_VERSION@.
set -euo pipefail
chmcmd=$1 source_dir=$2 work_dir=$3 output=$4 version=$5

rm -rf "$work_dir"
mkdir -p "$work_dir"
for file in "$source_dir"/*.html "$source_dir"/*.hhc "$source_dir"/*.hhk "$source_dir"/*.hhp "$source_dir"/*.css; do
    name=$(basename "$file")
    if ! sed "s/charset=UTF-8/charset=Shift_JIS/; s/@VELMIRA_VERSION@/$version/g" "$file" | iconv -f UTF-8 -t CP932 >"$work_dir/$name"; then
        echo "compile-help: $name holds a character that code page 932 cannot show" >&2
        exit 1
    fi
done

# chmcmd reports missing pages but still writes a file: treat any warning or error as a failure.
(cd "$work_dir" && "$chmcmd" --verbosity 1 velmira.hhp >chmcmd.log 2>&1) || { cat "$work_dir/chmcmd.log" >&2; exit 1; }
if grep -qiE 'error|warning' "$work_dir/chmcmd.log" || [ ! -s "$work_dir/velmira.chm" ]; then
    cat "$work_dir/chmcmd.log" >&2
    exit 1
fi
cp "$work_dir/velmira.chm" "$output"
