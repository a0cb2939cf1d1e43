#!/usr/bin/env bash
# The mutation run: applies each single-point mutant of tests/mutants/catalogue.tsv
# in turn, rebuilds incrementally, runs the whole test suite, and counts the
# mutant killed when a test fails. The tree is restored after every mutant,
# also when the run is interrupted. Not part of the test command: it takes minutes.
#   bash scripts/mutants.sh            every mutant
#   bash scripts/mutants.sh engine/    only mutants of files under engine/
set -euo pipefail
cd "$(dirname "$0")/.."
only=${1:-}
set --  # the package list takes its extra packages from the arguments
source scripts/ensure-packages.sh
export QT_QPA_PLATFORM=offscreen

build=build/mutants
catalogue=tests/mutants/catalogue.tsv
backup=$(mktemp -d)
current=""

restore() {
    if [[ -n $current ]]; then
        cp "$backup/original" "$current"
        current=""
    fi
}
trap 'restore; rm -rf "$backup"' EXIT
trap 'restore; exit 130' INT TERM

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug > /dev/null
cmake --build "$build" > /dev/null
ctest --test-dir "$build" > /dev/null || { echo "The suite fails without a mutant; fix that first."; exit 1; }

killed=0 survived=0 equivalent=0 faulty=0
while IFS=$'\t' read -r id file original replacement note; do
    [[ -z $id || $id == \#* ]] && continue
    [[ -n $only && $file != "$only"* ]] && continue
    cp "$file" "$backup/original"
    current=$file
    if ! python3 - "$file" "$original" "$replacement" <<'PY'
import re, sys
# The catalogue writes a line break as \n and a backslash as \\.
unescape = lambda s: re.sub(r"\\(.)", lambda m: "\n" if m.group(1) == "n" else m.group(1), s)
path, original, replacement = sys.argv[1], unescape(sys.argv[2]), unescape(sys.argv[3])
text = open(path, encoding="utf-8").read()
if text.count(original) != 1:
    sys.exit(1)
open(path, "w", encoding="utf-8").write(text.replace(original, replacement))
PY
    then
        echo "$id: CATALOGUE FAULT, '$original' is not found exactly once in $file"
        faulty=$((faulty + 1))
    elif ! cmake --build "$build" > "$backup/build.log" 2>&1; then
        echo "$id: CATALOGUE FAULT, does not build"
        faulty=$((faulty + 1))
    elif ctest --test-dir "$build" --stop-on-failure > /dev/null 2>&1; then
        if [[ $note == equivalent:* ]]; then
            echo "$id: equivalent (${note#equivalent: })"
            equivalent=$((equivalent + 1))
        else
            echo "$id: SURVIVED ($file: '$original' -> '$replacement')"
            survived=$((survived + 1))
        fi
    else
        echo "$id: killed"
        killed=$((killed + 1))
    fi
    restore
done < "$catalogue"

# Leave the build matching the tree again.
cmake --build "$build" > /dev/null
counted=$((killed + survived))
echo "$killed of $counted mutants killed, $survived survived, $equivalent equivalent, $faulty catalogue faults"
((survived == 0 && faulty == 0))
