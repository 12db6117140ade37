// SPDX-License-Identifier: MIT
#include "scoreparser.h"

#include "notation.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// Generous limits, yet small enough that no score can make the tool run for
// minutes or fill the disk.
constexpr double MaxSeconds = 120.0;
constexpr std::size_t MaxNotes = 20000;
constexpr std::size_t MaxPartials = 16;

struct Setting {
    std::string_view key;
    double min;
    double max;
    double Instrument::*field;
};

// An attack of at least a millisecond keeps every note from starting with a click.
constexpr Setting Settings[] = {
    {"gain", 0.0, 4.0, &Instrument::gain},
    {"attack", 0.001, 5.0, &Instrument::attack},
    {"release", 0.001, 5.0, &Instrument::release},
    {"ring", 0.0, 10.0, &Instrument::ring},
    {"glide", -48.0, 48.0, &Instrument::glide},
    {"vibrato", 0.0, 20.0, &Instrument::vibratoRate},
    {"depth", 0.0, 2.0, &Instrument::vibratoDepth},
    {"decay", 0.01, 20.0, &Instrument::decay},
    {"brightness", 0.01, 1.0, &Instrument::brightness},
    {"resonance", 0.5, 30.0, &Instrument::resonance},
};

constexpr std::pair<std::string_view, Timbre> Timbres[] = {
    {"bell", Timbre::Bell},
    {"pluck", Timbre::Pluck},
    {"tone", Timbre::Tone},
    {"noise", Timbre::Noise},
};

// GCC 12 at -O3 takes the concatenation for an overlapping copy
// (https://gcc.gnu.org/bugzilla/show_bug.cgi?id=105329).
#pragma GCC diagnostic push
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wrestrict"
#endif
std::string quoted(std::string_view word)
{
    return "\"" + std::string(word) + "\"";
}
#pragma GCC diagnostic pop

} // namespace

ScoreError::ScoreError(int line, const std::string &message)
    : std::runtime_error(message)
    , m_line(line)
{
}

Score ScoreParser::parse(std::string_view text)
{
    ScoreParser parser;
    std::string spaced;
    while (!text.empty()) {
        ++parser.m_line;
        const std::size_t end = std::min(text.find('\n'), text.size());
        const Words words = lineWords(text.substr(0, end), spaced);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (!words.empty())
            parser.parseLine(words);
    }
    return parser.finish();
}

void ScoreParser::parseLine(const Words &words)
{
    const std::string_view keyword = words.front();
    if (keyword == "|") {
        addBars(words);
    } else if (keyword == "tempo") {
        expectCount(words, 2, 2);
        setOnce(keyword);
        if (!m_parts.empty())
            fail("the tempo must come before the first part");
        m_tempo = number(words[1], 20.0, 400.0, "tempo (beats per minute)");
    } else if (keyword == "meter") {
        expectCount(words, 2, 2);
        setOnce(keyword);
        if (!m_parts.empty())
            fail("the meter must come before the first part");
        const double beats = number(words[1], 1.0, 12.0, "meter (beats per bar)");
        if (beats != std::floor(beats))
            fail("the meter must be a whole number of beats");
        m_meter = static_cast<int>(beats);
    } else if (keyword == "length") {
        expectCount(words, 2, 2);
        setOnce(keyword);
        m_score.length = number(words[1], 0.01, MaxSeconds, "length (seconds)");
    } else if (keyword == "loop") {
        expectCount(words, 1, 1);
        setOnce(keyword);
        m_score.loop = true;
    } else if (keyword == "reverb") {
        expectCount(words, 3, 3);
        setOnce(keyword);
        m_score.reverbMix = number(words[1], 0.0, 1.0, "reverb mix");
        m_score.reverbRoom = number(words[2], 0.0, 0.95, "reverb room");
    } else if (keyword == "peak") {
        expectCount(words, 2, 2);
        setOnce(keyword);
        m_score.peakDbfs = number(words[1], -40.0, 0.0, "peak (dBFS)");
    } else if (keyword == "fade") {
        expectCount(words, 3, 3);
        setOnce(keyword);
        m_score.fadeIn = number(words[1], 0.0, 10.0, "fade-in (seconds)");
        m_score.fadeOut = number(words[2], 0.0, 10.0, "fade-out (seconds)");
    } else if (keyword == "instrument") {
        defineInstrument(words);
    } else if (keyword == "part") {
        openPart(words);
    } else if (keyword == "at") {
        addEvent(words);
    } else {
        fail("unknown statement " + quoted(keyword));
    }
}

void ScoreParser::setOnce(std::string_view keyword)
{
    if (!m_seen.emplace(keyword).second)
        fail(quoted(keyword) + " is given twice");
}

void ScoreParser::defineInstrument(const Words &words)
{
    expectCount(words, 3, 3 + std::size(Settings) + 1);
    const std::string_view name = words[1];
    if (m_instruments.contains(name))
        fail("instrument " + quoted(name) + " is defined twice");
    const auto timbre = std::find_if(std::begin(Timbres), std::end(Timbres),
                                     [&](const auto &entry) { return entry.first == words[2]; });
    if (timbre == std::end(Timbres))
        fail("unknown timbre " + quoted(words[2]) + " (bell, pluck, tone or noise)");
    Instrument instrument;
    instrument.timbre = timbre->second;
    applySettings(instrument, words, 3);
    m_instruments.emplace(std::string(name), instrument);
}

void ScoreParser::openPart(const Words &words)
{
    expectCount(words, 3, 3 + std::size(Settings) + 1);
    if (m_tempo == 0.0 || m_meter == 0)
        fail("a part needs the tempo and the meter first");
    const std::string_view name = words[1];
    if (std::any_of(m_parts.begin(), m_parts.end(), [&](const Part &part) { return part.name == name; }))
        fail("part " + quoted(name) + " is opened twice");
    Part part{std::string(name), instrument(words[2]), 0.0, m_line};
    applySettings(part.instrument, words, 3);
    m_parts.push_back(part);
}

void ScoreParser::addBars(const Words &words)
{
    if (m_parts.empty())
        fail("bars need a part to belong to");
    Part &part = m_parts.back();
    double barStart = part.beats;
    for (std::size_t i = 1; i < words.size(); ++i) {
        if (words[i] != "|") {
            addNotes(words[i]);
            continue;
        }
        const double filled = part.beats - barStart;
        if (std::abs(filled - m_meter) > 1e-9)
            fail("a bar holds " + std::to_string(m_meter) + " beats, this one "
                 + std::to_string(filled));
        barStart = part.beats;
    }
    if (words.back() != "|")
        fail("the last bar of the line is not closed with \"|\"");
}

void ScoreParser::addNotes(std::string_view token)
{
    Part &part = m_parts.back();
    const std::size_t slash = token.find('/');
    const std::string_view pitches = token.substr(0, slash);
    const double beats = slash == std::string_view::npos
        ? 1.0
        : number(token.substr(slash + 1), 0.0625, 64.0, "note length (beats)");
    const double secondsPerBeat = 60.0 / m_tempo;
    if (pitches != "r") {
        std::size_t pos = 0;
        while (pos <= pitches.size()) {
            const std::size_t plus = std::min(pitches.find('+', pos), pitches.size());
            addNote(part.beats * secondsPerBeat, beats * secondsPerBeat,
                    frequency(pitches.substr(pos, plus - pos)), part.instrument);
            pos = plus + 1;
        }
    }
    part.beats += beats;
}

void ScoreParser::addEvent(const Words &words)
{
    expectCount(words, 5, 5 + std::size(Settings) + 1);
    const double start = number(words[1], 0.0, MaxSeconds, "start (seconds)");
    Instrument played = instrument(words[2]);
    const double pitch = frequency(words[3]);
    const double length = number(words[4], 0.001, MaxSeconds, "length (seconds)");
    applySettings(played, words, 5);
    addNote(start, length, pitch, played);
}

void ScoreParser::addNote(double start, double length, double frequency, const Instrument &instrument)
{
    if (m_score.notes.size() == MaxNotes)
        fail("too many notes (at most " + std::to_string(MaxNotes) + ")");
    if (start + length > MaxSeconds)
        fail("the note ends after " + std::to_string(static_cast<int>(MaxSeconds)) + " seconds");
    m_score.notes.push_back(Note{start, length, frequency, instrument});
    m_noteLines.push_back(m_line);
}

Score ScoreParser::finish()
{
    ++m_line;
    if (m_score.notes.empty())
        fail("the score has no notes");
    if (!m_parts.empty()) {
        const auto longest = std::max_element(m_parts.begin(), m_parts.end(),
            [](const Part &a, const Part &b) { return a.beats < b.beats; });
        for (const Part &part : m_parts) {
            if (m_score.loop && part.beats != longest->beats)
                throw ScoreError(part.line, "part " + quoted(part.name) + " ends before part "
                                     + quoted(longest->name) + ", so the loop would stumble");
        }
        if (m_score.length == 0.0)
            m_score.length = longest->beats * 60.0 / m_tempo;
    }
    if (m_score.loop && m_score.length == 0.0)
        fail("a loop needs a length or parts to measure");
    // A fade would leave a dip in the middle of the music at every turn.
    if (m_score.loop && (m_score.fadeIn > 0.0 || m_score.fadeOut > 0.0))
        fail("a loop cannot fade in or out");
    if (m_score.length > 0.0) {
        for (std::size_t i = 0; i < m_score.notes.size(); ++i) {
            if (m_score.notes[i].start >= m_score.length)
                throw ScoreError(m_noteLines[i], "a note starts after the end of the sound");
        }
        if (m_score.fadeIn + m_score.fadeOut > m_score.length)
            fail("the fades are longer than the sound");
    }
    return m_score;
}

void ScoreParser::applySettings(Instrument &instrument, const Words &words, std::size_t first) const
{
    for (std::size_t i = first; i < words.size(); ++i)
        applySetting(instrument, words[i]);
}

void ScoreParser::applySetting(Instrument &instrument, std::string_view setting) const
{
    const std::size_t equals = setting.find('=');
    if (equals == std::string_view::npos)
        fail("expected a setting such as gain=0.5, not " + quoted(setting));
    const std::string_view key = setting.substr(0, equals);
    const std::string_view value = setting.substr(equals + 1);
    if (key == "partials" || key == "harmonics") {
        instrument.partials = partials(value);
        return;
    }
    const auto known = std::find_if(std::begin(Settings), std::end(Settings),
                                    [&](const Setting &s) { return s.key == key; });
    if (known == std::end(Settings))
        fail("unknown setting " + quoted(key));
    instrument.*(known->field) = number(value, known->min, known->max, key);
}

// A list of partials reads "ratio:amplitude[:decay],...", for instance
// "1:1:2.0,2.76:0.1:0.5".
std::vector<Partial> ScoreParser::partials(std::string_view list) const
{
    std::vector<Partial> result;
    std::size_t pos = 0;
    while (pos <= list.size()) {
        const std::size_t comma = std::min(list.find(',', pos), list.size());
        const std::string_view item = list.substr(pos, comma - pos);
        const std::size_t first = item.find(':');
        if (first == std::string_view::npos)
            fail("a partial reads ratio:amplitude[:decay], not " + quoted(item));
        const std::size_t second = item.find(':', first + 1);
        Partial partial;
        partial.ratio = number(item.substr(0, first), 0.25, 32.0, "partial ratio");
        partial.amplitude = number(item.substr(first + 1, second - first - 1), 0.0, 1.0, "partial amplitude");
        if (second != std::string_view::npos)
            partial.decay = number(item.substr(second + 1), 0.0, 30.0, "partial decay (seconds)");
        result.push_back(partial);
        if (result.size() > MaxPartials)
            fail("at most " + std::to_string(MaxPartials) + " partials");
        pos = comma + 1;
    }
    return result;
}

double ScoreParser::number(std::string_view word, double min, double max, std::string_view what) const
{
    const std::optional<double> value = parseNumber(word);
    if (!value)
        fail("expected a number for the " + std::string(what) + ", not " + quoted(word));
    if (*value < min || *value > max)
        fail("the " + std::string(what) + " must lie between " + std::to_string(min) + " and "
             + std::to_string(max) + ", not " + std::string(word));
    return *value;
}

double ScoreParser::frequency(std::string_view word) const
{
    if (word.ends_with("hz"))
        return number(word.substr(0, word.size() - 2), 20.0, 16000.0, "frequency (Hz)");
    const std::optional<int> midi = midiNote(word);
    if (!midi)
        fail("expected a pitch such as A4, C#5 or 70hz, with an octave from 0 to 8, not " + quoted(word));
    return 440.0 * std::exp2((*midi - 69) / 12.0);
}

const Instrument &ScoreParser::instrument(std::string_view name) const
{
    const auto found = m_instruments.find(name);
    if (found == m_instruments.end())
        fail("no instrument is called " + quoted(name));
    return found->second;
}

void ScoreParser::expectCount(const Words &words, std::size_t min, std::size_t max) const
{
    if (words.size() < min || words.size() > max)
        fail(quoted(words.front()) + " takes " + (min == max ? std::to_string(min - 1)
                 : std::to_string(min - 1) + " to " + std::to_string(max - 1))
             + " values, not " + std::to_string(words.size() - 1));
}

void ScoreParser::fail(const std::string &message) const
{
    throw ScoreError(m_line, message);
}
