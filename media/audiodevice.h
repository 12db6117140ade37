// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// The one audio output of the game. Build it once, before any SoundPlayer, and
// keep it until every player is gone: the constructor opens SDL's audio
// subsystem alone (never video or events of its own), opens the mixer and
// reserves one mixer channel per player, so that nothing else can take a
// player's channel. When no real device can be had it falls back to SDL's
// "dummy" driver, where every player works and nothing is heard; a driver the
// user chose through SDL_AUDIODRIVER is tried first. On a sound server the
// stream is listed as "Velmora", with the role "game"; its icon is the
// desktop's affair, set in the environment before the device opens.
// It never throws, and says on standard error when it has to fall back. The
// destructor halts every channel and releases the device.
class AudioDevice
{
public:
    // 44.1 kHz, 16-bit mono, 512 frames: a buffer of 11.6 ms. The game's
    // sounds are mono; a mono mixer keeps them as they are instead of
    // holding every one twice over in stereo, which for the half-minute
    // music alone is 2.5 MB.
    static constexpr int Frequency = 44100;
    static constexpr int Channels = 1;
    static constexpr int BufferFrames = 512;
    // Mixer channels 0 to PlayerChannels - 1 belong to the sound players.
    static constexpr int PlayerChannels = 4;

    AudioDevice();
    ~AudioDevice();
    AudioDevice(const AudioDevice &) = delete;
    AudioDevice &operator=(const AudioDevice &) = delete;

    // False only when not even the dummy driver could be opened.
    bool isOpen() const;
    // The SDL driver in use ("pulseaudio", "alsa", "dummy", ...); empty when closed.
    std::string driverName() const;
    // The format the device really runs at, which may differ from the one asked for.
    int frequency() const;
    int outputChannels() const;
    // Bytes of one frame (every channel of one sample) as the mixer holds it.
    int bytesPerFrame() const;

private:
    bool openWithCurrentDriver();
    bool openDummy();

    bool m_open = false;
    bool m_subsystemUp = false;
    int m_frequency = 0;
    int m_channels = 0;
    int m_bytesPerFrame = 0;
};
