#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// Writes standard MIDI files. Events are given at absolute ticks in any order; each track
// sorts them when it is written, so a tune can be built part by part.
namespace datagen {

class MidiTrack {
  public:
    void Name(std::string_view name);
    void Tempo(uint32_t microsPerQuarter, uint32_t tick = 0);
    // Beats per bar over 2^denominatorPower (4/4 is 4, 2).
    void TimeSignature(uint8_t beats, uint8_t denominatorPower, uint32_t tick = 0);
    void Program(uint8_t channel, uint8_t program, uint32_t tick = 0);
    void Controller(uint8_t channel, uint8_t controller, uint8_t value, uint32_t tick = 0);
    // A note sounding from `start` for `length` ticks (length > 0).
    void Note(uint8_t channel, uint8_t key, uint8_t velocity, uint32_t start, uint32_t length);

    // The MTrk chunk; its end-of-track event stands at `endTick`, or after the last event
    // when that comes later.
    std::vector<uint8_t> Chunk(uint32_t endTick) const;

  private:
    // At one tick: notes end first, then settings, then notes start.
    enum class Order { NoteOff, Setting, NoteOn };
    struct Event {
        uint32_t Tick;
        Order Kind;
        std::vector<uint8_t> Bytes;
    };
    void Add(uint32_t tick, Order kind, std::vector<uint8_t> bytes);

    std::vector<Event> events_;
};

// A format 1 file: `tracks` in order (the first one, by convention, holds the tempo), all
// ending at `endTick`. `division` is ticks per quarter note.
std::vector<uint8_t> MidiFile(uint16_t division, std::span<const MidiTrack> tracks,
                              uint32_t endTick);

}  // namespace datagen
