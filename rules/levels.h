// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>

struct GameState;

// The three difficulty levels chosen on the title screen. A level sets the
// pace of the drift timer and the span of the mood intervals; the day clock
// and the effects of the actions are the same at every level.
struct Level
{
    std::int32_t driftInterval; // BldTim.Interval, ms
    std::int16_t MoodSpan;
    std::int16_t MoodBase;
};

inline constexpr Level Levels[] = {
    {400, 1500, 1000}, // "軽い"
    {300, 1200, 800},  // "普通"
    {250, 1000, 500},  // "重い"
};

inline constexpr int DefaultLevel = 1;

// Copies a level's mood pace into the state; returns the drift interval the
// window gives its drift timer, or nothing (and no change) for a bad index.
std::optional<std::int32_t> chooseLevel(GameState &state, int index);
