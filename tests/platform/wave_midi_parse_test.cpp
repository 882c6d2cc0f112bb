#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fuzz_seed.h"
#include "platform/midi_file.h"
#include "platform/sound_fixtures.h"
#include "platform/wave_file.h"

using namespace sound_fixtures;
using platform::MidiFormatError;
using platform::ParseMidi;
using platform::ParseWave;
using platform::WaveFormatError;

namespace {

// A fmt chunk of the extensible kind with the given sub-format tag.
Bytes ExtensibleFmt(uint16_t channels, uint32_t rate, uint16_t bits, uint16_t subFormat) {
    Bytes b = FmtBody(channels, rate, bits, 0xFFFE);
    PutLe16(b, 22);    // cbSize
    PutLe16(b, bits);  // valid bits
    PutLe32(b, 0x3);   // channel mask
    PutLe16(b, subFormat);
    Bytes tail = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                  0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
    Append(b, tail);
    return b;
}

Bytes Data(std::size_t n) {
    return Bytes(n, 0x80);
}

}  // namespace

TEST(ParseWave, ReadsFormatAndDuration) {
    Bytes list = Chunk("LIST", Bytes(5, 'x'));  // odd size: a pad byte follows
    struct Case {
        std::string name;
        Bytes file;
        uint16_t channels, bits;
        uint32_t rate;
        uint64_t frames, micros;
    } cases[] = {
        {"mono16", MakeWave(22050, 1, 16, 11025), 1, 16, 22050, 11025, 500'000},
        {"stereo8", MakeWave(8000, 2, 8, 12), 2, 8, 8000, 12, 1'500},
        {"empty_data", MakeWave(44100, 1, 16, 0), 1, 16, 44100, 0, 0},
        {"list_before_data",
         Riff({Chunk("fmt ", FmtBody(1, 1000, 8)), list, Chunk("data", Data(250))}), 1, 8, 1000,
         250, 250'000},
        {"extensible",
         Riff({Chunk("fmt ", ExtensibleFmt(2, 48000, 16, 1)), Chunk("data", Data(192000))}), 2, 16,
         48000, 48000, 1'000'000},
        // A partial last frame is not played.
        {"partial_frame", Riff({Chunk("fmt ", FmtBody(2, 8000, 16)), Chunk("data", Data(4003))}), 2,
         16, 8000, 1000, 125'000},
        // Bytes after the RIFF body do not belong to the file.
        {"trailing_bytes",
         [] {
             Bytes b = MakeWave(8000, 1, 8, 80);
             Append(b, Bytes(7, 0xEE));
             return b;
         }(),
         1, 8, 8000, 80, 10'000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform::WaveInfo info = ParseWave(c.file);
        EXPECT_EQ(info.Channels, c.channels);
        EXPECT_EQ(info.BitsPerSample, c.bits);
        EXPECT_EQ(info.SampleRate, c.rate);
        EXPECT_EQ(info.Frames, c.frames);
        EXPECT_EQ(info.DurationMicros, c.micros);
        EXPECT_EQ(info.DataSize, c.frames * c.channels * c.bits / 8);
        EXPECT_LE(info.DataOffset + info.DataSize, c.file.size());
        SaveFuzzSeed("fuzz_wave", c.name + ".wav", c.file);
    }
}

TEST(ParseWave, RejectsMalformedFiles) {
    Bytes fmt = Chunk("fmt ", FmtBody(1, 8000, 16));
    Bytes data = Chunk("data", Data(16));
    auto withRiffSize = [](Bytes b, uint32_t size) {
        b[4] = static_cast<uint8_t>(size);
        b[5] = static_cast<uint8_t>(size >> 8);
        b[6] = static_cast<uint8_t>(size >> 16);
        b[7] = static_cast<uint8_t>(size >> 24);
        return b;
    };
    Bytes good = Riff({fmt, data});
    Bytes badTags = good;
    badTags[8] = 'X';
    Bytes notRiff = good;
    notRiff[0] = 'R' + 1;
    Bytes shortFmt = FmtBody(1, 8000, 16);
    shortFmt.resize(14);
    Bytes oversizedData;
    PutTag(oversizedData, "data");
    PutLe32(oversizedData, 0xFFFFFFF0u);
    Append(oversizedData, Data(16));

    struct Case {
        const char* name;
        Bytes file;
    } cases[] = {
        {"empty", {}},
        {"header_only", Bytes(good.begin(), good.begin() + 11)},
        {"not_riff", notRiff},
        {"not_wave", badTags},
        {"riff_size_past_end", withRiffSize(good, static_cast<uint32_t>(good.size()))},
        {"riff_size_huge", withRiffSize(good, 0xFFFFFFFFu)},
        {"riff_size_tiny", withRiffSize(good, 3)},
        {"chunk_past_end", Riff({fmt, oversizedData})},
        {"no_fmt", Riff({data})},
        {"no_data", Riff({fmt})},
        {"data_before_fmt", Riff({data, fmt})},
        {"second_fmt", Riff({fmt, fmt, data})},
        {"fmt_too_short", Riff({Chunk("fmt ", shortFmt), data})},
        {"float", Riff({Chunk("fmt ", FmtBody(1, 8000, 32, 3)), data})},
        {"adpcm", Riff({Chunk("fmt ", FmtBody(1, 8000, 4, 2)), data})},
        {"24_bit", Riff({Chunk("fmt ", FmtBody(1, 8000, 24)), data})},
        {"no_channels", Riff({Chunk("fmt ", FmtBody(0, 8000, 16)), data})},
        {"nine_channels", Riff({Chunk("fmt ", FmtBody(9, 8000, 16)), data})},
        {"zero_rate", Riff({Chunk("fmt ", FmtBody(1, 0, 16)), data})},
        {"absurd_rate", Riff({Chunk("fmt ", FmtBody(1, 10'000'000, 16)), data})},
        {"block_align_mismatch",
         [&] {
             Bytes f = FmtBody(2, 8000, 16);
             f[12] = 3;
             return Riff({Chunk("fmt ", f), data});
         }()},
        {"extensible_float", Riff({Chunk("fmt ", ExtensibleFmt(2, 8000, 16, 3)), data})},
        {"extensible_short",
         [] {
             Bytes f = FmtBody(1, 8000, 16, 0xFFFE);
             PutLe16(f, 0);
             return Riff({Chunk("fmt ", f), Chunk("data", Data(4))});
         }()},
    };
    for (const Case& c : cases) {
        EXPECT_THROW(ParseWave(c.file), WaveFormatError) << c.name;
    }
}

TEST(ParseWave, RejectsEveryTruncation) {
    Bytes file = Riff({Chunk("fmt ", FmtBody(1, 8000, 16)), Chunk("LIST", Bytes(3, 'a')),
                       Chunk("data", Data(10))});
    ASSERT_NO_THROW(ParseWave(file));
    for (std::size_t n = 0; n < file.size(); ++n) {
        EXPECT_THROW(ParseWave(Bytes(file.begin(), file.begin() + n)), WaveFormatError) << n;
    }
}

TEST(ParseMidi, ComputesDurationFromTempoEvents) {
    Bytes notes = Track({Event(0, {0x90, 60, 100}), Event(960, {60, 0}), EndOfTrack(0)});
    struct Case {
        std::string name;
        Bytes file;
        uint16_t format, tracks;
        uint64_t endTick, micros;
    } cases[] = {
        // 480 ticks a quarter at the default 500000 us: 960 ticks are one second.
        {"default_tempo", MakeTuneMs(1000), 0, 1, 960, 1'000'000},
        {"tempo_change",
         Smf(0, 480,
             {Track({Tempo(0, 250'000), Event(480, {0x90, 60, 1}), Tempo(0, 1'000'000),
                     Event(480, {0x80, 60, 0}), EndOfTrack(0)})}),
         0, 1, 960, 1'250'000},
        // Format 1: the tempo track applies to the longer note track.
        {"format1",
         Smf(1, 96,
             {Track({Tempo(0, 1'000'000), EndOfTrack(0)}),
              Track({Event(0, {0x90, 60, 100}), Event(960, {60, 0}), EndOfTrack(10)})}),
         1, 2, 970, 10'104'166},
        // Format 2: the patterns play one after the other.
        {"format2", Smf(2, 480, {notes, notes}), 2, 2, 1920, 2'000'000},
        // 25 frames a second, 40 ticks a frame: a tick is a millisecond.
        {"smpte",
         Smf(0, 0xE728,
             {Track({Event(0, {0x90, 60, 1}), Event(1500, {0x80, 60, 0}), EndOfTrack(0)})}),
         0, 1, 1500, 1'500'000},
        {"sysex_and_meta_text",
         Smf(0, 480,
             {Track({Event(0, {0xF0, 0x03, 0x7E, 0x7F, 0xF7}),
                     Event(0, {0xFF, 0x03, 0x02, 'h', 'i'}), Event(480, {0xB0, 7, 100}),
                     Event(0, {0xE0, 0, 64}), Event(0, {0xD0, 5}), EndOfTrack(0)})}),
         0, 1, 480, 500'000},
        // A chunk of another kind is skipped; whatever follows the end of a track is ignored.
        {"alien_chunk_and_tail",
         [] {
             Bytes b = Smf(0, 480, {});
             b[11] = 1;
             Bytes alien{'X', 'Y', 'Z', 'W', 0, 0, 0, 2, 9, 9};
             Append(b, alien);
             Bytes body = EndOfTrack(96);
             Append(body, Bytes{0xF5, 0xF5});
             PutTag(b, "MTrk");
             PutBe32(b, static_cast<uint32_t>(body.size()));
             Append(b, body);
             return b;
         }(),
         0, 1, 96, 100'000},
        {"empty_track", Smf(0, 480, {Track({})}), 0, 1, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform::MidiInfo info = ParseMidi(c.file);
        EXPECT_EQ(info.Format, c.format);
        EXPECT_EQ(info.Tracks, c.tracks);
        EXPECT_EQ(info.EndTick, c.endTick);
        EXPECT_EQ(info.DurationMicros, c.micros);
        SaveFuzzSeed("fuzz_midi", c.name + ".mid", c.file);
    }
}

TEST(ParseMidi, RejectsMalformedFiles) {
    Bytes good = MakeTuneMs(500);
    auto patched = [&](std::size_t at, uint8_t value) {
        Bytes b = good;
        b[at] = value;
        return b;
    };
    auto track = [](std::initializer_list<Bytes> events) { return Smf(0, 480, {Track(events)}); };
    struct Case {
        const char* name;
        Bytes file;
    } cases[] = {
        {"empty", {}},
        {"not_mthd", patched(0, 'X')},
        {"header_length_short", patched(7, 5)},
        {"header_length_past_end", patched(5, 0x10)},
        {"format_3", patched(9, 3)},
        {"no_tracks", patched(11, 0)},
        {"format0_two_tracks", Smf(0, 480, {Track({EndOfTrack(0)}), Track({EndOfTrack(0)})})},
        {"zero_division", Smf(0, 0, {Track({EndOfTrack(0)})})},
        {"smpte_bad_rate", Smf(0, 0xE428, {Track({EndOfTrack(0)})})},
        {"smpte_no_ticks", Smf(0, 0xE700, {Track({EndOfTrack(0)})})},
        {"missing_track",
         [&] {
             Bytes b = good;
             b[9] = 1;
             b[11] = 2;
             return b;
         }()},
        {"track_past_end", patched(20, 0x40)},
        {"long_vlq", track({Bytes{0x81, 0x81, 0x81, 0x81, 0x01, 0x90, 60, 1}})},
        {"data_without_status", track({Event(0, {60, 100}), EndOfTrack(0)})},
        {"truncated_note", track({Event(0, {0x90, 60})})},
        {"status_in_data", track({Event(0, {0x90, 60, 0x80}), EndOfTrack(0)})},
        {"delta_without_event", track({Event(0, {0x90, 60, 1}), Bytes{0x10}})},
        {"realtime_message", track({Event(0, {0xF8}), EndOfTrack(0)})},
        {"song_position", track({Event(0, {0xF2, 0, 0}), EndOfTrack(0)})},
        {"tempo_short", track({Event(0, {0xFF, 0x51, 0x02, 0x07, 0xA1}), EndOfTrack(0)})},
        {"tempo_zero", track({Tempo(0, 0), EndOfTrack(0)})},
        {"meta_past_end", track({Event(0, {0xFF, 0x01, 0x20, 'a'})})},
        {"sysex_past_end", track({Event(0, {0xF0, 0x7F, 0x01})})},
        {"bad_meta_type", track({Event(0, {0xFF, 0x90, 0x00}), EndOfTrack(0)})},
        // Hours of silence at the slowest tempo: garbage, not a tune.
        {"absurdly_long", Smf(0, 1, {Track({Tempo(0, 0xFFFFFF), EndOfTrack(0x0FFFFFFF)})})},
    };
    for (const Case& c : cases) {
        EXPECT_THROW(ParseMidi(c.file), MidiFormatError) << c.name;
    }
}

TEST(ParseMidi, RejectsEveryTruncation) {
    Bytes file = Smf(1, 480,
                     {Track({Tempo(0, 400'000), EndOfTrack(0)}),
                      Track({Event(0, {0x90, 60, 100}), Event(200, {60, 0}), EndOfTrack(0)})});
    ASSERT_NO_THROW(ParseMidi(file));
    for (std::size_t n = 0; n < file.size(); ++n) {
        EXPECT_THROW(ParseMidi(Bytes(file.begin(), file.begin() + n)), MidiFormatError) << n;
    }
}
