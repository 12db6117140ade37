// SPDX-License-Identifier: MIT
#pragma once

#include "audiodevice.h"

#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <optional>
#include <vector>

// The game's audio device on SDL's disk driver, which writes the mixed output
// to a file instead of a sound card: what a test reads back is what a player
// would have heard. The mixer runs at the pace of a real device; a test waits
// for it to get somewhere by counting mixed frames, never by sleeping. Destroy
// every sound player before finish(), which closes the device and reads the
// file: the left channel, one 16-bit value a frame.
class DiskOutput
{
public:
    explicit DiskOutput(const std::filesystem::path &file);
    ~DiskOutput();

    AudioDevice &device();
    std::int64_t framesMixed();
    // Blocks until the mixer has produced `frames` frames since the device opened.
    bool waitUntilMixed(std::int64_t frames);
    // Blocks until `frames` more frames have been mixed from now.
    bool waitFrames(std::int64_t frames);
    std::vector<std::int16_t> finish();

private:
    static void countFrames(void *self, std::uint8_t *stream, int bytes);

    std::filesystem::path m_file;
    std::optional<AudioDevice> m_device;
    std::mutex m_mutex;
    std::condition_variable m_mixed;
    std::int64_t m_frames = 0;
};
