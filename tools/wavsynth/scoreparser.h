// SPDX-License-Identifier: MIT
// ScoreParser turns the text of a score or a sound recipe into a Score. It
// reads the whole text in one call to parse(): statements set the tempo and
// the finishing touches, define instruments, open parts whose bars follow on
// lines starting with "|", and place single timed events. Every value is
// checked against a range that keeps rendering quick and click-free; the
// first mistake stops the parse with a ScoreError that names its line.
#pragma once

#include "score.h"

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class ScoreError : public std::runtime_error {
public:
    ScoreError(int line, const std::string &message);
    int line() const { return m_line; }

private:
    int m_line;
};

class ScoreParser {
public:
    static Score parse(std::string_view text);

private:
    using Words = std::vector<std::string_view>;

    struct Part {
        std::string name;
        Instrument instrument;
        double beats = 0.0;  // where the next bar starts
        int line = 0;
    };

    void parseLine(const Words &words);
    void setOnce(std::string_view keyword);
    void defineInstrument(const Words &words);
    void openPart(const Words &words);
    void addBars(const Words &words);
    void addNotes(std::string_view token);
    void addEvent(const Words &words);
    void addNote(double start, double length, double frequency, const Instrument &instrument);
    Score finish();

    void applySettings(Instrument &instrument, const Words &words, std::size_t first) const;
    void applySetting(Instrument &instrument, std::string_view setting) const;
    std::vector<Partial> partials(std::string_view list) const;
    double number(std::string_view word, double min, double max, std::string_view what) const;
    double frequency(std::string_view word) const;
    const Instrument &instrument(std::string_view name) const;
    void expectCount(const Words &words, std::size_t min, std::size_t max) const;
    [[noreturn]] void fail(const std::string &message) const;

    Score m_score;
    std::map<std::string, Instrument, std::less<>> m_instruments;
    std::vector<Part> m_parts;
    std::set<std::string, std::less<>> m_seen;
    std::vector<int> m_noteLines;
    double m_tempo = 0.0;
    int m_meter = 0;
    int m_line = 0;
};
