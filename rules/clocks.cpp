// SPDX-License-Identifier: MIT
#include "clocks.h"

#include "gamestate.h"
#include "random.h"

#include <cmath>

std::int32_t moodInterval(float r, std::int16_t MoodSpan, std::int16_t MoodBase)
{
    const float product = r * static_cast<float>(MoodSpan);
    const float sum = product + static_cast<float>(MoodBase);
    return static_cast<std::int32_t>(std::floor(sum));
}

std::uint8_t drawMood(float r)
{
    // In double, so that no draw below 1 can round up to 3.
    return static_cast<std::uint8_t>(std::floor(static_cast<double>(r) * MoodCount));
}

std::int32_t startRound(GameState &state, RandomSource &random)
{
    const std::int32_t interval = moodInterval(random.next(), state.MoodSpan, state.MoodBase);
    state.Mood = drawMood(random.next());
    state.phase = Phase::Playing;
    return interval;
}

std::int32_t changeMood(GameState &state, RandomSource &random)
{
    const std::int32_t interval = moodInterval(random.next(), state.MoodSpan, state.MoodBase);
    std::uint8_t mood = drawMood(random.next());
    while (mood == state.Mood)
        mood = drawMood(random.next());
    state.Mood = mood;
    return interval;
}

void drift(GameState &state, RandomSource &random)
{
    state.BldStep = static_cast<std::int16_t>(state.BldStep % 3 + 1);
    const auto rise = static_cast<std::int16_t>(std::floor(static_cast<double>(random.next()) * 2 + 1));
    AddGauge(state, Danger, rise);
    if (state.BldStep == 3)
        AddGauge(state, Vampirism, -1);
}

bool advanceDay(GameState &state)
{
    if (state.Day < LastDay) {
        ++state.Day;
        return false;
    }
    return true;
}
