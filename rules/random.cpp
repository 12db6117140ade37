// SPDX-License-Identifier: MIT
#include "random.h"

#include <chrono>

SeededRandom::SeededRandom(std::uint64_t seed)
    : m_engine(seed)
{
}

SeededRandom SeededRandom::fromClock()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return SeededRandom(static_cast<std::uint64_t>(now.count()));
}

float SeededRandom::next()
{
    // 24 random bits scaled by 2^-24 are exact in a float: every k / 2^24
    // below 1 is equally likely and 1 itself never comes.
    const auto k = static_cast<std::uint32_t>(m_engine() >> 40);
    return static_cast<float>(k) * 0x1p-24f;
}
