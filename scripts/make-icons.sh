#!/bin/sh
# Builds the icon images of Lumetra from their hand-drawn sources in
# packaging/icons/:
#
#   lumetra-16.xpm, lumetra-32.xpm  pixel art, 16 colours (one transparent)
#   lumetra.svg                     the same keyboard, drawn for large sizes
#
# and writes next to them:
#
#   lumetra-16.png, lumetra-32.png  the pixel art, pixel for pixel
#   lumetra-64.png, lumetra-128.png rendered from the SVG (high-DPI screens)
#   lumetra-192.png                 rendered from the SVG (the web app's install icon)
#   lumetra.ico                     Windows icon: the 16 and 32 images, 16 colours,
#                                   then the SVG at 20, 24, 40, 48, 64 and 256 pixels,
#                                   32-bit, for scaled displays and large icon views
#
# The generated files are kept in the repository, so a build needs none of
# these tools; run this script again after changing a source image.
# Needs ImageMagick (convert); uses rsvg-convert (librsvg2-bin) when present.
set -eu

here=$(CDPATH='' cd -- "$(dirname -- "$0")" && pwd)
icons="$here/../packaging/icons"
cd "$icons"

command -v convert >/dev/null 2>&1 || {
    echo "make-icons.sh: ImageMagick 'convert' is required" >&2
    exit 1
}

# Leave out time stamps so that an unchanged source gives an unchanged file.
png_opts="-strip -define png:exclude-chunks=date,time"

for size in 16 32; do
    # shellcheck disable=SC2086
    convert "lumetra-$size.xpm" $png_opts "PNG32:lumetra-$size.png"
done

# Renders the SVG at SIZE pixels square into lumetra-SIZE.png, or into OUTPUT.
render() {
    size=$1 out=${2:-lumetra-$1.png}
    if command -v rsvg-convert >/dev/null 2>&1; then
        rsvg-convert --width "$size" --height "$size" --keep-aspect-ratio \
            --output "$out.tmp.png" lumetra.svg
        # shellcheck disable=SC2086
        convert "$out.tmp.png" $png_opts "PNG32:$out"
        rm -f "$out.tmp.png"
    else
        # shellcheck disable=SC2086
        convert -background none -density 96 lumetra.svg \
            -resize "${size}x${size}" $png_opts "PNG32:$out"
    fi
}

for size in 64 128 192; do
    render "$size"
done

# The pixel art goes in as 4-bit palette bitmaps with a 1-bit transparency mask, as it
# always has; Windows takes it where it fits exactly (16 and 32 pixels at 100 %). The
# other sizes are 32-bit with alpha, and the 256-pixel one is stored as PNG.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
large=""
for size in 20 24 40 48 64 256; do
    render "$size" "$tmp/$size.png"
    large="$large $tmp/$size.png"
done
# shellcheck disable=SC2086
convert \( lumetra-16.xpm lumetra-32.xpm -type PaletteAlpha \) \
    \( $large -type TrueColorAlpha \) -define png:color-type=6 ICO:lumetra.ico

for f in lumetra-16.png lumetra-32.png lumetra-64.png lumetra-128.png lumetra-192.png lumetra.ico; do
    echo "wrote packaging/icons/$f"
done
