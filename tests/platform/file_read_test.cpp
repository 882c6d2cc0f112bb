#include "platform/file_read.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "media/scoped_temp_dir.h"

using platform::FileReadError;
using platform::ReadWholeFile;
using platform::ReadWholeTextFile;

TEST(FileRead, ReadsEveryByteAcrossChunks) {
    ScopedTempDir dir;
    std::vector<uint8_t> big(200001);
    for (size_t i = 0; i < big.size(); ++i) {
        big[i] = uint8_t(i % 251);
    }
    EXPECT_EQ(ReadWholeFile(dir.Write("big.bin", big)), big);
    EXPECT_TRUE(ReadWholeFile(dir.Write("empty.bin", std::vector<uint8_t>{})).empty());
    const std::string text("{\"a\": 1}\r\n\0z", 12);  // bytes kept as they are
    const auto textFile = dir.Write("t.json", std::vector<uint8_t>(text.begin(), text.end()));
    EXPECT_EQ(ReadWholeTextFile(textFile), text);
}

TEST(FileRead, RefusesWhatCannotBeReadWhole) {
    ScopedTempDir dir;
    const auto file = dir.Write("ten.bin", std::vector<uint8_t>(10, 7));
    EXPECT_EQ(ReadWholeFile(file, 10).size(), 10u);
    struct Case {
        const char* Name;
        std::filesystem::path Path;
        std::uintmax_t Limit;
    } cases[] = {
        {"missing", dir.Path() / "none.bin", platform::NoFileSizeLimit},
        {"missing with a limit", dir.Path() / "none.bin", 100},
        {"directory", dir.Path(), platform::NoFileSizeLimit},
        {"directory with a limit", dir.Path(), 100},
        {"above the limit", file, 9},
    };
    for (const Case& c : cases) {
        EXPECT_THROW(ReadWholeFile(c.Path, c.Limit), FileReadError) << c.Name;
        EXPECT_THROW(ReadWholeTextFile(c.Path, c.Limit), FileReadError) << c.Name;
    }
    try {
        ReadWholeFile(dir.Path() / "none.bin");
        FAIL() << "a missing file was read";
    } catch (const FileReadError& e) {
        EXPECT_STRNE(e.what(), "");
    }
}
