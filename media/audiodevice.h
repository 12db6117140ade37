// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

struct MixerLibrary;

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
//
// The game itself opens the device only once its window is on screen (see
// OpenLater): SDL is loaded with it, and until then the device is closed,
// as if lost, and the players wait for it.
//
// A device can be lost while the game runs: its sound server stops (desktops
// restart theirs after an update) or its card is unplugged. recover() notices
// that, closes the mixer and opens it again once the same driver can; in
// between the device is closed and every player stays silent.
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

    // Opens the device at once.
    AudioDevice();
    // Leaves the device closed, SDL not even loaded, until open().
    struct OpenLater
    {
    };
    explicit AudioDevice(OpenLater);
    ~AudioDevice();
    AudioDevice(const AudioDevice &) = delete;
    AudioDevice &operator=(const AudioDevice &) = delete;

    // What the first constructor does, for a device made with OpenLater; call
    // it once. False when there is no sound at all: SDL_mixer is not installed
    // or not even the dummy driver opens.
    bool open();

    // False when not even the dummy driver could be opened, while a lost
    // device is away, and before open().
    bool isOpen() const;
    // The SDL driver in use ("pulseaudio", "alsa", "dummy", ...); empty when closed.
    std::string driverName() const;
    // The format the device really runs at, which may differ from the one asked for.
    int frequency() const;
    int outputChannels() const;
    // Bytes of one frame (every channel of one sample) as the mixer holds it.
    int bytesPerFrame() const;

    // Called now and then from the players' thread; a call costs next to
    // nothing. When SDL has found the device removed it says so once on
    // standard error and closes it; from then on each call quietly tries the
    // same driver again. True on the call that reopened it: the mixer runs at
    // the format it ran at before, so every opened sound still fits, but
    // nothing plays until a player is told to.
    bool recover();

private:
    bool openWithCurrentDriver(int frequency, int channels, int allowedChanges);
    bool openWithDriver(const char *driver, int frequency, int channels, int allowedChanges);
    bool openDummy();
    bool reopen();
    void close();

    const MixerLibrary *m_sdl = nullptr;
    bool m_open = false;
    bool m_subsystemUp = false;
    // The mixer's device as SDL numbers it; 0 when it cannot be watched.
    std::uint32_t m_sdlDevice = 0;
    // The driver whose device was lost, while it is; empty otherwise.
    std::string m_lostDriver;
    int m_frequency = 0;
    int m_channels = 0;
    int m_bytesPerFrame = 0;
};
