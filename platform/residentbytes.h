// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

// Bytes whose pages are all in memory before the first is written. Linux
// maps them in one call; a file read into ordinary memory instead stops for
// every page it reaches, which makes reading the half-minute music at start
// take twice as long. Elsewhere they are ordinary memory. No toolkit here:
// the sound players use it.
struct ResidentBytesRelease
{
    std::size_t size = 0;
    void operator()(std::uint8_t *bytes) const;
};

using ResidentBytes = std::unique_ptr<std::uint8_t[], ResidentBytesRelease>;

// Empty for a size of 0, and where the memory is not to be had.
ResidentBytes residentBytes(std::size_t size);
