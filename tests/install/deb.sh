#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks the two packages dpkg-buildpackage made against the build they came
# from: the executable and what the desktop needs in velmora, the pictures
# and sounds alone in velmora-data, both together laid out as Debian's games
# are, the dependencies the game needs at run time, and an Installed-Size
# that counts what is really installed.
#
#     deb.sh <build-dir> <velmora.deb> <velmora-data.deb> <app-id>
set -euo pipefail
[[ $# -eq 4 ]] || { echo "usage: $(basename "$0") <build-dir> <velmora.deb> <velmora-data.deb> <app-id>" >&2; exit 2; }
build=$1 game=$2 data=$3 id=$4
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

field() { dpkg-deb -f "$1" "$2"; }
paths() { dpkg-deb -c "$1" | awk '{ print $6 }'; }

[[ $(field "$game" Package) == velmora && $(field "$game" Architecture) != all ]] ||
    fail "$(basename "$game") is not the architecture-specific package velmora"
[[ $(field "$data" Package) == velmora-data && $(field "$data" Architecture) == all ]] ||
    fail "$(basename "$data") is not the architecture-independent package velmora-data"

game_paths=$(paths "$game")
for path in ./usr/games/velmora ./usr/share/man/man6/velmora.6.gz \
            ./usr/share/man/ja/man6/velmora.6.gz \
            ./usr/share/doc/velmora/copyright "./usr/share/applications/$id.desktop" \
            "./usr/share/metainfo/$id.metainfo.xml" "./usr/share/icons/hicolor/scalable/apps/$id.svg"; do
    grep -qxF "$path" <<<"$game_paths" || fail "velmora lacks $path"
done
! grep -q '^\./usr/share/games/' <<<"$game_paths" || fail "velmora holds the game's data itself"
data_paths=$(paths "$data")
[[ $(grep -Ec '^\./usr/share/games/velmora/[^/]+$' <<<"$data_paths") -eq 23 ]] ||
    fail "velmora-data does not hold the game's 23 files"
grep -qxF ./usr/share/games/velmora/en/stt.bmp <<<"$data_paths" ||
    fail "velmora-data lacks the title picture drawn in English"
grep -qxF ./usr/share/doc/velmora-data/copyright <<<"$data_paths" || fail "velmora-data lacks its copyright file"
! grep -v '/$' <<<"$data_paths" | grep -Ev '^\./usr/share/(games/velmora|doc/velmora-data|lintian/overrides)/' ||
    fail "velmora-data holds more than the game's data"

version=$(field "$game" Version)
depends=$(field "$game" Depends)
echo "Depends: $depends"
echo "Recommends: $(field "$game" Recommends)"
grep -Fq "velmora-data (= $version)" <<<"$depends" || fail "velmora does not depend on velmora-data of its own version"
for package in libqt6widgets6 libqt6gui6 libqt6core6 libsdl2-mixer-2.0-0 fonts-ipafont-gothic; do
    grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || fail "velmora does not depend on $package"
done
# A session with no X server needs the Wayland plug-in; X11's comes with Qt.
grep -Eq '(^|, )qt6-wayland( |,|$)' <<<"$(field "$game" Depends), $(field "$game" Recommends)" ||
    fail "velmora neither depends on nor recommends qt6-wayland"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
for deb in "$game" "$data"; do
    name=$(field "$deb" Package)
    mkdir "$root/$name"
    dpkg-deb -x "$deb" "$root/$name"
    dpkg-deb -x "$deb" "$root/both"
    # dpkg counts every file, link and folder in whole KiB, du in blocks and
    # its folders at 4 KiB: between the bytes of the files and what du says,
    # and a link counted as a copy of its target is far beyond.
    declared=$(field "$deb" Installed-Size)
    used=$(du -sk "$root/$name" | cut -f1)
    bytes=$(find "$root/$name" -type f -printf '%s\n' | awk '{ total += $1 } END { print int(total / 1024) }')
    echo "$name: Installed-Size $declared KiB, du -sk $used KiB, files $bytes KiB"
    ((declared >= bytes && declared * 100 <= used * 105)) || fail "$name declares $declared KiB for $used KiB on disk"
done

"$(dirname "$0")/layout.sh" "$build" "$root/both" /usr /usr/share/games/velmora "$id" || fail "the two packages together are not laid out as a Debian game"

((failures == 0)) || exit 1
echo "PASS: $(basename "$game") and $(basename "$data")"
