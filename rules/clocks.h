// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

struct GameState;
class RandomSource;

// The three clocks of a round, as pure steps on the game state, and the start
// of a round, which arms the first of them. The window's timers call them;
// none of them ever ends a round by itself except the day clock, which says
// so.

// floor(r * MoodSpan + MoodBase) in single precision: the product is rounded
// to float, then the sum, and only then floored. At the very top of r this
// rounding gives 2500 ms at the light level and 1500 ms at the heavy one.
std::int32_t moodInterval(float r, std::int16_t MoodSpan, std::int16_t MoodBase);

// floor(r * 3): a mood 0..2.
std::uint8_t drawMood(float r);

// The start of a round: the mood timer's first interval (returned, in ms) is
// drawn first, then the first mood, which may repeat the last round's.
std::int32_t startRound(GameState &state, RandomSource &random);

// A tick of the mood timer: draws the next interval (returned, in ms), then a
// new mood, drawing again until it differs from the current one.
std::int32_t changeMood(GameState &state, RandomSource &random);

// A tick of the drift timer: danger rises by 1 or 2, and every third tick
// vampirism falls by 1. No end test: danger may pass its mark here.
void drift(GameState &state, RandomSource &random);

// A tick of the day clock: counts up to day 31; the tick after day 31 leaves
// the day as it is and returns true, the round is over.
bool advanceDay(GameState &state);

inline constexpr std::uint8_t LastDay = 31;
