#!/usr/bin/env bash
# Builds the Debian package with CPack and checks that it carries the game
# in its /usr layout and depends on what the game needs at run time: the Qt
# widgets, the display plug-ins, SDL2_mixer and the Japanese font.
#
#     deb.sh <build-dir> <output-dir> <app-id>
set -euo pipefail
[[ $# -eq 3 ]] || { echo "usage: $(basename "$0") <build-dir> <output-dir> <app-id>" >&2; exit 2; }
build=$1 out=$2 id=$3
command -v dpkg-deb >/dev/null && command -v dpkg-shlibdeps >/dev/null ||
    { echo "SKIP: dpkg-deb and dpkg-shlibdeps (dpkg-dev) are needed" >&2; exit 77; }

rm -rf "$out"
mkdir -p "$out"
(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1) || { cat "$out/cpack.log" >&2; exit 1; }
debs=("$out"/velmora_*.deb)
[[ ${#debs[@]} -eq 1 && -f "${debs[0]}" ]] || { echo "FAIL: CPack made [${debs[*]}], not one velmora package" >&2; exit 1; }
deb=${debs[0]}
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

contents=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
for path in ./usr/games/velmora ./usr/lib/games/velmora/velmora ./usr/lib/games/velmora/stt.bmp \
            ./usr/share/games/velmora/stt.bmp ./usr/share/games/velmora/0.wav \
            "./usr/share/applications/$id.desktop" "./usr/share/metainfo/$id.metainfo.xml" \
            "./usr/share/icons/hicolor/48x48/apps/$id.png" "./usr/share/icons/hicolor/scalable/apps/$id.svg"; do
    grep -qxF "$path" <<<"$contents" || fail "the package lacks $path"
done
[[ $(grep -c '^\./usr/share/games/velmora/.' <<<"$contents") -eq 23 ]] || fail "the package does not hold the game's 23 files"
! grep -q '^\./usr/local/' <<<"$contents" || fail "the package installs under /usr/local"

mkdir "$out/unpacked"
dpkg-deb -x "$deb" "$out/unpacked"
grep -qx 'Exec=/usr/games/velmora' "$out/unpacked/usr/share/applications/$id.desktop" ||
    fail "the packaged desktop entry does not run /usr/games/velmora"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in libqt6widgets6 libqt6gui6 libqt6core6 libsdl2-mixer-2.0-0 qt6-qpa-plugins fonts-ipafont-gothic; do
    grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || fail "the package does not depend on $package"
done

((failures == 0)) || exit 1
echo "PASS: $(basename "$deb")"
