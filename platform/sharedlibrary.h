// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// The sound library, loaded while the game runs rather than with the
// program: SDL_mixer 2 and the SDL it needs. They bring some forty libraries
// of codecs, sound servers and window systems with them, whose loading would
// otherwise come before main(), ahead of the first frame. No toolkit here:
// the sound players use it.
namespace SharedLibrary {

// The library, kept for the rest of the run; null where the system has
// none, with the loader's reason in error.
void *openMixer(std::string &error);

// A function of a library openMixer() gave, or of a library it brought; null
// when there is none of that name.
void *function(void *library, const char *name);

} // namespace SharedLibrary
