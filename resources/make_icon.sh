#!/bin/sh
# Rebuilds the application icon. Needs ImageMagick.
set -e
cd "$(dirname "$0")"
convert -size 64x64 xc:none -fill '#2a5db0' -draw 'roundrectangle 2,2 61,61 10,10' \
    -fill white -font DejaVu-Sans-Bold -pointsize 44 -gravity center -annotate +0+2 'V' \
    -fill '#f2c230' -draw 'rectangle 40,44 56,52' -strip icon.png

# The window icon at the sizes desktops ask for, drawn from the scalable icon
# rather than enlarged from the one above. Needs rsvg-convert (librsvg2-bin).
mkdir -p icons
for size in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" ../packaging/icons/org.example.Vemarill.svg \
        -o "icons/icon-$size.png"
done
