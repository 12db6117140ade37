// SPDX-License-Identifier: MIT
#include "audiodevice.h"

#include "mixerlibrary.h"

#include <cstdio>

namespace {

// The game has no volume setting of its own: the desktop's volume control is
// where a player lowers or mutes it, so its stream must show there under the
// game's name, as a game. SDL names the application and the stream for the
// sound servers that take a name, and gives the role to those that take it
// from SDL.
void nameTheStream(const MixerLibrary &sdl)
{
    sdl.SDL_SetHint(SDL_HINT_APP_NAME, "Velmora");
    sdl.SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, "Music and sound effects");
    sdl.SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_ROLE, "game");
}

// The device may insist on its own rate or channel count; the mixer then
// converts, and lengths are taken from what it really runs at.
constexpr int AnyRateOrChannels = SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE;

// SDL_mixer keeps the id of its device to itself. It has just opened the
// game's one device and set it playing: the one that SDL, which keeps at
// most 16 open, reports playing.
SDL_AudioDeviceID playingDevice(const MixerLibrary &sdl)
{
    for (SDL_AudioDeviceID id = 1; id <= 16; ++id) {
        if (sdl.SDL_GetAudioDeviceStatus(id) == SDL_AUDIO_PLAYING)
            return id;
    }
    return 0;
}

} // namespace

AudioDevice::AudioDevice()
{
    open();
}

AudioDevice::AudioDevice(OpenLater)
{
}

AudioDevice::~AudioDevice()
{
    if (!m_sdl)
        return;
    close();
    // Nothing else in the game uses SDL: let it drop its hints and globals.
    if (m_sdl->SDL_WasInit(0) == 0)
        m_sdl->SDL_Quit();
}

bool AudioDevice::open()
{
    std::string missing;
    m_sdl = loadMixerLibrary(missing);
    if (!m_sdl) {
        std::fprintf(stderr, "velmora: no sound library (%s); the game goes on without sound\n", missing.c_str());
        return false;
    }
    // SDL would otherwise install its own SIGINT and SIGTERM handlers, which
    // only queue a quit event that nobody reads: the game would survive kill.
    m_sdl->SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    nameTheStream(*m_sdl);

    if (openWithCurrentDriver(Frequency, Channels, AnyRateOrChannels))
        return true;
    const std::string reason = m_sdl->SDL_GetError();
    if (openDummy()) {
        std::fprintf(stderr, "velmora: no audio device (%s); the game goes on without sound\n", reason.c_str());
        return true;
    }
    std::fprintf(stderr, "velmora: no audio at all (%s; dummy driver: %s)\n", reason.c_str(), m_sdl->SDL_GetError());
    return false;
}

bool AudioDevice::openWithCurrentDriver(int frequency, int channels, int allowedChanges)
{
    if (m_sdl->SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    m_subsystemUp = true;

    if (m_sdl->Mix_OpenAudioDevice(frequency, AUDIO_S16SYS, channels, BufferFrames, nullptr, allowedChanges) != 0)
        return false;

    Uint16 format = 0;
    m_sdl->Mix_QuerySpec(&m_frequency, &format, &m_channels);
    m_bytesPerFrame = static_cast<int>(SDL_AUDIO_BITSIZE(format) / 8) * m_channels;

    // Mix_PlayChannel(-1, ...) takes the first free channel; reserving ours
    // keeps any such call away from the players.
    if (m_sdl->Mix_AllocateChannels(-1) < PlayerChannels)
        m_sdl->Mix_AllocateChannels(PlayerChannels);
    m_sdl->Mix_ReserveChannels(PlayerChannels);
    m_sdlDevice = playingDevice(*m_sdl);
    m_open = true;
    return true;
}

bool AudioDevice::openDummy()
{
    close();
    // SDL never picks the dummy driver by itself: with no sound card it
    // settles on ALSA, whose device then fails to open.
    return openWithDriver("dummy", Frequency, Channels, AnyRateOrChannels);
}

// The driver asked for by name, over whatever the user asked for; the
// choice is given back afterwards.
bool AudioDevice::openWithDriver(const char *driver, int frequency, int channels, int allowedChanges)
{
    m_sdl->SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, driver, SDL_HINT_OVERRIDE);
    const bool opened = openWithCurrentDriver(frequency, channels, allowedChanges);
    m_sdl->SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    return opened;
}

// SDL reports a lost device as stopped and goes on calling the mixer at the
// device's pace, into nothing, so the players seem to play on. A sound
// server that has gone shows so within milliseconds: its socket closes. (One
// that hangs merely stalls the device, and closing that would hang the game
// with it.) Each try to reopen starts SDL's audio afresh, keeping nothing of
// the old connection; a try that fails costs a refused connection, a small
// fraction of a millisecond.
bool AudioDevice::recover()
{
    if (m_open) {
        if (m_sdlDevice == 0 || m_sdl->SDL_GetAudioDeviceStatus(m_sdlDevice) != SDL_AUDIO_STOPPED)
            return false;
        m_lostDriver = driverName();
        std::fprintf(stderr, "velmora: the sound output (%s) is gone; the game plays on silently until it is back\n",
                     m_lostDriver.c_str());
        close();
    }
    if (m_lostDriver.empty() || !reopen())
        return false;
    std::fprintf(stderr, "velmora: the sound output (%s) is back\n", m_lostDriver.c_str());
    m_lostDriver.clear();
    return true;
}

// The lost driver alone, never another one that happens to open: a card the
// sound server holds would be taken from it. The format is the one the
// sounds were converted to; SDL converts it for a device that now differs.
bool AudioDevice::reopen()
{
    const bool opened = openWithDriver(m_lostDriver.c_str(), m_frequency, m_channels, 0);
    if (!opened)
        close();
    return opened;
}

void AudioDevice::close()
{
    if (m_open) {
        m_sdl->Mix_HaltChannel(-1);
        m_sdl->Mix_CloseAudio();
        m_open = false;
    }
    if (m_subsystemUp) {
        m_sdl->SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_subsystemUp = false;
    }
}

bool AudioDevice::isOpen() const
{
    return m_open;
}

std::string AudioDevice::driverName() const
{
    if (!m_open)
        return {};
    const char *name = m_sdl->SDL_GetCurrentAudioDriver();
    return name ? name : "";
}

int AudioDevice::frequency() const
{
    return m_frequency;
}

int AudioDevice::outputChannels() const
{
    return m_channels;
}

int AudioDevice::bytesPerFrame() const
{
    return m_bytesPerFrame;
}
