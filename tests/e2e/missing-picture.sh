#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a copy of the game whose folder lacks one picture, and expects it to
# refuse to start cleanly: its error box appears and the game window never
# does; the box is read for a while, as a player would, with the game still
# alive, then dismissed with Return; the game exits with a failure status of
# its own (not a signal, not a sanitizer report) and names the missing file
# on standard error.
#
#     missing-picture.sh <path-to-velmora> <picture-file-name>
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

E2E_BOX_SECONDS=${E2E_BOX_SECONDS:-2}
e2e_check_executable "${1:-}"
picture=${2:-}
[[ "$picture" =~ ^[a-z0-9]+\.bmp$ ]] || { echo "usage: $(basename "$0") <path-to-velmora> <name>.bmp" >&2; exit 2; }
source_dir=$(dirname "$(readlink -f "$1")")
[[ -f "$source_dir/$picture" ]] || e2e_fail "$source_dir has no $picture to take away"

# The game reads its files from the folder of its real executable, so the
# executable is copied rather than linked.
game_dir="$E2E_WORK/game"
mkdir "$game_dir"
cp "$(readlink -f "$1")" "$game_dir/velmora"
cp "$source_dir"/*.bmp "$source_dir"/*.wav "$game_dir/"
rm "$game_dir/$picture"

e2e_start_xvfb
e2e_start_game "$game_dir/velmora"

_error_box() {
    # Nothing but the error box may appear: the game window never shows.
    if _e2e_find_window; then
        e2e_fail "the game window appeared although $picture is missing"
    fi
    box=$(xdotool search --onlyvisible --name 'Velmora' 2>/dev/null | head -n 1)
    [[ -n "$box" ]]
}

_error_box_or_exit() {
    _e2e_gone "$E2E_GAME_PID" || _error_box
}

E2E_GAME_STATUS=done  # the game may end here: that is not a failure yet
e2e_wait_for "error box or exit" _error_box_or_exit
if ! _e2e_gone "$E2E_GAME_PID"; then
    # The window's timers are armed from the start; while the box waits for
    # the player they must not touch a window that never finished loading.
    # Nothing signals that they had their chance, so the box stays up for
    # longer than the first of them takes.
    held_until=$((SECONDS + E2E_BOX_SECONDS))
    while ((SECONDS < held_until)); do
        _e2e_gone "$E2E_GAME_PID" && break
        sleep 0.1
    done
    _e2e_gone "$E2E_GAME_PID" || xdotool windowfocus --sync "$box" key Return
fi
e2e_wait_for_exit
((E2E_GAME_STATUS != 0)) || e2e_fail "the game exited with status 0 without $picture"
((E2E_GAME_STATUS < 128)) || e2e_fail "the game was killed by signal $((E2E_GAME_STATUS - 128)) without $picture"
! grep -qE 'ERROR: AddressSanitizer|runtime error:' "$E2E_WORK/game.err" \
    || e2e_fail "the game broke its memory or its arithmetic without $picture"
grep -qF "$picture" "$E2E_WORK/game.err" || e2e_fail "standard error does not name $picture"
echo "PASS: without $picture the game exited with status $E2E_GAME_STATUS and said: $(grep -F "$picture" "$E2E_WORK/game.err" | head -n 1)"
