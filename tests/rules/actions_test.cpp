// SPDX-License-Identifier: MIT
#include "actions.h"
#include "scriptedrandom.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <tuple>

namespace {

using enum Action;

// The largest single-precision draw below 1.
const float TopR = std::nextafter(1.0f, 0.0f);

GameState playingState(std::uint8_t mood)
{
    GameState state;
    setFullMarks(state);
    state.Mood = mood;
    state.phase = Phase::Playing;
    return state;
}

// The ranges the game promises for each row, written out independently of
// the row formulas: mood, action, gauge, lowest and highest delta.
struct ExpectedRange
{
    int mood;
    Action action;
    int gauge, lowest, highest;
};

const ExpectedRange Ranges[] = {
    {0, Bite, Vampirism, 3, 9},        {0, Bite, Danger, 5, 9},           {0, WordsOfLove, Love, 5, 14},
    {1, Bite, Vampirism, 0, 2},        {1, Bite, Love, -9, 0},            {1, Bite, Danger, 10, 19},
    {1, WordsOfLove, Love, 3, 9},      {1, WordsOfLove, Danger, -4, -1},  {1, OrdinaryManner, Danger, -9, -3},
    {2, Bite, Vampirism, 0, 2},        {2, Bite, Love, -9, 0},            {2, Bite, Danger, 20, 29},
    {2, WordsOfLove, Love, 0, 2},      {2, WordsOfLove, Danger, 10, 19},  {2, OrdinaryManner, Danger, -9, -5},
};

class EffectRowRange : public ::testing::TestWithParam<int>
{
};

TEST_P(EffectRowRange, ReachesBothEndsAndEveryValueBetweenButNothingOutside)
{
    const EffectRow &row = Effects[GetParam()];
    const ExpectedRange &expected = Ranges[GetParam()];
    ASSERT_EQ(row.mood, expected.mood);
    ASSERT_TRUE(row.action == expected.action);
    ASSERT_EQ(row.gauge, expected.gauge);

    std::set<int> seen;
    // Every 2^-14 step of r, plus the very top draw.
    for (int k = 0; k < (1 << 14); ++k)
        seen.insert(row.delta(static_cast<float>(k) * 0x1p-14f));
    seen.insert(row.delta(TopR));

    EXPECT_EQ(*seen.begin(), expected.lowest);
    EXPECT_EQ(*seen.rbegin(), expected.highest);
    EXPECT_EQ(static_cast<int>(seen.size()), expected.highest - expected.lowest + 1);
}

INSTANTIATE_TEST_SUITE_P(EveryRow, EffectRowRange, ::testing::Range(0, static_cast<int>(std::size(Effects))));

TEST(EffectRow, AppliesTheMinusAfterTheFloor)
{
    // -floor(r * 4 + 1) at the top draw is -4; floor(-(r * 4 + 1)) would be -5.
    const EffectRow calming = effectRows(1, WordsOfLove)[1];
    EXPECT_EQ(calming.delta(TopR), -4);
    EXPECT_EQ(calming.delta(0.0f), -1);
}

TEST(EffectRow, KeepsTheTopOfTheLargestRangeBelowItsNextInteger)
{
    // r * 10 + 20 in single precision would round to 30 at the top draw.
    const EffectRow alarm = effectRows(2, Bite)[2];
    EXPECT_EQ(alarm.delta(TopR), 29);
}

TEST(Press, AppliesTheRowsOfTheMoodAndActionInOrderWithAFreshDrawEach)
{
    // Mood 1, bite: vampirism, then love, then danger.
    GameState state = playingState(1);
    state.Gauge = {10, 20, 30};
    ScriptedRandom random{0.99f, 0.5f, 0.0f};

    applyAction(state, Bite, random);

    EXPECT_EQ(state.Gauge[Vampirism], 12);
    EXPECT_EQ(state.Gauge[Love], 15);
    EXPECT_EQ(state.Gauge[Danger], 40);
    EXPECT_EQ(random.drawCount(), 3);
}

TEST(Press, WithoutRowsDrawsNothingAndChangesNothing)
{
    GameState state = playingState(0);
    state.Gauge = {40, 50, 100};
    ScriptedRandom random;

    applyAction(state, OrdinaryManner, random);

    EXPECT_EQ(random.drawCount(), 0);
    EXPECT_EQ(state.Gauge, (std::array<std::int16_t, 3>{40, 50, 100}));
    // The end check still runs after such a press: danger from the drift ends it.
    EXPECT_EQ(endCheck(state, false), EndingKind::Danger);
}

TEST(Press, FloorsLoveAtZero)
{
    GameState state = playingState(1);
    state.Gauge[Love] = 4;
    ScriptedRandom random{0.0f, TopR, 0.0f};

    applyAction(state, Bite, random);

    EXPECT_EQ(state.Gauge[Love], 0);
}

TEST(Press, CanBringDangerBackBelowItsMarkBeforeTheCheck)
{
    GameState state = playingState(1);
    state.Gauge[Danger] = 100;
    ScriptedRandom random{0.0f}; // -floor(0 * 7 + 3) = -3

    applyAction(state, OrdinaryManner, random);

    EXPECT_EQ(state.Gauge[Danger], 97);
    EXPECT_EQ(endCheck(state, false), std::nullopt);
}

TEST(Press, AMoodOutsideTheThreeHasNoRows)
{
    EXPECT_TRUE(effectRows(3, Bite).empty());
}

struct EndCheckCase
{
    int vampirism, love, danger;
    bool light;
    std::optional<EndingKind> expected;
};

class EndCheck : public ::testing::TestWithParam<EndCheckCase>
{
};

TEST_P(EndCheck, PicksTheEndingKindInItsOrder)
{
    const EndCheckCase c = GetParam();
    GameState state = playingState(0);
    state.Gauge = {static_cast<std::int16_t>(c.vampirism), static_cast<std::int16_t>(c.love),
                   static_cast<std::int16_t>(c.danger)};
    EXPECT_EQ(endCheck(state, c.light), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, EndCheck,
    ::testing::Values(
        EndCheckCase{99, 0, 99, false, std::nullopt},
        EndCheckCase{100, 0, 0, false, EndingKind::Bitten},
        EndCheckCase{100, 99, 0, false, EndingKind::Bitten},
        EndCheckCase{100, 99, 0, true, EndingKind::Bitten},
        EndCheckCase{100, 100, 0, false, EndingKind::Loved},
        EndCheckCase{100, 100, 0, true, EndingKind::Bitten},
        EndCheckCase{120, 250, 0, false, EndingKind::Loved},
        // Vampirism is checked first: danger full too never gives kind 2.
        EndCheckCase{100, 0, 120, false, EndingKind::Bitten},
        EndCheckCase{100, 100, 120, false, EndingKind::Loved},
        EndCheckCase{99, 100, 100, false, EndingKind::Danger},
        EndCheckCase{0, 0, 130, true, EndingKind::Danger}));

} // namespace
