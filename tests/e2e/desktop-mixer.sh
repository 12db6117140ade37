#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Plays a Velmora executable through a PulseAudio server of the script's own
# (a null sink, its own socket and runtime folder, ended with the script) and
# expects the game's stream in the server's list as a desktop volume control
# shows it: application.name "Velmora", the icon of the game's desktop entry
# and the media role "game". Then closes the window and expects status 0.
#
#     desktop-mixer.sh <path-to-velmora>
#
# Needs pulseaudio and pactl besides what every end-to-end script needs.
# Exit status: 0 pass, 1 fail with a message on standard error, 2 usage,
# 77 skipped for a missing tool.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_check_executable "${1:-}"
e2e_start_pulse

# The properties of the first stream whose application.name is "Velmora".
_game_stream() {
    pactl list sink-inputs | awk '
        /^Sink Input #/ { if (game) exit; props = "" }
        /^\t\tapplication.name = "Velmora"$/ { game = 1 }
        /^\t\t[a-z._]+ = / { sub(/^\t\t/, ""); props = props $0 "\n" }
        END { if (game) printf "%s", props }' >"$E2E_WORK/stream"
    [[ -s "$E2E_WORK/stream" ]]
}

e2e_start_xvfb
SDL_AUDIODRIVER=pulseaudio e2e_start_game "$1"
e2e_wait_for_window
e2e_wait_for "title screen" e2e_shows_title
e2e_wait_for "a stream named Velmora in the sound server" _game_stream
grep -E '^(application\.name|application\.icon_name|media\.role|media\.name) = ' "$E2E_WORK/stream"
for expected in 'application.icon_name = "io.github.velmora.Velmora"' 'media.role = "game"'; do
    grep -qxF "$expected" "$E2E_WORK/stream" || e2e_fail "the game's stream lacks $expected"
done
e2e_close_and_expect_exit 0
echo "PASS: $1 played through PulseAudio as \"Velmora\", with its icon and the role game"
