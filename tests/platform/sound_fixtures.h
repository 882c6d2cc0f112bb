#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

// Small WAVE and MIDI files built byte by byte for the sound tests.
namespace sound_fixtures {

using Bytes = std::vector<uint8_t>;

inline void PutLe16(Bytes& b, uint32_t v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}

inline void PutLe32(Bytes& b, uint32_t v) {
    PutLe16(b, v & 0xFFFFu);
    PutLe16(b, v >> 16);
}

inline void PutBe16(Bytes& b, uint32_t v) {
    b.push_back(static_cast<uint8_t>(v >> 8));
    b.push_back(static_cast<uint8_t>(v));
}

inline void PutBe32(Bytes& b, uint32_t v) {
    PutBe16(b, v >> 16);
    PutBe16(b, v & 0xFFFFu);
}

inline void PutTag(Bytes& b, const char* tag) {
    for (int i = 0; i < 4; ++i) {
        b.push_back(static_cast<uint8_t>(tag[i]));
    }
}

inline void Append(Bytes& b, const Bytes& more) {
    b.insert(b.end(), more.begin(), more.end());
}

// A RIFF chunk with its pad byte.
inline Bytes Chunk(const char* tag, const Bytes& body) {
    Bytes b;
    PutTag(b, tag);
    PutLe32(b, static_cast<uint32_t>(body.size()));
    Append(b, body);
    if (body.size() % 2 != 0) {
        b.push_back(0);
    }
    return b;
}

// A plain PCM fmt chunk body (format tag 1 unless told otherwise).
inline Bytes FmtBody(uint16_t channels, uint32_t rate, uint16_t bits, uint16_t tag = 1) {
    Bytes b;
    uint16_t blockAlign = static_cast<uint16_t>(channels * bits / 8);
    PutLe16(b, tag);
    PutLe16(b, channels);
    PutLe32(b, rate);
    PutLe32(b, rate * blockAlign);
    PutLe16(b, blockAlign);
    PutLe16(b, bits);
    return b;
}

// Wraps chunks into a RIFF WAVE file with a correct size field.
inline Bytes Riff(std::initializer_list<Bytes> chunks) {
    Bytes body;
    PutTag(body, "WAVE");
    for (const Bytes& c : chunks) {
        Append(body, c);
    }
    Bytes b;
    PutTag(b, "RIFF");
    PutLe32(b, static_cast<uint32_t>(body.size()));
    Append(b, body);
    return b;
}

// A quiet PCM recording of the given number of frames (a soft square wave, so real players
// have something to play).
inline Bytes MakeWave(uint32_t rate, uint16_t channels, uint16_t bits, uint32_t frames) {
    Bytes data;
    for (uint32_t i = 0; i < frames; ++i) {
        bool high = (i / 50) % 2 == 0;
        for (uint16_t c = 0; c < channels; ++c) {
            if (bits == 8) {
                data.push_back(high ? 136 : 120);
            } else {
                PutLe16(data, high ? 600u : static_cast<uint16_t>(-600));
            }
        }
    }
    return Riff({Chunk("fmt ", FmtBody(channels, rate, bits)), Chunk("data", data)});
}

// A mono 16-bit 8 kHz recording lasting ms milliseconds.
inline Bytes MakeWaveMs(uint32_t ms) {
    return MakeWave(8000, 1, 16, ms * 8);
}

inline Bytes Vlq(uint32_t v) {
    Bytes b{static_cast<uint8_t>(v & 0x7F)};
    while ((v >>= 7) != 0) {
        b.insert(b.begin(), static_cast<uint8_t>(0x80 | (v & 0x7F)));
    }
    return b;
}

// Events of a track: a delta time followed by the event's bytes.
inline Bytes Event(uint32_t delta, std::initializer_list<uint8_t> bytes) {
    Bytes b = Vlq(delta);
    b.insert(b.end(), bytes);
    return b;
}

inline Bytes Tempo(uint32_t delta, uint32_t microsPerQuarter) {
    return Event(delta, {0xFF, 0x51, 0x03, static_cast<uint8_t>(microsPerQuarter >> 16),
                         static_cast<uint8_t>(microsPerQuarter >> 8),
                         static_cast<uint8_t>(microsPerQuarter)});
}

inline Bytes EndOfTrack(uint32_t delta) {
    return Event(delta, {0xFF, 0x2F, 0x00});
}

inline Bytes Track(std::initializer_list<Bytes> events) {
    Bytes body;
    for (const Bytes& e : events) {
        Append(body, e);
    }
    Bytes b;
    PutTag(b, "MTrk");
    PutBe32(b, static_cast<uint32_t>(body.size()));
    Append(b, body);
    return b;
}

inline Bytes Smf(uint16_t format, uint16_t division, std::initializer_list<Bytes> tracks) {
    Bytes b;
    PutTag(b, "MThd");
    PutBe32(b, 6);
    PutBe16(b, format);
    PutBe16(b, static_cast<uint32_t>(tracks.size()));
    PutBe16(b, division);
    for (const Bytes& t : tracks) {
        Append(b, t);
    }
    return b;
}

// One piano note held for ms milliseconds at the default tempo (480 ticks a quarter, so a
// tick lasts 500000/480 us and 24 ticks are 25 ms).
inline Bytes MakeTuneMs(uint32_t ms) {
    uint32_t ticks = ms * 24 / 25;
    return Smf(0, 480,
               {Track({Event(0, {0xC0, 0x00}), Event(0, {0x90, 60, 100}),
                       Event(ticks, {0x80, 60, 0}), EndOfTrack(0)})});
}

}  // namespace sound_fixtures
