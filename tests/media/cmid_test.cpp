#include "media/cmid.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "fuzz_seed.h"
#include "media/data_paths.h"
#include "media/scoped_temp_dir.h"
#include "platform/clock.h"
#include "platform/sound.h"
#include "platform/sound_fixtures.h"

using namespace media;

namespace {

// A sequencer that writes down every command and fails the ones it is told to.
class RecordingSequencer final : public MidiDevice {
  public:
    std::vector<std::string> Commands;
    std::set<std::string> Failing;

    bool Open(const std::string& nativePath) override { return Run("open " + nativePath, "open"); }
    bool SeekToStart() override { return Run("seek", "seek"); }
    bool Play() override { return Run("play", "play"); }
    bool Stop() override { return Run("stop", "stop"); }
    bool Close() override { return Run("close", "close"); }

  private:
    bool Run(const std::string& command, const std::string& verb) {
        Commands.push_back(command);
        return Failing.count(verb) == 0;
    }
};

struct DataRootOverride {
    explicit DataRootOverride(std::filesystem::path root) {
        SetDataRootForTesting(std::move(root));
    }
    ~DataRootOverride() { SetDataRootForTesting({}); }
};

using Commands = std::vector<std::string>;

}  // namespace

TEST(CMid, StartsClosedAndDoesNothingWhileClosed) {
    RecordingSequencer device;
    {
        CMid mid(device);
        EXPECT_FALSE(mid.Opened());
        EXPECT_FALSE(mid.Playing());
        EXPECT_TRUE(mid.Play());
        EXPECT_TRUE(mid.Rewind());
        EXPECT_TRUE(mid.Stop());
        EXPECT_TRUE(mid.Close());
        EXPECT_FALSE(mid.Playing());
    }
    EXPECT_TRUE(device.Commands.empty());
}

TEST(CMid, LoadOpensRewindsAndPlaysByNativePath) {
    DataRootOverride root("/srv/vim");
    RecordingSequencer device;
    CMid mid(device);
    EXPECT_TRUE(mid.Load(std::string(MenuTuneFile)));
    EXPECT_EQ(device.Commands, (Commands{"open /srv/vim/Res/Snd/Men/s.snd", "seek", "play"}));
    EXPECT_TRUE(mid.Opened());
    EXPECT_TRUE(mid.Playing());
}

TEST(CMid, LoadClosesTheOpenTuneFirstWhateverTheDeviceSays) {
    RecordingSequencer device;
    CMid mid(device);
    ASSERT_TRUE(mid.Load("a.mid"));
    device.Commands.clear();
    device.Failing = {"stop", "close", "open"};
    EXPECT_FALSE(mid.Load("b.mid"));
    EXPECT_EQ(device.Commands, (Commands{"stop", "close", "open b.mid"}));
    EXPECT_FALSE(mid.Opened());
    EXPECT_FALSE(mid.Playing());
}

TEST(CMid, LoadSucceedsEvenWhenRewindOrPlayFails) {
    RecordingSequencer device;
    device.Failing = {"seek", "play"};
    CMid mid(device);
    EXPECT_TRUE(mid.Load("a.mid"));
    EXPECT_TRUE(mid.Opened());
    EXPECT_FALSE(mid.Playing());
    EXPECT_FALSE(mid.Rewind());
}

// Each command's outcome per the player's rules: flags only follow commands that succeed.
TEST(CMid, CommandsOnAnOpenTune) {
    struct Case {
        const char* name;
        bool stopFirst;  // Stop() once before the operation, so the tune is not playing
        std::set<std::string> failing;
        bool (CMid::*operation)();
        bool result;
        Commands commands;
        bool opened, playing;
    } cases[] = {
        {"play_while_playing", false, {}, &CMid::Play, true, {"stop", "play"}, true, true},
        {"play_stopped", true, {}, &CMid::Play, true, {"play"}, true, true},
        {"play_stop_fails", false, {"stop"}, &CMid::Play, true, {"stop", "play"}, true, true},
        {"play_fails", false, {"play"}, &CMid::Play, false, {"stop", "play"}, true, false},
        {"play_both_fail",
         false,
         {"stop", "play"},
         &CMid::Play,
         false,
         {"stop", "play"},
         true,
         true},
        {"stop_playing", false, {}, &CMid::Stop, true, {"stop"}, true, false},
        {"stop_stopped", true, {}, &CMid::Stop, true, {}, true, false},
        {"stop_fails", false, {"stop"}, &CMid::Stop, false, {"stop"}, true, true},
        {"rewind", false, {}, &CMid::Rewind, true, {"seek"}, true, true},
        {"rewind_fails", false, {"seek"}, &CMid::Rewind, false, {"seek"}, true, true},
        {"close_playing", false, {}, &CMid::Close, true, {"stop", "close"}, false, false},
        {"close_stopped", true, {}, &CMid::Close, true, {"close"}, false, false},
        {"close_fails", false, {"close"}, &CMid::Close, false, {"stop", "close"}, true, false},
        {"close_stop_fails", false, {"stop"}, &CMid::Close, true, {"stop", "close"}, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingSequencer device;
        CMid mid(device);
        ASSERT_TRUE(mid.Load("a.mid"));
        if (c.stopFirst) {
            ASSERT_TRUE(mid.Stop());
        }
        device.Commands.clear();
        device.Failing = c.failing;
        EXPECT_EQ((mid.*c.operation)(), c.result);
        EXPECT_EQ(device.Commands, c.commands);
        EXPECT_EQ(mid.Opened(), c.opened);
        EXPECT_EQ(mid.Playing(), c.playing);
        device.Failing.clear();
    }
}

TEST(CMid, DestructorCloses) {
    RecordingSequencer device;
    {
        CMid mid(device);
        ASSERT_TRUE(mid.Load("a.mid"));
        device.Commands.clear();
    }
    EXPECT_EQ(device.Commands, (Commands{"stop", "close"}));
}

// On the real (silent) player: the end of the tune leaves the flags alone, so Stop still
// sends its command and Play resumes at the end, where nothing is left to hear.
class CMidOnSystemPlayer : public ::testing::Test {
  protected:
    void SetUp() override { platform::Sound::UseSilentDriverForTesting(); }
    void TearDown() override { platform::Sound::UseSilentDriverForTesting(); }

    platform::ScopedManualClock clock_;
    ScopedTempDir dir_;
    DataRootOverride root_{dir_.Path()};
};

TEST_F(CMidOnSystemPlayer, PlaysTheMenuTuneOnceAndStopsAfterItsEnd) {
    sound_fixtures::Bytes tune = sound_fixtures::MakeTuneMs(1000);
    SaveFuzzSeed("fuzz_midi", "menu_tune.mid", tune);
    dir_.Write("Res/Snd/Men/s.snd", tune);
    CMid mid;
    ASSERT_TRUE(mid.Load(std::string(MenuTuneFile)));
    EXPECT_TRUE(platform::Sound::IsMidiPlaying());
    clock_->Advance(1000);
    EXPECT_FALSE(platform::Sound::IsMidiPlaying());
    EXPECT_TRUE(mid.Playing());  // the end of the tune is not noticed
    EXPECT_TRUE(mid.Stop());
    EXPECT_FALSE(mid.Playing());
    EXPECT_TRUE(mid.Rewind());
    EXPECT_TRUE(mid.Play());
    EXPECT_TRUE(platform::Sound::IsMidiPlaying());
    EXPECT_TRUE(mid.Close());
    EXPECT_FALSE(platform::Sound::IsMidiPlaying());
    EXPECT_FALSE(platform::Sound::MidiPlay());  // the player holds no tune any more
}

TEST_F(CMidOnSystemPlayer, MissingOrMalformedFileLeavesThePlayerClosed) {
    sound_fixtures::Bytes broken = sound_fixtures::MakeTuneMs(1000);
    broken[9] = 7;  // an unknown format
    dir_.Write("Res/Snd/Men/bad.snd", broken);
    dir_.Write("Res/Snd/Men/wave.snd", sound_fixtures::MakeWaveMs(100));
    for (const char* file : {"Data\\Res\\Snd\\Men\\none.snd", "Data\\Res\\Snd\\Men\\bad.snd",
                             "Data\\Res\\Snd\\Men\\wave.snd"}) {
        CMid mid;
        EXPECT_FALSE(mid.Load(file)) << file;
        EXPECT_FALSE(mid.Opened()) << file;
        EXPECT_FALSE(mid.Playing()) << file;
        EXPECT_FALSE(platform::Sound::IsMidiPlaying()) << file;
    }
}
