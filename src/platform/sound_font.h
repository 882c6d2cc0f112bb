#pragma once

#include <functional>
#include <string>

namespace platform {

// The General MIDI sound fonts for the MIDI synthesiser: the SDL_SOUNDFONTS value when it is
// set and not empty (a list that SDL_mixer reads itself), else the first of the standard
// places where distributions install one that exists; empty when there is none.
std::string FindSoundFonts(const char* environmentValue,
                           const std::function<bool(const std::string&)>& exists);

// The same with the real environment and file system.
std::string FindSoundFonts();

}  // namespace platform
