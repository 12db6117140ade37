// SPDX-License-Identifier: MIT
#pragma once

#include "endings.h"
#include "gamestate.h"

#include <cstdint>
#include <optional>
#include <span>

class RandomSource;

// The three actions under the main picture, by button index.
enum class Action : std::uint8_t { Bite = 0, WordsOfLove = 1, OrdinaryManner = 2 };
inline constexpr int ActionCount = 3;

// One row of the effect table: with a fresh r, the gauge moves by
// sign * floor(r * scale + offset). The product and sum are taken in double,
// so r * 10 + 20 stays below 30 and every range is exact; the sign comes
// after the floor, so -floor(r * 4 + 1) is never -5.
struct EffectRow
{
    std::uint8_t mood;
    Action action;
    GaugeIndex gauge;
    std::int8_t sign;
    double scale;
    double offset;

    std::int16_t delta(float r) const;
};

// Every mood and action, rows of one pair in the order they apply. Mood 0
// with ordinary manner has no row: it changes nothing and draws nothing.
inline constexpr EffectRow Effects[] = {
    {0, Action::Bite, Vampirism, +1, 7, 3},
    {0, Action::Bite, Danger, +1, 5, 5},
    {0, Action::WordsOfLove, Love, +1, 10, 5},
    {1, Action::Bite, Vampirism, +1, 3, 0},
    {1, Action::Bite, Love, -1, 10, 0},
    {1, Action::Bite, Danger, +1, 10, 10},
    {1, Action::WordsOfLove, Love, +1, 7, 3},
    {1, Action::WordsOfLove, Danger, -1, 4, 1},
    {1, Action::OrdinaryManner, Danger, -1, 7, 3},
    {2, Action::Bite, Vampirism, +1, 3, 0},
    {2, Action::Bite, Love, -1, 10, 0},
    {2, Action::Bite, Danger, +1, 10, 20},
    {2, Action::WordsOfLove, Love, +1, 3, 0},
    {2, Action::WordsOfLove, Danger, +1, 10, 10},
    {2, Action::OrdinaryManner, Danger, -1, 5, 5},
};

// The rows of one mood and action, in order; empty when there are none.
std::span<const EffectRow> effectRows(std::uint8_t mood, Action action);

// Applies the rows of the current mood and the action, one fresh r a row.
void applyAction(GameState &state, Action action, RandomSource &random);

// The checks after every press, in order: vampirism full ends the round by
// love (kind 1, unless the light level is on) or by hatred (kind 0); else
// danger full ends it (kind 2); else the round goes on.
std::optional<EndingKind> endCheck(const GameState &state, bool lightLevelSelected);
