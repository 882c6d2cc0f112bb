#include "platform/sound_font.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace platform {
namespace {

// Where sound-font packages put a General MIDI font. The small font comes first: the synth
// reads the whole font when the menu opens its tune, and a 150 MB font on a cold disk keeps
// the first menu from appearing for seconds.
constexpr std::array<const char*, 5> kStandardFonts = {
    "/usr/share/sounds/sf2/TimGM6mb.sf2",    // timgm6mb-soundfont, 6 MB
    "/usr/share/sounds/sf2/default-GM.sf2",  // Debian's alternative for the default font
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",  // fluid-soundfont-gm
    "/usr/share/soundfonts/default.sf2",     // Fedora and Arch
    "/usr/share/soundfonts/FluidR3_GM.sf2",
};

}  // namespace

std::string FindSoundFonts(const char* environmentValue,
                           const std::function<bool(const std::string&)>& exists) {
    if (environmentValue != nullptr && *environmentValue != '\0') {
        return environmentValue;
    }
    for (const char* candidate : kStandardFonts) {
        if (exists(candidate)) {
            return candidate;
        }
    }
    return {};
}

std::string FindSoundFonts() {
    return FindSoundFonts(std::getenv("SDL_SOUNDFONTS"), [](const std::string& path) {
        std::error_code ec;
        return std::filesystem::is_regular_file(path, ec);
    });
}

}  // namespace platform
