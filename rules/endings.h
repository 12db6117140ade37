// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

struct GameState;

// Which way a round ends; the number is part of the ending pictures' names.
enum class EndingKind : std::uint8_t { Bitten = 0, Loved = 1, Danger = 2 };

// One of the five endings: its title, the pictures it shows before its text
// (the second, where there is one, replaces the first at once), and its text
// as message boxes in order. Two-line boxes hold CR LF. The title and the
// boxes are the game's own Japanese, marked as player texts of the context
// "Endings": the screen shows their translations.
struct Ending
{
    std::string_view title;
    std::vector<std::string_view> pictures;
    std::vector<std::string_view> boxes;
};

// Every ending closes on this picture, after its last box.
inline constexpr std::string_view FinalEndPicture = "end.bmp";

// Chooses the ending of a kind: a round ended by the bite splits on danger,
// one ended by danger or the last day splits on vampirism, each at half its
// full mark (50 or more takes the first of the pair).
const Ending &chooseEnding(EndingKind kind, const GameState &state);

// All five, in the order: hunt, hatred, blue night, half-turned, curtain.
const std::vector<Ending> &allEndings();
