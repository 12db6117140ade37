#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fuzzes the two readers of files the game does not write itself, each for
# a bounded time, and prints what was tried and found. Seeds are made from
# the game's own built pictures and sounds: each cut small and written in
# the other encodings a bitmap or a wave file can have. The corpora grow in
# <fuzz-build>/bench/fuzz/corpus-*, and any input that crashes, trips a
# sanitizer, allocates over 256 MB at once or takes over 10 s is kept in
# <fuzz-build>/bench/fuzz/findings-*; each run's whole log is left in
# <fuzz-build>/bench/fuzz/last-*.log. It builds nothing: first
#
#     cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 \
#         -DVELMORA_BUILD_FUZZ=ON -DBUILD_TESTING=OFF
#     ASAN_OPTIONS=detect_leaks=0 cmake --build build-fuzz \
#         --target fuzz_picture fuzz_wave velmora_assets
#     bench/fuzz/run.sh build-fuzz [seconds-per-target, default 120]
#
# Needs sox and ImageMagick for the seeds. Exit status: 0 when nothing was
# found, 1 when a target found something, 2 usage.
set -euo pipefail
if [[ $# -lt 1 || $# -gt 2 || ! -d "$1" ]]; then
    echo "usage: $(basename "$0") <fuzz-build-folder> [seconds-per-target]" >&2
    exit 2
fi
build=$(cd "$1" && pwd)
seconds=${2:-120}
here="$build/bench/fuzz"
for file in fuzz_picture fuzz_wave; do
    [[ -x "$here/$file" ]] || { echo "$here/$file is missing: build it first" >&2; exit 2; }
done
for file in stt.bmp 0.bmp 22.bmp end.bmp 0.wav 1.wav 2.wav 3.wav; do
    [[ -r "$build/$file" ]] || { echo "$build/$file is missing: build velmora_assets first" >&2; exit 2; }
done
for tool in sox convert; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 2; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/velmora-fuzz.XXXXXX")
trap 'rm -rf "$work"' EXIT

# Picture seeds: a few of the game's bitmaps at 12 x 12, in every header
# and pixel layout a bitmap can have.
mkdir -p "$work/seeds-picture"
for picture in stt 0 22 end; do
    small=(convert "$build/$picture.bmp" -resize '12x12!')
    "${small[@]}" "BMP3:$work/seeds-picture/$picture-rgb24.bmp"
    "${small[@]}" -colors 16 -type Palette "BMP3:$work/seeds-picture/$picture-pal8.bmp"
    "${small[@]}" -colors 200 -type Palette -compress RLE "BMP3:$work/seeds-picture/$picture-rle8.bmp"
    "${small[@]}" -monochrome "BMP3:$work/seeds-picture/$picture-mono.bmp"
    "${small[@]}" -alpha set -define bmp:format=bmp4 "BMP:$work/seeds-picture/$picture-argb32.bmp"
    "${small[@]}" "BMP:$work/seeds-picture/$picture-v5.bmp"
    "${small[@]}" "BMP2:$work/seeds-picture/$picture-os2.bmp"
done

# Sound seeds: 50 ms of each of the game's sounds in every encoding the
# player accepts.
mkdir -p "$work/seeds-wave"
for sound in 0 1 2 3; do
    out="$work/seeds-wave/$sound"
    cut=(sox "$build/$sound.wav")
    "${cut[@]}" "$out-pcm16.wav" trim 0.1 0.05
    "${cut[@]}" -b 8 -e unsigned "$out-pcm8-22k.wav" rate 22050 trim 0.1 0.05
    "${cut[@]}" -b 24 -c 2 "$out-pcm24-stereo-48k.wav" rate 48000 trim 0.1 0.05
    "${cut[@]}" -e floating-point -b 32 "$out-float.wav" trim 0.1 0.05
    "${cut[@]}" -e a-law "$out-alaw-8k.wav" rate 8000 trim 0.1 0.05
    "${cut[@]}" -e u-law "$out-ulaw-8k.wav" rate 8000 trim 0.1 0.05
    "${cut[@]}" -e ima-adpcm "$out-ima.wav" trim 0.1 0.05
    "${cut[@]}" -e ms-adpcm -c 2 "$out-ms-stereo.wav" trim 0.1 0.05
done

found=0
for target in picture wave; do
    corpus="$here/corpus-$target"
    findings="$here/findings-$target"
    mkdir -p "$corpus" "$findings"
    echo "== fuzz_$target for $seconds s: $(find "$work/seeds-$target" -type f | wc -l) seeds," \
        "$(find "$corpus" -type f | wc -l) inputs in the corpus so far"
    # Standard error is closed for the target's own refusals; libFuzzer
    # and the sanitizers still report on it.
    status=0
    "$here/fuzz_$target" "$corpus" "$work/seeds-$target" \
        -max_total_time="$seconds" -max_len=65536 -malloc_limit_mb=256 -rss_limit_mb=2048 -timeout=10 \
        -close_fd_mask=2 -print_final_stats=1 -artifact_prefix="$findings/" \
        >"$here/last-$target.log" 2>&1 || status=$?
    grep -E '^(stat::number_of_executed_units|stat::average_exec_per_sec|stat::new_units_added|stat::peak_rss_mb)|^Done ' \
        "$here/last-$target.log" | sed 's/^/  /' || true
    grep -E 'INITED' "$here/last-$target.log" | sed 's/^/  /' || true
    echo "  corpus: $(find "$corpus" -type f | wc -l) inputs, $(du -sk "$corpus" | cut -f 1) kB"
    kept=$(find "$findings" -type f | wc -l)
    if ((status != 0 || kept > 0)); then
        found=1
        echo "  FOUND: exit status $status, $kept inputs kept in $findings"
        grep -E 'ERROR|SUMMARY|==[0-9]+==' "$here/last-$target.log" | head -n 20 | sed 's/^/  /' || true
    else
        echo "  nothing found"
    fi
done
exit "$found"
