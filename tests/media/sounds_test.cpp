#include "media/sounds.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "media/data_paths.h"
#include "media/scoped_temp_dir.h"
#include "platform/clock.h"
#include "platform/sound.h"
#include "platform/sound_fixtures.h"

using namespace media;

using platform::Sound;
using platform::WaveOutcome;

namespace {

// A data folder of recordings, the silent player and a manual clock.
class Sounds : public ::testing::Test {
  protected:
    void SetUp() override {
        SetDataRootForTesting(dir_.Path());
        Sound::UseSilentDriverForTesting();
        Sound::StartRecording();
    }
    void TearDown() override {
        Sound::StopRecording();
        Sound::UseSilentDriverForTesting();
        SetDataRootForTesting({});
    }

    std::string Recording(const std::string& relative, uint32_t ms) {
        return dir_.Write(relative, sound_fixtures::MakeWaveMs(ms)).generic_string();
    }
    uint64_t NowMs() { return clock_->Counter() / 1000; }

    platform::ScopedManualClock clock_;
    ScopedTempDir dir_;
};

}  // namespace

TEST_F(Sounds, EachOperationPlaysItsFileInItsMode) {
    struct Case {
        const char* name;
        std::function<bool()> play;
        const char* file;
        bool synchronous;
    } cases[] = {
        {"word", [] { return PlayWord("kot"); }, "Res/Snd/kot.snd", true},
        {"letter", [] { return PlayLetter("l"); }, "Res/Snd/LC/l.snd", true},
        {"praise", [] { return PlayFeedbackFile(true, 3); }, "Res/Snd/g3.snd", false},
        {"remark", [] { return PlayFeedbackFile(false, 12); }, "Res/Snd/b12.snd", false},
        {"instruction", [] { return PlaySoundFile("Data\\Res\\Snd\\Pol\\S3_4a"); },
         "Res/Snd/Pol/S3_4a.snd", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = Recording(c.file, 400);
        clock_->Advance(1000);  // whatever played before has ended
        Sound::StartRecording();
        uint64_t start = NowMs();
        EXPECT_TRUE(c.play());
        EXPECT_EQ(NowMs() - start, c.synchronous ? 400u : 0u);
        ASSERT_EQ(Sound::Recorded().size(), 1u);
        EXPECT_EQ(Sound::Recorded()[0].Path, path);
        EXPECT_EQ(Sound::Recorded()[0].Synchronous, c.synchronous);
        EXPECT_EQ(Sound::Recorded()[0].Outcome, WaveOutcome::Played);
    }
}

TEST_F(Sounds, MissingRecordingIsSkippedAndReportsFalse) {
    EXPECT_FALSE(PlayWord("nieznane"));
    EXPECT_FALSE(PlayLetter("x"));
    EXPECT_FALSE(PlayFeedbackFile(true, 99));
    EXPECT_FALSE(PlaySoundFile("Data\\Res\\Snd\\Pol\\S99"));
    EXPECT_TRUE(Sound::Recorded().empty());  // the player was not asked
    EXPECT_FALSE(Sound::IsWavePlaying());
}

TEST_F(Sounds, PraiseDuringAnInstructionIsNotHeard) {
    Recording("Res/Snd/Pol/S5.snd", 2000);
    Recording("Res/Snd/g1.snd", 500);
    Recording("Res/Snd/b1.snd", 500);
    Recording("Res/Snd/kot.snd", 700);
    EXPECT_TRUE(PlaySoundFile("Data\\Res\\Snd\\Pol\\S5"));
    EXPECT_TRUE(PlayFeedbackFile(true, 1));
    uint64_t start = NowMs();
    EXPECT_TRUE(PlayWord("kot"));  // dropped, so the zoom does not wait for it
    EXPECT_EQ(NowMs(), start);
    clock_->Advance(2000);
    // Two quick answers: the second remark does not cut the first one short.
    EXPECT_TRUE(PlayFeedbackFile(false, 1));
    clock_->Advance(100);
    EXPECT_TRUE(PlayFeedbackFile(true, 1));
    EXPECT_TRUE(Sound::IsWavePlaying());
    std::vector<WaveOutcome> outcomes;
    for (const auto& r : Sound::Recorded()) {
        outcomes.push_back(r.Outcome);
    }
    using O = WaveOutcome;
    EXPECT_EQ(outcomes, (std::vector<O>{O::Played, O::Dropped, O::Dropped, O::Played, O::Dropped}));
}

TEST_F(Sounds, DamagedRecordingIsSkippedButCountsAsPlayed) {
    dir_.Write("Res/Snd/g2.snd", std::vector<uint8_t>{'R', 'I', 'F', 'F', 0, 0});
    EXPECT_TRUE(PlayFeedbackFile(true, 2));
    EXPECT_FALSE(Sound::IsWavePlaying());
    ASSERT_EQ(Sound::Recorded().size(), 1u);
    EXPECT_EQ(Sound::Recorded()[0].Outcome, WaveOutcome::Undecodable);
}
