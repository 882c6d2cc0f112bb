#include "platform/sound.h"

#include <gtest/gtest.h>

#include <thread>

#include <chrono>

#include <string>
#include <vector>

#include "fuzz_seed.h"
#include "media/scoped_temp_dir.h"
#include "platform/clock.h"
#include "platform/sound_fixtures.h"
#include "platform/sound_font.h"

using namespace sound_fixtures;
using platform::Sound;
using platform::WaveOutcome;

namespace {

// The silent player on a manual clock: every timing is exact and costs no real time.
class SilentSound : public ::testing::Test {
  protected:
    void SetUp() override {
        Sound::UseSilentDriverForTesting();
        Sound::StartRecording();
    }
    void TearDown() override {
        Sound::StopRecording();
        Sound::UseSilentDriverForTesting();
    }

    std::string Wave(const std::string& name, uint32_t ms) {
        Bytes bytes = MakeWaveMs(ms);
        SaveFuzzSeed("fuzz_wave", name, bytes);
        return dir_.Write(name, bytes).string();
    }
    std::string File(const std::string& name, const Bytes& bytes) {
        return dir_.Write(name, bytes).string();
    }
    uint64_t NowMs() { return clock_->Counter() / 1000; }
    std::vector<WaveOutcome> Outcomes() {
        std::vector<WaveOutcome> out;
        for (const auto& r : Sound::Recorded()) {
            out.push_back(r.Outcome);
        }
        return out;
    }

    platform::ScopedManualClock clock_;
    ScopedTempDir dir_;
};

using O = WaveOutcome;

}  // namespace

TEST_F(SilentSound, SynchronousPlayBlocksForTheWholeRecording) {
    std::string word = Wave("kot.snd", 750);
    uint64_t start = NowMs();
    EXPECT_TRUE(Sound::PlayWave(word, true));
    EXPECT_EQ(NowMs() - start, 750u);
    EXPECT_FALSE(Sound::IsWavePlaying());
    ASSERT_EQ(Sound::Recorded().size(), 1u);
    EXPECT_EQ(Sound::Recorded()[0].Path, word);
    EXPECT_TRUE(Sound::Recorded()[0].Synchronous);
    EXPECT_EQ(Sound::Recorded()[0].Outcome, O::Played);
}

TEST_F(SilentSound, RequestWhilePlayingIsDroppedNotQueued) {
    std::string instruction = Wave("S5.snd", 1000);
    std::string praise = Wave("g1.snd", 300);
    uint64_t start = NowMs();
    EXPECT_TRUE(Sound::PlayWave(instruction, false));
    EXPECT_EQ(NowMs(), start);  // asynchronous: returns at once
    EXPECT_TRUE(Sound::PlayWave(praise, false));
    // A synchronous request meeting a playing sound is dropped at once, without waiting.
    EXPECT_TRUE(Sound::PlayWave(praise, true));
    EXPECT_EQ(NowMs(), start);
    clock_->Advance(999);
    EXPECT_TRUE(Sound::IsWavePlaying());  // the first sound was not cut short
    EXPECT_TRUE(Sound::PlayWave(praise, false));
    clock_->Advance(1);
    EXPECT_FALSE(Sound::IsWavePlaying());  // nothing was queued behind it
    EXPECT_TRUE(Sound::PlayWave(praise, true));
    EXPECT_EQ(NowMs() - start, 1300u);
    EXPECT_EQ(Outcomes(),
              (std::vector<O>{O::Played, O::Dropped, O::Dropped, O::Dropped, O::Played}));
}

TEST_F(SilentSound, MissingFileIsSkippedAndReportsFalse) {
    EXPECT_FALSE(Sound::PlayWave((dir_.Path() / "none.snd").string(), true));
    EXPECT_FALSE(Sound::PlayWave(dir_.Path().string(), false));  // a folder is no sound
    EXPECT_FALSE(Sound::IsWavePlaying());
    EXPECT_EQ(Outcomes(), (std::vector<O>{O::Missing, O::Missing}));
}

TEST_F(SilentSound, UndecodableFileIsSkippedSilently) {
    Bytes truncated = MakeWaveMs(100);
    truncated.resize(truncated.size() - 10);
    std::string bad = File("bad.snd", truncated);
    std::string text = File("text.snd", Bytes{'h', 'e', 'l', 'l', 'o'});
    std::string empty = File("empty.snd", {});
    uint64_t start = NowMs();
    EXPECT_TRUE(Sound::PlayWave(bad, true));
    EXPECT_TRUE(Sound::PlayWave(text, false));
    EXPECT_TRUE(Sound::PlayWave(empty, false));
    EXPECT_EQ(NowMs(), start);
    EXPECT_FALSE(Sound::IsWavePlaying());
    EXPECT_EQ(Outcomes(), (std::vector<O>{O::Undecodable, O::Undecodable, O::Undecodable}));
}

TEST_F(SilentSound, TuneRunsItsCourseAndStopsWhereItStands) {
    std::string tune = File("s.snd", MakeTuneMs(2000));
    EXPECT_TRUE(Sound::MidiOpen(tune));
    EXPECT_FALSE(Sound::IsMidiPlaying());  // opened at its start, stopped
    EXPECT_TRUE(Sound::MidiPlay());
    EXPECT_TRUE(Sound::IsMidiPlaying());
    clock_->Advance(1500);
    EXPECT_TRUE(Sound::MidiStop());
    clock_->Advance(10'000);  // time stopped does not count
    EXPECT_FALSE(Sound::IsMidiPlaying());
    EXPECT_TRUE(Sound::MidiPlay());
    clock_->Advance(499);
    EXPECT_TRUE(Sound::IsMidiPlaying());
    clock_->Advance(1);
    EXPECT_FALSE(Sound::IsMidiPlaying());  // played once to its end
    EXPECT_TRUE(Sound::MidiPlay());        // at the end there is nothing left to play
    EXPECT_FALSE(Sound::IsMidiPlaying());
    EXPECT_TRUE(Sound::MidiStop());
    EXPECT_TRUE(Sound::MidiRewind());
    EXPECT_TRUE(Sound::MidiPlay());
    EXPECT_TRUE(Sound::IsMidiPlaying());
    EXPECT_TRUE(Sound::MidiRewind());  // seeking stops the tune
    EXPECT_FALSE(Sound::IsMidiPlaying());
    EXPECT_TRUE(Sound::MidiClose());
    EXPECT_FALSE(Sound::IsMidiPlaying());
}

TEST_F(SilentSound, TuneCommandsFailWithoutAnOpenTune) {
    std::string tune = File("s.snd", MakeTuneMs(500));
    Bytes broken = MakeTuneMs(500);
    broken.resize(broken.size() - 1);
    struct Case {
        const char* name;
        std::string path;
    } failing[] = {
        {"missing", (dir_.Path() / "none.snd").string()},
        {"folder", dir_.Path().string()},
        {"wave", Wave("w.snd", 100)},
        {"truncated", File("t.snd", broken)},
    };
    for (const Case& c : failing) {
        EXPECT_FALSE(Sound::MidiOpen(c.path)) << c.name;
    }
    EXPECT_FALSE(Sound::MidiPlay());
    EXPECT_FALSE(Sound::MidiStop());
    EXPECT_FALSE(Sound::MidiRewind());
    EXPECT_FALSE(Sound::MidiClose());
    ASSERT_TRUE(Sound::MidiOpen(tune));
    EXPECT_TRUE(Sound::MidiClose());
    EXPECT_FALSE(Sound::MidiPlay());
    EXPECT_FALSE(Sound::MidiClose());
}

TEST_F(SilentSound, OpeningAnotherTuneReplacesThePlayingOne) {
    ASSERT_TRUE(Sound::MidiOpen(File("a.mid", MakeTuneMs(5000))));
    ASSERT_TRUE(Sound::MidiPlay());
    ASSERT_TRUE(Sound::MidiOpen(File("b.mid", MakeTuneMs(1000))));
    EXPECT_FALSE(Sound::IsMidiPlaying());
    ASSERT_TRUE(Sound::MidiPlay());
    clock_->Advance(1000);
    EXPECT_FALSE(Sound::IsMidiPlaying());  // the new tune's length counts
}

TEST_F(SilentSound, TunePlaysBesideRecordings) {
    ASSERT_TRUE(Sound::MidiOpen(File("s.snd", MakeTuneMs(3000))));
    ASSERT_TRUE(Sound::MidiPlay());
    EXPECT_TRUE(Sound::PlayWave(Wave("g1.snd", 200), true));
    EXPECT_TRUE(Sound::IsMidiPlaying());
    EXPECT_EQ(Outcomes(), (std::vector<O>{O::Played}));
}

TEST(SoundFonts, EnvironmentFirstThenStandardPlaces) {
    auto only = [](std::string present) {
        return [present](const std::string& path) { return path == present; };
    };
    auto none = [](const std::string&) { return false; };
    EXPECT_EQ(platform::FindSoundFonts("/opt/a.sf2;/opt/b.sf2", none), "/opt/a.sf2;/opt/b.sf2");
    EXPECT_EQ(platform::FindSoundFonts("", only("/usr/share/sounds/sf2/FluidR3_GM.sf2")),
              "/usr/share/sounds/sf2/FluidR3_GM.sf2");
    EXPECT_EQ(platform::FindSoundFonts(nullptr, only("/usr/share/soundfonts/default.sf2")),
              "/usr/share/soundfonts/default.sf2");
    // The small font wins over the distribution's default: it loads in a blink.
    EXPECT_EQ(platform::FindSoundFonts(nullptr, [](const std::string&) { return true; }),
              "/usr/share/sounds/sf2/TimGM6mb.sf2");
    EXPECT_EQ(platform::FindSoundFonts(nullptr, none), "");
}

// Chooses the player afresh, as at start-up; true when that is SDL's. Otherwise the silent
// player is put back and the test has nothing to check.
namespace {
bool UseSdlPlayer() {
    Sound::Shutdown();
    if (Sound::DriverName().rfind("sdl", 0) == 0) {
        return true;
    }
    Sound::UseSilentDriverForTesting();
    return false;
}
}  // namespace

// Through SDL_mixer on SDL's dummy device, which plays in real time: the recording must
// really start, refuse a second one, and a synchronous one must return once it has ended.
TEST(SdlSound, PlaysRecordingsOnTheDummyDevice) {
    if (!UseSdlPlayer()) {
        GTEST_SKIP() << "SDL audio unavailable";
    }
    ScopedTempDir dir;
    std::string longer = dir.Write("long.snd", MakeWave(22050, 2, 16, 22050 * 5)).string();
    std::string shorter = dir.Write("short.snd", MakeWave(11025, 1, 8, 1100)).string();
    Sound::StartRecording();
    EXPECT_TRUE(Sound::PlayWave(longer, false));
    EXPECT_TRUE(Sound::IsWavePlaying());
    EXPECT_TRUE(Sound::PlayWave(shorter, true));
    // Restarting the player halts the long recording; a short one then plays to its end.
    Sound::Shutdown();
    EXPECT_TRUE(Sound::PlayWave(shorter, true));
    EXPECT_FALSE(Sound::IsWavePlaying());
    Sound::StopRecording();
    std::vector<WaveOutcome> outcomes;
    for (const auto& r : Sound::Recorded()) {
        outcomes.push_back(r.Outcome);
    }
    EXPECT_EQ(outcomes, (std::vector<O>{O::Played, O::Dropped, O::Played}));
    Sound::UseSilentDriverForTesting();
}

// An open device keeps SDL's audio thread waking: with nothing to play the player lets the
// device go, and the next sound opens it again and still plays to its end.
TEST(SdlSound, LetsTheDeviceGoWhileNothingPlays) {
    if (!UseSdlPlayer()) {
        GTEST_SKIP() << "SDL audio unavailable";
    }
    ScopedTempDir dir;
    std::string shorter = dir.Write("short.snd", MakeWave(11025, 1, 8, 1100)).string();
    auto closesWithin = [](std::chrono::seconds limit) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (Sound::DeviceOpen() && std::chrono::steady_clock::now() < end) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return !Sound::DeviceOpen();
    };
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        Sound::StartRecording();
        EXPECT_TRUE(Sound::PlayWave(shorter, true));
        EXPECT_TRUE(Sound::DeviceOpen());
        EXPECT_FALSE(Sound::IsWavePlaying());
        Sound::StopRecording();
        ASSERT_EQ(Sound::Recorded().size(), 1u);
        EXPECT_EQ(Sound::Recorded()[0].Outcome, O::Played);
        EXPECT_TRUE(closesWithin(std::chrono::seconds(10)));
    }
    // A long recording keeps it open while it plays.
    std::string longer = dir.Write("long.snd", MakeWave(22050, 1, 16, 22050 * 6)).string();
    EXPECT_TRUE(Sound::PlayWave(longer, false));
    std::this_thread::sleep_for(std::chrono::seconds(4));
    EXPECT_TRUE(Sound::IsWavePlaying());
    EXPECT_TRUE(Sound::DeviceOpen());
    Sound::UseSilentDriverForTesting();
}

// FluidSynth loads sound-font samples on OpenMP threads, whose synchronisation the thread
// sanitizer cannot see; it would report races inside libgomp that are not ours.
#if defined(__SANITIZE_THREAD__)
constexpr bool kThreadSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
constexpr bool kThreadSanitizer = true;
#else
constexpr bool kThreadSanitizer = false;
#endif
#else
constexpr bool kThreadSanitizer = false;
#endif

TEST(SdlSound, PlaysTheTuneThroughTheSynthesiser) {
    if (kThreadSanitizer) {
        GTEST_SKIP() << "the synthesiser's OpenMP threads are invisible to the thread sanitizer";
    }
    if (!UseSdlPlayer() || platform::FindSoundFonts().empty()) {
        Sound::UseSilentDriverForTesting();
        GTEST_SKIP() << "no SDL audio or no General MIDI sound font";
    }
    ScopedTempDir dir;
    std::string tune = dir.Write("s.snd", MakeTuneMs(3000)).string();
    EXPECT_TRUE(Sound::MidiOpen(tune));
    EXPECT_FALSE(Sound::IsMidiPlaying());
    EXPECT_TRUE(Sound::MidiPlay());
    EXPECT_TRUE(Sound::IsMidiPlaying());
    EXPECT_TRUE(Sound::MidiStop());
    EXPECT_FALSE(Sound::IsMidiPlaying());
    EXPECT_TRUE(Sound::MidiPlay());
    EXPECT_TRUE(Sound::IsMidiPlaying());
    EXPECT_TRUE(Sound::MidiRewind());
    EXPECT_FALSE(Sound::IsMidiPlaying());
    // A tune that was stopped where it stood keeps the device, to go on from there.
    EXPECT_TRUE(Sound::MidiPlay());
    EXPECT_TRUE(Sound::MidiStop());
    std::this_thread::sleep_for(std::chrono::seconds(5));
    EXPECT_TRUE(Sound::DeviceOpen());
    // Rewound, it lets the device go, and plays again from its start.
    EXPECT_TRUE(Sound::MidiRewind());
    for (int i = 0; i < 100 && Sound::DeviceOpen(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    EXPECT_FALSE(Sound::DeviceOpen());
    EXPECT_TRUE(Sound::MidiPlay());
    EXPECT_TRUE(Sound::IsMidiPlaying());
    EXPECT_TRUE(Sound::DeviceOpen());
    EXPECT_TRUE(Sound::MidiClose());
    EXPECT_FALSE(Sound::MidiPlay());
    Sound::UseSilentDriverForTesting();
}
