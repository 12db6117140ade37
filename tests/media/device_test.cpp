// SPDX-License-Identifier: MIT
// Opening the audio device: the driver chosen, the fallback, and signals.
#include "audiodevice.h"
#include "soundplayers.h"
#include "wavefile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <ostream>
#include <cstdlib>

namespace {

struct DriverCase
{
    const char *requested;
    const char *expected;
};

std::ostream &operator<<(std::ostream &out, const DriverCase &c)
{
    return out << c.requested << " gives " << c.expected;
}

class RequestedDriver : public ::testing::TestWithParam<DriverCase>
{
protected:
    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", GetParam().requested, 1);
        setenv("SDL_DISKAUDIOFILE", (m_dir / "mixed.raw").c_str(), 1);
    }

    QTemporaryDir m_scratch;
    std::filesystem::path m_dir{m_scratch.path().toStdString()};
};

// A driver that cannot open gives way to "dummy"; one that can is kept.
TEST_P(RequestedDriver, IsHonouredWhenItOpensAndOtherwiseReplacedByDummy)
{
    const auto music = m_dir / "0.wav";
    writeFile(music, waveBytes(WaveFormat{22050, 1, 16}, 22050 * 3, [](int, int) { return std::int16_t{900}; }));

    ::testing::internal::CaptureStderr();
    AudioDevice device;
    const std::string said = ::testing::internal::GetCapturedStderr();
    ASSERT_TRUE(device.isOpen()) << said;
    EXPECT_EQ(device.driverName(), GetParam().expected);

    SoundPlayers players(device);
    players[0].setFileName(music.string());
    players[0].setCommand(Command::Open);
    EXPECT_EQ(players[0].length(), 3000);
    players.RestartSound(0);
    EXPECT_TRUE(players[0].isPlaying());
}

INSTANTIATE_TEST_SUITE_P(Drivers, RequestedDriver,
                         ::testing::Values(DriverCase{"no-such-driver", "dummy"}, DriverCase{"disk", "disk"},
                                           DriverCase{"dummy", "dummy"}),
                         [](const auto &info) { return "Driver" + std::to_string(info.index); });

// On a machine without a sound card ALSA initialises but cannot open a
// device; on one with a card it opens. Either way the game has audio.
TEST(AudioDevice, OpensWhateverTheSystemDriverDoes)
{
    unsetenv("SDL_AUDIODRIVER");
    AudioDevice device;
    EXPECT_TRUE(device.isOpen());
    EXPECT_FALSE(device.driverName().empty());
    EXPECT_EQ(device.bytesPerFrame(), 2 * device.outputChannels());
}

TEST(AudioDevice, ReopensCleanlyAfterItIsClosed)
{
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    for (int round = 0; round < 3; ++round) {
        AudioDevice device;
        EXPECT_EQ(device.driverName(), "dummy");
    }
}

struct SignalCase
{
    int number;
    const char *name;
};

std::ostream &operator<<(std::ostream &out, const SignalCase &c)
{
    return out << c.name;
}

class Signal : public ::testing::TestWithParam<SignalCase>
{
};

// The game must still end on kill and on Ctrl+C while its audio is open.
TEST_P(Signal, StillEndsTheProgramWhileTheDeviceIsOpen)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const int signal = GetParam().number;
    EXPECT_EXIT(
        {
            AudioDevice device;
            std::raise(signal);
            std::exit(0);
        },
        ::testing::KilledBySignal(signal), "");
}

INSTANTIATE_TEST_SUITE_P(KillAndInterrupt, Signal,
                         ::testing::Values(SignalCase{SIGTERM, "SIGTERM"}, SignalCase{SIGINT, "SIGINT"}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
