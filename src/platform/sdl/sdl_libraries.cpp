#include "platform/sdl/sdl_libraries.h"

#include <dlfcn.h>

#include <cstdio>

namespace platform::sdl_libraries {

namespace {

// Finds every function of the table in the library; false when one is missing.
template <class Table, class Fill>
bool Load(const char* soname, Table& table, Fill fill) {
    void* library = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        std::fprintf(stderr, "vimbaro: cannot open %s: %s\n", soname, dlerror());
        return false;
    }
    bool complete = true;
    fill(table, [&](const char* symbol) {
        void* found = dlsym(library, symbol);
        if (found == nullptr) {
            std::fprintf(stderr, "vimbaro: %s lacks %s\n", soname, symbol);
            complete = false;
        }
        return found;
    });
    // The library stays loaded for the rest of the run: sounds and fonts may live that long.
    return complete;
}

#define VIMBARO_LOAD(prefix, name) \
    table.name = reinterpret_cast<decltype(table.name)>(find(#prefix #name));
#define VIMBARO_LOAD_MIXER(name) VIMBARO_LOAD(Mix_, name)
#define VIMBARO_LOAD_TTF(name) VIMBARO_LOAD(TTF_, name)

}  // namespace

const Mixer* OpenMixer() {
    static const Mixer* const opened = [] {
        static Mixer table;
        const bool complete = Load("libSDL2_mixer-2.0.so.0", table, [](Mixer& table, auto find) {
            VIMBARO_MIXER_FUNCTIONS(VIMBARO_LOAD_MIXER)
        });
        return complete ? &table : nullptr;
    }();
    return opened;
}

const Ttf* OpenTtf() {
    static const Ttf* const opened = [] {
        static Ttf table;
        const bool complete = Load("libSDL2_ttf-2.0.so.0", table, [](Ttf& table, auto find) {
            VIMBARO_TTF_FUNCTIONS(VIMBARO_LOAD_TTF)
        });
        return complete ? &table : nullptr;
    }();
    return opened;
}

}  // namespace platform::sdl_libraries
