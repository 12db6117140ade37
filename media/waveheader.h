// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

// What a wave file's header claims, held against the file itself before any
// decoder believes it. A decoder reserves memory for whatever the header
// promises: a data chunk that claims 4 GB, or a rate of 1 Hz that stretches
// a few samples over hours at the mixer's rate, costs gigabytes before a
// single sample is heard. checkWave() walks the RIFF chunks of the whole file
// up to the samples and accepts it only when its format is one a game sound
// can have and every chunk before the samples lies within the file. A data
// chunk that runs past the end is a file cut short: what it holds still
// plays. fitToFile() then makes the header claim exactly what is there, so
// the decoder never sees the lie. Pure functions: no file, no SDL.
struct WaveHeader
{
    // From the telephone's rate to a studio's.
    static constexpr std::uint32_t MinRate = 8000;
    static constexpr std::uint32_t MaxRate = 384000;
    static constexpr int MaxChannels = 8;
    // Far longer than any music or effect of a game; decoded at the mixer's
    // rate, ten minutes take about 50 MB.
    static constexpr std::uint32_t MaxSeconds = 600;

    // The encoding: 1 PCM, 3 floating point, 6 A-law, 7 mu-law, 2 and 0x11
    // ADPCM; an extensible format gives the tag of its subformat.
    std::uint16_t encoding = 0;
    std::uint16_t channels = 0;
    std::uint32_t rate = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    // Where the samples start in the file.
    std::size_t dataOffset = 0;
    // What the data chunk says it holds, and what the file holds of it.
    std::uint32_t claimedBytes = 0;
    std::size_t heldBytes = 0;

    bool isCutShort() const { return heldBytes < claimedBytes; }
    // The file up to the end of the samples it holds.
    std::size_t fittedSize() const { return dataOffset + heldBytes; }
    // How long the samples the file holds play, at its own rate.
    std::int32_t milliseconds() const;
};

struct WaveCheck
{
    std::optional<WaveHeader> header;
    // Why the file cannot be played, when there is no header.
    std::string problem;
};

WaveCheck checkWave(std::span<const std::uint8_t> file);

// file: bytes that checkWave() accepted with this header. Sets the RIFF and
// data sizes to what the file holds, and gives the length of the file up
// to the end of its samples: whatever follows them is for the caller to drop.
std::size_t fitToFile(std::span<std::uint8_t> file, const WaveHeader &header);
