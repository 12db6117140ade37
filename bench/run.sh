#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs every benchmark of the game beside its floor, in one X server of its
# own, at the laid-out size and at twice it, and ends on one table of the
# figures and their ratios. It builds nothing: build the game, its assets
# and the benchmarks first, for example
#
#     cmake -S . -B build -G Ninja -DVELMORA_BUILD_BENCH=ON
#     cmake --build build --target velmora velmora_assets startup startup_floor \
#         startup_game idle_cpu press resize audio_latency
#     bench/run.sh build
#
# The floor is a bare Qt Widgets window that loops the game's music through
# SDL2_mixer and loads the same thirteen pictures, drawn for the size it
# shows them at. Twice the size is QT_SCALE_FACTOR=2 for both. Sound goes to
# SDL's dummy driver, so no run depends on a sound card. IDLE_RUNS (3) sets
# how many times the ten-second idle stretches are run.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../tests/e2e/lib.sh"
e2e_use_build "${1:-}" velmora stt.bmp 0.wav bench/startup/startup bench/startup/startup_floor \
    bench/startup/startup_game bench/startup/floor-pictures/stt.bmp bench/idle/idle_cpu bench/press/press \
    bench/resize/resize bench/audio_latency/audio_latency
build=$BUILD
floor_pictures="$build/bench/startup/floor-pictures"
idle_runs=${IDLE_RUNS:-3}
idle_seconds=10

# Large enough for the window at twice its laid-out size.
E2E_SCREEN=${E2E_SCREEN:-1280x1024}
e2e_start_xvfb
mkdir -m 700 "$E2E_WORK/bench-runtime"
# No session bus here: an address that leads nowhere, as the game sets for
# itself, so that no program spends its start trying to launch one.
export XDG_RUNTIME_DIR="$E2E_WORK/bench-runtime" QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy \
    DBUS_SESSION_BUS_ADDRESS=unix:path=/dev/null
load_before=$(cut -d ' ' -f 1-3 /proc/loadavg)
echo "Benchmarks on display $DISPLAY (Xvfb $E2E_SCREEN), $(nproc) cores, load $load_before"
echo

figures="$E2E_WORK/figures"
: >"$figures"
# bench <command...>: runs one benchmark, shows its table and keeps its
# figure lines for the summary.
bench() {
    "$@" >"$E2E_WORK/bench.out"
    grep -v '^figure ' "$E2E_WORK/bench.out" || true
    grep '^figure ' "$E2E_WORK/bench.out" >>"$figures" || true
    echo
}

bench "$build/bench/startup/startup" "$build/bench/startup/startup_floor" "$build/bench/startup/startup_game" \
    "$build" "$floor_pictures" 11

# Idle: the floor window and the game, left alone side by side for the same
# ten seconds once both are on screen, first on the title screen, then in a
# round (the floor still idle); peak memory is read once the title has been
# idle. A second floor repaints what a round repaints throughout, beside the
# round, for what the round's own pace costs any Qt window.
floor_pid=""
repainting_pid=""
_stop_floors() {
    local pid
    for pid in $floor_pid $repainting_pid; do
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true
    done
}
trap '_stop_floors; _e2e_cleanup' EXIT
_floors_shown() {
    xdotool search --onlyvisible --name '^Velmora floor$' >/dev/null 2>&1 \
        && xdotool search --onlyvisible --name '^Velmora floor repainting$' >/dev/null 2>&1
}
peak_mb() { awk '/^VmHWM:/ { printf "%.1f", $2 / 1024 }' "/proc/$1/status"; }
cpu_percent() { "$build/bench/idle/idle_cpu" "$1" "$idle_seconds" | cut -d ' ' -f 1; }
# idle_side_by_side <what> [<what beside the repainting floor>]: CPU of the
# floor and the game over the same stretch, and of the repainting floor.
idle_side_by_side() {
    cpu_percent "$floor_pid" >"$E2E_WORK/idle-floor" &
    local floor_cpu=$!
    local repainting_cpu=""
    if [[ -n "${2:-}" ]]; then
        cpu_percent "$repainting_pid" >"$E2E_WORK/idle-repainting" &
        repainting_cpu=$!
    fi
    local game_cpu
    game_cpu=$(cpu_percent "$E2E_GAME_PID")
    echo "sample $1 $size game $game_cpu" >>"$figures"
    wait "$floor_cpu"
    echo "sample $1 $size floor $(cat "$E2E_WORK/idle-floor")" >>"$figures"
    if [[ -n "${2:-}" ]]; then
        wait "$repainting_cpu"
        echo "sample $2 $size game $game_cpu" >>"$figures"
        echo "sample $2 $size floor $(cat "$E2E_WORK/idle-repainting")" >>"$figures"
    fi
}
for size in 1x 2x; do
    if [[ $size == 2x ]]; then
        export QT_SCALE_FACTOR=2 E2E_ZOOM=2
        pictures=$build
    else
        unset QT_SCALE_FACTOR
        E2E_ZOOM=1
        pictures=$floor_pictures
    fi
    for ((run = 1; run <= idle_runs; run++)); do
        "$build/bench/startup/startup_floor" "$pictures" "$build/0.wav" --stay >/dev/null 2>&1 &
        floor_pid=$!
        "$build/bench/startup/startup_floor" "$pictures" "$build/0.wav" --repaint >/dev/null 2>&1 &
        repainting_pid=$!
        e2e_wait_for "floor windows" _floors_shown
        rm -rf "$E2E_WORK/runtime"
        e2e_start_game "$build/velmora"
        e2e_wait_for_window
        e2e_wait_for "title screen" e2e_shows_title
        idle_side_by_side cpu-title
        echo "sample memory $size floor $(peak_mb "$floor_pid")" >>"$figures"
        echo "sample memory $size game $(peak_mb "$E2E_GAME_PID")" >>"$figures"
        e2e_click $E2E_TITLE_SPOT
        e2e_wait_for "round to start" e2e_shows_round
        idle_side_by_side cpu-round cpu-round-repainting
        e2e_stop_game
        _stop_floors
        floor_pid=""
        repainting_pid=""
    done
done
unset QT_SCALE_FACTOR
echo "Idle CPU and peak memory: $idle_runs runs of ${idle_seconds} s on the title and ${idle_seconds} s in a round at each size."
echo

bench "$build/bench/press/press" "$build" "$floor_pictures" 100
bench env QT_SCALE_FACTOR=2 "$build/bench/press/press" "$build" "$floor_pictures" 100
bench "$build/bench/resize/resize" "$build"

"$build/bench/audio_latency/audio_latency" 2>/dev/null
echo

# The summary: each figure of the game beside the floor's, at both sizes.
echo "Summary, Velmora against the floor (load before $load_before, after $(cut -d ' ' -f 1-3 /proc/loadavg)):"
awk -v idle_runs="$idle_runs" '
function median(key,    n, i, j, t, v) {
    n = count[key]
    for (i = 1; i <= n; i++) v[i] = values[key, i]
    for (i = 2; i <= n; i++) for (j = i; j > 1 && v[j - 1] > v[j]; j--) { t = v[j]; v[j] = v[j - 1]; v[j - 1] = t }
    return n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
}
function ratio(game, floor) { return floor > 0 ? sprintf("%.2fx", game / floor) : "-" }
function row(label, key, unit, aim, kind,    s, f1, g1, f2, g2, c1, c2) {
    f1 = fig[key, "1x", "floor"]; g1 = fig[key, "1x", "game"]
    f2 = fig[key, "2x", "floor"]; g2 = fig[key, "2x", "game"]
    if (kind == "difference") {
        c1 = sprintf("%+.1f %s", g1 - f1, unit); c2 = sprintf("%+.1f %s", g2 - f2, unit)
    } else if (kind == "points") {
        c1 = sprintf("%+.2f", g1 - f1); c2 = sprintf("%+.2f", g2 - f2)
    } else {
        c1 = ratio(g1, f1); c2 = ratio(g2, f2)
    }
    printf "  %-34s %8.3g %8.3g %9s   %8.3g %8.3g %9s   %s\n", label, f1, g1, c1, f2, g2, c2, aim
}
$1 == "figure" && $2 == "first-frame" { fig["frame", $3, $4] = $5; runs["frame"] = $6 }
$1 == "figure" && $2 == "first-frame-cpu" { fig["frame-cpu", $3, $4] = $5 }
$1 == "figure" && $2 == "press" {
    fig["press-median", $3, $4] = $5; fig["press-p90", $3, $4] = $6; fig["press-max", $3, $4] = $7
    runs["press"] = $8
}
$1 == "figure" && $2 == "resize" { resize_median = $3; resize_p90 = $4; resize_max = $5; resize_n = $6 }
$1 == "sample" { key = $2 SUBSEP $3 SUBSEP $4; values[key, ++count[key]] = $5 }
END {
    for (key in count) { split(key, k, SUBSEP); fig[k[1], k[2], k[3]] = median(key) }
    printf "  %-34s %8s %8s %9s   %8s %8s %9s   %s\n", "", "floor", "game", "game/floor", "floor", "game", "game/floor", "aim"
    printf "  %-34s %28s   %28s\n", "", "-- laid-out size (1x) --", "-- twice the size (2x) --"
    row(sprintf("first frame, ms (%d runs)", runs["frame"]), "frame", "ms", "1x: at most 1.0x")
    row("  processor time to it, ms", "frame-cpu", "ms", "")
    row(sprintf("peak memory VmHWM, MB (%d runs)", idle_runs), "memory", "MB",
        "1x: within +5 MB, 2x: within +15 MB", "difference")
    row(sprintf("idle CPU on the title, %% (%d runs)", idle_runs), "cpu-title", "", "no more than the floor", "points")
    row(sprintf("idle CPU in a round, %% (%d runs)", idle_runs), "cpu-round", "", "no more than the floor", "points")
    row("  beside a floor repainting as it", "cpu-round-repainting", "", "", "points")
    row(sprintf("press, median ms (%d presses)", runs["press"]), "press-median", "ms", "at most 1.0x")
    row(sprintf("press, 90th percentile ms"), "press-p90", "ms", "at most 1.0x")
    row(sprintf("press, worst ms"), "press-max", "ms", "")
    printf "  %-34s resize to repaint, game only: median %.2f ms, 90th percentile %.2f ms, worst %.2f ms (%d resizes; aim: 90th percentile within 16.7 ms)\n",
        "", resize_median, resize_p90, resize_max, resize_n
}' "$figures"
