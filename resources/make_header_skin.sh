#!/bin/sh
# Rebuilds the header skin: 81 x 20 pixels, 24-bit, nine 9-pixel slices (and its
# double, 162 x 40, below).
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

# The same skin at twice the pixels, for screens that scale the window up: every
# shape doubled, the bottom shading of the normal look and the top of the hot
# band drawn in single pixels, detail an enlarged copy cannot have.
convert -size 162x40 xc:'#EBEADB' +antialias \
    -fill '#E6E3D3' -draw 'rectangle 0,34 53,34' \
    -fill '#E2DECD' -draw 'rectangle 0,35 53,35' \
    -fill '#DCD8C7' -draw 'rectangle 0,36 53,36' \
    -fill '#D6D2C2' -draw 'rectangle 0,37 53,37' \
    -fill '#D0CCBD' -draw 'rectangle 0,38 53,38' \
    -fill '#CBC7B8' -draw 'rectangle 0,39 53,39' \
    -fill '#C7C5B2' -draw 'rectangle 48,6 49,31' \
    -fill '#FFFFFF' -draw 'rectangle 50,6 51,31' \
    -fill '#FAF8F3' -draw 'rectangle 54,0 107,33' \
    -fill '#FBC440' -draw 'rectangle 54,34 107,34' \
    -fill '#F8A900' -draw 'rectangle 54,35 107,39' \
    -fill '#DEDFD8' -draw 'rectangle 108,0 161,39' \
    -fill '#C1C2B8' -draw 'rectangle 110,0 159,1' -draw 'rectangle 110,0 111,37' \
    -fill '#A5A597' -draw 'rectangle 108,0 109,39' -draw 'rectangle 160,0 161,39' \
        -draw 'rectangle 108,38 161,39' \
    -alpha off -type TrueColor -strip BMP3:header_skin@2x.bmp
