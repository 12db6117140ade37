#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes a contact sheet of the game's built pictures, each at the size it
# is shown on screen and labelled with its file name, for the README.
#   tools/contact-sheet.sh <build-dir> <out.png>
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 <build-dir> <out.png>" >&2
    exit 2
fi
build=$1
out=$2

pictures=(stt 0 1 2 00 01 02 10 11 12 20 21 22 end0 end02 end1 end2 end22 end)
files=()
for name in "${pictures[@]}"; do
    file="$build/$name.bmp"
    if [ ! -f "$file" ]; then
        echo "$0: $file is missing; build the target velmora_pictures first" >&2
        exit 1
    fi
    files+=("$file")
done

# The title is portrait: shown at its own aspect, in a cell as tall as the others.
montage -label '%f' "${files[@]}" \
    -geometry 265x265+6+6 -tile 6x -background '#14101c' -fill '#e8e0f0' \
    -font DejaVu-Sans -pointsize 14 -strip -depth 8 miff:- \
    | convert - -dither FloydSteinberg -colors 256 -define png:compression-level=9 "PNG8:$out"
