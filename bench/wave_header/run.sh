#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# What a wave file whose header lies costs the game: the built game is run
# from three copies of its folder, side by side, and its peak virtual and
# resident memory and the time until its window shows are read once the
# title screen is up:
#
#   as built   the game's own files (the baseline);
#   4 GB data  "1.wav" with only its RIFF and data sizes changed to claim
#              4 GB of samples;
#   1 Hz rate  "1.wav" cut to its first 4 KB, sizes set to match, and its
#              sample rate changed to 1 Hz.
#
#     bench/wave_header/run.sh <build-folder>
#
# It builds nothing: build velmora and velmora_assets first. Sound goes to
# SDL's dummy driver. Needs Xvfb, xdotool, ImageMagick and python3.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../tests/e2e/lib.sh"
e2e_use_build "${1:-}" velmora stt.bmp 0.wav 1.wav
build=$BUILD
export E2E_WMCLOSE=${E2E_WMCLOSE:-$build/tests/e2e/wmclose}
e2e_require python3

# copy_game <folder>: the executable with every picture and sound beside it.
copy_game() {
    mkdir -p "$1"
    cp "$build/velmora" "$build"/*.bmp "$build"/*.wav "$1/"
}

# lie <wave> <riff|rate>: rewrites the header's fields in place.
lie() {
    python3 - "$1" "$2" <<'PY'
import struct, sys
path, what = sys.argv[1], sys.argv[2]
data = bytearray(open(path, "rb").read())
pos = 12
while pos + 8 <= len(data):
    chunk, size = data[pos:pos + 4], struct.unpack_from("<I", data, pos + 4)[0]
    if chunk == b"fmt " and what == "rate":
        struct.pack_into("<I", data, pos + 12, 1)
    if chunk == b"data" and what == "rate":
        del data[4096:]
        struct.pack_into("<I", data, 4, len(data) - 8)
        struct.pack_into("<I", data, pos + 4, len(data) - pos - 8)
        break
    if chunk == b"data" and what == "riff":
        struct.pack_into("<I", data, 4, 0xFFFFFFF0)
        struct.pack_into("<I", data, pos + 4, 0xFFFFFFF0 - pos)
        break
    pos += 8 + size + (size & 1)
open(path, "wb").write(data)
PY
}

copy_game "$E2E_WORK/built"
copy_game "$E2E_WORK/data4g"
lie "$E2E_WORK/data4g/1.wav" riff
copy_game "$E2E_WORK/rate1"
lie "$E2E_WORK/rate1/1.wav" rate

e2e_start_xvfb
echo "Peak memory and time to the title screen, $(nproc) cores, load $(cut -d ' ' -f 1-3 /proc/loadavg)"

# measure <folder>: one run; sets peak and hwm (kB) and ms.
measure() {
    local started=$EPOCHREALTIME
    e2e_start_game "$1/velmora"
    e2e_wait_for_window
    e2e_wait_for "title screen" e2e_shows_title
    ms=$(awk -v a="$started" -v b="$EPOCHREALTIME" 'BEGIN { printf "%d", (b - a) * 1000 }')
    peak=$(awk '/^VmPeak:/ {print $2}' "/proc/$E2E_GAME_PID/status")
    hwm=$(awk '/^VmHWM:/ {print $2}' "/proc/$E2E_GAME_PID/status")
    cp "$E2E_WORK/game.err" "$1/stderr"
    e2e_close_and_expect_exit 0
    rm -rf "$E2E_WORK/runtime"
}

measure "$E2E_WORK/built"
base_peak=$peak base_hwm=$hwm base_ms=$ms
printf '  %-10s VmPeak %7.1f MB  VmHWM %6.1f MB  title after %5d ms\n' "as built" \
    "$(bc <<<"scale=1; $peak / 1024")" "$(bc <<<"scale=1; $hwm / 1024")" "$ms"
for case in data4g rate1; do
    measure "$E2E_WORK/$case"
    printf '  %-10s VmPeak %7.1f MB  VmHWM %6.1f MB  title after %5d ms   ratios %.2f %.2f %.2f\n' \
        "$case" "$(bc <<<"scale=1; $peak / 1024")" "$(bc <<<"scale=1; $hwm / 1024")" "$ms" \
        "$(bc -l <<<"$peak / $base_peak")" "$(bc -l <<<"$hwm / $base_hwm")" "$(bc -l <<<"$ms / $base_ms")"
    sed 's/^/             said: /' "$E2E_WORK/$case/stderr"
done
