#!/usr/bin/env bash
# Draws the program's icons from the one hand-drawn SVG: the PNG sizes of the desktop's icon
# theme and the Windows icon. The results are committed, so that building needs no image
# tools; run this again after changing the SVG.
# Needs rsvg-convert and icotool (Debian packages librsvg2-bin and icoutils).
set -euo pipefail
cd "$(dirname "$0")/../packaging/icons"
id=io.github.quarrow.PrintBook
svg=hicolor/scalable/apps/$id.svg

for size in 16 32 48 64 128 256; do
    mkdir -p "hicolor/${size}x${size}/apps"
    rsvg-convert -w "$size" -h "$size" "$svg" -o "hicolor/${size}x${size}/apps/$id.png"
done
# The 256 px image is kept as PNG, which Windows reads since Vista and which keeps the file
# small; the small sizes are bitmaps, which every version reads.
icotool -c -o quarrow.ico hicolor/{16x16,32x32,48x48}/apps/$id.png \
    --raw="hicolor/256x256/apps/$id.png"
