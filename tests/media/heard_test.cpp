// SPDX-License-Identifier: MIT
// What the players really put out, read back from SDL's disk driver.
#include "diskoutput.h"
#include "soundplayer.h"
#include "soundplayers.h"
#include "wavefile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

namespace {

constexpr int Rate = AudioDevice::Frequency;
constexpr int Buffer = AudioDevice::BufferFrames;

// A rising ramp: every value tells how far into the sound the output is.
// Half a second long, so a test thread held up by a busy machine still acts
// while the ramp is playing.
constexpr int RampBase = 1000;
constexpr int RampFrames = Rate / 2;
std::int16_t ramp(int frame, int)
{
    return static_cast<std::int16_t>(RampBase + frame);
}

std::ptrdiff_t firstSounding(const std::vector<std::int16_t> &out, std::ptrdiff_t from = 0)
{
    const auto it = std::find_if(out.begin() + from, out.end(), [](std::int16_t v) { return v != 0; });
    return it - out.begin();
}

// Whether out holds the ramp's frames [first, last) from index at.
bool holdsRamp(const std::vector<std::int16_t> &out, std::ptrdiff_t at, int first, int last)
{
    if (at < 0 || at + (last - first) > static_cast<std::ptrdiff_t>(out.size()))
        return false;
    for (int frame = first; frame < last; ++frame)
        if (out[static_cast<std::size_t>(at + frame - first)] != ramp(frame, 0))
            return false;
    return true;
}

class HeardOutput : public ::testing::Test
{
protected:
    // In the mixer's own format, so what is heard can be compared sample for sample.
    std::string wave(const std::string &name, int frames, const SampleFunction &sample)
    {
        const auto path = m_dir / name;
        writeFile(path, waveBytes(WaveFormat{.channels = AudioDevice::Channels}, frames, sample));
        return path.string();
    }

    QTemporaryDir m_scratch;
    std::filesystem::path m_dir{m_scratch.path().toStdString()};
    DiskOutput m_output{m_dir / "mixed.raw"};
    std::vector<std::int16_t> m_heard;
};

TEST_F(HeardOutput, APlayedSoundAppearsWholeAndUnchangedThenSilence)
{
    {
        SoundPlayers players(m_output.device());
        players[0].setFileName(wave("0.wav", RampFrames, ramp));
        players[0].setCommand(Command::Open);
        players.RestartSound(0);
        ASSERT_TRUE(m_output.waitFrames(RampFrames + 2 * Buffer));
    }
    m_heard = m_output.finish();

    const auto start = firstSounding(m_heard);
    EXPECT_TRUE(holdsRamp(m_heard, start, 0, RampFrames));
    EXPECT_EQ(firstSounding(m_heard, start + RampFrames), std::ssize(m_heard));
}

// "prev" then "play" while the sound plays cuts it and starts it over: the
// ramp breaks off, starts again from its first value and never doubles.
TEST_F(HeardOutput, ARestartWhilePlayingCutsTheSoundAndStartsItOverWithoutOverlap)
{
    {
        SoundPlayers players(m_output.device());
        players[0].setFileName(wave("0.wav", RampFrames, ramp));
        players[0].setCommand(Command::Open);
        players.RestartSound(0);
        ASSERT_TRUE(m_output.waitFrames(RampFrames / 3));
        ASSERT_TRUE(players[0].isPlaying());
        players.RestartSound(0);
        ASSERT_TRUE(m_output.waitFrames(RampFrames + 2 * Buffer));
    }
    m_heard = m_output.finish();

    const auto start = firstSounding(m_heard);
    const auto cut = std::adjacent_find(m_heard.begin() + start, m_heard.end(), std::greater_equal<>())
        - m_heard.begin() + 1;
    const int played = static_cast<int>(cut - start);
    EXPECT_GT(played, 0);
    EXPECT_LT(played, RampFrames);
    EXPECT_TRUE(holdsRamp(m_heard, start, 0, played));
    EXPECT_TRUE(holdsRamp(m_heard, cut, 0, RampFrames));
    EXPECT_EQ(firstSounding(m_heard, cut + RampFrames), std::ssize(m_heard));
}

TEST_F(HeardOutput, ARestartAfterStopPlaysFromTheBeginningAndPlayAloneResumes)
{
    {
        SoundPlayers players(m_output.device());
        players[0].setFileName(wave("0.wav", RampFrames, ramp));
        players[0].setCommand(Command::Open);
        players.RestartSound(0);
        ASSERT_TRUE(m_output.waitFrames(RampFrames / 4));
        players[0].setCommand(Command::Stop);
        ASSERT_TRUE(m_output.waitFrames(2 * Buffer));
        players[0].setCommand(Command::Play);
        ASSERT_TRUE(m_output.waitFrames(RampFrames / 4));
        players[0].setCommand(Command::Stop);
        ASSERT_TRUE(m_output.waitFrames(2 * Buffer));
        players.RestartSound(0);
        ASSERT_TRUE(m_output.waitFrames(RampFrames + 2 * Buffer));
    }
    m_heard = m_output.finish();

    // Three stretches of sound with silence between: the first two make one
    // unbroken ramp, the third is the whole ramp again.
    std::vector<std::pair<std::ptrdiff_t, std::ptrdiff_t>> stretches;
    for (auto at = firstSounding(m_heard); at < std::ssize(m_heard); at = firstSounding(m_heard, at)) {
        const auto end = std::find(m_heard.begin() + at, m_heard.end(), 0) - m_heard.begin();
        stretches.emplace_back(at, end);
        at = end;
    }
    ASSERT_EQ(stretches.size(), 3u);
    const int first = static_cast<int>(stretches[0].second - stretches[0].first);
    const int second = static_cast<int>(stretches[1].second - stretches[1].first);
    EXPECT_TRUE(holdsRamp(m_heard, stretches[0].first, 0, first));
    EXPECT_TRUE(holdsRamp(m_heard, stretches[1].first, first, first + second));
    EXPECT_TRUE(holdsRamp(m_heard, stretches[2].first, 0, RampFrames));
    EXPECT_EQ(stretches[2].second - stretches[2].first, RampFrames);
}

// The music and an action sound add up; stopping the action sound leaves
// the music as it was.
TEST_F(HeardOutput, TwoPlayersMixAndStopSilencesOnlyOne)
{
    constexpr std::int16_t Music = 500;
    {
        SoundPlayers players(m_output.device());
        players.load(1);
        players[0].setFileName(wave("0.wav", 4 * RampFrames, [](int, int) { return Music; }));
        players[1].setFileName(wave("1.wav", RampFrames, ramp));
        players[0].setCommand(Command::Open);
        players[1].setCommand(Command::Open);
        players.RestartSound(0);
        ASSERT_TRUE(m_output.waitFrames(2 * Buffer));
        players.RestartSound(1);
        ASSERT_TRUE(m_output.waitFrames(RampFrames / 2));
        players[1].setCommand(Command::Stop);
        EXPECT_TRUE(players[0].isPlaying());
        EXPECT_FALSE(players[1].isPlaying());
        ASSERT_TRUE(m_output.waitFrames(4 * Buffer));
        EXPECT_TRUE(players[0].isPlaying());
    }
    m_heard = m_output.finish();

    const auto musicStart = firstSounding(m_heard);
    const auto mixStart = std::find_if(m_heard.begin() + musicStart, m_heard.end(), [](auto v) { return v != Music; })
        - m_heard.begin();
    const auto mixEnd = std::find(m_heard.begin() + mixStart, m_heard.end(), Music) - m_heard.begin();
    ASSERT_GT(mixEnd, mixStart);
    for (auto at = mixStart; at < mixEnd; ++at)
        ASSERT_EQ(m_heard[static_cast<std::size_t>(at)], Music + ramp(static_cast<int>(at - mixStart), 0)) << at;
    EXPECT_LT(mixEnd - mixStart, RampFrames);
    EXPECT_TRUE(std::all_of(m_heard.begin() + mixEnd, m_heard.begin() + mixEnd + 2 * Buffer,
                            [](auto v) { return v == Music; }));
}

} // namespace
