// SPDX-License-Identifier: MIT
// The game's four sounds as the build leaves them beside the executable,
// read back through SDL as the game reads them, and the wavsynth tool that
// makes them, run exactly as the build runs it.
#include "audiodevice.h"
#include "soundplayer.h"

#include <QTemporaryDir>
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numbers>
#include <ostream>
#include <span>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path BuildDir = VELMORA_BUILD_DIR;
const fs::path SoundSources = VELMORA_SOUND_SOURCES;
const fs::path Wavsynth = VELMORA_WAVSYNTH;

constexpr double FullScale = 32768.0;

struct Wave {
    SDL_AudioSpec audio{};
    std::vector<std::int16_t> samples; // 16-bit files only
    std::string problem;  // empty when the file read as a wave

    double seconds() const { return audio.freq == 0 ? 0.0 : double(samples.size()) / audio.freq / audio.channels; }
};

std::string readBytes(const fs::path &path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Read as SDL reads it for the game, but strictly: a RIFF size that does not
// match the file or a data chunk cut short is an error, not a shorter sound.
Wave readWave(const fs::path &path)
{
    SDL_SetHint(SDL_HINT_WAVE_RIFF_CHUNK_SIZE, "force");
    SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "verystrict");
    Wave wave;
    Uint8 *buffer = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV(path.c_str(), &wave.audio, &buffer, &length) == nullptr) {
        wave.problem = SDL_GetError();
        return wave;
    }
    if (wave.audio.format == AUDIO_S16LSB) {
        wave.samples.resize(length / sizeof(std::int16_t));
        std::memcpy(wave.samples.data(), buffer, wave.samples.size() * sizeof(std::int16_t));
    }
    SDL_FreeWAV(buffer);
    return wave;
}

double dbfs(double amplitude)
{
    return 20.0 * std::log10(std::max(amplitude, 1e-9) / FullScale);
}

double peakOf(std::span<const std::int16_t> samples)
{
    double peak = 0.0;
    for (std::int16_t sample : samples)
        peak = std::max(peak, std::abs(double(sample)));
    return peak;
}

double rmsOf(std::span<const std::int16_t> samples)
{
    double sum = 0.0;
    for (std::int16_t sample : samples)
        sum += double(sample) * sample;
    return std::sqrt(sum / double(std::max<std::size_t>(samples.size(), 1)));
}

double percentile(std::vector<double> values, double share)
{
    const auto nth = values.begin() + static_cast<std::ptrdiff_t>(share * double(values.size() - 1));
    std::nth_element(values.begin(), nth, values.end());
    return *nth;
}

std::string quoted(const fs::path &path)
{
    return "'" + path.string() + "'";
}

struct ToolRun {
    int status = -1;
    std::string output;
};

// Runs wavsynth as the build does and collects what it says.
ToolRun runWavsynth(const fs::path &score, const fs::path &output)
{
    ToolRun run;
    const std::string command = quoted(Wavsynth) + " " + quoted(score) + " " + quoted(output) + " 2>&1";
    FILE *pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return run;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
        run.output += buffer;
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

fs::path writeText(const fs::path &path, const std::string &text)
{
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

struct Sound {
    const char *name;
    const char *file;
    const char *source;
    double minSeconds;
    double maxSeconds;
};

const Sound Music{"music", "0.wav", "night-waltz.score", 20.0, 30.0};
const Sound Effects[] = {
    {"bite", "1.wav", "bite.recipe", 0.3, 1.5},
    {"wordsOfLove", "2.wav", "words-of-love.recipe", 0.3, 1.5},
    {"ordinaryManner", "3.wav", "ordinary-manner.recipe", 0.3, 1.5},
};

std::string soundName(const ::testing::TestParamInfo<Sound> &info)
{
    return info.param.name;
}

void PrintTo(const Sound &sound, std::ostream *out)
{
    *out << sound.file;
}

class BuiltSound : public ::testing::TestWithParam<Sound> {
protected:
    void SetUp() override { m_wave = readWave(BuildDir / GetParam().file); }
    Wave m_wave;
};

TEST_P(BuiltSound, LiesBesideTheGameUnderItsExactName)
{
    const fs::path path = BuildDir / GetParam().file;
    ASSERT_TRUE(fs::is_regular_file(path)) << path;
    EXPECT_EQ(fs::canonical(path).filename(), GetParam().file);
}

TEST_P(BuiltSound, IsMonoSixteenBitPcmAt44100Hz)
{
    ASSERT_EQ(m_wave.problem, "");
    EXPECT_EQ(m_wave.audio.format, AUDIO_S16LSB);
    EXPECT_EQ(m_wave.audio.channels, 1);
    EXPECT_EQ(m_wave.audio.freq, 44100);
}

TEST_P(BuiltSound, LastsItsIntendedLength)
{
    EXPECT_GE(m_wave.seconds(), GetParam().minSeconds);
    EXPECT_LE(m_wave.seconds(), GetParam().maxSeconds);
}

// An offset above half a percent of full scale would waste headroom and
// thump when the sound starts and stops.
TEST_P(BuiltSound, CarriesNoDcOffset)
{
    ASSERT_FALSE(m_wave.samples.empty());
    double sum = 0.0;
    for (std::int16_t sample : m_wave.samples)
        sum += sample;
    EXPECT_LT(std::abs(sum / double(m_wave.samples.size())), 0.005 * FullScale);
}

INSTANTIATE_TEST_SUITE_P(Sounds, BuiltSound,
                         ::testing::Values(Music, Effects[0], Effects[1], Effects[2]), soundName);

class SoundEffect : public BuiltSound {};

// The game cuts in at the start and the sound stops dead at the end: both
// edges must already be silent, or each press would click.
TEST_P(SoundEffect, RisesFromSilenceAndFallsBackToIt)
{
    const std::span<const std::int16_t> samples(m_wave.samples);
    ASSERT_GT(samples.size(), 441u);
    const std::size_t millisecond = 44;
    EXPECT_LT(dbfs(std::abs(samples.front())), -60.0);
    EXPECT_LT(dbfs(std::abs(samples.back())), -60.0);
    EXPECT_LT(dbfs(peakOf(samples.first(millisecond))), -30.0);
    EXPECT_LT(dbfs(peakOf(samples.last(millisecond))), -30.0);
}

INSTANTIATE_TEST_SUITE_P(Effects, SoundEffect, ::testing::ValuesIn(Effects), soundName);

// The game's own sound player opens every built sound and measures it as
// the game will, on SDL's silent driver so that no sound card is needed.
class PlayedSound : public BuiltSound {
protected:
    static void SetUpTestSuite() { setenv("SDL_AUDIODRIVER", "dummy", 1); }
};

TEST_P(PlayedSound, OpensInTheGamesPlayerWithItsWholeLength)
{
    AudioDevice device;
    ASSERT_TRUE(device.isOpen());
    SoundPlayer player(device, 0);
    player.setFileName((BuildDir / GetParam().file).string());
    player.setCommand(Command::Open);
    ASSERT_TRUE(player.isOpen());
    EXPECT_NEAR(player.length(), m_wave.seconds() * 1000.0, 1.0);
    player.setCommand(Command::Close);
}

INSTANTIATE_TEST_SUITE_P(Sounds, PlayedSound,
                         ::testing::Values(Music, Effects[0], Effects[1], Effects[2]), soundName);

class LoopedMusic : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_wave = readWave(BuildDir / Music.file);
        ASSERT_GT(m_wave.samples.size(), 44100u);
    }
    Wave m_wave;
};

// Across the loop point the wave moves no more, in value and in slope, than
// it does between 99 in 100 of its neighbouring samples.
TEST_F(LoopedMusic, JoinsItsEndToItsStartWithoutAJump)
{
    const std::vector<std::int16_t> &s = m_wave.samples;
    const std::size_t n = s.size();
    std::vector<double> steps;
    std::vector<double> bends;
    for (std::size_t i = 2; i < n; ++i) {
        steps.push_back(std::abs(double(s[i]) - s[i - 1]));
        bends.push_back(std::abs(double(s[i]) - 2.0 * s[i - 1] + s[i - 2]));
    }
    const double step = std::abs(double(s[0]) - s[n - 1]);
    const double bend = std::abs(double(s[0]) - 2.0 * s[n - 1] + s[n - 2]);
    EXPECT_LE(step, percentile(steps, 0.99));
    EXPECT_LE(bend, percentile(bends, 0.99));
}

// The last bar still rings when the music starts over: no gap of silence
// (25 dB under the music's own level) on either side of the loop point, and
// no fading away before it.
TEST_F(LoopedMusic, KeepsSoundingAcrossTheLoopPoint)
{
    const std::span<const std::int16_t> samples(m_wave.samples);
    const std::size_t tenth = 4410;
    const double silence = dbfs(rmsOf(samples)) - 25.0;
    const double lastTenth = dbfs(rmsOf(samples.last(tenth)));
    const double tenthBefore = dbfs(rmsOf(samples.last(2 * tenth).first(tenth)));
    EXPECT_GT(lastTenth, silence);
    EXPECT_GT(dbfs(rmsOf(samples.first(tenth))), silence);
    EXPECT_GT(lastTenth, tenthBefore - 6.0);
}

class Synthesis : public ::testing::TestWithParam<Sound> {};

TEST_P(Synthesis, GivesTheSameBytesOnEveryRun)
{
    const QTemporaryDir scratchDir;
    const fs::path scratch = scratchDir.path().toStdString();
    const fs::path score = SoundSources / GetParam().source;
    ASSERT_EQ(runWavsynth(score, scratch / "first.wav").status, 0);
    ASSERT_EQ(runWavsynth(score, scratch / "second.wav").status, 0);
    const std::string first = readBytes(scratch / "first.wav");
    EXPECT_FALSE(first.empty());
    EXPECT_EQ(first, readBytes(scratch / "second.wav"));
    EXPECT_EQ(first, readBytes(BuildDir / GetParam().file));
}

INSTANTIATE_TEST_SUITE_P(Sources, Synthesis,
                         ::testing::Values(Music, Effects[0], Effects[1], Effects[2]), soundName);

// The fundamental frequency, found as YIN does: the shortest lag at which
// the sound, a quarter of the way in, nearly repeats itself. Harmonics
// stronger than the fundamental do not fool it, as they would a count of
// zero crossings.
double measuredFrequency(const Wave &wave)
{
    const std::vector<std::int16_t> &s = wave.samples;
    constexpr std::size_t Window = 2048;
    constexpr std::size_t MaxLag = 1200;
    const std::size_t start = s.size() / 4;
    if (s.size() < start + Window + MaxLag + 1)
        return 0.0;
    std::vector<double> difference(MaxLag + 2, 0.0);
    for (std::size_t lag = 1; lag <= MaxLag + 1; ++lag) {
        for (std::size_t i = start; i < start + Window; ++i) {
            const double delta = double(s[i]) - s[i + lag];
            difference[lag] += delta * delta;
        }
    }
    double runningSum = 0.0;
    for (std::size_t lag = 1; lag <= MaxLag; ++lag) {
        runningSum += difference[lag];
        if (difference[lag] * double(lag) / runningSum > 0.1 || lag < 2)
            continue;
        while (lag < MaxLag && difference[lag + 1] < difference[lag])
            ++lag;
        const double before = difference[lag - 1];
        const double at = difference[lag];
        const double after = difference[lag + 1];
        const double offset = 0.5 * (before - after) / (before - 2.0 * at + after);
        return wave.audio.freq / (double(lag) + offset);
    }
    return 0.0;
}

struct Tuning {
    const char *name;
    const char *instrument;
    const char *pitch;
    int semitonesFromA4;
};

const Tuning Tunings[] = {
    {"toneA4", "tone", "A4", 0},
    {"toneC5", "tone", "C5", 3},
    {"toneBflat2", "tone", "Bb2", -23},
    {"toneGsharp5", "tone", "G#5", 11},
    {"pluckA2", "pluck decay=8 brightness=0.1", "A2", -24},
    {"pluckE4", "pluck decay=8 brightness=0.1", "E4", -5},
    {"pluckCsharp6", "pluck decay=8 brightness=0.1", "C#6", 16},
    {"pluckBy440hz", "pluck decay=8 brightness=0.1", "440hz", 0},
};

void PrintTo(const Tuning &tuning, std::ostream *out)
{
    *out << tuning.instrument << " " << tuning.pitch;
}

class Tuned : public ::testing::TestWithParam<Tuning> {};

// Equal temperament from A4 = 440 Hz, within 5 cents: closer than an ear
// tells apart, yet a string a sample too long would miss by far more.
TEST_P(Tuned, SoundsAtItsWrittenPitch)
{
    const QTemporaryDir scratchDir;
    const fs::path scratch = scratchDir.path().toStdString();
    const fs::path score = writeText(scratch / "tuning.recipe",
        std::string("length 1\ninstrument voice ") + GetParam().instrument + " ring=1\nat 0 voice "
            + GetParam().pitch + " 1\n");
    const ToolRun run = runWavsynth(score, scratch / "tuning.wav");
    ASSERT_EQ(run.status, 0) << run.output;
    const double expected = 440.0 * std::exp2(GetParam().semitonesFromA4 / 12.0);
    const double cents = 1200.0 * std::log2(measuredFrequency(readWave(scratch / "tuning.wav")) / expected);
    EXPECT_LT(std::abs(cents), 5.0);
}

INSTANTIATE_TEST_SUITE_P(Pitches, Tuned, ::testing::ValuesIn(Tunings),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Looping, FoldsTheRingingOfTheLastBarOntoTheFirst)
{
    const QTemporaryDir scratchDir;
    const fs::path scratch = scratchDir.path().toStdString();
    const std::string score =
        "tempo 60\nmeter 1\ninstrument box bell ring=1.5 partials=1:1:3\n"
        "part tune box\n| r | A4 |\n";
    const fs::path looped = writeText(scratch / "looped.score", "loop\n" + score);
    const fs::path once = writeText(scratch / "once.score", "length 2\n" + score);
    ASSERT_EQ(runWavsynth(looped, scratch / "looped.wav").status, 0);
    ASSERT_EQ(runWavsynth(once, scratch / "once.wav").status, 0);
    const Wave loopedWave = readWave(scratch / "looped.wav");
    const Wave onceWave = readWave(scratch / "once.wav");
    ASSERT_EQ(loopedWave.samples.size(), onceWave.samples.size());
    const std::span<const std::int16_t> firstBeat = std::span(loopedWave.samples).first(44100);
    EXPECT_GT(dbfs(rmsOf(firstBeat)), -40.0);
    EXPECT_LT(dbfs(peakOf(std::span(onceWave.samples).first(44100))), -90.0);
}

struct BadScore {
    const char *name;
    const char *text;
    int line;
    const char *complaint;
};

const BadScore BadScores[] = {
    {"unknownStatement", "length 1\nvolume 11\n", 2, "unknown statement \"volume\""},
    {"statementGivenTwice", "peak -1\npeak -2\n", 2, "given twice"},
    {"tempoOfZero", "tempo 0\n", 1, "must lie between"},
    {"lengthThatIsNoNumber", "length long\n", 1, "expected a number"},
    {"soundOfAWholeDay", "length 86400\n", 1, "must lie between"},
    {"attackThatWouldClick", "instrument box bell attack=0\n", 1, "must lie between"},
    {"unknownTimbre", "instrument box organ\n", 1, "unknown timbre"},
    {"unknownSetting", "instrument box bell colour=red\n", 1, "unknown setting"},
    {"partialWithoutAmplitude", "instrument box bell partials=1\n", 1, "ratio:amplitude"},
    {"partBeforeTempo", "instrument box bell\npart tune box\n", 2, "tempo and the meter"},
    {"partOnAMissingInstrument", "tempo 90\nmeter 3\npart tune harp\n", 3, "no instrument is called \"harp\""},
    {"barsWithoutAPart", "| A4 A4 A4 |\n", 1, "need a part"},
    {"overfullBar", "tempo 90\nmeter 3\ninstrument box bell\npart tune box\n| A4 A4 A4 A4 |\n", 5,
     "a bar holds 3 beats"},
    {"unclosedBar", "tempo 90\nmeter 3\ninstrument box bell\npart tune box\n| A4 A4 A4 | A4\n", 5,
     "not closed"},
    {"pitchWithoutAnOctave", "length 1\ninstrument box bell\nat 0 box A 0.5\n", 3, "octave"},
    {"pitchOffTheKeyboard", "length 1\ninstrument box bell\nat 0 box A9 0.5\n", 3, "octave"},
    {"pitchNamedInGerman", "length 1\ninstrument box bell\nat 0 box H4 0.5\n", 3, "expected a pitch"},
    {"inaudibleFrequency", "length 1\ninstrument box bell\nat 0 box 5hz 0.5\n", 3, "must lie between"},
    {"noteAfterTheEnd", "length 1\ninstrument box bell\nat 2 box A4 0.5\n", 3, "after the end"},
    {"loopThatFades", "loop\nlength 1\nfade 0.1 0.1\ninstrument box bell\nat 0 box A4 0.5\n", 6,
     "cannot fade"},
    {"loopWithARaggedPart",
     "tempo 90\nmeter 1\nloop\ninstrument box bell\npart long box\n| A4 | A4 |\npart short box\n| A4 |\n", 7,
     "ends before part \"long\""},
    {"noNotesAtAll", "length 1\n", 2, "no notes"},
    {"binaryNoise", "\x01\x7f\xff\xfe", 1, "unknown statement"},
};

void PrintTo(const BadScore &score, std::ostream *out)
{
    *out << score.name;
}

class RejectedScore : public ::testing::TestWithParam<BadScore> {};

TEST_P(RejectedScore, IsReportedAtItsLineAndLeavesNoFile)
{
    const QTemporaryDir scratchDir;
    const fs::path scratch = scratchDir.path().toStdString();
    const fs::path score = writeText(scratch / "bad.score", GetParam().text);
    const fs::path output = scratch / "out.wav";
    const ToolRun run = runWavsynth(score, output);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find(score.string() + ":" + std::to_string(GetParam().line) + ": "),
              std::string::npos) << run.output;
    EXPECT_NE(run.output.find(GetParam().complaint), std::string::npos) << run.output;
    EXPECT_FALSE(fs::exists(output));
    EXPECT_FALSE(fs::exists(output.string() + ".part"));
}

INSTANTIATE_TEST_SUITE_P(Mistakes, RejectedScore, ::testing::ValuesIn(BadScores),
                         [](const auto &info) { return std::string(info.param.name); });

struct BadFile {
    const char *name;
    const char *complaint;
};

void PrintTo(const BadFile &file, std::ostream *out)
{
    *out << file.name;
}

class RejectedFile : public ::testing::TestWithParam<BadFile> {};

TEST_P(RejectedFile, IsReportedAndLeavesNoFile)
{
    const QTemporaryDir scratchDir;
    const fs::path scratch = scratchDir.path().toStdString();
    const std::string name = GetParam().name;
    fs::path score = scratch / "missing.score";
    if (name == "silentScore")
        score = writeText(scratch / "silent.score", "length 1\ninstrument box bell gain=0\nat 0 box A4 0.5\n");
    else if (name == "hugeFile")
        score = writeText(scratch / "huge.score", std::string(2 << 20, '#'));
    else if (name == "folder")
        fs::create_directory(score = scratch / "folder.score");
    const fs::path output = scratch / "out.wav";
    const ToolRun run = runWavsynth(score, output);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find(GetParam().complaint), std::string::npos) << run.output;
    EXPECT_FALSE(fs::exists(output));
}

INSTANTIATE_TEST_SUITE_P(Files, RejectedFile,
                         ::testing::Values(BadFile{"missingScore", "no such score file"},
                                           BadFile{"folder", "no such score file"},
                                           BadFile{"hugeFile", "too large to be a score"},
                                           BadFile{"silentScore", "renders to silence"}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
