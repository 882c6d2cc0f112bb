#include "media/data_paths.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <vector>

#include "media/scoped_temp_dir.h"
#include "platform/install_dirs.h"

using namespace media;

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

namespace {

// Makes dir/Data look like a data set: the two folders every one has.
void MakeDataSet(const fs::path& dir) {
    fs::create_directories(dir / "Data" / "Intf");
    fs::create_directories(dir / "Data" / "Lib" / "BUTT");
}

}  // namespace

TEST(DataRoot, PrefersWorkingDirThenExecutableDirThenInstalledDir) {
    const fs::path installed = "/usr/share/vimbaro/Data";
    enum class Kind { None, DataSet, Empty, Foreign, PlainFile };
    auto make = [](const fs::path& dir, Kind kind) {
        switch (kind) {
            case Kind::None:
                break;
            case Kind::DataSet:
                MakeDataSet(dir);
                break;
            case Kind::Empty:
                fs::create_directories(dir / "Data");
                break;
            case Kind::Foreign:  // somebody else's data: files, but no data set's folders
                fs::create_directories(dir / "Data" / "Res");
                fs::create_directories(dir / "Data" / "csv");
                break;
            case Kind::PlainFile: {
                std::ofstream(dir / "Data") << "x";
                break;
            }
        }
    };
    enum class Root { Working, Executable, Installed };
    struct Case {
        const char* what;
        Kind working, executable;
        Root expected;
    } cases[] = {
        {"nothing anywhere", Kind::None, Kind::None, Root::Installed},
        {"a data set in the working folder wins", Kind::DataSet, Kind::DataSet, Root::Working},
        {"then the one beside the program", Kind::None, Kind::DataSet, Root::Executable},
        {"an empty Data does not hide the program's", Kind::Empty, Kind::DataSet, Root::Executable},
        {"nor does a foreign one", Kind::Foreign, Kind::DataSet, Root::Executable},
        {"nor a plain file", Kind::PlainFile, Kind::DataSet, Root::Executable},
        {"an empty Data beside the program is passed over too", Kind::Empty, Kind::Empty,
         Root::Installed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScopedTempDir work, exe;
        make(work.Path(), c.working);
        make(exe.Path(), c.executable);
        const fs::path expected = c.expected == Root::Working      ? work.Path() / "Data"
                                  : c.expected == Root::Executable ? exe.Path() / "Data"
                                                                   : installed;
        EXPECT_EQ(ChooseDataRoot(work.Path(), exe.Path(), installed), expected);
    }
    ScopedTempDir work;
    MakeDataSet(work.Path());
    EXPECT_EQ(ChooseDataRoot(work.Path(), {}, installed), work.Path() / "Data");
}

TEST(DataRoot, FollowsTheWorkingDirectoryAndTheTestOverride) {
    ScopedTempDir work;
    MakeDataSet(work.Path());
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
