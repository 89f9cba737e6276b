#!/bin/sh
# Rebuilds the sample image tree under examples/images. Needs ImageMagick and
# the DejaVu fonts (Debian: imagemagick fonts-dejavu-core).
set -e
cd "$(dirname "$0")"
rm -rf images
mkdir -p images/menus/buttons images/dialogs/errors images/.cache

label() { # file width height background text
    convert -size "$2x$3" "xc:$4" -fill white -stroke '#00000060' -strokewidth 1 \
        -font DejaVu-Sans-Bold -pointsize 22 -gravity center -annotate +0+0 "$5" \
        -strip "$1"
}

label images/title.png 480 120 '#2a5db0' 'Welcome to the Harbour'
label images/PHOTO.JPG 320 200 '#7a4b2a' 'Photo: Old Lighthouse'
label images/banner.gif 600 80 '#3c8d40' 'New Game'
label images/splash.bmp 200 100 '#5b2a7a' 'Loading...'
label images/menus/start.png 240 60 '#1f6f8b' 'Start'
label images/menus/options.jpg 240 60 '#1f6f8b' 'Options'
label images/menus/buttons/ok.png 120 48 '#2e7d32' 'OK'
label images/menus/buttons/cancel.png 120 48 '#c62828' 'Cancel'
label images/dialogs/save.gif 360 90 '#455a64' 'Save your progress?'
label images/dialogs/errors/disk_full.bmp 300 90 '#b71c1c' 'Disk full!'
label images/dialogs/map.jpeg 1400 900 '#35524a' 'Map of the Northern Isles - pan me'
label images/.cache/thumb.png 64 32 '#000000' 'tmp'
label images/.hidden.png 64 32 '#000000' 'hidden'
printf 'Texts to translate live in the images; this file is not one.\n' > images/readme.txt
