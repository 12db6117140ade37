#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs every benchmark of the game beside its baseline, in one X server of
# its own, and prints the figures and their ratios. It builds nothing: build
# the game, its assets and the benchmarks first, for example
#
#     cmake -S . -B build -G Ninja -DVELMORA_BUILD_BENCH=ON
#     cmake --build build --target velmora velmora_assets startup startup_floor \
#         startup_game idle_cpu press audio_latency
#     bench/run.sh build
#
# Sound goes to SDL's dummy driver, so no run depends on a sound card.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../tests/e2e/lib.sh"
e2e_use_build "${1:-}" velmora stt.bmp bench/startup/startup bench/startup/startup_floor bench/startup/startup_game \
    bench/idle/idle_cpu bench/press/press bench/audio_latency/audio_latency
build=$BUILD

e2e_start_xvfb
mkdir -m 700 "$E2E_WORK/bench-runtime"
export XDG_RUNTIME_DIR="$E2E_WORK/bench-runtime" QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
echo "Benchmarks on display $DISPLAY (Xvfb), $(nproc) cores, load $(cut -d ' ' -f 1-3 /proc/loadavg)"
echo

"$build/bench/startup/startup" "$build/bench/startup/startup_floor" "$build/bench/startup/startup_game" "$build" 11
echo

# Idle: the floor window and the game's title screen, left alone side by
# side for the same ten seconds once both are on screen.
floor_pid=""
_stop_floor() { [[ -z "$floor_pid" ]] || { kill "$floor_pid" 2>/dev/null; wait "$floor_pid" 2>/dev/null; } || true; }
trap '_stop_floor; _e2e_cleanup' EXIT
"$build/bench/startup/startup_floor" --stay >/dev/null 2>&1 &
floor_pid=$!
_floor_shown() { xdotool search --onlyvisible --name '^Velmora floor$' >/dev/null 2>&1; }
e2e_wait_for "floor window" _floor_shown
e2e_start_game "$build/velmora"
e2e_wait_for_window
e2e_wait_for "title screen" e2e_shows_title
echo "CPU while idle for 10 s (the game on its title screen, only the music loop running):"
"$build/bench/idle/idle_cpu" "$floor_pid" 10 >"$E2E_WORK/idle-floor" &
idle_floor=$!
game_idle=$("$build/bench/idle/idle_cpu" "$E2E_GAME_PID" 10)
wait "$idle_floor"
echo "  floor  $(cat "$E2E_WORK/idle-floor")"
echo "  game   $game_idle (aim: under 1 %)"
e2e_stop_game
_stop_floor
floor_pid=""
echo

"$build/bench/press/press" "$build" 30
echo

"$build/bench/audio_latency/audio_latency"
