#include "media/data_paths.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "media/scoped_temp_dir.h"
#include "platform/install_dirs.h"

namespace fs = std::filesystem;

namespace {

// Restores the normal data-root rule after a test that overrides it.
struct DataRootOverride {
    explicit DataRootOverride(fs::path root) { SetDataRootForTesting(std::move(root)); }
    ~DataRootOverride() { SetDataRootForTesting({}); }
};

}  // namespace

TEST(NativePath, CollapsesSeparatorsKeepsCaseAndRootsData) {
    struct Case {
        const char* part;
        const char* native;
    } cases[] = {
        {"Data\\Res\\Snd\\", "/srv/vim/Res/Snd/"},
        {"Data//Res//Kar//Nor//", "/srv/vim/Res/Kar/Nor/"},
        {"Data\\Res\\Kar\\Nor\\Pow//zolw_b.xji", "/srv/vim/Res/Kar/Nor/Pow/zolw_b.xji"},
        {"Data/\\//Intf\\T_s.xji", "/srv/vim/Intf/T_s.xji"},
        {"Data//", "/srv/vim/"},
        {"Data\\sph.xji", "/srv/vim/sph.xji"},
        {"Data", "/srv/vim"},
        {"Data\\Res\\Wyncyf\\7_s_W.xbi", "/srv/vim/Res/Wyncyf/7_s_W.xbi"},
        // Only a leading folder named exactly "Data" is the data root.
        {"Database\\x.xbi", "Database/x.xbi"},
        {"data\\Res\\X.xbi", "data/Res/X.xbi"},
        {"Res\\Data\\a.snd", "Res/Data/a.snd"},
        {"", ""},
    };
    DataRootOverride root("/srv/vim/");
    for (const auto& c : cases) {
        EXPECT_EQ(NativePath(c.part), c.native) << c.part;
    }
}

TEST(DataRoot, PrefersWorkingDirThenExecutableDirThenInstalledDir) {
    ScopedTempDir work, exe, nowhere;
    const fs::path installed = "/usr/share/vimbaro/Data";
    EXPECT_EQ(ChooseDataRoot(work.Path(), exe.Path(), installed), installed);
    EXPECT_EQ(ChooseDataRoot(work.Path(), {}, installed), installed);

    // A plain file called Data is not a data folder.
    work.Write("Data", std::vector<uint8_t>{1});
    EXPECT_EQ(ChooseDataRoot(work.Path(), exe.Path(), installed), installed);

    fs::create_directories(exe.Path() / "Data");
    EXPECT_EQ(ChooseDataRoot(work.Path(), exe.Path(), installed), exe.Path() / "Data");

    fs::create_directories(nowhere.Path() / "Data");
    EXPECT_EQ(ChooseDataRoot(nowhere.Path(), exe.Path(), installed), nowhere.Path() / "Data");
}

TEST(DataRoot, FollowsTheWorkingDirectoryAndTheTestOverride) {
    ScopedTempDir work;
    fs::create_directories(work.Path() / "Data" / "Res");
    {
        ScopedCurrentPath cd(work.Path());
        EXPECT_TRUE(fs::equivalent(DataRoot(), work.Path() / "Data"));
        EXPECT_EQ(fs::path(NativePath("Data\\Res\\")), DataRoot() / "Res" / "");
        {
            DataRootOverride root(work.Path() / "Other");
            EXPECT_EQ(DataRoot(), work.Path() / "Other");
        }
        EXPECT_TRUE(fs::equivalent(DataRoot(), work.Path() / "Data"));
    }
    ScopedTempDir empty;
    ScopedCurrentPath cd(empty.Path());
    EXPECT_NE(DataRoot(), empty.Path() / "Data");
}

TEST(InstallDirs, KnowTheExecutableAndTheInstalledData) {
    EXPECT_FALSE(platform::ExecutableDir().empty());
    EXPECT_TRUE(fs::is_directory(platform::ExecutableDir()));
    EXPECT_TRUE(fs::path(platform::InstalledDataDir()).is_absolute());
}

TEST(Suffixes, FollowTheLayoutAndTheRendering) {
    {
        ScopedScreenMode mode(1);
        EXPECT_EQ(SizeSuffix(), "_s");
    }
    {
        ScopedScreenMode mode(4);
        EXPECT_EQ(SizeSuffix(), "_b");
    }
    EXPECT_EQ(PairSuffix(true), "_W");
    EXPECT_EQ(PairSuffix(false), "_B");
}

TEST(FileExists, IsTrueOnlyForFiles) {
    ScopedTempDir dir;
    fs::path file = dir.Write("Res/Snd/g1.snd", std::vector<uint8_t>{0});
    EXPECT_TRUE(FileExists(file));
    EXPECT_FALSE(FileExists(dir.Path() / "Res"));
    EXPECT_FALSE(FileExists(dir.Path() / "Res/Snd/g2.snd"));
    EXPECT_FALSE(FileExists(""));
}
