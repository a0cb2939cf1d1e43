#!/usr/bin/env bash
# Renders the program's pictures from their SVG sources (rsvg-convert from
# librsvg2-bin, ImageMagick for the colour depths). The PNGs are kept in the
# tree; run this only to change them.
set -euo pipefail
cd "$(dirname "$0")"

render() { rsvg-convert -w "$2" -h "$3" "$1" -o "$4"; }

# Pictures of the windows, at their natural size and at twice it for high-DPI screens.
render wordmark.svg 170 36 wordmark.png
render wordmark.svg 340 72 wordmark@2x.png
render go.svg 56 36 go.png
render go.svg 112 72 go@2x.png

# The emblem: the windows' icon and the About window's picture, in 16 colours;
# make-icon.py builds the Windows icon from these.
render emblem.svg 32 32 /tmp/emblem-32.png
convert /tmp/emblem-32.png -colors 16 PNG8:emblem-32.png
render emblem.svg 64 64 emblem-32@2x.png
render emblem.svg 16 16 /tmp/emblem-16.png
convert /tmp/emblem-16.png -colors 16 PNG8:emblem-16.png

# The desktop's icon theme.
for size in 16 32 48 128 256; do
    mkdir -p "hicolor/${size}x${size}"
    render emblem.svg "$size" "$size" "hicolor/${size}x${size}/com.example.Tarvelle.png"
done
