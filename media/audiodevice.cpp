// SPDX-License-Identifier: MIT
#include "audiodevice.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>

namespace {

// The game has no volume setting of its own: the desktop's volume control is
// where a player lowers or mutes it, so its stream must show there under the
// game's name, as a game. SDL names the application and the stream for the
// sound servers that take a name, and gives the role to those that take it
// from SDL.
void nameTheStream()
{
    SDL_SetHint(SDL_HINT_APP_NAME, "Velmora");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, "Music and sound effects");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_ROLE, "game");
}

} // namespace

AudioDevice::AudioDevice()
{
    // SDL would otherwise install its own SIGINT and SIGTERM handlers, which
    // only queue a quit event that nobody reads: the game would survive kill.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    nameTheStream();

    if (openWithCurrentDriver())
        return;
    const std::string reason = SDL_GetError();
    if (openDummy()) {
        std::fprintf(stderr, "velmora: no audio device (%s); the game goes on without sound\n", reason.c_str());
        return;
    }
    std::fprintf(stderr, "velmora: no audio at all (%s; dummy driver: %s)\n", reason.c_str(), SDL_GetError());
}

AudioDevice::~AudioDevice()
{
    if (m_open) {
        Mix_HaltChannel(-1);
        Mix_CloseAudio();
    }
    if (m_subsystemUp)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    // Nothing else in the game uses SDL: let it drop its hints and globals.
    if (SDL_WasInit(0) == 0)
        SDL_Quit();
}

bool AudioDevice::openWithCurrentDriver()
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    m_subsystemUp = true;

    // The device may insist on its own rate or channel count; the mixer then
    // converts, and lengths are taken from what it really runs at.
    const int changes = SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE;
    if (Mix_OpenAudioDevice(Frequency, AUDIO_S16SYS, Channels, BufferFrames, nullptr, changes) != 0)
        return false;

    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    Mix_QuerySpec(&frequency, &format, &channels);
    m_frequency = frequency;
    m_channels = channels;
    m_bytesPerFrame = static_cast<int>(SDL_AUDIO_BITSIZE(format) / 8) * channels;

    // Mix_PlayChannel(-1, ...) takes the first free channel; reserving ours
    // keeps any such call away from the players.
    if (Mix_AllocateChannels(-1) < PlayerChannels)
        Mix_AllocateChannels(PlayerChannels);
    Mix_ReserveChannels(PlayerChannels);
    m_open = true;
    return true;
}

bool AudioDevice::openDummy()
{
    if (m_subsystemUp) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_subsystemUp = false;
    }
    // SDL never picks the dummy driver by itself: with no sound card it
    // settles on ALSA, whose device then fails to open. Ask for it by name,
    // over whatever the user asked for, and give the choice back afterwards.
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    const bool opened = openWithCurrentDriver();
    SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    return opened;
}

bool AudioDevice::isOpen() const
{
    return m_open;
}

std::string AudioDevice::driverName() const
{
    if (!m_open)
        return {};
    const char *name = SDL_GetCurrentAudioDriver();
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
