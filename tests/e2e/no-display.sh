#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Starts the game with no display at all, as from a bare terminal, and with
# a display named that no X server answers: both times it must say in its
# own words that no display was found and exit with status 1, not abort.
#
#     no-display.sh <path-to-velmora>
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_check_executable "${1:-}"
mkdir -m 700 "$E2E_WORK/runtime"

expect_no_display() {
    local what=$1 status=0
    shift
    env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$E2E_WORK/runtime" SDL_AUDIODRIVER=dummy \
        "$@" >"$E2E_WORK/game.out" 2>"$E2E_WORK/game.err" || status=$?
    ((status == 1)) || e2e_fail "$what: the game exited with status $status, not 1"
    grep -q 'no display found' "$E2E_WORK/game.err" || e2e_fail "$what: the game did not say that no display was found"
    ! grep -qi 'reinstall' "$E2E_WORK/game.err" || e2e_fail "$what: the game still tells the player to reinstall it"
}

expect_no_display "without DISPLAY" env -u DISPLAY "$1"
# A display number no X server of this machine has a socket for.
for ((number = 200; number < 300; number++)); do
    [[ -e /tmp/.X11-unix/X$number ]] || break
done
expect_no_display "with a display that no server answers" env DISPLAY=":$number" "$1"
echo "PASS: with no display the game said so and exited with status 1"
