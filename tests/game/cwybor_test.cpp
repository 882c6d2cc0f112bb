#include "game/cwybor.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <system_error>

#include "media/scoped_temp_dir.h"
#include "platform/settings_store.h"

using namespace game;

// Failure messages show the five fields instead of the record's bytes (found beside the
// record's own namespace).
namespace game {
static void PrintTo(const CWybor& w, std::ostream* os) {
    *os << "{ilosc " << w.ilosc << ", poziom " << w.poziom << ", gloski " << w.gloski << ", scan "
        << int{w.scan} << ", scanTime " << w.scanTime << "}";
}
}  // namespace game

namespace fs = std::filesystem;
using platform::SettingsStore;

namespace {

CWybor Record(std::int16_t ilosc, std::int16_t poziom, std::int16_t gloski, std::int8_t scan,
              std::int32_t scanTime) {
    CWybor w;
    w.ilosc = ilosc;
    w.poziom = poziom;
    w.gloski = gloski;
    w.scan = scan;
    w.scanTime = scanTime;
    return w;
}

class CWyborTest : public ::testing::Test {
  protected:
    fs::path File() const { return dir_.Path() / "vimbaro" / "options"; }

    void WriteFile(const std::string& text) const {
        fs::create_directories(File().parent_path());
        std::ofstream out(File(), std::ios::binary | std::ios::trunc);
        out << text;
    }

    std::string ReadFile() const {
        std::ifstream in(File(), std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

    // Loads a default record from the file as it stands.
    CWybor LoadFromFile() const {
        SettingsStore store(File());
        CWybor w;
        w.Load(store);
        return w;
    }

    ScopedTempDir dir_;
};

struct LoadCase {
    const char* Name;
    std::optional<std::string> Text;  // nullopt: no file at all
    CWybor Expected;
};

const CWybor Defaults = Record(1, 1, 4, 13, 1500);

const LoadCase LoadCases[] = {
    {"no file", std::nullopt, Defaults},
    {"empty file", "", Defaults},
    {"every field set and valid", "ilosc=4\npoziom=8\ngloski=3\nscan=18\nscanTime=5000\n",
     Record(4, 8, 3, 18, 5000)},
    {"only the level", "poziom=4\n", Record(1, 4, 4, 13, 1500)},
    {"no sound group is a choice, not damage", "gloski=0\n", Record(1, 1, 0, 13, 1500)},
    {"names in another letter case", "ILOSC=2\nScanTime=700\n", Record(2, 1, 4, 13, 700)},
    {"the last of two lines wins", "poziom=2\npoziom=8\n", Record(1, 8, 4, 13, 1500)},
    {"quantity outside its set", "ilosc=3\n", Defaults},
    {"quantity zero", "ilosc=0\n", Defaults},
    {"quantity that would narrow to a valid one", "ilosc=65537\n", Defaults},
    {"level of two bits", "poziom=3\n", Defaults},
    {"level past IV", "poziom=16\n", Defaults},
    {"level zero", "poziom=0\n", Defaults},
    {"sound groups with an unknown bit", "gloski=12\n", Defaults},
    {"scan with bits past the byte", "scan=285\n", Defaults},
    {"scan with both cycle bits", "scan=29\n", Defaults},
    {"scan with both switch bits", "scan=15\n", Defaults},
    {"scan with no switch bit", "scan=9\n", Defaults},
    {"scan with no cycle bit", "scan=5\n", Defaults},
    {"scan with an unknown bit", "scan=45\n", Defaults},
    {"scan with the sign bit of the byte", "scan=141\n", Defaults},
    {"scanning on, one switch, internal cycle", "scan=18\n", Record(1, 1, 4, 18, 1500)},
    {"scanning off, one switch, internal cycle", "scan=19\n", Record(1, 1, 4, 19, 1500)},
    {"scan time too fast to follow", "scanTime=1\n", Record(1, 1, 4, 13, 500)},
    {"scan time just under the floor", "scanTime=499\n", Record(1, 1, 4, 13, 500)},
    {"scan time at the floor", "scanTime=500\n", Record(1, 1, 4, 13, 500)},
    {"scan time zero", "scanTime=0\n", Defaults},
    {"scan time negative as a stored word", "scanTime=4294967295\n", Defaults},
    {"scan time past the signed range", "scanTime=2147483648\n", Defaults},
    {"scan time just past the slider", "scanTime=5001\n", Record(1, 1, 4, 13, 5000)},
    {"scan time at the signed maximum", "scanTime=2147483647\n", Record(1, 1, 4, 13, 5000)},
    {"values that are no numbers", "ilosc=-1\npoziom=0x4\ngloski=two\nscan=\nscanTime=1500ms\n",
     Defaults},
    {"number too large for a word", "poziom=4294967296\n", Defaults},
    {"comments, sections and foreign lines",
     "# therapist's notes\n[options]\n; poziom=8\nfoo=bar\npoziom = 2 \r\n\nglupoty\n",
     Record(1, 2, 4, 13, 1500)},
    {"binary garbage", std::string("\x00\xff\xfe=\x01poziom=8\n\x80\x81poziom=4", 24), Defaults},
};

TEST_F(CWyborTest, StoredTextsLoadAsRecords) {
    for (const LoadCase& c : LoadCases) {
        SCOPED_TRACE(c.Name);
        std::error_code ec;
        fs::remove(File(), ec);
        if (c.Text) {
            WriteFile(*c.Text);
        }
        const CWybor loaded = LoadFromFile();
        EXPECT_EQ(loaded, c.Expected);
    }
}

TEST_F(CWyborTest, FirstRunLeavesEveryDefaultInTheFile) {
    ASSERT_FALSE(fs::exists(File()));
    LoadFromFile();
    SettingsStore reread(File());
    EXPECT_EQ(reread.ReadDword("ilosc"), 1u);
    EXPECT_EQ(reread.ReadDword("poziom"), 1u);
    EXPECT_EQ(reread.ReadDword("gloski"), 4u);
    EXPECT_EQ(reread.ReadDword("scan"), 13u);
    EXPECT_EQ(reread.ReadDword("scanTime"), 1500u);
}

TEST_F(CWyborTest, LoadAddsOnlyTheMissingValuesAndKeepsTheRest) {
    WriteFile("# mine\npoziom=4\nscanTime=oops\nscan=29\n");
    const CWybor loaded = LoadFromFile();
    EXPECT_EQ(loaded, Record(1, 4, 4, 13, 1500));
    SettingsStore reread(File());
    EXPECT_EQ(reread.ReadDword("poziom"), 4u);
    EXPECT_EQ(reread.ReadDword("ilosc"), 1u);
    EXPECT_EQ(reread.ReadDword("gloski"), 4u);
    // A value that is no number is replaced like a missing one.
    EXPECT_EQ(reread.ReadDword("scanTime"), 1500u);
    // A number outside its set stays as written until the settings are stored.
    EXPECT_EQ(reread.ReadDword("scan"), 29u);
    EXPECT_NE(ReadFile().find("# mine\n"), std::string::npos);
}

TEST(CWybor, MissingValueKeepsTheFieldsCurrentValue) {
    SettingsStore store;  // in memory: nothing stored, nothing can be saved
    CWybor w = Record(2, 8, 1, 18, 900);
    w.Load(store);
    EXPECT_EQ(w, Record(2, 8, 1, 18, 900));
    EXPECT_EQ(store.ReadDword("scan"), 18u);
}

TEST_F(CWyborTest, StoredRecordsLoadBackEqual) {
    const CWybor records[] = {
        Defaults,
        Record(4, 8, 0, 18, 500),
        Record(2, 2, 7, 11, 5000),
        Record(1, 4, 3, 20, 1400),
        Record(4, 1, 5, 21, 550),
    };
    for (const CWybor& w : records) {
        SCOPED_TRACE(::testing::PrintToString(w));
        SettingsStore store(File());
        ASSERT_TRUE(w.Store(store));
        EXPECT_EQ(LoadFromFile(), w);
    }
}

TEST_F(CWyborTest, StoreRepairsWhatLoadRejectedAndKeepsForeignLines) {
    const std::string foreign = "# therapist's notes\n[options]\nfoo=bar\n; scan=99\n";
    WriteFile(foreign + "ilosc=3\nscanTime=99999\n");
    SettingsStore store(File());
    CWybor w;
    w.Load(store);
    w.poziom = 2;
    ASSERT_TRUE(w.Store(store));

    const std::string text = ReadFile();
    EXPECT_EQ(text.rfind(foreign, 0), 0u) << text;
    SettingsStore reread(File());
    EXPECT_EQ(reread.ReadDword("ilosc"), 1u);
    EXPECT_EQ(reread.ReadDword("poziom"), 2u);
    EXPECT_EQ(reread.ReadDword("scanTime"), 5000u);
    EXPECT_EQ(LoadFromFile(), Record(1, 2, 4, 13, 5000));
}

TEST_F(CWyborTest, NegativeFieldsAreStoredAsWordsAndLoadAsDefaults) {
    SettingsStore store(File());
    ASSERT_TRUE(Record(-1, 1, 4, -128, -5).Store(store));
    EXPECT_EQ(SettingsStore(File()).ReadDword("scanTime"), 4294967291u);
    const CWybor loaded = LoadFromFile();
    EXPECT_EQ(loaded, Record(Defaults.ilosc, 1, 4, Defaults.scan, Defaults.scanTime));
}

TEST_F(CWyborTest, StoreThatCannotBeSavedReportsFalse) {
    // A regular file where the folder should be: no user, root included, can save there.
    WriteFile("");
    SettingsStore blocked(File() / "options");
    EXPECT_FALSE(Defaults.Store(blocked));

    SettingsStore inMemory;
    EXPECT_FALSE(Record(4, 8, 7, 18, 100).Store(inMemory));
    // The values still reach the store, which only failed to reach the disk.
    EXPECT_EQ(inMemory.ReadDword("scanTime"), 100u);
}

TEST_F(CWyborTest, StoreIntoAReadOnlyFolderReportsFalse) {
    const fs::path folder = File().parent_path();
    fs::create_directories(folder);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    const bool bypassed = std::ofstream(folder / "probe").is_open();
    if (bypassed) {
        fs::permissions(folder, fs::perms::owner_all);
        GTEST_SKIP() << "folder permissions do not bind this user";
    }
    SettingsStore store(File());
    EXPECT_FALSE(Defaults.Store(store));
    EXPECT_FALSE(fs::exists(File()));
    fs::permissions(folder, fs::perms::owner_all);
}

TEST(CWybor, ScanFlagNeedsEveryBitOfTheMask) {
    struct Case {
        std::int8_t Scan;
        int Mask;
        bool Expected;
    };
    const Case cases[] = {
        {13, ScanOff, true},
        {13, ScanOneSwitch, false},
        {13, ScanOff | ScanExternalCycle, true},
        {13, ScanOff | ScanInternalCycle, false},
        {18, ScanOneSwitch | ScanInternalCycle, true},
        {18, ScanOff, false},
    };
    for (const Case& c : cases) {
        CWybor w;
        w.scan = c.Scan;
        EXPECT_EQ(w.ScanFlag(c.Mask), c.Expected) << int{c.Scan} << " & " << c.Mask;
    }
}

}  // namespace
