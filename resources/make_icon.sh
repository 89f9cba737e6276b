#!/bin/sh
# Rebuilds the application icon. Needs ImageMagick.
set -e
cd "$(dirname "$0")"
convert -size 64x64 xc:none -fill '#2a5db0' -draw 'roundrectangle 2,2 61,61 10,10' \
    -fill white -font DejaVu-Sans-Bold -pointsize 44 -gravity center -annotate +0+2 'V' \
    -fill '#f2c230' -draw 'rectangle 40,44 56,52' -strip icon.png
