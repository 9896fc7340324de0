#!/usr/bin/env bash
# Draws the program's pictures with ImageMagick (scripts/bootstrap installs it) and the
# WenQuanYi Micro Hei font; the results are committed, so a build never runs this.
#   resources/make_pictures.sh
set -euo pipefail
cd "$(dirname "$0")"
font=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The frame's green: lighter at the top, around (0, 128, 0) in the middle.
top='rgb(46,164,46)' bottom='rgb(0,102,0)'
bmp() { convert "$@" -alpha off -type TrueColor "BMP3:$out"; }

# Edge strip: stretched over the title bar, the side strips and the bottom strip.
out=edge_strip.bmp bmp -size 8x24 "gradient:$top-$bottom"

# Buttons sit at top 4 on the 24-pixel title bar, so their background is rows 4..20 of the
# same gradient, with a faint frame and a white glyph.
button() {  # name width glyph-draw-commands...
  local name=$1 width=$2; shift 2
  convert -size "${width}x24" "gradient:$top-$bottom" -crop "${width}x17+0+4" +repage \
    -fill none -stroke 'rgba(255,255,255,0.45)' -draw "roundrectangle 0,0 $((width - 1)),16 3,3" \
    -stroke white -fill white "$@" "$tmp/$name.png"
  out=$name.bmp bmp "$tmp/$name.png"
}
button close_button 20 -strokewidth 2 -draw "line 6,4 13,11" -draw "line 13,4 6,11"
button minimise_button 20 -strokewidth 1 -draw "rectangle 5,11 14,12"
button more_button 21 -strokewidth 1 -draw "polygon 6,6 14,6 10,11"

# Advertising picture: an orange card on the window's grey.
convert -size 185x43 xc:'rgb(236,236,236)' \
  \( -size 185x43 gradient:'rgb(255,140,40)-rgb(235,80,0)' \) \
  \( -size 185x43 xc:black -fill white -draw "roundrectangle 0,0 184,42 6,6" \) \
  -composite \
  -font "$font" -fill white -stroke none \
  -pointsize 19 -gravity west -annotate +12-6 '淘宝淘实惠' \
  -pointsize 11 -annotate +13+12 '精选好店 · 点击进入' \
  "$tmp/ad.png"
out=ad_picture.bmp bmp "$tmp/ad.png"

# Tray and window icon: a green rounded square with the character 音, at 32 and 16 pixels.
icon() {  # size pointsize radius
  convert -size "$1x$1" xc:none -fill "$top" -draw "roundrectangle 0,0 $(($1 - 1)),$(($1 - 1)) $3,$3" \
    -font "$font" -fill white -pointsize "$2" -gravity center -annotate +0+0 '音' "$tmp/icon$1.png"
}
icon 32 24 6
icon 16 14 3
convert "$tmp/icon32.png" "$tmp/icon16.png" ziyinfang.ico

# The search window's tray icon: an orange rounded square with 搜, 16 pixels, 32 bits.
convert -size 16x16 xc:none -fill 'rgb(192,96,0)' -draw "roundrectangle 0,0 15,15 3,3" \
  -font "$font" -fill white -pointsize 13 -gravity center -annotate +0+0 '搜' "$tmp/search16.png"
convert "$tmp/search16.png" -define icon:auto-resize=16 search_box.ico

# The search window's start picture, 40 x 21: a white button with 搜索 on the window's orange.
convert -size 40x21 xc:'rgb(192,96,0)' -fill white -stroke none -draw "roundrectangle 1,1 38,19 4,4" \
  -font "$font" -fill 'rgb(192,96,0)' -pointsize 12 -gravity center -annotate +0+0 '搜索' "$tmp/start.png"
out=search_start.bmp bmp "$tmp/start.png"
