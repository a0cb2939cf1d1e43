#!/usr/bin/env bash
# Draws the program's pictures with ImageMagick. The PNGs are kept in the tree;
# run this only to change them.
set -euo pipefail
cd "$(dirname "$0")"

# The maker's emblem: a blue disc crossed by a twisted pair.
emblem() {
    local size=$1 colours=$2 out=$3
    convert -size 64x64 xc:none \
        -fill '#1f3f9f' -stroke '#0f1f5f' -strokewidth 3 -draw 'circle 32,32 32,3' \
        -fill none -stroke white -strokewidth 6 -draw 'bezier 6,32 18,12 30,52 42,32 54,12 58,32 58,32' \
        -stroke '#ffd23f' -strokewidth 6 -draw 'bezier 6,32 18,52 30,12 42,32 54,52 58,32 58,32' \
        -resize "${size}x${size}" -colors "$colours" "PNG8:$out"
}
emblem 32 16 emblem-32.png
emblem 16 16 emblem-16.png
convert emblem-32.png -background white -alpha remove -monochrome emblem-32-mono.png

# The 170 x 36 wordmark of the vendor panel.
convert -size 170x36 xc:white \
    -fill '#1f3f9f' -draw 'roundrectangle 1,4 34,31 6,6' \
    -fill white -font DejaVu-Sans-Bold -pointsize 22 -gravity west -annotate +7+0 'O' \
    -fill '#1f3f9f' -font DejaVu-Sans-Bold -pointsize 21 -annotate +40-2 'ORLENBY' \
    -fill '#d02030' -draw 'rectangle 40,29 168,31' \
    -colors 16 PNG8:wordmark.png

# The 56 x 36 GO! of the Calculate button: green letters on a clear ground.
convert -size 56x36 xc:none \
    -fill '#008000' -stroke '#004d00' -strokewidth 1 -font DejaVu-Sans-Bold -pointsize 24 \
    -gravity center -annotate +0+0 'GO!' \
    PNG32:go.png
