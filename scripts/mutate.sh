#!/usr/bin/env bash
# Plants simple faults one at a time in the portable sources (an operator swapped, a constant moved by one,
# an enum value swapped for its neighbour, a statement dropped, a condition negated), builds the native
# tests on each in build/mutate and lists the faults no test catches. Not part of the test command: a whole
# folder takes hours on two cores.
#   scripts/mutate.sh [PATHS...]            every site of the folders or files (default: every portable folder)
#   scripts/mutate.sh --every 20 [--seed S] app   one site in 20, chosen by the seed (printed when not given)
#   scripts/mutate.sh --filter 'HotKeys*' app/HotKeys.cpp   runs only those tests on each mutant
#   scripts/mutate.sh --list app            lists the sites without building anything
#   scripts/mutate.sh --every 40 --kills build/kills.tsv   records which tests catch each mutant
#   scripts/mutate.sh --jobs 1 app          one mutant at a time (default: one a core, each in its own copy)
# A survivor that is no fault (equivalent, unreachable, inaudible) goes into tests/mutation-ignore.txt as
# printed, without its line number, followed by "  ## " and the reason. Exit status: 1 when any survived.
set -euo pipefail
exec nice -n 15 python3 "$(dirname "$0")/mutate.py" "$@"
