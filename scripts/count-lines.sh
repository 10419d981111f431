#!/usr/bin/env bash
# Prints how many lines of product code and of tests the repository holds, and their ratio. A line counts
# when it is neither blank nor only a comment, in .cpp and .h files. tests/, fuzz/ and benchmarks/ are
# tests; the generated tables, the tone lists (tones/ToneLists*) and the Shift-JIS characters
# (playback/ShiftJisTable*), are data, not code, and are left out of both.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

# Lines that are neither blank nor only a comment, summed over the files named on stdin (xargs may split
# the list over several awk runs, hence the second sum).
count() {
    xargs -r awk '
        FNR == 1 { inBlock = 0 }
        {
            line = $0
            if (inBlock) {
                end = index(line, "*/")
                if (end == 0) next
                line = substr(line, end + 2)
                inBlock = 0
            }
            while (match(line, /^[ \t]*\/\*/)) {
                rest = substr(line, RSTART + RLENGTH)
                end = index(rest, "*/")
                if (end == 0) { inBlock = 1; line = ""; break }
                line = substr(rest, end + 2)
            }
            if (line ~ /^[ \t]*(\/\/.*)?$/) next
            n++
        }
        END { print n + 0 }' | awk '{ s += $1 } END { print s + 0 }'
}

# The sources as they stand in the working tree, new files included and deleted ones left out.
sources() {
    git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' | while read -r file; do
        [ -f "$file" ] && echo "$file"
    done
}

generated='^(tones/ToneLists|playback/ShiftJisTable)'
tests='^(tests|fuzz|benchmarks)/'
product=$(sources | grep -Ev "$generated" | grep -Ev "$tests" | count)
testLines=$(sources | grep -E "$tests" | count)
ratio=$(awk -v t="$testLines" -v p="$product" 'BEGIN { printf "%.2f", (p ? t / p : 0) }')
echo "Lines: product $product, tests $testLines, tests/product $ratio (tones/ToneLists* and playback/ShiftJisTable* left out: generated)"
