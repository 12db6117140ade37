#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks a staged install against Debian's layout for games and against the
# build it came from: the game's files are exactly those the build put beside
# the executable, stored once as data and linked beside the real executable
# by relative links, which also lead from the games folder to the game.
#
#     layout.sh <build-dir> <stage-dir> <prefix> <app-id>
set -euo pipefail
[[ $# -eq 4 ]] || { echo "usage: $(basename "$0") <build-dir> <stage-dir> <prefix> <app-id>" >&2; exit 2; }
build=$1 stage=$2 root=$2$3 prefix=$3 id=$4
gamedir=$root/lib/games/velmora
datadir=$root/share/games/velmora
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# relative_link_to <link> <target>: a link written relative to its folder that
# resolves, inside the stage, to the target.
relative_link_to() {
    local link=$1 target=$2 written
    [[ -L "$link" ]] || { fail "${link#"$stage"} is not a symbolic link"; return; }
    written=$(readlink "$link")
    [[ "$written" != /* ]] || fail "${link#"$stage"} points to the absolute path $written"
    [[ "$(readlink -f "$link")" == "$(readlink -f "$target")" ]] ||
        fail "${link#"$stage"} leads to $(readlink -f "$link"), not to ${target#"$stage"}"
}

[[ -f "$gamedir/velmora" && ! -L "$gamedir/velmora" && -x "$gamedir/velmora" ]] ||
    fail "the game is not a real executable in ${gamedir#"$stage"}"
relative_link_to "$root/games/velmora" "$gamedir/velmora"

mapfile -t built < <(cd "$build" && ls -1 -- *.bmp *.wav 2>/dev/null | sort)
((${#built[@]} == 23)) || fail "the build put ${#built[@]} files beside the game, not its 19 pictures and 4 sounds"
mapfile -t stored < <(cd "$datadir" && ls -1A | sort)
[[ "${stored[*]}" == "${built[*]}" ]] || fail "${datadir#"$stage"} holds [${stored[*]}], the build [${built[*]}]"
for name in "${built[@]}"; do
    [[ -f "$datadir/$name" && ! -L "$datadir/$name" ]] || { fail "$name is not stored as data"; continue; }
    cmp -s "$build/$name" "$datadir/$name" || fail "the installed $name differs from the built one"
    relative_link_to "$gamedir/$name" "$datadir/$name"
done
mapfile -t beside < <(cd "$gamedir" && ls -1A | grep -vx velmora | sort)
[[ "${beside[*]}" == "${built[*]}" ]] || fail "beside the game lie [${beside[*]}], not the game's files"

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
