// SPDX-License-Identifier: MIT
#include "endings.h"
#include "gamestate.h"

#include <gtest/gtest.h>

#include <string>

namespace {

GameState withGauges(int vampirism, int danger)
{
    GameState state;
    setFullMarks(state);
    state.Gauge = {static_cast<std::int16_t>(vampirism), 0, static_cast<std::int16_t>(danger)};
    return state;
}

struct EndingCase
{
    EndingKind kind;
    int vampirism, danger;
    const char *title;
    std::vector<std::string_view> pictures;
    std::size_t boxes;
};

class EndingChoice : public ::testing::TestWithParam<EndingCase>
{
};

TEST_P(EndingChoice, SplitsAtHalfTheFullMark)
{
    const EndingCase c = GetParam();
    const Ending &ending = chooseEnding(c.kind, withGauges(c.vampirism, c.danger));
    EXPECT_EQ(ending.title, c.title);
    EXPECT_EQ(ending.pictures, c.pictures);
    EXPECT_EQ(ending.boxes.size(), c.boxes);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, EndingChoice,
    ::testing::Values(
        EndingCase{EndingKind::Bitten, 100, 50, "<<吸血鬼狩りの夜>>", {"end0.bmp", "end02.bmp"}, 3},
        EndingCase{EndingKind::Bitten, 100, 49, "<<憎しみの片割れ>>", {"end0.bmp"}, 2},
        // Danger pushed past its mark by the drift still counts as half or more.
        EndingCase{EndingKind::Bitten, 100, 130, "<<吸血鬼狩りの夜>>", {"end0.bmp", "end02.bmp"}, 3},
        EndingCase{EndingKind::Loved, 100, 0, "<<青の夜>>", {"end1.bmp"}, 4},
        EndingCase{EndingKind::Loved, 100, 100, "<<青の夜>>", {"end1.bmp"}, 4},
        EndingCase{EndingKind::Danger, 50, 100, "<<半妖の君>>", {"end2.bmp", "end22.bmp"}, 4},
        EndingCase{EndingKind::Danger, 49, 100, "<<永久の幕>>", {"end2.bmp"}, 1},
        // At the end of the days the choice is by vampirism alone.
        EndingCase{EndingKind::Danger, 49, 300, "<<永久の幕>>", {"end2.bmp"}, 1},
        EndingCase{EndingKind::Danger, 80, 0, "<<半妖の君>>", {"end2.bmp", "end22.bmp"}, 4}));

const Ending &byTitle(std::string_view title)
{
    for (const Ending &ending : allEndings())
        if (ending.title == title)
            return ending;
    throw std::runtime_error("no ending titled " + std::string(title));
}

TEST(EndingText, HuntTellsItsThreeLinesInOrder)
{
    EXPECT_EQ(byTitle("<<吸血鬼狩りの夜>>").boxes,
              (std::vector<std::string_view>{"ああ、あんなにもたいまつが燃えている。",
                                             "私の手元に残っているのは憎しみだけ", "君も私を憎んでいる。"}));
}

TEST(EndingText, HatredOpensWithATwoLineBox)
{
    EXPECT_EQ(byTitle("<<憎しみの片割れ>>").boxes,
              (std::vector<std::string_view>{"ただ時はサラサラと流れ\r\n永遠にさまよう私たちに実体はあるのかないのか。",
                                             "ただ彼女は私を憎み吸血鬼になった。"}));
}

TEST(EndingText, BlueNightTellsFourOneLineBoxes)
{
    EXPECT_EQ(byTitle("<<青の夜>>").boxes,
              (std::vector<std::string_view>{"青い夜の晩は翼を広げて空に行こう", "孤独な時の旅も貴方となら悪くない。",
                                             "吸血鬼になった彼女は私を憎まなかった。", "私は愛を手に入れた。"}));
}

TEST(EndingText, HalfTurnedHasTwoTwoLineBoxes)
{
    EXPECT_EQ(byTitle("<<半妖の君>>").boxes,
              (std::vector<std::string_view>{"死の痛みよりも君の痛みが先立ち\r\n軋む。", "君を残していくことの罪悪。",
                                             "もう人ではない君\r\n吸血鬼でもない君、", "半妖の君。"}));
}

TEST(EndingText, CurtainIsOneBoxOfTwoLines)
{
    EXPECT_EQ(byTitle("<<永久の幕>>").boxes,
              (std::vector<std::string_view>{"永遠の時の生涯に幕を下ろそう、\r\n君に殺されるのならそれでもいい。"}));
}

TEST(EndingText, EveryLineBreakIsCrLfAndNoBoxIsShared)
{
    std::vector<std::string_view> seen;
    for (const Ending &ending : allEndings()) {
        for (std::string_view box : ending.boxes) {
            for (std::size_t i = 0; i < box.size(); ++i) {
                if (box[i] == '\n') {
                    EXPECT_TRUE(i > 0 && box[i - 1] == '\r') << box;
                }
            }
            EXPECT_EQ(std::count(seen.begin(), seen.end(), box), 0) << box;
            seen.push_back(box);
        }
    }
    EXPECT_EQ(seen.size(), 14u);
}

} // namespace
