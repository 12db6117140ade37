#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, then builds and runs the whole test suite twice,
# with warnings as errors: a plain build with GCC and the benchmarks, and one
# under AddressSanitizer and UndefinedBehaviorSanitizer, with clang when it is
# installed, so that both compilers see the code. A third build leaves X11
# out, as on a desktop without it, and runs the tests that need no X server.
# Last it builds the Debian source and binary packages from a release
# tarball of the tree, checks them with lintian, installs and plays them with
# their autopkgtest, and purges them again.
# Exits non-zero on the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup-deps.sh

jobs=$(nproc)
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
passed=0 skipped=0

# The build without X11 compiles almost every file as the plain build did:
# ccache hands those back. Paths are taken relative to the tree, so that two
# build folders of it share their entries.
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR=$PWD
fi

# suite <build folder> [cmake options...]; CTEST_OPTIONS narrows the tests.
suite() {
    local dir=$1 log
    shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_WERROR=ON "${launcher[@]}" "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
    log=$(mktemp)
    # shellcheck disable=SC2086
    ctest --test-dir "$dir" --output-on-failure -j "$jobs" ${CTEST_OPTIONS:-} | tee "$log"
    # Every test that ran passed, or ctest failed and set -e has stopped here.
    local total skips
    total=$(sed -n 's/.*tests failed out of \([0-9]*\).*/\1/p' "$log" | tail -n 1)
    skips=$(grep -c '\*\*\*Skipped' "$log" || true)
    rm -f "$log"
    passed=$((passed + total - skips)) skipped=$((skipped + skips))
}

echo "== plain build =="
suite build -DVELMORA_BUILD_BENCH=ON

echo "== sanitizer build =="
sanitizer_compiler=()
if command -v clang++-14 >/dev/null; then
    sanitizer_compiler=(-DCMAKE_CXX_COMPILER=clang++-14)
fi
# No strict string checks: libxkbcommon-x11 hands strndup names that are not
# NUL-terminated within their length, which they take for an overflow before
# the game's window even exists.
#
# No __tls_get_addr hook: the sound library is loaded once the window is up,
# so the thread-local storage of its libraries is allocated then, from the
# heap. Clang 14's leak checker takes such a block that happens to lie 16
# bytes into a page for one laid out by an old glibc, reads a wild range from
# the bytes before it and dies scanning that at exit: ten exits in 200 after
# ALSA had failed, on a busy machine. The blocks are heap blocks reached from
# the thread's own TLS, so the leak check still sees through them.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:intercept_tls_get_addr=0"
export LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
suite build-asan -DVELMORA_SANITIZE=ON "${sanitizer_compiler[@]}"
unset ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS

echo "== build without X11 =="
CTEST_OPTIONS="--label-exclude e2e" suite build-nox11 -DCMAKE_DISABLE_FIND_PACKAGE_X11=ON

echo "== Debian packages =="
# Built as a packager builds them, in a folder of their own: the upstream
# tarball is a git archive, which leaves debian/ and .ci/ out, and the tree's
# debian/ is added to it. The archive is of the tree as it is now, changes
# not yet committed and new files not ignored included, written as a git
# tree through a scratch index: neither the index nor the working tree is
# touched, and in a clean clone, as in CI, it is HEAD's tree.
if ! dpkg-checkbuilddeps 2>/dev/null; then
    DEBIAN_FRONTEND=noninteractive $sudo apt-get build-dep -y -qq --no-install-recommends "$PWD" >/dev/null
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$(git rev-parse --git-path index)" "$work/index"
tree=$(export GIT_INDEX_FILE="$work/index" && git add -A && git write-tree)
version=$(dpkg-parsechangelog -S Version)
upstream=${version%-*}
source=$work/velmora-$upstream
git archive --format=tar.gz --prefix="velmora-$upstream/" -o "$work/velmora_$upstream.orig.tar.gz" "$tree"
tar -xzf "$work/velmora_$upstream.orig.tar.gz" -C "$work"
# Archived on its own, debian/ is out of reach of the export-ignore above it.
mkdir "$source/debian"
git archive "$tree:debian" | tar -xf - -C "$source/debian"
(cd "$source" && DEB_BUILD_OPTIONS="parallel=$jobs" dpkg-buildpackage -us -uc >"$work/build.log" 2>&1) ||
    { tail -n 60 "$work/build.log" >&2; exit 1; }
# The package builds with Debian's flags and without -Werror, as a
# distribution does; here a warning still fails.
if grep -E '^[^ ]+:[0-9]+:[0-9]+: warning:' "$work/build.log" >&2; then
    echo "FAIL: the package build warns" >&2
    exit 1
fi
changes=("$work"/velmora_"$version"_*.changes)
debs=("$work"/velmora_*.deb "$work"/velmora-data_*.deb)
bash tests/install/deb.sh "$source/obj-$(dpkg-architecture -qDEB_HOST_GNU_TYPE)" "${debs[@]}" \
    io.github.velmora.Velmora
# The .changes names the .dsc, the .buildinfo and every package: lintian
# checks them all.
lintian -I --pedantic --fail-on error,warning "${changes[0]}"
echo "PASS: lintian finds nothing in $(basename "${changes[0]}"), its .dsc and its packages"

# The package's own test, with this machine as its testbed: autopkgtest
# installs the two packages and plays the installed game. They are purged
# again afterwards, pass or fail, and the purge has to take away every file
# they brought.
purge_game() { DEBIAN_FRONTEND=noninteractive $sudo apt-get purge -y -qq velmora velmora-data >/dev/null; }
trap 'purge_game; rm -rf "$work"' EXIT
$sudo autopkgtest --summary-file="$work/autopkgtest.summary" "${changes[0]}" -- null >"$work/autopkgtest.log" 2>&1 ||
    { tail -n 60 "$work/autopkgtest.log" >&2; exit 1; }
sed 's/^/autopkgtest: /' "$work/autopkgtest.summary"
purge_game
trap 'rm -rf "$work"' EXIT
left=$({ for deb in "${debs[@]}"; do dpkg-deb -c "$deb"; done | awk '{ print substr($6, 2) }' | grep -v '/$'
    echo /usr/share/games/velmora; } | xargs ls -d 2>/dev/null || true)
[[ -z "$left" ]] || { echo "FAIL: purging the packages left $left" >&2; exit 1; }
echo "PASS: purging velmora and velmora-data left nothing behind"

echo "check: $passed passed, 0 failed, $skipped skipped"
