// SPDX-License-Identifier: MIT
#include "sharedlibrary.h"

#if __has_include(<dlfcn.h>)
#include <dlfcn.h>
#endif

void *SharedLibrary::openMixer(std::string &error)
{
#if __has_include(<dlfcn.h>)
    // The name the library's package installs it under, which SDL_mixer 2
    // has kept since its first release. Never closed: SDL's audio thread
    // may still be winding down when the game ends.
    void *library = dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!library)
        error = dlerror();
    return library;
#else
    error = "this system loads no shared libraries for the game";
    return nullptr;
#endif
}

void *SharedLibrary::function(void *library, const char *name)
{
#if __has_include(<dlfcn.h>)
    return dlsym(library, name);
#else
    return nullptr;
#endif
}
