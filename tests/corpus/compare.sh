#!/usr/bin/env bash
# The recorded corpus, byte for byte and pixel for pixel: runs tarvelle-cli
# over it and grabs both windows, then compares everything with what is under
# tests/data/corpus/. Outputs over 16 KiB are recorded by their SHA-256.
#   compare.sh path/to/tarvelle-cli path/to/window_pictures [--record]
set -euo pipefail
here=$(dirname "$(realpath "$0")")
expected=$here/../data/corpus
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
bash "$here/run_cli.sh" "$1" "$here/../data" "$out"

if [[ ${3:-} == --record ]]; then
    rm -rf "$expected"
    mkdir -p "$expected"
    for file in "$out"/*; do
        name=$(basename "$file")
        if (($(stat -c %s "$file") > 16384)); then
            (cd "$out" && sha256sum "$name") > "$expected/$name.sha256"
        else
            cp "$file" "$expected/$name"
        fi
    done
    "$2" --record "$expected"
    exit 0
fi

failed=0
for file in "$out"/*; do
    name=$(basename "$file")
    if [[ -f $expected/$name ]]; then
        cmp "$expected/$name" "$file" || { diff "$expected/$name" "$file" | head -20 || true; failed=1; }
    elif [[ -f $expected/$name.sha256 ]]; then
        (cd "$out" && sha256sum --quiet -c "$expected/$name.sha256") || failed=1
    else
        echo "not recorded: $name"
        failed=1
    fi
done
for file in "$expected"/*; do
    name=$(basename "$file" .sha256)
    [[ $name == *.png || -e $out/$name ]] || { echo "no longer made: $name"; failed=1; }
done
"$2" --compare "$expected" || failed=1
exit "$failed"
