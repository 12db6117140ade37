// SPDX-License-Identifier: MIT
// The game's own four sounds as a player hears them: played by the game's
// players and mixed on SDL's disk driver, read back from its output.
#include "assetfiles.h"
#include "diskoutput.h"
#include "soundplayers.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <vector>

namespace {

const std::filesystem::path BuildDir = VELMORA_BUILD_DIR;
constexpr int Rate = AudioDevice::Frequency;
constexpr int Buffer = AudioDevice::BufferFrames;
constexpr double FullScale = 32768.0;

constexpr int Music = 0;
constexpr int FirstAction = 1;

int frames(const SoundPlayer &player)
{
    return static_cast<int>(std::int64_t{player.length()} * Rate / 1000);
}

// Every player opened on the game's file of its own index, as start-up does.
void openGameSounds(SoundPlayers &players)
{
    for (int i = 1; i < SoundPlayers::MaxCount; ++i)
        players.load(i);
    for (int i = 0; i < SoundPlayers::MaxCount; ++i) {
        players[i].setFileName((BuildDir / soundFileName(i)).string());
        players[i].setCommand(Command::Open);
        ASSERT_TRUE(players[i].isOpen()) << i;
    }
}

// The level of a sound over its own length, from where it first sounds.
double rmsDb(std::span<const std::int16_t> heard, std::int64_t from, int length)
{
    const auto start = std::find_if(heard.begin() + from, heard.end(), [](std::int16_t v) { return v != 0; });
    const auto stretch = heard.subspan(static_cast<std::size_t>(start - heard.begin())).first(
        std::min<std::size_t>(static_cast<std::size_t>(length), static_cast<std::size_t>(heard.end() - start)));
    double sum = 0.0;
    for (std::int16_t v : stretch)
        sum += double(v) * v;
    const double meanSquare = sum / double(std::max<std::size_t>(stretch.size(), 1));
    return 10.0 * std::log10(std::max(meanSquare / (FullScale * FullScale), 1e-12));
}

// An action is the player's feedback: through the mixer, each one alone is
// at least 6 dB louder than the music alone, both over their own length.
TEST(GameSounds, EveryActionSoundsSixDecibelsOverTheMusic)
{
    // Flat out: the whole loop of the music is mixed in a moment.
    setenv("SDL_DISKAUDIODELAY", "0", 1);
    QTemporaryDir scratch;
    DiskOutput output(std::filesystem::path(scratch.path().toStdString()) / "mixed.raw");
    std::vector<std::int64_t> starts;
    std::vector<int> lengths;
    {
        SoundPlayers players(output.device());
        openGameSounds(players);
        for (int i = 0; i < SoundPlayers::MaxCount; ++i) {
            starts.push_back(output.framesMixed());
            lengths.push_back(frames(players[i]));
            players.RestartSound(i);
            ASSERT_TRUE(output.waitFrames(lengths.back() + 2 * Buffer));
        }
    }
    unsetenv("SDL_DISKAUDIODELAY");
    const std::vector<std::int16_t> heard = output.finish();

    const double music = rmsDb(heard, starts[Music], lengths[Music]);
    for (int i = FirstAction; i < SoundPlayers::MaxCount; ++i)
        EXPECT_GE(rmsDb(heard, starts[i], lengths[i]) - music, 6.0) << soundFileName(i) << " against the music at "
                                                                   << music << " dB";
}

// The three action sounds started at one moment over the music: the mix
// has the headroom for all four and never reaches full scale.
TEST(GameSounds, TheMusicAndAllThreeActionsAtOnceStayBelowFullScale)
{
    QTemporaryDir scratch;
    DiskOutput output(std::filesystem::path(scratch.path().toStdString()) / "mixed.raw");
    {
        SoundPlayers players(output.device());
        openGameSounds(players);
        players.RestartSound(Music);
        ASSERT_TRUE(output.waitFrames(Rate / 2));
        int longest = 0;
        for (int i = FirstAction; i < SoundPlayers::MaxCount; ++i) {
            players.RestartSound(i);
            longest = std::max(longest, frames(players[i]));
        }
        ASSERT_TRUE(output.waitFrames(longest + 2 * Buffer));
    }
    const std::vector<std::int16_t> heard = output.finish();

    ASSERT_FALSE(heard.empty());
    const auto loudest = std::max_element(heard.begin(), heard.end(),
                                          [](std::int16_t a, std::int16_t b) { return std::abs(a) < std::abs(b); });
    EXPECT_LT(std::abs(*loudest) / FullScale, 0.99) << "at frame " << loudest - heard.begin();
}

} // namespace
