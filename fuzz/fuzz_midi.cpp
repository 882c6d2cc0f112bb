#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "platform/midi_file.h"

// The tune parser must reject any bytes it cannot use by its own exception, and a tune it
// accepts must have a sane length.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::span<const uint8_t> bytes(data, size);
    try {
        platform::MidiInfo info = platform::ParseMidi(bytes);
        if (info.Format > 2 || info.Tracks == 0 ||
            info.DurationMicros > platform::MaxMidiDurationMicros) {
            std::abort();
        }
    } catch (const platform::MidiFormatError&) {
    }
    return 0;
}
