#include "platform/settings_store.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "fuzz_seed.h"
#include "scoped_env.h"

namespace fs = std::filesystem;
using platform::SettingsStore;
using namespace std::string_literals;

namespace {

class SettingsStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() /
               ("vimbaro-settings-" + std::to_string(::getpid()) + "-" + info->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir_, fs::perms::owner_all, ec);
        fs::remove_all(dir_, ec);
    }

    fs::path File() const { return dir_ / "options"; }

    void WriteFile(const std::string& bytes) const {
        std::ofstream out(File(), std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    std::string ReadFile() const {
        std::ifstream in(File(), std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_)) {
            names.push_back(e.path().filename().string());
        }
        return names;
    }

    fs::path dir_;
};

}  // namespace

TEST_F(SettingsStoreTest, SavedValuesReadBackInANewStore) {
    SettingsStore store(dir_ / "nested" / "deeper" / "options");
    EXPECT_FALSE(store.Exists());
    const std::pair<const char*, uint32_t> values[] = {
        {"ilosc", 2}, {"poziom", 8}, {"gloski", 0}, {"scan", 0x11D}, {"scanTime", 4294967295u}};
    for (const auto& [name, value] : values) {
        ASSERT_TRUE(store.WriteDword(name, value));
    }
    ASSERT_TRUE(store.Save());
    EXPECT_TRUE(store.Exists());

    SettingsStore reread(dir_ / "nested" / "deeper" / "options");
    EXPECT_TRUE(reread.Exists());
    for (const auto& [name, value] : values) {
        EXPECT_EQ(reread.ReadDword(name), value) << name;
    }
    EXPECT_EQ(reread.Serialize(), "ilosc=2\npoziom=8\ngloski=0\nscan=285\nscanTime=4294967295\n");
    const std::string text = reread.Serialize();
    SaveFuzzSeed("fuzz_settings", "options",
                 {reinterpret_cast<const uint8_t*>(text.data()), text.size()});
}

TEST_F(SettingsStoreTest, MissingFileReadsAsNoValues) {
    SettingsStore store(File());
    EXPECT_FALSE(store.Exists());
    for (const char* name : {"ilosc", "poziom", "gloski", "scan", "scanTime"}) {
        EXPECT_EQ(store.ReadDword(name), std::nullopt) << name;
    }
}

TEST_F(SettingsStoreTest, DamagedOrHandEditedFilesReadSensibly) {
    const std::string longLine(60000, 'x');
    struct Case {
        std::string content;
        std::optional<uint32_t> ilosc;
    } cases[] = {
        {"\x01\x02\xff\xfe\n\x00\x00ilosc=3"s, std::nullopt},
        {"\xff\xfe\x00garbage\nilosc=2\n"s, 2},
        {"ilosc=abc\n", std::nullopt},
        {"ilosc=99999999999\n", std::nullopt},
        {"ilosc=4294967296\n", std::nullopt},
        {"ilosc=4294967295\n", 4294967295u},
        {"ilosc=-1\n", std::nullopt},
        {"ilosc=+1\n", std::nullopt},
        {"ilosc=0x10\n", std::nullopt},
        {"ilosc=2 3\n", std::nullopt},
        {"ilosc=\xEF\xBC\x95\n", std::nullopt},  // a full-width digit
        {"ilosc=\n", std::nullopt},
        {"=5\n", std::nullopt},
        {"ilosc\n", std::nullopt},
        {"ilosc 5\n", std::nullopt},
        {"# ilosc=2\n", std::nullopt},
        {"ilosc=2\r\npoziom=1\r\n", 2},
        {"\xEF\xBB\xBFilosc=2\n", 2},
        {"poziom=1\n\xEF\xBB\xBF\xEF\xBB\xBFilosc=2\n", 2},
        {"  ilosc \t=  2  \n", 2},
        {"ILOSC=2\n", 2},
        {"ilosc=1\nilosc=5\n", 5},
        {"ilosc=7", 7},
        {"ilosc=007\n", 7},
        {"ilosc=2\npozi", 2},
        {"ilosc=2\nnazwa=\xC5", 2},
        {longLine + "\nilosc=2\n", 2},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        WriteFile(c.content);
        SettingsStore store(File());
        EXPECT_TRUE(store.Exists());
        EXPECT_EQ(store.ReadDword("ilosc"), c.ilosc) << c.content.substr(0, 40);
    }
}

TEST(SettingsStoreText, SavedTextReadsBackUnchanged) {
    const std::string inputs[] = {
        // Found by fuzzing: a damaged first line dropped, then a line holding only a
        // byte-order mark, which used to come first in the saved text and vanish on reading.
        "iloc=sca=n03\xE7\x00\x00\n\xEF\xBB\xBF\nscanTi\x00"
        "7s"s,
        "\xEF\xBB\xBF\xEF\xBB\xBF\n",
        "\xEF\xBB\xBF\n\xEF\xBB\xBFilosc=3\r\n",
        "a\r\r\nilosc=1",
    };
    int seed = 0;
    for (const auto& input : inputs) {
        SettingsStore first;
        first.Parse(input);
        const std::string saved = first.Serialize();
        SettingsStore second;
        second.Parse(saved);
        EXPECT_EQ(second.Serialize(), saved);
        EXPECT_EQ(second.ReadDword("ilosc"), first.ReadDword("ilosc"));
        SaveFuzzSeed("fuzz_settings", "roundtrip-" + std::to_string(seed++),
                     {reinterpret_cast<const uint8_t*>(input.data()), input.size()});
    }
}

TEST_F(SettingsStoreTest, OversizedFileIsTakenAsEmpty) {
    std::string atLimit = "ilosc=2\n";
    atLimit += std::string(SettingsStore::MaxFileSize - atLimit.size() - 1, '#') + "\n";
    ASSERT_EQ(atLimit.size(), SettingsStore::MaxFileSize);
    WriteFile(atLimit);
    EXPECT_EQ(SettingsStore(File()).ReadDword("ilosc"), 2u);

    WriteFile(atLimit + "\n");
    SettingsStore store(File());
    EXPECT_TRUE(store.Exists());
    EXPECT_EQ(store.ReadDword("ilosc"), std::nullopt);
    // Saving replaces the damaged file with only what was written since.
    ASSERT_TRUE(store.WriteDword("poziom", 4));
    ASSERT_TRUE(store.Save());
    EXPECT_EQ(ReadFile(), "poziom=4\n");
}

TEST_F(SettingsStoreTest, OtherLinesSurviveASave) {
    WriteFile(
        "# ustawienia\r\nfoo = bar\nzażółć=1\n\nILOSC=1\n\xff\xfe broken\nilosc=9\npoziom=x\n");
    SettingsStore store(File());
    ASSERT_TRUE(store.WriteDword("ilosc", 4));
    ASSERT_TRUE(store.WriteDword("poziom", 2));
    ASSERT_TRUE(store.WriteDword("scanTime", 1500));
    ASSERT_TRUE(store.Save());
    // Duplicates fold into the first line of the name; undecodable lines are dropped.
    EXPECT_EQ(ReadFile(),
              "# ustawienia\nfoo = bar\nzażółć=1\n\nilosc=4\npoziom=2\nscanTime=1500\n");
    EXPECT_EQ(SettingsStore(File()).ReadDword("zażółć"), 1u);
}

TEST_F(SettingsStoreTest, NamesTheFileCannotHoldAreRefused) {
    SettingsStore store(File());
    for (const char* name : {"", "a=b", " ilosc", "ilosc ", "il\nosc", "#ilosc", "\xff"}) {
        EXPECT_FALSE(store.WriteDword(name, 1)) << name;
    }
    EXPECT_EQ(store.Serialize(), "");
    EXPECT_TRUE(store.WriteDword("ilość dzieci", 3));
    EXPECT_EQ(store.ReadDword("ILOŚĆ dzieci"), std::nullopt);  // only ASCII letters fold
    EXPECT_EQ(store.ReadDword("ilość DZIECI"), 3u);
}

TEST_F(SettingsStoreTest, SaveLeavesNoTemporaryFiles) {
    SettingsStore store(File());
    ASSERT_TRUE(store.WriteDword("ilosc", 1));
    ASSERT_TRUE(store.Save());
    ASSERT_TRUE(store.WriteDword("ilosc", 2));
    ASSERT_TRUE(store.Save());
    EXPECT_EQ(Entries(), std::vector<std::string>{"options"});
    EXPECT_EQ(ReadFile(), "ilosc=2\n");
    struct stat st {};
    ASSERT_EQ(::stat(File().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(SettingsStoreTest, FailedSaveReportsFalseAndCleansUp) {
    // The options name is taken by a folder: the rename fails after the data was written.
    fs::create_directories(File() / "inner");
    SettingsStore blocked(File());
    EXPECT_FALSE(blocked.Exists());
    ASSERT_TRUE(blocked.WriteDword("ilosc", 1));
    EXPECT_FALSE(blocked.Save());
    EXPECT_EQ(Entries(), std::vector<std::string>{"options"});

    // Folders that cannot be made: inside a plain file, or where no one may write.
    std::ofstream(dir_ / "plain") << "x";
    for (const fs::path& path : {dir_ / "plain" / "options", fs::path("/proc/vimbaro/options")}) {
        SettingsStore store(path);
        ASSERT_TRUE(store.WriteDword("ilosc", 1));
        EXPECT_FALSE(store.Save()) << path;
    }
}

TEST_F(SettingsStoreTest, UnwritableFolderMakesSaveFail) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind root";
    }
    WriteFile("ilosc=1\n");
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    SettingsStore store(File());
    EXPECT_EQ(store.ReadDword("ilosc"), 1u);
    ASSERT_TRUE(store.WriteDword("ilosc", 2));
    EXPECT_FALSE(store.Save());
    EXPECT_EQ(ReadFile(), "ilosc=1\n");
}

TEST_F(SettingsStoreTest, FifoInPlaceOfTheFileDoesNotHang) {
    ASSERT_EQ(::mkfifo(File().c_str(), 0600), 0);
    SettingsStore store(File());
    EXPECT_FALSE(store.Exists());
    EXPECT_EQ(store.ReadDword("ilosc"), std::nullopt);
}

TEST_F(SettingsStoreTest, DefaultPathFollowsXdgThenHome) {
    const std::string config = (dir_ / "config").string();
    const std::string home = (dir_ / "home").string();
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", config.c_str());
        ScopedEnv h("HOME", home.c_str());
        EXPECT_EQ(SettingsStore::DefaultPath(), dir_ / "config" / "vimbaro" / "options");
        SettingsStore store = SettingsStore::Open();
        ASSERT_TRUE(store.WriteDword("scan", 13));
        ASSERT_TRUE(store.Save());
        EXPECT_EQ(SettingsStore::Open().ReadDword("scan"), 13u);
    }
    {
        // A relative XDG path is not to be used.
        ScopedEnv xdg("XDG_CONFIG_HOME", "relative/config");
        ScopedEnv h("HOME", home.c_str());
        EXPECT_EQ(SettingsStore::DefaultPath(), dir_ / "home" / ".config" / "vimbaro" / "options");
    }
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", "");
        ScopedEnv h("HOME", nullptr);
        EXPECT_EQ(SettingsStore::DefaultPath(), std::nullopt);
        SettingsStore memory = SettingsStore::Open();
        EXPECT_TRUE(memory.Path().empty());
        ASSERT_TRUE(memory.WriteDword("ilosc", 4));
        EXPECT_EQ(memory.ReadDword("ilosc"), 4u);
        EXPECT_FALSE(memory.Save());
        EXPECT_FALSE(memory.Exists());
    }
}
