// SPDX-License-Identifier: MIT
#include "clocks.h"
#include "gamestate.h"
#include "levels.h"
#include "scriptedrandom.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace {

const float TopR = std::nextafter(1.0f, 0.0f); // 1 - 2^-24

struct IntervalRange
{
    int level;
    int lowest;
    int highest;
    int drawsPastExactTop; // draws above base + span - 1, the top with exact arithmetic
};

void PrintTo(const IntervalRange &range, std::ostream *os)
{
    *os << "level " << range.level;
}

class MoodInterval : public ::testing::TestWithParam<IntervalRange>
{
};

// Walks every single-precision draw k / 2^24 through the mood interval: the
// rounding to float lifts only the very largest draws past the exact top.
TEST_P(MoodInterval, StaysInItsLevelsRangeExceptForTheTopDraws)
{
    const IntervalRange expected = GetParam();
    const Level &level = Levels[expected.level];
    const int exactTop = level.MoodBase + level.MoodSpan - 1;
    IntervalRange range{expected.level, 1 << 30, -1, 0};
    for (std::uint32_t k = 0; k < (1u << 24); ++k) {
        const int interval = moodInterval(static_cast<float>(k) * 0x1p-24f, level.MoodSpan, level.MoodBase);
        range.lowest = std::min(range.lowest, interval);
        range.highest = std::max(range.highest, interval);
        range.drawsPastExactTop += interval > exactTop;
    }
    EXPECT_EQ(range.lowest, expected.lowest);
    EXPECT_EQ(range.highest, expected.highest);
    EXPECT_EQ(range.drawsPastExactTop, expected.drawsPastExactTop);
}

INSTANTIATE_TEST_SUITE_P(EveryLevel, MoodInterval,
                         ::testing::Values(IntervalRange{0, 1000, 2500, 2}, IntervalRange{1, 800, 1999, 0},
                                           IntervalRange{2, 500, 1500, 1}));

TEST(RoundStart, DrawsTheFirstIntervalBeforeTheMood)
{
    GameState state;
    state.MoodSpan = 1200;
    state.MoodBase = 800;
    state.Mood = 2;
    ScriptedRandom random{0.25f, 0.9f};

    EXPECT_EQ(startRound(state, random), 1100);
    EXPECT_EQ(state.Mood, 2); // may repeat the mood of the last round
    EXPECT_EQ(state.phase, Phase::Playing);
    EXPECT_EQ(random.drawCount(), 2);
}

TEST(MoodChange, DrawsTheIntervalFirstThenRedrawsTheMoodUntilItDiffers)
{
    GameState state;
    state.MoodSpan = 1200;
    state.MoodBase = 800;
    state.Mood = 1;
    // Interval 0.5 -> 1400 ms; moods 1, 1 (same as now, drawn again), then 2.
    ScriptedRandom random{0.5f, 0.4f, 0.5f, 0.9f};

    EXPECT_EQ(changeMood(state, random), 1400);
    EXPECT_EQ(state.Mood, 2);
    EXPECT_EQ(random.drawCount(), 4);
}

TEST(MoodChange, NeverRepeatsTheMoodOnConsecutiveTicks)
{
    GameState state;
    state.MoodSpan = 1000;
    state.MoodBase = 500;
    SeededRandom random(2024);
    std::uint8_t previous = state.Mood;
    int returnedToTheOneBefore = 0;
    std::uint8_t beforePrevious = 3;
    for (int tick = 0; tick < 2000; ++tick) {
        changeMood(state, random);
        ASSERT_NE(state.Mood, previous);
        ASSERT_LE(state.Mood, 2);
        returnedToTheOneBefore += state.Mood == beforePrevious;
        beforePrevious = previous;
        previous = state.Mood;
    }
    // Both other moods come up: it is not a fixed rotation.
    EXPECT_GT(returnedToTheOneBefore, 500);
}

TEST(MoodDraw, CoversTheThreeMoodsAndNeverAFourth)
{
    EXPECT_EQ(drawMood(0.0f), 0);
    EXPECT_EQ(drawMood(0.34f), 1);
    EXPECT_EQ(drawMood(0.67f), 2);
    EXPECT_EQ(drawMood(TopR), 2);
}

TEST(Drift, CyclesItsStepFromTheResetAndWearsVampirismDownEveryThirdTick)
{
    GameState state;
    setFullMarks(state);
    state.Gauge = {10, 0, 0};
    resetToTitle(state);
    state.Gauge[Vampirism] = 10;
    ScriptedRandom random;
    random.setFallback(0.0f); // danger +1 a tick

    const int expectedStep[] = {1, 2, 3, 1, 2, 3, 1};
    const int expectedVampirism[] = {10, 10, 9, 9, 9, 8, 8};
    for (int tick = 0; tick < 7; ++tick) {
        drift(state, random);
        EXPECT_EQ(state.BldStep, expectedStep[tick]) << "tick " << tick + 1;
        EXPECT_EQ(state.Gauge[Vampirism], expectedVampirism[tick]) << "tick " << tick + 1;
        EXPECT_EQ(state.Gauge[Danger], tick + 1);
    }
}

TEST(Drift, RaisesDangerByOneOrTwoAndKeepsVampirismAtZero)
{
    GameState state;
    setFullMarks(state);
    ScriptedRandom random{0.0f, 0.4999f, 0.5f, TopR};

    drift(state, random);
    drift(state, random);
    EXPECT_EQ(state.Gauge[Danger], 2);
    drift(state, random); // third tick: vampirism would fall, but it is 0
    EXPECT_EQ(state.Gauge[Danger], 4);
    EXPECT_EQ(state.Gauge[Vampirism], 0);
    drift(state, random);
    EXPECT_EQ(state.Gauge[Danger], 6);
}

TEST(Drift, PassesTheFullMarkOfDangerWithoutEndingAnything)
{
    GameState state;
    setFullMarks(state);
    state.Gauge[Danger] = 99;
    ScriptedRandom random{TopR};
    drift(state, random);
    EXPECT_EQ(state.Gauge[Danger], 101);
}

TEST(DayClock, CountsToDay31AndEndsTheRoundOnTheNextTick)
{
    GameState state;
    resetToTitle(state);
    for (int day = 1; day <= 31; ++day) {
        ASSERT_FALSE(advanceDay(state));
        ASSERT_EQ(state.Day, day);
    }
    EXPECT_TRUE(advanceDay(state));
    EXPECT_EQ(state.Day, 31);
}

} // namespace
