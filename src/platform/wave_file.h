#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

namespace platform {

// Raised when bytes are not a RIFF WAVE file the player can use.
class WaveFormatError : public std::runtime_error {
  public:
    explicit WaveFormatError(const std::string& what) : std::runtime_error(what) {}
};

// What the player needs to know about a recording.
struct WaveInfo {
    uint16_t Channels = 0;
    uint32_t SampleRate = 0;
    uint16_t BitsPerSample = 0;
    // The sample data inside the file (whole frames only).
    std::size_t DataOffset = 0;
    std::size_t DataSize = 0;
    uint64_t Frames = 0;
    uint64_t DurationMicros = 0;
};

// The largest recording we accept; the game's recordings are a few seconds long.
inline constexpr std::size_t MaxWaveFileBytes = 64u << 20;

// Reads the header of an uncompressed 8- or 16-bit PCM RIFF WAVE file. Every chunk size is
// checked against the bytes at hand; anything else throws WaveFormatError.
WaveInfo ParseWave(std::span<const uint8_t> bytes);

}  // namespace platform
