// SPDX-License-Identifier: MIT
#include "sharedlibrary.h"

#if __has_include(<dlfcn.h>)
#include <dlfcn.h>
#endif

namespace {

struct Loaded
{
    void *library = nullptr;
    std::string error;
};

Loaded load()
{
#if __has_include(<dlfcn.h>)
    // The name the library's package installs it under, which SDL_mixer 2
    // has kept since its first release. Never closed: SDL's audio thread
    // may still be winding down when the game ends.
    void *library = dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    return {library, library ? std::string() : std::string(dlerror())};
#else
    return {nullptr, "this system loads no shared libraries for the game"};
#endif
}

} // namespace

void *SharedLibrary::openMixer(std::string &error)
{
    static const Loaded mixer = load();
    error = mixer.error;
    return mixer.library;
}

void *SharedLibrary::function(void *library, const char *name)
{
#if __has_include(<dlfcn.h>)
    return dlsym(library, name);
#else
    return nullptr;
#endif
}
