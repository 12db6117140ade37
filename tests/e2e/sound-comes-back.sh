#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Plays a round of a Velmora executable through a PulseAudio server of the
# script's own and stops the server mid-round, as a desktop does when it
# restarts its sound server. The game must play on without it (a press of an
# action button included), say once on standard error that its sound is
# gone, and be heard again, its music in the server's monitor, within 3 s of
# the server's return. Then closes the window and expects status 0.
#
#     sound-comes-back.sh <path-to-velmora>
#
# Needs pulseaudio, pactl, parec and sox besides what every end-to-end
# script needs. Exit status: 0 pass, 1 fail with a message on standard error,
# 2 usage, 77 skipped for a missing tool.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_check_executable "${1:-}"
e2e_require pulseaudio pactl parec sox
recording="$E2E_WORK/monitor.raw"

_has_stream() {
    [[ -n $(pactl list "$1" short 2>/dev/null) ]]
}

_music_heard() {
    sox -t raw -r 44100 -e signed -b 16 -c 1 "$recording" -n stats 2>&1 |
        awk '/^Max level/ { loud = $3 > 0.01 } END { exit !loud }'
}

_said() {
    grep -c "velmora: the sound output (pulseaudio) is $1" "$E2E_WORK/game.err" || true
}

e2e_start_pulse
e2e_start_xvfb
SDL_AUDIODRIVER=pulseaudio e2e_start_game "$1"
e2e_wait_for_window
e2e_wait_for "title screen" e2e_shows_title
e2e_click $E2E_TITLE_SPOT
e2e_wait_for "a round" e2e_shows_round
e2e_wait_for "the game's stream in the sound server" _has_stream sink-inputs

e2e_stop_pulse
e2e_wait_for "word that the sound is gone" grep -q "is gone" "$E2E_WORK/game.err"
# A press sounds nothing now, and must not reach the closed mixer.
e2e_click ${E2E_COM_SPOTS[0]/,/ }

e2e_start_pulse
back=$EPOCHREALTIME
parec -d velmora_e2e.monitor --raw --format=s16le --rate=44100 --channels=1 --latency-msec=20 >"$recording" &
recorder=$!
e2e_wait_for "the recorder's stream in the sound server" _has_stream source-outputs
# A null sink starts on a two-second clock, which holds back what reaches it
# first; started again with the recorder attached, it keeps the recorder's
# short one, as a sound card's sink does.
pactl suspend-sink velmora_e2e 1
pactl suspend-sink velmora_e2e 0
e2e_wait_for "the music in the server's monitor" _music_heard
heard=$EPOCHREALTIME
_e2e_stop "$recorder"
ms=$(((${heard//[.,]/} - ${back//[.,]/}) / 1000))
echo "the music was heard again ${ms} ms after the server's return"
((ms <= 3000)) || e2e_fail "the music came back ${ms} ms after the sound server, more than 3 s"
[[ $(_said gone) == 1 && $(_said back) == 1 ]] ||
    e2e_fail "the game said $(_said gone) times that its sound was gone and $(_said back) times that it was back, not once each"
e2e_wait_for "a round still on screen" e2e_shows_round
e2e_close_and_expect_exit 0
echo "PASS: $1 played on without its sound server and was heard again ${ms} ms after the server came back"
