#pragma once

#include <SDL_mixer.h>
#include <SDL_ttf.h>

// SDL_mixer (with the MIDI synthesiser and the decoders it brings along) and SDL_ttf are
// opened when the first sound or text needs them, not when the program starts: loading them
// and the forty libraries behind them held up the first picture by about ten milliseconds.
// Their headers give the functions' types; the calls go through these tables.

namespace platform::sdl_libraries {

// clang-format off
#define VIMBARO_MIXER_FUNCTIONS(X)                                                  \
    X(Init) X(Quit) X(OpenAudioDevice) X(CloseAudio) X(AllocateChannels)            \
    X(SetSoundFonts) X(LoadWAV_RW) X(FreeChunk) X(PlayChannel) X(HaltChannel)       \
    X(ChannelFinished) X(LoadMUSType_RW) X(FreeMusic) X(PlayMusic) X(PauseMusic)    \
    X(ResumeMusic) X(HaltMusic) X(PlayingMusic)

#define VIMBARO_TTF_FUNCTIONS(X) \
    X(Init) X(Quit) X(OpenFont) X(CloseFont) X(FontHeight) X(RenderUTF8_Blended)
// clang-format on

#define VIMBARO_LIBRARY_MEMBER(prefix, name) decltype(&::prefix##name) name = nullptr;
#define VIMBARO_MIXER_MEMBER(name) VIMBARO_LIBRARY_MEMBER(Mix_, name)
#define VIMBARO_TTF_MEMBER(name) VIMBARO_LIBRARY_MEMBER(TTF_, name)

struct Mixer {
    VIMBARO_MIXER_FUNCTIONS(VIMBARO_MIXER_MEMBER)
};

struct Ttf {
    VIMBARO_TTF_FUNCTIONS(VIMBARO_TTF_MEMBER)
};

#undef VIMBARO_TTF_MEMBER
#undef VIMBARO_MIXER_MEMBER
#undef VIMBARO_LIBRARY_MEMBER

// The library's functions, opened on the first call (from any thread); nullptr when the
// library or one of its functions cannot be found, which is said once on standard error.
const Mixer* OpenMixer();
const Ttf* OpenTtf();

}  // namespace platform::sdl_libraries
