#!/usr/bin/env bash
# Compiles the Windows resource script ($1) with the MinGW resource compiler,
# when it is present, and checks the icon group and the version strings.
set -euo pipefail
windres=$(command -v x86_64-w64-mingw32-windres) || { echo "no windres: skipped"; exit 77; }
script=$1
icon=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$windres" --preprocessor=cpp -i "$script" -O res -o "$work/tarvelle.res"
hex=$(od -An -v -tx1 "$work/tarvelle.res" | tr -d ' \n')
for text in ProductName InternalName Tarvelle FileVersion ProductVersion 1.00 \
    OriginalFilename Tarvelle.exe CompanyName 040904B0; do
    utf16=$(printf '%s' "$text" | iconv -f UTF-8 -t UTF-16LE | od -An -v -tx1 | tr -d ' \n')
    grep -q "$utf16" <<< "$hex" || { echo "missing from the version record: $text"; exit 1; }
done

# The icon directory: three images, 32 x 32 in 2 colours (1 bit), 32 x 32 and
# 16 x 16 in 16 colours (4 bits).
read -r -a entry <<< "$(od -An -v -tu1 -j4 -N50 "$icon" | tr "\n" " ")"
[[ ${entry[0]} -eq 3 ]] || { echo "icon has ${entry[0]} images"; exit 1; }
expect=("32 32 2 1" "32 32 16 4" "16 16 16 4")
for i in 0 1 2; do
    base=$((2 + 16 * i))
    got="${entry[base]} ${entry[base + 1]} ${entry[base + 2]} ${entry[base + 6]}"
    [[ $got == "${expect[i]}" ]] || { echo "icon image $i is '$got'"; exit 1; }
done
echo "resource script compiles"
