// SPDX-License-Identifier: MIT
#include "gamestate.h"
#include "levels.h"

#include <gtest/gtest.h>

namespace {

TEST(Level, EachOptionSetsTheDriftAndTheMoodPace)
{
    struct Row { int index; std::int32_t drift; std::int16_t span, base; };
    for (const Row row : {Row{0, 400, 1500, 1000}, Row{1, 300, 1200, 800}, Row{2, 250, 1000, 500}}) {
        GameState state;
        EXPECT_EQ(chooseLevel(state, row.index), row.drift);
        EXPECT_EQ(state.MoodSpan, row.span);
        EXPECT_EQ(state.MoodBase, row.base);
    }
}

TEST(Level, TheLastChoiceCounts)
{
    GameState state;
    chooseLevel(state, 0);
    chooseLevel(state, DefaultLevel);
    EXPECT_EQ(state.MoodSpan, 1200);
    EXPECT_EQ(state.MoodBase, 800);
}

TEST(Level, AnIndexOutsideTheOptionsChangesNothing)
{
    for (int index : {-1, 3, 100}) {
        GameState state;
        chooseLevel(state, 2);
        EXPECT_EQ(chooseLevel(state, index), std::nullopt);
        EXPECT_EQ(state.MoodSpan, 1000);
        EXPECT_EQ(state.MoodBase, 500);
    }
}

} // namespace
