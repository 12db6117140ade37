// SPDX-License-Identifier: MIT
// Wave files of PCM, written the one way the project writes them: wavsynth
// stores the game's sounds, the tests and benchmarks their made-up waves.
// waveBytes() lays a whole file out in memory, so a test can still spoil a
// header field before it is written; writeFile() stores bytes beside the
// target first and renames at the end, so a failed run never leaves half a
// file under the real name. Both throw std::runtime_error on failure, the
// writer naming the path.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

// PCM of any rate, 1 or 2 channels, 8 or 16 bits.
struct WaveFormat
{
    int rate = 44100;
    int channels = 2;
    int bits = 16;
};

// sample(frame, channel) gives a 16-bit value; 8-bit files keep its top byte.
using SampleFunction = std::function<std::int16_t(int frame, int channel)>;

std::vector<std::uint8_t> waveBytes(const WaveFormat &format, std::size_t frames, const SampleFunction &sample);
void writeFile(const std::filesystem::path &path, const std::vector<std::uint8_t> &bytes);
