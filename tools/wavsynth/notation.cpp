// SPDX-License-Identifier: MIT
#include "notation.h"

#include <charconv>
#include <cmath>

namespace {

// A comment starts with a "#" that begins a word; the "#" of a sharp,
// as in "G#5", stays part of its note.
std::string_view withoutComment(std::string_view line)
{
    for (std::size_t pos = line.find('#'); pos != std::string_view::npos; pos = line.find('#', pos + 1)) {
        if (pos == 0 || line[pos - 1] == ' ' || line[pos - 1] == '\t' || line[pos - 1] == '|')
            return line.substr(0, pos);
    }
    return line;
}

} // namespace

std::vector<std::string_view> lineWords(std::string_view line, std::string &spaced)
{
    // Bar lines may touch the notes ("|E5 A5|"): give them room of their own.
    spaced.clear();
    for (char c : withoutComment(line)) {
        if (c == '|')
            spaced += " | ";
        else
            spaced += c;
    }
    std::vector<std::string_view> words;
    const std::string_view text = spaced;
    std::size_t pos = 0;
    while ((pos = text.find_first_not_of(" \t\r", pos)) != std::string_view::npos) {
        const std::size_t end = std::min(text.find_first_of(" \t\r", pos), text.size());
        words.push_back(text.substr(pos, end - pos));
        pos = end;
    }
    return words;
}

std::optional<double> parseNumber(std::string_view word)
{
    double value = 0.0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> midiNote(std::string_view name)
{
    static constexpr std::string_view Letters = "CDEFGAB";
    static constexpr int Semitones[] = {0, 2, 4, 5, 7, 9, 11};
    const std::size_t letter = name.empty() ? std::string_view::npos : Letters.find(name.front());
    if (letter == std::string_view::npos)
        return std::nullopt;
    int semitone = Semitones[letter];
    name.remove_prefix(1);
    if (!name.empty() && (name.front() == '#' || name.front() == 'b')) {
        semitone += name.front() == '#' ? 1 : -1;
        name.remove_prefix(1);
    }
    if (name.size() != 1 || name.front() < '0' || name.front() > '8')
        return std::nullopt;
    return 12 * (name.front() - '0' + 1) + semitone;
}
