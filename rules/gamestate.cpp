// SPDX-License-Identifier: MIT
#include "gamestate.h"

#include <algorithm>
#include <cassert>
#include <limits>

void AddGauge(GameState &state, std::uint8_t Index, std::int16_t Delta)
{
    assert(Index < state.Gauge.size());
    const int sum = state.Gauge.at(Index) + Delta;
    // A sum past the 16-bit range would take thousands of presses in one
    // 80-second round; keep the top instead of wrapping round to negative.
    const int top = std::numeric_limits<std::int16_t>::max();
    state.Gauge[Index] = static_cast<std::int16_t>(std::clamp(sum, 0, top));
}

void setFullMarks(GameState &state)
{
    state.GaugeMax = {100, 100, 100};
}

void resetToTitle(GameState &state)
{
    state.BldStep = 0;
    state.Day = 0;
    state.Gauge = {0, 0, 0};
    state.phase = Phase::Title;
}
