// SPDX-License-Identifier: MIT
// Fuzz target for the sound reader. Each input is written to a file and
// opened by a SoundPlayer exactly as start-up opens "1.wav", on SDL's dummy
// driver; a sound it accepts is played from its start, stopped and closed.
// Refusals are expected and print their one line; a crash, a sanitizer
// report, or a single allocation over libFuzzer's -malloc_limit_mb (the
// mark of a header believed) is a finding.
#include "audiodevice.h"
#include "soundplayer.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

struct Player
{
    Player()
    {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        char pattern[] = "/tmp/velmora-fuzz-wave.XXXXXX";
        directory = mkdtemp(pattern);
        file = (directory / "1.wav").string();
    }
    ~Player() { std::filesystem::remove_all(directory); }

    std::filesystem::path directory;
    std::string file;
    AudioDevice device;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static Player fixture;
    std::ofstream(fixture.file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
    SoundPlayer player(fixture.device, 0);
    player.setFileName(fixture.file);
    player.setCommand(Command::Open);
    if (player.isOpen()) {
        player.setCommand(Command::Prev);
        player.setCommand(Command::Play);
        player.setCommand(Command::Stop);
        player.setCommand(Command::Close);
    }
    return 0;
}
