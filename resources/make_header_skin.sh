#!/bin/sh
# Rebuilds the header skin: 81 x 20 pixels, 24-bit, nine 9-pixel slices.
#   0-2 normal:  flat, three darker bottom rows, a separator in slice 2
#   3-5 hot:     near-white with an orange band at the bottom
#   6-8 pressed: flat inside a frame on the left, right and bottom, shaded top and left
# Needs ImageMagick.
set -e
cd "$(dirname "$0")"
convert -size 81x20 xc:'#EBEADB' +antialias \
    -fill '#E2DECD' -draw 'rectangle 0,17 26,17' \
    -fill '#D6D2C2' -draw 'rectangle 0,18 26,18' \
    -fill '#CBC7B8' -draw 'rectangle 0,19 26,19' \
    -fill '#C7C5B2' -draw 'rectangle 24,3 24,15' \
    -fill '#FFFFFF' -draw 'rectangle 25,3 25,15' \
    -fill '#FAF8F3' -draw 'rectangle 27,0 53,16' \
    -fill '#F8A900' -draw 'rectangle 27,17 53,19' \
    -fill '#DEDFD8' -draw 'rectangle 54,0 80,19' \
    -fill '#C1C2B8' -draw 'rectangle 55,0 79,0' -draw 'rectangle 55,0 55,18' \
    -fill '#A5A597' -draw 'rectangle 54,0 54,19' -draw 'rectangle 80,0 80,19' \
        -draw 'rectangle 54,19 80,19' \
    -alpha off -type TrueColor -strip BMP3:header_skin.bmp
