#include "datagen/tune.h"

#include <gtest/gtest.h>

#include <vector>

#include "datagen/midi_writer.h"
#include "platform/midi_file.h"

namespace {

TEST(MenuTuneTest, TheGamesMidiReaderPlaysItForTwentyToFortySeconds) {
    const std::vector<uint8_t> tune = datagen::ComposeMenuTune();
    const platform::MidiInfo info = platform::ParseMidi(tune);
    EXPECT_EQ(info.Format, 1);
    EXPECT_GE(info.Tracks, 3);  // tempo, melody, accompaniment at least
    EXPECT_GE(info.DurationMicros, 20'000'000u);
    EXPECT_LE(info.DurationMicros, 40'000'000u);
    // It stops on a bar line of 4/4, so playing it again continues in time.
    ASSERT_EQ(info.Division & 0x8000, 0);
    EXPECT_EQ(info.EndTick % (4u * info.Division), 0u);
}

TEST(MenuTuneTest, IsTheSameEveryTime) {
    EXPECT_EQ(datagen::ComposeMenuTune(), datagen::ComposeMenuTune());
}

TEST(MidiWriterTest, RepeatedNoteEndsBeforeItStartsAgain) {
    datagen::MidiTrack track;
    // Given out of order: the writer sorts by time.
    track.Note(0, 60, 100, 480, 480);
    track.Note(0, 60, 100, 0, 480);
    const std::vector<uint8_t> expected{
        'M',  'T',  'r',  'k',  0,    0, 0, 22,  //
        0x00, 0x90, 0x3C, 0x64,                  // on at 0
        0x83, 0x60, 0x80, 0x3C, 0x00,            // off at 480 (VLQ 83 60) ...
        0x00, 0x90, 0x3C, 0x64,                  // ... before the next on at 480
        0x83, 0x60, 0x80, 0x3C, 0x00,            // off at 960
        0x00, 0xFF, 0x2F, 0x00,                  // end of track
    };
    EXPECT_EQ(track.Chunk(0), expected);
}

TEST(MidiWriterTest, EndOfTrackWaitsForTheGivenTick) {
    datagen::MidiTrack track;
    const std::vector<uint8_t> chunk = track.Chunk(0x0FFFFFFF);
    const std::vector<uint8_t> expected{'M',  'T',  'r',  'k',  0,    0,    0,   7,
                                        0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0x2F, 0x00};
    EXPECT_EQ(chunk, expected);
}

TEST(MidiWriterTest, TempoSetsTheDurationTheReaderComputes) {
    datagen::MidiTrack conductor;
    conductor.Tempo(250'000);  // 240 beats a minute
    datagen::MidiTrack notes;
    notes.Program(0, 73);
    notes.Note(0, 72, 90, 0, 96);
    const datagen::MidiTrack tracks[] = {conductor, notes};
    const platform::MidiInfo info = platform::ParseMidi(datagen::MidiFile(96, tracks, 8 * 96));
    EXPECT_EQ(info.Tracks, 2);
    EXPECT_EQ(info.EndTick, 8u * 96);
    EXPECT_EQ(info.DurationMicros, 2'000'000u);  // eight quarters at a quarter second each
}

}  // namespace
