// SPDX-License-Identifier: MIT
#include "actions.h"

#include "random.h"

#include <algorithm>
#include <cmath>

std::int16_t EffectRow::delta(float r) const
{
    const double magnitude = std::floor(static_cast<double>(r) * scale + offset);
    return static_cast<std::int16_t>(sign * magnitude);
}

std::span<const EffectRow> effectRows(std::uint8_t mood, Action action)
{
    const auto matches = [&](const EffectRow &row) { return row.mood == mood && row.action == action; };
    const EffectRow *first = std::find_if(std::begin(Effects), std::end(Effects), matches);
    const EffectRow *last = std::find_if_not(first, std::end(Effects), matches);
    return {first, last};
}

void applyAction(GameState &state, Action action, RandomSource &random)
{
    for (const EffectRow &row : effectRows(state.Mood, action))
        AddGauge(state, row.gauge, row.delta(random.next()));
}

std::optional<EndingKind> endCheck(const GameState &state, bool lightLevelSelected)
{
    if (state.isFull(Vampirism)) {
        if (state.isFull(Love) && !lightLevelSelected)
            return EndingKind::Loved;
        return EndingKind::Bitten;
    }
    if (state.isFull(Danger))
        return EndingKind::Danger;
    return std::nullopt;
}
