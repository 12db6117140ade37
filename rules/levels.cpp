#include "levels.h"

#include "gamestate.h"

#include <iterator>

std::optional<Level> levelAt(int index)
{
    if (index < 0 || index >= static_cast<int>(std::size(Levels)))
        return std::nullopt;
    return Levels[index];
}

std::optional<std::int32_t> chooseLevel(GameState &state, int index)
{
    const auto level = levelAt(index);
    if (!level)
        return std::nullopt;
    state.MoodSpan = level->MoodSpan;
    state.MoodBase = level->MoodBase;
    return level->driftInterval;
}
