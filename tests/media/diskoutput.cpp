// SPDX-License-Identifier: MIT
#include "diskoutput.h"

#include <SDL_mixer.h>

#include <chrono>
#include <cstdlib>
#include <fstream>

DiskOutput::DiskOutput(const std::filesystem::path &file)
    : m_file(file)
{
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", m_file.c_str(), 1);
    m_device.emplace();
    Mix_SetPostMix(&DiskOutput::countFrames, this);
}

DiskOutput::~DiskOutput()
{
    finish();
}

AudioDevice &DiskOutput::device()
{
    return *m_device;
}

void DiskOutput::countFrames(void *self, std::uint8_t *, int bytes)
{
    auto *output = static_cast<DiskOutput *>(self);
    {
        const std::lock_guard lock(output->m_mutex);
        output->m_frames += bytes / output->m_device->bytesPerFrame();
    }
    output->m_mixed.notify_all();
}

std::int64_t DiskOutput::framesMixed()
{
    const std::lock_guard lock(m_mutex);
    return m_frames;
}

bool DiskOutput::waitUntilMixed(std::int64_t frames)
{
    // Far beyond anything a test waits for: only a stalled mixer gets here.
    const auto patience = std::chrono::seconds(20);
    std::unique_lock lock(m_mutex);
    return m_mixed.wait_for(lock, patience, [&] { return m_frames >= frames; });
}

bool DiskOutput::waitFrames(std::int64_t frames)
{
    return waitUntilMixed(framesMixed() + frames);
}

std::vector<std::int16_t> DiskOutput::finish()
{
    if (!m_device)
        return {};
    Mix_SetPostMix(nullptr, nullptr);
    m_device.reset();

    std::ifstream in(m_file, std::ios::binary);
    std::vector<std::int16_t> left;
    std::int16_t frame[AudioDevice::Channels];
    while (in.read(reinterpret_cast<char *>(frame), sizeof frame))
        left.push_back(frame[0]);
    return left;
}
