// SPDX-License-Identifier: MIT
#include "endings.h"

#include "gamestate.h"

namespace {

enum { Hunt, Hatred, BlueNight, HalfTurned, Curtain };

const std::vector<Ending> Endings = {
    {"<<吸血鬼狩りの夜>>",
     {"end0.bmp", "end02.bmp"},
     {"ああ、あんなにもたいまつが燃えている。",
      "私の手元に残っているのは憎しみだけ",
      "君も私を憎んでいる。"}},
    {"<<憎しみの片割れ>>",
     {"end0.bmp"},
     {"ただ時はサラサラと流れ\r\n永遠にさまよう私たちに実体はあるのかないのか。",
      "ただ彼女は私を憎み吸血鬼になった。"}},
    {"<<青の夜>>",
     {"end1.bmp"},
     {"青い夜の晩は翼を広げて空に行こう",
      "孤独な時の旅も貴方となら悪くない。",
      "吸血鬼になった彼女は私を憎まなかった。",
      "私は愛を手に入れた。"}},
    {"<<半妖の君>>",
     {"end2.bmp", "end22.bmp"},
     {"死の痛みよりも君の痛みが先立ち\r\n軋む。",
      "君を残していくことの罪悪。",
      "もう人ではない君\r\n吸血鬼でもない君、",
      "半妖の君。"}},
    {"<<永久の幕>>",
     {"end2.bmp"},
     {"永遠の時の生涯に幕を下ろそう、\r\n君に殺されるのならそれでもいい。"}},
};

bool atLeastHalf(const GameState &state, GaugeIndex index)
{
    return state.Gauge[index] >= state.GaugeMax[index] / 2;
}

} // namespace

const Ending &chooseEnding(EndingKind kind, const GameState &state)
{
    switch (kind) {
    case EndingKind::Bitten:
        return Endings[atLeastHalf(state, Danger) ? Hunt : Hatred];
    case EndingKind::Loved:
        return Endings[BlueNight];
    case EndingKind::Danger:
        break;
    }
    return Endings[atLeastHalf(state, Vampirism) ? HalfTurned : Curtain];
}

const std::vector<Ending> &allEndings()
{
    return Endings;
}
