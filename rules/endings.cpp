// SPDX-License-Identifier: MIT
#include "endings.h"

#include "gamestate.h"
#include "playertext.h"

namespace {

enum { Hunt, Hatred, BlueNight, HalfTurned, Curtain };

const std::vector<Ending> Endings = {
    {PLAYER_TEXT("Endings", "<<吸血鬼狩りの夜>>"),
     {"end0.bmp", "end02.bmp"},
     {PLAYER_TEXT("Endings", "ああ、あんなにもたいまつが燃えている。"),
      PLAYER_TEXT("Endings", "私の手元に残っているのは憎しみだけ"),
      PLAYER_TEXT("Endings", "君も私を憎んでいる。")}},
    {PLAYER_TEXT("Endings", "<<憎しみの片割れ>>"),
     {"end0.bmp"},
     {PLAYER_TEXT("Endings", "ただ時はサラサラと流れ\r\n永遠にさまよう私たちに実体はあるのかないのか。"),
      PLAYER_TEXT("Endings", "ただ彼女は私を憎み吸血鬼になった。")}},
    {PLAYER_TEXT("Endings", "<<青の夜>>"),
     {"end1.bmp"},
     {PLAYER_TEXT("Endings", "青い夜の晩は翼を広げて空に行こう"),
      PLAYER_TEXT("Endings", "孤独な時の旅も貴方となら悪くない。"),
      PLAYER_TEXT("Endings", "吸血鬼になった彼女は私を憎まなかった。"),
      PLAYER_TEXT("Endings", "私は愛を手に入れた。")}},
    {PLAYER_TEXT("Endings", "<<半妖の君>>"),
     {"end2.bmp", "end22.bmp"},
     {PLAYER_TEXT("Endings", "死の痛みよりも君の痛みが先立ち\r\n軋む。"),
      PLAYER_TEXT("Endings", "君を残していくことの罪悪。"),
      PLAYER_TEXT("Endings", "もう人ではない君\r\n吸血鬼でもない君、"),
      PLAYER_TEXT("Endings", "半妖の君。")}},
    {PLAYER_TEXT("Endings", "<<永久の幕>>"),
     {"end2.bmp"},
     {PLAYER_TEXT("Endings", "永遠の時の生涯に幕を下ろそう、\r\n君に殺されるのならそれでもいい。")}},
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
