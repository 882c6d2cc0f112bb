// Feeds arbitrary text to the settings parser and checks that what it keeps survives a
// write and a second read unchanged.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/settings_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    platform::SettingsStore first;
    first.Parse(text);
    std::string saved = first.Serialize();
    platform::SettingsStore second;
    second.Parse(saved);
    if (second.Serialize() != saved) {
        std::abort();
    }
    for (const char* name : {"ilosc", "poziom", "gloski", "scan", "scanTime"}) {
        if (first.ReadDword(name) != second.ReadDword(name)) {
            std::abort();
        }
    }
    return 0;
}
