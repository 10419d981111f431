#!/usr/bin/env bash
# Opens the compiled help file with the CHM tools and checks what the viewer needs: every page, the contents,
# the keyword index, the window definition and the full-text index of the search tab the menu opens; the
# pages in code page 932, declared as such; every link of the contents and index leading to a page; and every
# label of the menu resource explained in the pages and found in the index. The labels are read from menu.rc,
# so a new menu item without help fails here. The version page names the version the build was made as.
# Usage: check-help.sh EXTRACT_CHMLIB HELP.chm HELP_SOURCE_DIR MENU.rc WORK_DIR VERSION
set -uo pipefail
extract=$1 chm=$2 sources=$3 menu=$4 work=$5 version=$6

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

[ -s "$chm" ] || { echo "FAIL: no compiled help file at $chm" >&2; exit 1; }
rm -rf "$work"
mkdir -p "$work/chm" "$work/text"
"$extract" "$chm" "$work/chm" >/dev/null || { echo "FAIL: $extract cannot read $chm" >&2; exit 1; }

pages=()
for source in "$sources"/*.html; do pages+=("$(basename "$source")"); done
[ ${#pages[@]} -gt 0 ] || { echo "FAIL: no pages in $sources" >&2; exit 1; }

for page in "${pages[@]}"; do
    [ -s "$work/chm/$page" ] || fail "the page $page is not in the help file"
done
for entry in velmira.hhc velmira.hhk '#WINDOWS' '$FIftiMain' '$WWKeywordLinks/BTree'; do
    [ -s "$work/chm/$entry" ] || fail "$entry is not in the help file"
done

# The viewer reads a Japanese help file in code page 932.
for file in "$work"/chm/*.html "$work/chm/velmira.hhc" "$work/chm/velmira.hhk"; do
    [ -e "$file" ] || continue
    name=$(basename "$file")
    iconv -f CP932 -t UTF-8 "$file" >"$work/text/$name" || fail "$name is not code page 932 text"
    grep -q 'charset=Shift_JIS' "$work/text/$name" || fail "$name does not declare charset=Shift_JIS"
done

param_values() {  # the values of <param name="$2"> in sitemap file $1
    grep -o "<param name=\"$2\" value=\"[^\"]*\"" "$1" | sed 's/.*value="//; s/"$//'
}
contents=$work/text/velmira.hhc
index=$work/text/velmira.hhk
if [ -s "$contents" ] && [ -s "$index" ]; then
    for page in "${pages[@]}"; do
        param_values "$contents" Local | grep -qxF "$page" || fail "the contents do not list $page"
    done
    for sitemap in "$contents" "$index"; do
        while IFS= read -r target; do
            [ -s "$work/chm/${target%%#*}" ] || fail "$(basename "$sitemap") links to $target, which is not in the file"
        done < <(param_values "$sitemap" Local)
    done
fi

# Menu labels: POPUP and MENUITEM texts, without accelerator marks or key names after a tab. The history
# placeholders "1:".."6:" are replaced by file names at start-up and are not labels a user sees.
mapfile -t labels < <(grep -oE '^[[:space:]]*(POPUP|MENUITEM)[[:space:]]+"[^"]*"' "$menu" |
    sed -E 's/^[^"]*"//; s/"$//; s/\\t.*//; s/&//g' | grep -vE '^[0-9]+:$')
[ ${#labels[@]} -gt 0 ] || fail "no menu labels found in $menu"

cat "$work"/text/*.html | sed 's/<[^>]*>//g' >"$work/all-pages.txt"
for label in "${labels[@]}"; do
    grep -qF -- "$label" "$work/all-pages.txt" || fail "no page explains the menu item \"$label\""
    [ -s "$index" ] && { param_values "$index" Name | grep -qxF -- "$label" || fail "the index lacks \"$label\""; }
done

grep -qF "Velmira バージョン $version" <(sed 's/<[^>]*>//g' "$work/text/about.html") ||
    fail "the version page does not name version $version"

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "help file holds ${#pages[@]} pages, its contents, index and search, and all ${#labels[@]} menu labels"
