// SPDX-License-Identifier: MIT
// The small pieces of the score notation, free of any context: the words
// of a line, numbers and note names. Each function only says whether its
// piece is well formed; ScoreParser checks ranges and words its errors.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The words of one line, comment removed, with every bar line "|" a word of
// its own. The views point into spaced, which must outlive them.
std::vector<std::string_view> lineWords(std::string_view line, std::string &spaced);

// A finite decimal number, nothing before or after it.
std::optional<double> parseNumber(std::string_view word);

// The MIDI number of a note name with its octave, "A4" being 69; sharps
// are written "#" and flats "b" ("C#5", "Bb2"); octaves run from 0 to 8.
std::optional<int> midiNote(std::string_view name);
