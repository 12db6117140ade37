// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

#include <string>

// The functions of SDL and SDL_mixer the sound players call, found in the
// libraries when the audio device first opens instead of linked into the
// program: loading them is a good third of the start-up to the first frame,
// and the window need not wait for its sound. Each is named as in SDL.
struct MixerLibrary
{
    decltype(&::SDL_GetAudioDeviceStatus) SDL_GetAudioDeviceStatus;
    decltype(&::SDL_GetCurrentAudioDriver) SDL_GetCurrentAudioDriver;
    decltype(&::SDL_GetError) SDL_GetError;
    decltype(&::SDL_InitSubSystem) SDL_InitSubSystem;
    decltype(&::SDL_Quit) SDL_Quit;
    decltype(&::SDL_QuitSubSystem) SDL_QuitSubSystem;
    decltype(&::SDL_ResetHint) SDL_ResetHint;
    decltype(&::SDL_RWFromConstMem) SDL_RWFromConstMem;
    decltype(&::SDL_SetHint) SDL_SetHint;
    decltype(&::SDL_SetHintWithPriority) SDL_SetHintWithPriority;
    decltype(&::SDL_WasInit) SDL_WasInit;
    decltype(&::Mix_AllocateChannels) Mix_AllocateChannels;
    decltype(&::Mix_CloseAudio) Mix_CloseAudio;
    decltype(&::Mix_FreeChunk) Mix_FreeChunk;
    decltype(&::Mix_HaltChannel) Mix_HaltChannel;
    decltype(&::Mix_LoadWAV_RW) Mix_LoadWAV_RW;
    decltype(&::Mix_OpenAudioDevice) Mix_OpenAudioDevice;
    decltype(&::Mix_Pause) Mix_Pause;
    decltype(&::Mix_Paused) Mix_Paused;
    decltype(&::Mix_PlayChannelTimed) Mix_PlayChannelTimed;
    decltype(&::Mix_Playing) Mix_Playing;
    decltype(&::Mix_QuerySpec) Mix_QuerySpec;
    decltype(&::Mix_QuickLoad_RAW) Mix_QuickLoad_RAW;
    decltype(&::Mix_ReserveChannels) Mix_ReserveChannels;
    decltype(&::Mix_Resume) Mix_Resume;
};

// Loaded on the first call; null where the libraries or one of the functions
// cannot be had, with the reason in error. The same table every call after.
const MixerLibrary *loadMixerLibrary(std::string &error);

// The table once loadMixerLibrary() has given it: for code that only runs
// with the device open.
const MixerLibrary &mixerLibrary();
