// SPDX-License-Identifier: MIT
// The control array MMC and the state each player keeps between commands.
#include "diskoutput.h"
#include "assetfiles.h"
#include "soundplayers.h"
#include "wavefile.h"

#include <QTemporaryDir>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <vector>

namespace {

class Players : public ::testing::Test
{
protected:
    // Opens players 0..3 on waves of the given number of frames each.
    void openAll(int frames)
    {
        for (int i = 1; i < SoundPlayers::MaxCount; ++i)
            m_players.load(i);
        for (int i = 0; i < SoundPlayers::MaxCount; ++i) {
            const auto path = m_dir / soundFileName(i);
            writeFile(path, waveBytes(WaveFormat{}, frames, [i](int, int) { return std::int16_t(100 * (i + 1)); }));
            m_players[i].setFileName(path.string());
            m_players[i].setCommand(Command::Open);
        }
    }

    QTemporaryDir m_scratch;
    std::filesystem::path m_dir{m_scratch.path().toStdString()};
    DiskOutput m_output{m_dir / "mixed.raw"};
    SoundPlayers m_players{m_output.device()};
};

TEST(AssetFileNames, WriteEveryNumberInDecimalWithoutPadding)
{
    EXPECT_EQ(soundFileName(0), "0.wav");
    EXPECT_EQ(moodPictureName(0), "0.bmp");
    // Mood 1 with action 2, and mood 2 with action 0.
    EXPECT_EQ(reactionPictureName(1, 2), "12.bmp");
    EXPECT_EQ(reactionPictureName(2, 0), "20.bmp");
    EXPECT_EQ(reactionPictureName(0, 1), "01.bmp");
}

TEST_F(Players, ElementsAreCreatedInOrderEachOnAChannelOfItsOwn)
{
    m_players[0].setFileName("/nowhere/0.wav");
    EXPECT_EQ(m_players.count(), 1);
    EXPECT_THROW(m_players.load(2), std::out_of_range);
    for (int i = 1; i < SoundPlayers::MaxCount; ++i)
        m_players.load(i);
    EXPECT_THROW(m_players.load(SoundPlayers::MaxCount), std::out_of_range);
    EXPECT_THROW(m_players.load(1), std::out_of_range);
    ASSERT_EQ(m_players.count(), SoundPlayers::MaxCount);
    for (int i = 0; i < SoundPlayers::MaxCount; ++i) {
        EXPECT_EQ(m_players[i].channel(), i);
        EXPECT_EQ(m_players[i].fileName(), "/nowhere/0.wav");
    }
    EXPECT_THROW(m_players[-1], std::out_of_range);
    EXPECT_THROW(m_players.RestartSound(SoundPlayers::MaxCount), std::out_of_range);
}

TEST_F(Players, CommandsToOnePlayerNeverChangeAnother)
{
    openAll(5 * AudioDevice::Frequency);
    for (int i = 0; i < SoundPlayers::MaxCount; ++i)
        m_players.RestartSound(i);

    m_players[1].setCommand(Command::Stop);
    m_players[2].setCommand(Command::Close);
    m_players.RestartSound(3);
    // A sound sent to "the first free channel" must not take a player's,
    // not even the one whose player has closed.
    std::vector<std::uint8_t> silence(4096, 0);
    Mix_Chunk *stranger = Mix_QuickLoad_RAW(silence.data(), static_cast<Uint32>(silence.size()));
    EXPECT_GE(Mix_PlayChannel(-1, stranger, 0), AudioDevice::PlayerChannels);
    EXPECT_FALSE(m_players[2].isPlaying());
    Mix_FreeChunk(stranger);

    EXPECT_TRUE(m_players[0].isPlaying());
    EXPECT_FALSE(m_players[1].isPlaying());
    EXPECT_FALSE(m_players[2].isPlaying());
    EXPECT_TRUE(m_players[3].isPlaying());
    EXPECT_EQ(m_players[1].length(), 5000);
    EXPECT_EQ(m_players[2].length(), 0);
    EXPECT_EQ(m_players[3].length(), 5000);
}

// Only "prev" brings a finished sound back: "play" alone stays at its end.
TEST_F(Players, AFinishedSoundPlaysAgainOnlyAfterPrev)
{
    openAll(AudioDevice::BufferFrames);
    m_players.RestartSound(1);
    ASSERT_TRUE(m_output.waitFrames(4 * AudioDevice::BufferFrames));
    ASSERT_FALSE(m_players[1].isPlaying());

    m_players[1].setCommand(Command::Play);
    EXPECT_FALSE(m_players[1].isPlaying());
    m_players.RestartSound(1);
    EXPECT_TRUE(m_players[1].isPlaying());
}

TEST_F(Players, CommandsWithoutAnOpenSoundDoNothing)
{
    m_players[0].setFileName((m_dir / "never-written.wav").string());
    for (Command command : {Command::Prev, Command::Play, Command::Stop, Command::Close})
        m_players[0].setCommand(command);
    EXPECT_FALSE(m_players[0].isPlaying());
    EXPECT_EQ(m_players[0].length(), 0);
}

TEST_F(Players, ClosingAPlayingSoundSilencesItAndForgetsItsLength)
{
    openAll(AudioDevice::Frequency);
    m_players.RestartSound(0);
    m_players[0].setCommand(Command::Stop);
    m_players[0].setCommand(Command::Close);
    EXPECT_FALSE(m_players[0].isPlaying());
    EXPECT_EQ(m_players[0].length(), 0);
    EXPECT_EQ(Mix_Playing(0), 0);
}

TEST(PlayersShutDown, LeavesNothingPlayingOrOpen)
{
    QTemporaryDir scratch;
    const std::filesystem::path dir = scratch.path().toStdString();
    DiskOutput output(dir / "mixed.raw");
    writeFile(dir / "0.wav", waveBytes(WaveFormat{}, 44100, [](int, int) { return std::int16_t{700}; }));
    {
        SoundPlayers players(output.device());
        for (int i = 1; i < SoundPlayers::MaxCount; ++i)
            players.load(i);
        for (int i = 0; i < SoundPlayers::MaxCount; ++i) {
            players[i].setFileName((dir / "0.wav").string());
            players[i].setCommand(Command::Open);
            players.RestartSound(i);
        }
        ASSERT_EQ(Mix_Playing(-1), SoundPlayers::MaxCount);
    }
    EXPECT_EQ(Mix_Playing(-1), 0);
}

} // namespace
