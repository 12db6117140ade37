#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, then builds and runs the whole test suite twice,
# with warnings as errors: a plain build with GCC and the benchmarks, and one
# under AddressSanitizer and UndefinedBehaviorSanitizer, with clang when it is
# installed, so that both compilers see the code. A third build leaves X11
# out, as on a desktop without it, and runs the tests that need no X server.
# Last it builds the Debian packages from a copy of the tree and checks them
# with lintian.
# Exits non-zero on the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup-deps.sh

jobs=$(nproc)
passed=0 skipped=0

# suite <build folder> [cmake options...]; CTEST_OPTIONS narrows the tests.
suite() {
    local dir=$1 log
    shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_WERROR=ON "$@" >/dev/null
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
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
suite build-asan -DVELMORA_SANITIZE=ON "${sanitizer_compiler[@]}"
unset ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS

echo "== build without X11 =="
CTEST_OPTIONS="--label-exclude e2e" suite build-nox11 -DCMAKE_DISABLE_FIND_PACKAGE_X11=ON

echo "== Debian package =="
# Built as a packager builds it, from the tracked files alone in a folder of
# its own: no build folder of this tree leaks in, and dpkg-buildpackage's
# output, written beside the source, stays out of the tree's parent.
if ! dpkg-checkbuilddeps 2>/dev/null; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get build-dep -y -qq --no-install-recommends "$PWD" >/dev/null
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/velmora"
git ls-files -z --cached --others --exclude-standard | tar --null -T - --ignore-failed-read -cf - 2>/dev/null |
    tar -xf - -C "$work/velmora"
(cd "$work/velmora" && DEB_BUILD_OPTIONS="parallel=$jobs" dpkg-buildpackage -us -uc -b >"$work/build.log" 2>&1) ||
    { tail -n 60 "$work/build.log" >&2; exit 1; }
# The package builds with Debian's flags and without -Werror, as a
# distribution does; here a warning still fails.
if grep -E '^[^ ]+:[0-9]+:[0-9]+: warning:' "$work/build.log" >&2; then
    echo "FAIL: the package build warns" >&2
    exit 1
fi
debs=("$work"/velmora_*.deb "$work"/velmora-data_*.deb)
bash tests/install/deb.sh "$work/velmora/obj-$(dpkg-architecture -qDEB_HOST_GNU_TYPE)" "${debs[@]}" \
    io.github.velmora.Velmora
lintian -I --pedantic --fail-on error,warning "${debs[@]}"
echo "PASS: lintian finds nothing in $(basename "${debs[0]}") and $(basename "${debs[1]}")"

echo "check: $passed passed, 0 failed, $skipped skipped"
