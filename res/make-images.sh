#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Draws the program's pictures: the eight flag pictures (47 x 28: bright with a dark
# frame, and washed out towards white with a grey frame), the three banners
# (490 x 61) and the icon; the flags and banners also at twice the size ("@2x") for
# sharp screens. Needs ImageMagick and the DejaVu fonts. The results are committed;
# run this only to change them. The scalable icon, tevrimo.svg, is drawn by hand to
# match.
set -euo pipefail
cd "$(dirname "$0")/images"
IM=/usr/bin/convert
W=47; H=28
S=1     # scale of the drawing: 1, or 2 for the "@2x" pictures
at() { [ "$S" = 1 ] && echo "$1.png" || echo "$1@${S}x.png"; }

flag_tr() {  # red field, white crescent and star
  $IM -size $((W * S))x$((H * S)) xc:'#e30a17' -affine $S,0,0,$S,0,0 \
    -fill white -draw "circle 17,14 17,6" \
    -fill '#e30a17' -draw "circle 19,14 19,7.6" \
    -fill white -draw "polygon 26,14 31.5,12.2 31.5,9 34.8,11.9 38.3,10.4 36,14 38.3,17.6 34.8,16.1 31.5,19 31.5,15.8" \
    "$1"
}
flag_gb() {  # blue field, white and red crosses and diagonals
  $IM -size $((W * S))x$((H * S)) xc:'#012169' -affine $S,0,0,$S,0,0 \
    -stroke white -strokewidth 6 -draw "line 0,0 47,28" -draw "line 47,0 0,28" \
    -stroke '#c8102e' -strokewidth 2 -draw "line 0,0 47,28" -draw "line 47,0 0,28" \
    -stroke none -fill white -draw "rectangle 19,0 27,28" -draw "rectangle 0,10 47,17" \
    -fill '#c8102e' -draw "rectangle 21,0 25,28" -draw "rectangle 0,12 47,15" \
    "$1"
}
flag_de() {  # black, red, gold
  $IM -size $((W * S))x$((H * S)) xc:black -affine $S,0,0,$S,0,0 -fill '#dd0000' -draw "rectangle 0,9 47,18" \
    -fill '#ffce00' -draw "rectangle 0,19 47,28" "$1"
}
flag_fr() {  # blue, white, red
  $IM -size $((W * S))x$((H * S)) xc:white -affine $S,0,0,$S,0,0 -fill '#0055a4' -draw "rectangle 0,0 15,28" \
    -fill '#ef4135' -draw "rectangle 31,0 47,28" "$1"
}

for S in 1 2; do
for code in tr gb de fr; do
  "flag_$code" "/tmp/flag_$code.png"
  # selected: full colour, dark frame
  $IM "/tmp/flag_$code.png" -affine $S,0,0,$S,0,0 -fill none -stroke '#202020' -strokewidth 2 \
    -draw "rectangle 0,0 46,27" -depth 8 -type TrueColor "$(at "flag_$code")"
  # not selected: washed out towards white, grey frame
  $IM "/tmp/flag_$code.png" \( +clone -fill white -colorize 100 \) -compose blend \
    -define compose:args=35,65 -composite -affine $S,0,0,$S,0,0 -fill none -stroke '#a0a0a0' \
    -strokewidth 1 -draw "rectangle 0,0 46,27" -depth 8 -type TrueColor "$(at "flag_${code}_off")"
done
done

banner() {  # name, colour, accent, tagline
  $IM -size $((490 * S))x$((61 * S)) "gradient:$2-$3" \
    -font DejaVu-Sans-Bold -pointsize $((30 * S)) -fill white -annotate +$((14 * S))+$((42 * S)) 'Tevrimo' \
    -font DejaVu-Sans -pointsize $((13 * S)) -fill white -annotate +$((180 * S))+$((26 * S)) "$4" \
    -font DejaVu-Sans-Bold -pointsize $((13 * S)) -fill '#ffe680' \
    -annotate +$((180 * S))+$((46 * S)) 'www.tevrimo.example' \
    -affine $S,0,0,$S,0,0 -fill none -stroke '#ffffff80' -strokewidth 1 -draw "rectangle 0,0 489,60" \
    -depth 8 -type TrueColor "$(at "$1")"
}
for S in 1 2; do
  banner banner1 '#1f4e79' '#2e75b6' 'Type once, read every unit.'
  banner banner2 '#385723' '#70ad47' 'Six digits, four languages.'
  banner banner3 '#7f3f00' '#c55a11' 'Pump-down times in a click.'
done

# Icon: a ruler and a double arrow on a rounded square.
for size in 256 128 64 48 32 16; do
  $IM -size 256x256 xc:none -fill '#2e75b6' -draw "roundrectangle 8,8 248,248 40,40" \
    -fill white -draw "rectangle 40,150 216,196" \
    -stroke '#2e75b6' -strokewidth 6 -draw "line 70,150 70,172 line 100,150 100,166 line 130,150 130,176 line 160,150 160,166 line 190,150 190,172" \
    -stroke white -strokewidth 14 -draw "line 60,92 196,92" \
    -stroke none -fill white -draw "polygon 40,92 80,62 80,122" -draw "polygon 216,92 176,62 176,122" \
    -resize ${size}x${size} "icon_$size.png"
done
rm -f /tmp/flag_*.png
