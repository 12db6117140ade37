#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Plays an installed game for a moment, as a distribution's test of its
# package does (Debian's autopkgtest runs it on /usr/games/velmora): in an
# X server of xvfb-run, with SDL's dummy sound driver, the title screen
# shows, a click on it starts a round, "吸血" is pressed, and closing the
# window ends the game with status 0 and nothing on standard error. It
# catches what no test of the build tree can: a library, a Qt plug-in, a
# picture, a sound or the Japanese font missing from the installed system.
#
#     smoke.sh <path-to-velmora>
#
# Needs xvfb-run, xauth, xdotool, ImageMagick and the wmclose helper of the
# end-to-end tests (E2E_WMCLOSE=<path>, or wmclose on PATH).
# Exit status: 0 pass, 1 fail with a message on standard error, 2 usage,
# 77 skipped for a missing tool.
set -euo pipefail
if [[ -z "${VELMORA_SMOKE_IN_XVFB:-}" ]]; then
    command -v xvfb-run >/dev/null || { echo "SKIP: xvfb-run is not installed" >&2; exit 77; }
    VELMORA_SMOKE_IN_XVFB=1 exec xvfb-run --auto-servernum \
        --server-args="-screen 0 640x480x24 -nolisten tcp" "$0" "$@"
fi
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"

e2e_check_executable "${1:-}"
e2e_require xdotool import convert
e2e_start_game "$1"
e2e_wait_for_window
e2e_wait_for "title screen (black difficulty panel, no action buttons)" e2e_shows_title
e2e_click $E2E_TITLE_SPOT
e2e_wait_for "round to start (red action buttons)" e2e_shows_round
e2e_click ${E2E_COM_SPOTS[0]/,/ }
e2e_close_and_expect_exit 0
[[ ! -s "$E2E_WORK/game.err" ]] || e2e_fail "the game wrote to standard error"
echo "PASS: $1 showed its title, began a round, took a bite and exited 0 when its window was closed"
