#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "platform/wave_file.h"

// The recording parser must reject any bytes it cannot use by its own exception, and what
// it accepts must lie inside the bytes it was given.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::span<const uint8_t> bytes(data, size);
    try {
        platform::WaveInfo info = platform::ParseWave(bytes);
        if (info.DataOffset > size || info.DataSize > size - info.DataOffset ||
            info.Channels == 0 || info.SampleRate == 0 ||
            info.DataSize != info.Frames * info.Channels * (info.BitsPerSample / 8u)) {
            std::abort();
        }
    } catch (const platform::WaveFormatError&) {
    }
    return 0;
}
