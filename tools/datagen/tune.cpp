// The menu tune: our own sixteen-bar melody in AABA' form over a plain I-vi-IV-V harmony,
// composed note by note below.

#include "tune.h"

#include <array>
#include <iterator>
#include <stdexcept>
#include <string_view>

#include "datagen.h"
#include "midi_writer.h"

using namespace catalog;

namespace datagen {

namespace {

constexpr uint16_t TicksPerQuarter = 480;
constexpr uint32_t Eighth = TicksPerQuarter / 2;
constexpr uint32_t Bar = 4 * TicksPerQuarter;
constexpr int Bars = 16;
constexpr uint32_t TuneEnd = Bars * Bar;
constexpr uint32_t MicrosPerQuarter = 500'000;  // 120 beats a minute: 16 bars in 32 s

// MIDI key numbers; 60 is middle C.
// clang-format off
enum Key : uint8_t {
    Rest = 0,
    F2 = 41, G2 = 43, A2 = 45, C3 = 48, D3 = 50,
    G4 = 67, A4 = 69, B4 = 71, C5 = 72, D5 = 74, E5 = 76, F5 = 77, G5 = 79, A5 = 81, B5 = 83,
    C6 = 84,
};
// clang-format on

// General MIDI programs (counted from 0) and channels.
constexpr uint8_t Glockenspiel = 9, NylonGuitar = 24, AcousticBass = 32, Flute = 73;
constexpr uint8_t MelodyChannel = 0, BellChannel = 1, GuitarChannel = 2, BassChannel = 3;
constexpr uint8_t DrumChannel = 9;
constexpr uint8_t Kick = 36, Clap = 39, ClosedHat = 42;

struct Step {
    Key Pitch;
    int Eighths;
};

// Eight eighths to a bar; the comments name each bar's harmony.
// clang-format off
constexpr Step Melody[] = {
    {E5, 2}, {G5, 2}, {G5, 1}, {A5, 1}, {G5, 2},           //  1 C
    {E5, 2}, {C5, 2}, {A4, 4},                             //  2 Am
    {F5, 1}, {F5, 1}, {A5, 2}, {G5, 1}, {F5, 1}, {C5, 2},  //  3 F
    {D5, 2}, {G5, 2}, {B4, 2}, {D5, 2},                    //  4 G
    {E5, 2}, {G5, 2}, {C6, 1}, {B5, 1}, {A5, 1}, {G5, 1},  //  5 C
    {A5, 2}, {E5, 2}, {C5, 1}, {D5, 1}, {E5, 2},           //  6 Am
    {F5, 2}, {A5, 2}, {G5, 2}, {D5, 2},                    //  7 F G
    {C5, 6}, {Rest, 2},                                    //  8 C
    {A5, 2}, {A5, 1}, {G5, 1}, {F5, 2}, {A5, 2},           //  9 F
    {G5, 2}, {E5, 2}, {C5, 2}, {E5, 2},                    // 10 C
    {F5, 1}, {E5, 1}, {D5, 2}, {A5, 2}, {F5, 2},           // 11 Dm
    {G5, 4}, {F5, 2}, {D5, 2},                             // 12 G7
    {E5, 2}, {G5, 2}, {G5, 1}, {A5, 1}, {G5, 2},           // 13 C
    {C6, 2}, {A5, 2}, {E5, 4},                             // 14 Am
    {F5, 1}, {G5, 1}, {A5, 2}, {G5, 1}, {F5, 1}, {D5, 2},  // 15 F G
    {C5, 2}, {E5, 1}, {D5, 1}, {C5, 2}, {Rest, 2},         // 16 C
};
// clang-format on

struct Chord {
    Key Root;  // the bass note; the fifth above it is the bass's other note
    std::array<Key, 3> Tones;
};

constexpr Chord CMajor{C3, {G4, C5, E5}};
constexpr Chord AMinor{A2, {A4, C5, E5}};
constexpr Chord FMajor{F2, {A4, C5, F5}};
constexpr Chord GMajor{G2, {G4, B4, D5}};
constexpr Chord DMinor{D3, {A4, D5, F5}};
constexpr Chord GSeventh{G2, {G4, B4, F5}};

// One chord per half bar.
constexpr Chord Harmony[] = {
    CMajor, CMajor, AMinor, AMinor, FMajor, FMajor, GMajor,   GMajor,    // 1-4
    CMajor, CMajor, AMinor, AMinor, FMajor, GMajor, CMajor,   CMajor,    // 5-8
    FMajor, FMajor, CMajor, CMajor, DMinor, DMinor, GSeventh, GSeventh,  // 9-12
    CMajor, CMajor, AMinor, AMinor, FMajor, GMajor, CMajor,   CMajor,    // 13-16
};

constexpr int EighthsIn(const Step* steps, size_t count) {
    int total = 0;
    for (size_t i = 0; i < count; ++i) {
        total += steps[i].Eighths;
    }
    return total;
}
static_assert(EighthsIn(Melody, std::size(Melody)) == Bars * 8, "the melody must fill 16 bars");
static_assert(std::size(Harmony) == Bars * 2, "one chord per half bar");

// Notes on the first beat of a bar a little louder, so the tune swings.
uint8_t Accented(uint32_t tick, uint8_t velocity) {
    return tick % Bar == 0 ? static_cast<uint8_t>(velocity + 12) : velocity;
}

void SetUp(MidiTrack& track, std::string_view name, uint8_t channel, uint8_t program,
           uint8_t volume, uint8_t pan) {
    track.Name(name);
    if (channel != DrumChannel) {
        track.Program(channel, program);
    }
    track.Controller(channel, 7, volume);
    track.Controller(channel, 10, pan);
    track.Controller(channel, 91, 40);  // a little reverb
}

MidiTrack MelodyTrack(std::string_view name, uint8_t channel, uint8_t program, int transpose,
                      uint32_t from, uint8_t velocity, uint8_t volume, uint8_t pan) {
    MidiTrack track;
    SetUp(track, name, channel, program, volume, pan);
    uint32_t tick = 0;
    for (const Step& step : Melody) {
        const uint32_t length = step.Eighths * Eighth;
        if (step.Pitch != Rest && tick >= from) {
            // Slightly detached, as a child would sing it.
            track.Note(channel, static_cast<uint8_t>(step.Pitch + transpose),
                       Accented(tick, velocity), tick, length * 7 / 8);
        }
        tick += length;
    }
    return track;
}

// Short strums on the second and fourth beat, the strings a few ticks apart.
MidiTrack GuitarTrack() {
    MidiTrack track;
    SetUp(track, "Guitar", GuitarChannel, NylonGuitar, 80, 44);
    for (int half = 0; half < Bars * 2; ++half) {
        const uint32_t beat = half * 2 * TicksPerQuarter + TicksPerQuarter;
        uint32_t offset = 0;
        for (Key tone : Harmony[half].Tones) {
            track.Note(GuitarChannel, tone, 70, beat + offset, TicksPerQuarter * 3 / 4);
            offset += 12;
        }
    }
    return track;
}

// Root on the first and third beat, the fifth above it on the second and fourth.
MidiTrack BassTrack() {
    MidiTrack track;
    SetUp(track, "Bass", BassChannel, AcousticBass, 100, 64);
    for (int half = 0; half < Bars * 2; ++half) {
        const uint32_t start = half * 2 * TicksPerQuarter;
        const Key root = Harmony[half].Root;
        track.Note(BassChannel, root, Accented(start, 90), start, TicksPerQuarter * 7 / 8);
        track.Note(BassChannel, static_cast<uint8_t>(root + 7), 80, start + TicksPerQuarter,
                   TicksPerQuarter * 7 / 8);
    }
    return track;
}

// Hi-hat eighths throughout; kick and clap join after the first four bars.
MidiTrack DrumTrack() {
    MidiTrack track;
    SetUp(track, "Drums", DrumChannel, 0, 70, 64);
    for (uint32_t tick = 0; tick < TuneEnd; tick += Eighth) {
        const bool onBeat = tick % TicksPerQuarter == 0;
        track.Note(DrumChannel, ClosedHat, onBeat ? 60 : 40, tick, Eighth / 2);
        if (tick < 4 * Bar || !onBeat) {
            continue;
        }
        const bool strongBeat = (tick / TicksPerQuarter) % 2 == 0;
        track.Note(DrumChannel, strongBeat ? Kick : Clap, strongBeat ? 80 : 55, tick, Eighth);
    }
    return track;
}

}  // namespace

std::vector<uint8_t> ComposeMenuTune() {
    MidiTrack conductor;
    conductor.Name("Vimbaro");
    conductor.Tempo(MicrosPerQuarter);
    conductor.TimeSignature(4, 2);

    const MidiTrack tracks[] = {
        std::move(conductor),
        MelodyTrack("Flute", MelodyChannel, Flute, 0, 0, 90, 100, 64),
        // The bells double the tune an octave up from the middle section on.
        MelodyTrack("Glockenspiel", BellChannel, Glockenspiel, 12, 8 * Bar, 60, 70, 84),
        GuitarTrack(),
        BassTrack(),
        DrumTrack(),
    };
    return MidiFile(TicksPerQuarter, tracks, TuneEnd);
}

void MakeTune(const std::vector<const ResourceEntry*>& entries, Output& out, const Context&) {
    const std::vector<uint8_t> tune = ComposeMenuTune();
    for (const ResourceEntry* entry : entries) {
        if (entry->Format != ResourceFormat::Midi) {
            throw std::runtime_error("\"" + entry->Path + "\" is not a MIDI tune");
        }
        out.Bytes(*entry, tune);
    }
}

}  // namespace datagen
