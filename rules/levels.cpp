// SPDX-License-Identifier: MIT
#include "levels.h"

#include "gamestate.h"

#include <iterator>

std::optional<std::int32_t> chooseLevel(GameState &state, int index)
{
    // The options never give another index; any other is ignored.
    if (index < 0 || index >= static_cast<int>(std::size(Levels)))
        return std::nullopt;
    const Level &level = Levels[index];
    state.MoodSpan = level.MoodSpan;
    state.MoodBase = level.MoodBase;
    return level.driftInterval;
}
