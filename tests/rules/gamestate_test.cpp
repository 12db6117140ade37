// SPDX-License-Identifier: MIT
#include "gamestate.h"

#include <gtest/gtest.h>

namespace {

struct AddCase
{
    std::uint8_t index;
    std::int16_t before, delta, after;
};

class AddGaugeCases : public ::testing::TestWithParam<AddCase>
{
};

TEST_P(AddGaugeCases, FloorsAtZeroAndHasNoTop)
{
    const AddCase c = GetParam();
    GameState state;
    setFullMarks(state);
    state.Gauge[c.index] = c.before;
    AddGauge(state, c.index, c.delta);
    EXPECT_EQ(state.Gauge[c.index], c.after);
    for (std::uint8_t other = 0; other < 3; ++other) {
        if (other != c.index) {
            EXPECT_EQ(state.Gauge[other], 0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, AddGaugeCases,
    ::testing::Values(AddCase{2, 3, -5, 0}, AddCase{2, 3, -3, 0}, AddCase{1, 0, 7, 7},
                      AddCase{0, 95, 9, 104}, AddCase{2, 100, 29, 129}, AddCase{0, 0, -1, 0},
                      AddCase{1, 32760, 14, 32767}));

TEST(TitleReset, ClearsTheRoundButKeepsMoodLevelAndFullMarks)
{
    GameState state;
    setFullMarks(state);
    state.Mood = 2;
    state.MoodSpan = 1500;
    state.MoodBase = 1000;
    state.BldStep = 3;
    state.Day = 17;
    state.Gauge = {50, 60, 70};
    state.phase = Phase::Ended;

    resetToTitle(state);

    EXPECT_EQ(state.BldStep, 0);
    EXPECT_EQ(state.Day, 0);
    EXPECT_EQ(state.Gauge, (std::array<std::int16_t, 3>{0, 0, 0}));
    EXPECT_EQ(state.phase, Phase::Title);
    EXPECT_EQ(state.Mood, 2);
    EXPECT_EQ(state.MoodSpan, 1500);
    EXPECT_EQ(state.MoodBase, 1000);
    EXPECT_EQ(state.GaugeMax, (std::array<std::int16_t, 3>{100, 100, 100}));
}

} // namespace
