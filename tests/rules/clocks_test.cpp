#include "clocks.h"
#include "gamestate.h"
#include "levels.h"
#include "scriptedrandom.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const float TopR = std::nextafter(1.0f, 0.0f);       // 1 - 2^-24
const float SecondR = std::nextafter(TopR, 0.0f);    // 1 - 2^-23

struct IntervalRange
{
    int lowest;
    int highest;
    int drawsAtHighest;
};

// Walks every single-precision draw k / 2^24 through the mood interval.
IntervalRange everyInterval(const Level &level)
{
    IntervalRange range{1 << 30, -1, 0};
    for (std::uint32_t k = 0; k < (1u << 24); ++k) {
        const int interval = moodInterval(static_cast<float>(k) * 0x1p-24f, level.MoodSpan, level.MoodBase);
        range.lowest = std::min(range.lowest, interval);
        if (interval > range.highest) {
            range.highest = interval;
            range.drawsAtHighest = 0;
        }
        if (interval == range.highest)
            ++range.drawsAtHighest;
    }
    return range;
}

TEST(MoodInterval, atTheLightLevelReaches2500OnlyForTheTwoLargestDraws)
{
    const IntervalRange range = everyInterval(Levels[0]);
    EXPECT_EQ(range.lowest, 1000);
    EXPECT_EQ(range.highest, 2500);
    EXPECT_EQ(range.drawsAtHighest, 2);
    EXPECT_EQ(moodInterval(TopR, 1500, 1000), 2500);
    EXPECT_EQ(moodInterval(SecondR, 1500, 1000), 2500);
}

TEST(MoodInterval, atTheNormalLevelNeverExceeds1999)
{
    const IntervalRange range = everyInterval(Levels[1]);
    EXPECT_EQ(range.lowest, 800);
    EXPECT_EQ(range.highest, 1999);
}

TEST(MoodInterval, atTheHeavyLevelReaches1500OnlyForTheLargestDraw)
{
    const IntervalRange range = everyInterval(Levels[2]);
    EXPECT_EQ(range.lowest, 500);
    EXPECT_EQ(range.highest, 1500);
    EXPECT_EQ(range.drawsAtHighest, 1);
    EXPECT_EQ(moodInterval(TopR, 1000, 500), 1500);
    EXPECT_EQ(moodInterval(SecondR, 1000, 500), 1499);
}

TEST(MoodChange, drawsTheIntervalFirstThenRedrawsTheMoodUntilItDiffers)
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

TEST(MoodChange, neverRepeatsTheMoodOnConsecutiveTicks)
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

TEST(MoodDraw, coversTheThreeMoodsAndNeverAFourth)
{
    EXPECT_EQ(drawMood(0.0f), 0);
    EXPECT_EQ(drawMood(0.34f), 1);
    EXPECT_EQ(drawMood(0.67f), 2);
    EXPECT_EQ(drawMood(TopR), 2);
}

TEST(Drift, cyclesItsStepFromTheResetAndWearsVampirismDownEveryThirdTick)
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

TEST(Drift, raisesDangerByOneOrTwoAndKeepsVampirismAtZero)
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

TEST(Drift, passesTheFullMarkOfDangerWithoutEndingAnything)
{
    GameState state;
    setFullMarks(state);
    state.Gauge[Danger] = 99;
    ScriptedRandom random{TopR};
    drift(state, random);
    EXPECT_EQ(state.Gauge[Danger], 101);
}

TEST(DayClock, countsToDay31AndEndsTheRoundOnTheNextTick)
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
