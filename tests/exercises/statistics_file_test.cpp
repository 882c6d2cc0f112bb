#include "exercises/statistics_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "exercises/cwynik.h"
#include "exercises/fake_exercise.h"
#include "game/cwybor.h"
#include "media/data_paths.h"
#include "media/scoped_temp_dir.h"
#include "platform/file_read.h"
#include "platform/install_dirs.h"
#include "scoped_env.h"

using namespace exercises;
namespace fs = std::filesystem;

namespace {

void WriteAll(const fs::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// A small series with fixed stamps, ended at 9:30 on 7 May 2024.
class StatisticsFileTest : public ::testing::Test {
  protected:
    StatisticsFileTest() : score_(&settings_, &list_) {
        exercise_.Stat.Attempts = {{2, 1, 3, 17}};
        list_ = {&exercise_, nullptr};
        score_.StartDate = score_.EndDate = 20240507;
        score_.StartTime = 915;
        score_.EndTime = 930;
    }

    fs::path File() const { return dir_.Path() / "st.bin"; }

    ScopedTempDir dir_;
    game::CWybor settings_;
    FakeExercise exercise_{"S2b"};
    std::vector<ScoredExercise*> list_;
    CWynik score_;
};

TEST_F(StatisticsFileTest, CreatesTheFileAndItsFolderAndAppendsLaterSeries) {
    const fs::path file = dir_.Path() / "share" / "vimbaro" / "st.bin";
    ASSERT_TRUE(score_.WriteStatistics(file));
    const std::string record = score_.SeriesRecord();
    EXPECT_EQ(platform::ReadWholeTextFile(file), record);
    ASSERT_TRUE(score_.WriteStatistics(file));
    EXPECT_EQ(platform::ReadWholeTextFile(file), record + record);
}

struct SizeCase {
    const char* name;
    std::uintmax_t oldLength;
    bool movedAside;
    // Test names in ctest show the case, not its bytes.
    friend void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.name; }
};

class StatisticsFileSize : public StatisticsFileTest,
                           public ::testing::WithParamInterface<SizeCase> {};

TEST_P(StatisticsFileSize, FullFileIsMovedAsideUnderItsDateAndANewOneStarted) {
    const SizeCase& c = GetParam();
    const std::string old(c.oldLength, '\x5a');
    WriteAll(File(), old);
    ASSERT_TRUE(score_.WriteStatistics(File()));
    const std::string record = score_.SeriesRecord();
    const fs::path aside = dir_.Path() / "st-20240507-0930.bin";
    if (c.movedAside) {
        EXPECT_EQ(platform::ReadWholeTextFile(File()), record);
        EXPECT_EQ(platform::ReadWholeTextFile(aside), old);
    } else {
        EXPECT_EQ(platform::ReadWholeTextFile(File()), old + record);
        EXPECT_FALSE(fs::exists(aside));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, StatisticsFileSize,
                         ::testing::Values(SizeCase{"AtTheLimit", 1'000'000, false},
                                           SizeCase{"OneByteOver", 1'000'001, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StatisticsFileTest, MovingAsideNeverOverwritesAnEarlierFullFile) {
    const fs::path taken = dir_.Path() / "st-20240507-0930.bin";
    WriteAll(taken, "earlier");
    const std::string full(StatisticsFileLimit + 1, '\x11');
    WriteAll(File(), full);
    ASSERT_TRUE(score_.WriteStatistics(File()));
    EXPECT_EQ(platform::ReadWholeTextFile(taken), "earlier");
    EXPECT_EQ(platform::ReadWholeTextFile(dir_.Path() / "st-20240507-0930-2.bin"), full);
    EXPECT_EQ(platform::ReadWholeTextFile(File()), score_.SeriesRecord());
}

TEST_F(StatisticsFileTest, UnwritablePlaceIsReportedAndLeavesNothingBehind) {
    // A folder where the file should be: no user, not even the superuser, can append to it.
    fs::create_directory(File());
    testing::internal::CaptureStderr();
    const bool written = score_.WriteStatistics(File());
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(written);
    EXPECT_NE(err.find("vimbaro: cannot write the statistics file " + File().string() + ": "),
              std::string::npos)
        << err;
    EXPECT_TRUE(fs::is_empty(File()));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_.Path()), fs::directory_iterator()), 1);
}

TEST_F(StatisticsFileTest, FolderThatCannotBeMadeIsReported) {
    WriteAll(dir_.Path() / "plain", "x");
    testing::internal::CaptureStderr();
    const bool written = score_.WriteStatistics(dir_.Path() / "plain" / "st.bin");
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(written);
    EXPECT_NE(err.find("cannot write the statistics file"), std::string::npos) << err;
    EXPECT_EQ(platform::ReadWholeTextFile(dir_.Path() / "plain"), "x");
}

struct PlaceCase {
    const char* name;
    const char* dataRoot;
    bool writable;
    bool hasDataHome;
    const char* expected;
};

TEST(StatisticsPlace, BesideThePortableDataElseInTheUserDataFolder) {
    const fs::path installed = "/usr/share/vimbaro/Data";
    const PlaceCase cases[] = {
        {"portable, writable", "/home/t/game/Data", true, true, "/home/t/game/Data/st.bin"},
        {"portable, read-only", "/media/cd/Data", false, true,
         "/home/t/.local/share/vimbaro/st.bin"},
        {"installed", "/usr/share/vimbaro/Data", true, true, "/home/t/.local/share/vimbaro/st.bin"},
        {"installed, spelled otherwise", "/usr/share/vimbaro/./Data/", true, true,
         "/home/t/.local/share/vimbaro/st.bin"},
        {"no user data folder", "/usr/share/vimbaro/Data", false, false,
         "/usr/share/vimbaro/Data/st.bin"},
    };
    const fs::path dataHome = "/home/t/.local/share";
    for (const PlaceCase& c : cases) {
        const auto home = c.hasDataHome ? std::optional<fs::path>(dataHome) : std::nullopt;
        EXPECT_EQ(
            ChooseStatisticsFilePath(c.dataRoot, installed, c.writable, home).lexically_normal(),
            fs::path(c.expected))
            << c.name;
    }
}

// The real places: a data root set for the test, the environment of the user.
TEST(StatisticsPlace, FollowsTheDataRootAndTheXdgVariables) {
    ScopedTempDir dir;
    const fs::path data = dir.Path() / "Data";
    fs::create_directories(data);
    ScopedEnv xdg("XDG_DATA_HOME", (dir.Path() / "xdg").c_str());
    ScopedEnv home("HOME", (dir.Path() / "home").c_str());

    media::SetDataRootForTesting(data);
    EXPECT_EQ(StatisticsFilePath(), data / "st.bin");

    media::SetDataRootForTesting(platform::InstalledDataDir());
    EXPECT_EQ(StatisticsFilePath(), dir.Path() / "xdg" / "vimbaro" / "st.bin");
    {
        ScopedEnv noXdg("XDG_DATA_HOME", nullptr);
        EXPECT_EQ(StatisticsFilePath(),
                  dir.Path() / "home" / ".local" / "share" / "vimbaro" / "st.bin");
    }
    media::SetDataRootForTesting({});
}

}  // namespace
