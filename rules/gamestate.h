// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

enum class Phase { Title, Playing, Ended };

// The maiden's moods are 0..MoodCount - 1.
inline constexpr int MoodCount = 3;

// Gauge indices: vampirism and danger are drawn as bars, love never shows.
enum GaugeIndex : std::uint8_t { Vampirism = 0, Love = 1, Danger = 2 };

// The whole state of a game, owned by the window for the life of the run.
// Every field starts at zero; start-up sets the full marks and the level,
// the title reset and the start of a round give the rest their values.
struct GameState
{
    std::uint8_t Mood = 0;     // 0..2
    std::int16_t MoodSpan = 0; // random span of the mood interval, ms
    std::int16_t MoodBase = 0; // base of the mood interval, ms
    std::int16_t BldStep = 0;  // 0 after a reset, then 1, 2, 3, 1, ...
    std::array<std::int16_t, 3> Gauge{};
    std::array<std::int16_t, 3> GaugeMax{};
    std::uint8_t Day = 0; // 0..31
    std::int16_t SongIdx = 0; // the player that loops the music; always 0
    Phase phase = Phase::Title;

    bool isFull(GaugeIndex index) const { return Gauge[index] >= GaugeMax[index]; }
};

// Adds Delta to a gauge, flooring the result at 0; there is no top: a gauge
// may pass its full mark and keep rising. Index is 0..2.
void AddGauge(GameState &state, std::uint8_t Index, std::int16_t Delta);

// Start-up: every gauge's full mark is 100.
void setFullMarks(GameState &state);

// The title reset: drift cycle, day and gauges back to 0. The mood, the
// level and the full marks stay as they are.
void resetToTitle(GameState &state);
