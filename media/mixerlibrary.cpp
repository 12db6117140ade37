// SPDX-License-Identifier: MIT
#include "mixerlibrary.h"

#include "sharedlibrary.h"

#include <cstdlib>
#include <optional>

namespace {

template<typename Function>
bool find(void *library, const char *name, Function &function, std::string &error)
{
    function = reinterpret_cast<Function>(SharedLibrary::function(library, name));
    if (!function)
        error = std::string("SDL_mixer has no ") + name + ", which the game needs";
    return function != nullptr;
}

struct Loaded
{
    std::optional<MixerLibrary> table;
    std::string error;
};

std::optional<MixerLibrary> load(std::string &error)
{
    void *library = SharedLibrary::openMixer(error);
    if (!library)
        return std::nullopt;
    MixerLibrary m{};
#define VELMORA_FIND(name) find(library, #name, m.name, error)
    const bool found = VELMORA_FIND(SDL_GetAudioDeviceStatus) && VELMORA_FIND(SDL_GetCurrentAudioDriver)
            && VELMORA_FIND(SDL_GetError) && VELMORA_FIND(SDL_InitSubSystem) && VELMORA_FIND(SDL_Quit)
            && VELMORA_FIND(SDL_QuitSubSystem) && VELMORA_FIND(SDL_ResetHint) && VELMORA_FIND(SDL_RWFromConstMem)
            && VELMORA_FIND(SDL_SetHint) && VELMORA_FIND(SDL_SetHintWithPriority) && VELMORA_FIND(SDL_WasInit)
            && VELMORA_FIND(Mix_AllocateChannels) && VELMORA_FIND(Mix_CloseAudio) && VELMORA_FIND(Mix_FreeChunk)
            && VELMORA_FIND(Mix_HaltChannel) && VELMORA_FIND(Mix_LoadWAV_RW) && VELMORA_FIND(Mix_OpenAudioDevice)
            && VELMORA_FIND(Mix_Pause) && VELMORA_FIND(Mix_Paused) && VELMORA_FIND(Mix_PlayChannelTimed)
            && VELMORA_FIND(Mix_Playing) && VELMORA_FIND(Mix_QuerySpec) && VELMORA_FIND(Mix_QuickLoad_RAW)
            && VELMORA_FIND(Mix_ReserveChannels) && VELMORA_FIND(Mix_Resume);
#undef VELMORA_FIND
    if (!found)
        return std::nullopt;
    return m;
}

// Loaded once for the whole run, on the first call.
const Loaded &loaded()
{
    static const Loaded mixer = [] {
        Loaded result;
        result.table = load(result.error);
        return result;
    }();
    return mixer;
}

} // namespace

const MixerLibrary *loadMixerLibrary(std::string &error)
{
    error = loaded().error;
    return loaded().table ? &*loaded().table : nullptr;
}

const MixerLibrary &mixerLibrary()
{
    if (!loaded().table)
        std::abort();
    return *loaded().table;
}
