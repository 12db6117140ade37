#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks a staged install against Debian's layout for games and against the
# build it came from: the executable itself in the games folder, with no
# RUNPATH and the data folder written into it; the game's files exactly
# those the build put beside the executable, stored in that data folder.
#
#     layout.sh <build-dir> <stage-dir> <prefix> <data-dir> <app-id>
set -euo pipefail
[[ $# -eq 5 ]] || { echo "usage: $(basename "$0") <build-dir> <stage-dir> <prefix> <data-dir> <app-id>" >&2; exit 2; }
build=$1 stage=$2 root=$2$3 prefix=$3 datadir=$2$4 id=$5
game=$root/games/velmora
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

if [[ -f "$game" && ! -L "$game" && -x "$game" ]]; then
    ! readelf -d "$game" | grep -E '\((RUNPATH|RPATH)\)' || fail "the game carries a library search path"
    grep -qaF "${datadir#"$stage"}" "$game" || fail "the game does not look for its files in ${datadir#"$stage"}"
else
    fail "${game#"$stage"} is not the executable itself"
fi
[[ ! -e "$root/lib/games" ]] || fail "${root#"$stage"}/lib/games exists: $(ls -A "$root/lib/games")"

count=$(cd "$build" && ls -1 -- *.bmp *.wav 2>/dev/null | wc -l)
((count == 23)) || fail "the build put $count files beside the game, not its 19 pictures and 4 sounds"
# With the pictures whose words are drawn in another language, each in the
# folder of its language.
mapfile -t built < <(cd "$build" && ls -1 -- *.bmp *.wav [a-z][a-z]/*.bmp 2>/dev/null | sort)
mapfile -t stored < <(cd "$datadir" && find . -type f -o -type l | sed 's|^\./||' | sort)
[[ "${stored[*]}" == "${built[*]}" ]] || fail "${datadir#"$stage"} holds [${stored[*]}], the build [${built[*]}]"
for name in "${built[@]}"; do
    [[ -f "$datadir/$name" && ! -L "$datadir/$name" ]] || { fail "$name is not stored as data"; continue; }
    cmp -s "$build/$name" "$datadir/$name" || fail "the installed $name differs from the built one"
done

entry=$root/share/applications/$id.desktop
if [[ -f "$entry" ]]; then
    grep -qx "Exec=$prefix/games/velmora" "$entry" || fail "the desktop entry does not run $prefix/games/velmora"
    grep -qx "Icon=$id" "$entry" || fail "the desktop entry does not show the icon $id"
else
    fail "no desktop entry ${entry#"$stage"}"
fi
metainfo=$root/share/metainfo/$id.metainfo.xml
if [[ -f "$metainfo" ]]; then
    grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo does not carry the id $id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        fail "the metainfo does not launch $id.desktop"
else
    fail "no metainfo ${metainfo#"$stage"}"
fi

icons=$root/share/icons/hicolor
for size in 48 64 128 256; do
    png=$icons/${size}x$size/apps/$id.png
    if [[ -f "$png" ]]; then
        file -b "$png" | grep -q "^PNG image data, $size x $size," || fail "${png#"$stage"} is not $size × $size: $(file -b "$png")"
    else
        fail "no $size px icon"
    fi
done
svg=$icons/scalable/apps/$id.svg
if [[ -f "$svg" ]]; then
    # Desktops draw the icon from this one file: it may borrow nothing.
    ! grep -q 'href="[^#"]' "$svg" || fail "the scalable icon refers to other files"
else
    fail "no scalable icon"
fi

((failures == 0)) || exit 1
echo "PASS: the install under ${root} has the layout of a Debian game"
