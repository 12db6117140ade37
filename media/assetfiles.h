// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// The names of the game's files, without their directory: every picture and
// sound lives beside the executable under a fixed name, and these are the
// only places that spell them out (the ending pictures travel with their
// endings). Numbers are written in decimal with no leading zeros, blanks or
// sign: mood 1 with action 2 is "12.bmp".

inline constexpr std::string_view TitlePictureName = "stt.bmp";

// "0.bmp" .. "2.bmp": the maiden in mood 0..2.
std::string moodPictureName(int mood);

// "00.bmp" .. "22.bmp": her reaction in a mood to action 0..2.
std::string reactionPictureName(int mood, int action);

// "0.wav" is the background music, "1.wav" to "3.wav" the sounds of the
// three actions.
std::string soundFileName(int i);
