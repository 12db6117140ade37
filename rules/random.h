// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <random>

// Where every r of the game comes from: a uniform single-precision draw in
// [0, 1) in which each value k / 2^24 can occur, so the very top of the range
// (1 - 2^-24, 1 - 2^-23) is reachable and the rounding of the mood interval
// at those draws really happens in play. The game seeds one source from the
// clock at start-up; tests hand in a scripted one.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
};

class SeededRandom final : public RandomSource
{
public:
    explicit SeededRandom(std::uint64_t seed);
    static SeededRandom fromClock();

    float next() override;

private:
    std::mt19937_64 m_engine;
};
