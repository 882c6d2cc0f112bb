#include "midi_writer.h"

#include <algorithm>
#include <stdexcept>

namespace datagen {

namespace {

void PutBe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) {
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

// A variable-length quantity: seven bits a byte, most significant first.
void PutVlq(std::vector<uint8_t>& out, uint32_t value) {
    if (value > 0x0FFFFFFFu) {
        throw std::out_of_range("MIDI delta time too large");
    }
    uint8_t groups[4];
    int count = 0;
    do {
        groups[count++] = static_cast<uint8_t>(value & 0x7Fu);
        value >>= 7;
    } while (value != 0);
    while (count > 1) {
        out.push_back(groups[--count] | 0x80u);
    }
    out.push_back(groups[0]);
}

uint8_t Data(int value) {
    if (value < 0 || value > 127) {
        throw std::out_of_range("MIDI data byte out of range");
    }
    return static_cast<uint8_t>(value);
}

uint8_t Status(uint8_t kind, uint8_t channel) {
    if (channel > 15) {
        throw std::out_of_range("MIDI channel out of range");
    }
    return static_cast<uint8_t>(kind | channel);
}

}  // namespace

void MidiTrack::Add(uint32_t tick, Order kind, std::vector<uint8_t> bytes) {
    events_.push_back({tick, kind, std::move(bytes)});
}

void MidiTrack::Name(std::string_view name) {
    std::vector<uint8_t> bytes{0xFF, 0x03};
    PutVlq(bytes, static_cast<uint32_t>(name.size()));
    bytes.insert(bytes.end(), name.begin(), name.end());
    Add(0, Order::Setting, std::move(bytes));
}

void MidiTrack::Tempo(uint32_t microsPerQuarter, uint32_t tick) {
    if (microsPerQuarter == 0 || microsPerQuarter > 0xFFFFFFu) {
        throw std::out_of_range("MIDI tempo out of range");
    }
    std::vector<uint8_t> bytes{0xFF, 0x51, 0x03};
    PutBe(bytes, microsPerQuarter, 3);
    Add(tick, Order::Setting, std::move(bytes));
}

void MidiTrack::TimeSignature(uint8_t beats, uint8_t denominatorPower, uint32_t tick) {
    // 24 clocks per metronome click, eight 32nd notes per quarter.
    Add(tick, Order::Setting, {0xFF, 0x58, 0x04, beats, denominatorPower, 24, 8});
}

void MidiTrack::Program(uint8_t channel, uint8_t program, uint32_t tick) {
    Add(tick, Order::Setting, {Status(0xC0, channel), Data(program)});
}

void MidiTrack::Controller(uint8_t channel, uint8_t controller, uint8_t value, uint32_t tick) {
    Add(tick, Order::Setting, {Status(0xB0, channel), Data(controller), Data(value)});
}

void MidiTrack::Note(uint8_t channel, uint8_t key, uint8_t velocity, uint32_t start,
                     uint32_t length) {
    if (length == 0 || velocity == 0) {
        throw std::invalid_argument("MIDI note without length or velocity");
    }
    Add(start, Order::NoteOn, {Status(0x90, channel), Data(key), Data(velocity)});
    Add(start + length, Order::NoteOff, {Status(0x80, channel), Data(key), 0});
}

std::vector<uint8_t> MidiTrack::Chunk(uint32_t endTick) const {
    std::vector<const Event*> sorted;
    sorted.reserve(events_.size());
    for (const Event& e : events_) {
        sorted.push_back(&e);
    }
    // Stable, so events of one kind at one tick keep the order they were given in.
    std::stable_sort(sorted.begin(), sorted.end(), [](const Event* a, const Event* b) {
        return a->Tick != b->Tick ? a->Tick < b->Tick : a->Kind < b->Kind;
    });

    std::vector<uint8_t> body;
    uint32_t tick = 0;
    for (const Event* e : sorted) {
        PutVlq(body, e->Tick - tick);
        body.insert(body.end(), e->Bytes.begin(), e->Bytes.end());
        tick = e->Tick;
    }
    PutVlq(body, std::max(endTick, tick) - tick);
    body.insert(body.end(), {0xFF, 0x2F, 0x00});

    std::vector<uint8_t> chunk{'M', 'T', 'r', 'k'};
    PutBe(chunk, static_cast<uint32_t>(body.size()), 4);
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

std::vector<uint8_t> MidiFile(uint16_t division, std::span<const MidiTrack> tracks,
                              uint32_t endTick) {
    if (division == 0 || division > 0x7FFF || tracks.empty() || tracks.size() > 0xFFFF) {
        throw std::invalid_argument("MIDI file needs tracks and ticks per quarter note");
    }
    std::vector<uint8_t> file{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
    PutBe(file, static_cast<uint32_t>(tracks.size()), 2);
    PutBe(file, division, 2);
    for (const MidiTrack& track : tracks) {
        const std::vector<uint8_t> chunk = track.Chunk(endTick);
        file.insert(file.end(), chunk.begin(), chunk.end());
    }
    return file;
}

}  // namespace datagen
