#!/bin/sh
# Renders the program icon's PNG sizes from its SVG with ImageMagick (with its SVG coder:
# Debian's imagemagick and libmagickcore-6.q16-6-extra). The PNGs are kept in the
# repository, so building never needs this; run it again after changing the SVG.
set -eu
dir=$(dirname "$0")/../resources/desktop
for size in 48 128 256; do
  convert -background none -density 288 "$dir/mir_tote.svg" -resize "${size}x$size" \
    -depth 8 -strip "PNG32:$dir/mir_tote-$size.png"
done
