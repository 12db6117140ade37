#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Starts a Velmora executable in an X server of its own, waits until the
# title screen is on show, closes the window the way a window manager does
# (WM_DELETE_WINDOW) and expects the game to exit with status 0.
#
#     title-and-close.sh <path-to-velmora>
#
# The path may be a link, such as an installed /usr/games/velmora. Needs
# Xvfb, xdotool, ImageMagick and the wmclose helper built beside the tests
# (E2E_WMCLOSE=<path>, or wmclose beside this script or on PATH).
# SDL_AUDIODRIVER picks the sound driver (dummy when unset).
# Exit status: 0 pass, 1 fail with a message on standard error, 2 usage,
# 77 skipped for a missing tool.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_check_executable "${1:-}"
e2e_start_xvfb
e2e_start_game "$1"
e2e_wait_for_window
e2e_wait_for "title screen (black difficulty panel, no action buttons)" e2e_shows_title
e2e_close_and_expect_exit 0
echo "PASS: $1 showed the title screen and exited 0 when its window was closed"
