// SPDX-License-Identifier: MIT
// Length of good waves, and what a player does with files it cannot play.
#include "audiodevice.h"
#include "soundplayers.h"
#include "wavefile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <ostream>

namespace {

struct DummyDriver
{
    DummyDriver()
    {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    }
};

class SilentDevice : public ::testing::Test
{
protected:
    DummyDriver m_driver;
    AudioDevice m_device;
    QTemporaryDir m_scratch;
    std::filesystem::path m_dir{m_scratch.path().toStdString()};
};

std::int16_t sine(int frame, int)
{
    return static_cast<std::int16_t>(12000 * std::sin(frame * 0.05));
}

struct LengthCase
{
    WaveFormat format;
    double seconds;
};

std::ostream &operator<<(std::ostream &out, const LengthCase &c)
{
    return out << c.format.bits << "bit_" << c.format.channels << "ch_" << c.format.rate << "Hz_"
               << std::lround(c.seconds * 1000) << "ms";
}

class WaveLength : public SilentDevice, public ::testing::WithParamInterface<LengthCase>
{
};

TEST_P(WaveLength, IsTheFilesOwnLengthInMilliseconds)
{
    const auto [format, seconds] = GetParam();
    const int frames = static_cast<int>(std::lround(seconds * format.rate));
    const auto path = m_dir / "0.wav";
    writeFile(path, waveBytes(format, frames, sine));

    SoundPlayers players(m_device);
    players[0].setFileName(path.string());
    players[0].setCommand(Command::Open);

    // A file at another rate is resampled to the device's: allow a millisecond.
    const double expected = 1000.0 * frames / format.rate;
    EXPECT_NEAR(players[0].length(), expected, 1.0);
}

constexpr WaveFormat Mono8At22k{22050, 1, 8}, Stereo8At22k{22050, 2, 8}, Mono16At22k{22050, 1, 16};
constexpr WaveFormat Mono8At44k{44100, 1, 8}, Stereo16At44k{44100, 2, 16}, Mono16At44k{44100, 1, 16};
constexpr WaveFormat Stereo8At48k{48000, 2, 8}, Mono16At48k{48000, 1, 16}, Stereo16At48k{48000, 2, 16};

constexpr LengthCase LengthCases[] = {
    {Mono8At22k, 1.234}, {Stereo8At22k, 0.5},   {Mono16At22k, 2.0},   {Mono8At44k, 0.01}, {Stereo16At44k, 1.5},
    {Mono16At44k, 0.777}, {Stereo8At48k, 0.333}, {Mono16At48k, 3.21},
    // Music past the 32767 ms of a 16-bit length.
    {Stereo16At48k, 40.0},
};

INSTANTIATE_TEST_SUITE_P(EveryFormat, WaveLength, ::testing::ValuesIn(LengthCases),
                         [](const auto &info) { return ::testing::PrintToString(info.param); });

// The game opens its players before its device: a file opened then has the
// length it has with the device open, and plays once the device is there.
class WaveBeforeTheDevice : public ::testing::TestWithParam<LengthCase>
{
protected:
    DummyDriver m_driver;
    AudioDevice m_device{AudioDevice::OpenLater{}};
    QTemporaryDir m_scratch;
};

TEST_P(WaveBeforeTheDevice, HasTheSameLengthAndPlaysOnceTheDeviceOpens)
{
    const auto [format, seconds] = GetParam();
    const int frames = static_cast<int>(std::lround(seconds * format.rate));
    const auto path = std::filesystem::path(m_scratch.path().toStdString()) / "0.wav";
    writeFile(path, waveBytes(format, frames, sine));

    SoundPlayers players(m_device);
    players[0].setFileName(path.string());
    players[0].setCommand(Command::Open);
    EXPECT_NEAR(players[0].length(), 1000.0 * frames / format.rate, 1.0);
    players.RestartSound(0);
    EXPECT_FALSE(players[0].isPlaying());

    ASSERT_TRUE(m_device.open());
    players.RestartSound(0);
    EXPECT_TRUE(players[0].isPlaying());
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, WaveBeforeTheDevice, ::testing::ValuesIn(LengthCases),
                         [](const auto &info) { return ::testing::PrintToString(info.param); });

// How to spoil a good wave of 1 s, 44.1 kHz, 16-bit stereo.
struct BadFile
{
    const char *name;
    void (*make)(const std::filesystem::path &path, std::vector<std::uint8_t> good);
    // The longest a player may report: 0, or what can still be decoded.
    int maxLength;
    // Cut short: it plays what it holds, after a note.
    bool cutShort = false;
};

std::ostream &operator<<(std::ostream &out, const BadFile &c)
{
    return out << c.name;
}

void setU32(std::vector<std::uint8_t> &bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

const BadFile BadFiles[] = {
    {"Missing", [](const auto &, auto) {}, 0},
    {"Empty", [](const auto &path, auto) { writeFile(path, {}); }, 0},
    {"HeaderCutShort", [](const auto &path, auto good) { good.resize(30); writeFile(path, good); }, 0},
    {"DataCutInHalf", [](const auto &path, auto good) { good.resize(44 + 88200); writeFile(path, good); }, 500, true},
    {"Garbage",
     [](const auto &path, auto good) {
         for (std::size_t i = 0; i < good.size(); ++i)
             good[i] = static_cast<std::uint8_t>(i * 131 + 7);
         writeFile(path, good);
     },
     0},
    {"WaveHeaderOverGarbage",
     [](const auto &path, auto good) {
         std::fill(good.begin() + 12, good.end(), 0xA5);
         writeFile(path, good);
     },
     0},
    {"DataClaimsGigabytes",
     [](const auto &path, auto good) {
         setU32(good, 4, 0xFFFFFFF0u);
         setU32(good, 40, 0xFFFFFFF0u - 36);
         writeFile(path, good);
     },
     1000, true},
    {"RiffClaimsGigabytes", [](const auto &path, auto good) { setU32(good, 4, 0xFFFFFFF0u); writeFile(path, good); }, 1000},
    {"ZeroChannels", [](const auto &path, auto good) { good[22] = 0; writeFile(path, good); }, 0},
    {"ZeroRate", [](const auto &path, auto good) { setU32(good, 24, 0); writeFile(path, good); }, 0},
    // 4 KB of samples at 1 Hz would be 17 minutes, and 90 MB, at the mixer's rate.
    {"RateOfOneHertz",
     [](const auto &path, auto good) {
         good.resize(4096);
         setU32(good, 4, 4096 - 8);
         setU32(good, 24, 1);
         setU32(good, 40, 4096 - 44);
         writeFile(path, good);
     },
     0},
    {"OggBehindAWaveName",
     [](const auto &path, auto good) {
         std::copy_n("OggS", 4, good.begin());
         writeFile(path, good);
     },
     0},
    {"Directory", [](const auto &path, auto) { std::filesystem::create_directory(path); }, 0},
    {"Fifo", [](const auto &path, auto) { ::mkfifo(path.c_str(), 0600); }, 0},
    {"Unreadable",
     [](const auto &path, auto good) {
         writeFile(path, good);
         std::filesystem::permissions(path, std::filesystem::perms::none);
     },
     1000},
};

class BadWave : public SilentDevice, public ::testing::WithParamInterface<BadFile>
{
};

// A bad file leaves its own player silent and says so; the next player,
// given a good file, plays as if nothing had happened.
TEST_P(BadWave, LeavesItsPlayerSilentAndTheOthersUnaffected)
{
    const auto good = waveBytes(WaveFormat{}, 44100, sine);
    const auto bad = m_dir / "1.wav";
    GetParam().make(bad, good);
    writeFile(m_dir / "2.wav", good);

    SoundPlayers players(m_device);
    players.load(1);
    players.load(2);
    players[1].setFileName(bad.string());
    players[2].setFileName((m_dir / "2.wav").string());
    ::testing::internal::CaptureStderr();
    players[1].setCommand(Command::Open);
    const std::string said = ::testing::internal::GetCapturedStderr();
    players[2].setCommand(Command::Open);

    EXPECT_GE(players[1].length(), 0);
    EXPECT_LE(players[1].length(), GetParam().maxLength);
    if (!players[1].isOpen()) {
        EXPECT_EQ(players[1].length(), 0);
    }
    if (!players[1].isOpen() || GetParam().cutShort) {
        EXPECT_NE(said.find(bad.string()), std::string::npos) << said;
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    }
    // All that the file holds, however much its header claims.
    if (GetParam().cutShort) {
        EXPECT_EQ(players[1].length(), GetParam().maxLength);
    }
    for (Command command : {Command::Prev, Command::Play, Command::Stop, Command::Play, Command::Close, Command::Open})
        players[1].setCommand(command);
    players.RestartSound(1);

    players.RestartSound(2);
    EXPECT_TRUE(players[2].isPlaying());
    EXPECT_EQ(players[2].length(), 1000);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, BadWave, ::testing::ValuesIn(BadFiles),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
