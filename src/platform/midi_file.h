#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

namespace platform {

// Raised when bytes are not a standard MIDI file the player can use.
class MidiFormatError : public std::runtime_error {
  public:
    explicit MidiFormatError(const std::string& what) : std::runtime_error(what) {}
};

struct MidiInfo {
    uint16_t Format = 0;  // 0, 1 or 2
    uint16_t Tracks = 0;
    uint16_t Division = 0;  // the raw header field: ticks per quarter, or SMPTE timing
    // The tick of the last event (of the longest track; summed over tracks for format 2).
    uint64_t EndTick = 0;
    // How long the tune plays once, from its tempo events (120 beats a minute until one).
    uint64_t DurationMicros = 0;
};

// The largest tune we accept; a standard MIDI file of a song is a few tens of kilobytes.
inline constexpr std::size_t MaxMidiFileBytes = 4u << 20;
// Tunes longer than this are taken for garbage.
inline constexpr uint64_t MaxMidiDurationMicros = 24ull * 3600 * 1'000'000;

// Reads a standard MIDI file: the MThd header, then every MTrk chunk event by event, with
// every length checked against the bytes at hand. Anything malformed throws MidiFormatError.
MidiInfo ParseMidi(std::span<const uint8_t> bytes);

}  // namespace platform
