#include "data_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "catalog/resource_catalog.h"
#include "media/scoped_temp_dir.h"
#include "platform/bitmap.h"
#include "platform/bmp_builder.h"
#include "platform/image_codec.h"
#include "platform/sound_fixtures.h"
#include "text_card.h"

using namespace catalog;

namespace {

const ResourceEntry& First(ResourceGroup group, bool pairHalfOnWhite = false) {
    for (const auto& entry : AllResources()) {
        if (entry.Group == group && (!pairHalfOnWhite || entry.OnWhite)) {
            return entry;
        }
    }
    throw std::logic_error("no such entry in the catalogue");
}

std::vector<uint8_t> Jpeg(int w, int h, std::string_view comment = {}) {
    platform::Bitmap b(w, h);
    b.Fill({200, 220, 240});
    return platform::EncodeJpeg(b, 80, comment);
}

std::vector<uint8_t> Bmp(int w, int h, platform::PixelFormat format) {
    platform::Bitmap b(w, h, format);
    b.Fill({255, 255, 255});
    return platform::EncodeBmp(b);
}

bool Contains(const std::vector<std::string>& list, const std::string& prefix) {
    return std::any_of(list.begin(), list.end(),
                       [&](const std::string& s) { return s.rfind(prefix, 0) == 0; });
}

}  // namespace

TEST(DataCheck, EmptyFolderReportsEveryResourceMissing) {
    ScopedTempDir dir;
    const DataCheckReport report = CheckDataFolder(dir.Path());
    EXPECT_FALSE(report.Ok());
    EXPECT_EQ(report.Missing.size(), AllResources().size());
    EXPECT_EQ(report.FilesChecked, 0);
    EXPECT_GT(report.WordKeys, 300);
    EXPECT_EQ(report.WordKeysWithPicture, 0);
}

TEST(DataCheck, ReportsDamagedFilesAndMismatchedPairsByName) {
    ScopedTempDir dir;
    const auto& card = First(ResourceGroup::WordCard);
    const auto& sound = First(ResourceGroup::Praise);
    const auto& tune = First(ResourceGroup::MenuTune);
    const auto& pair = First(ResourceGroup::ScoreDigit, true);
    const auto& narrowPair = First(ResourceGroup::TrackPiece, true);
    dir.Write(card.Path, std::vector<uint8_t>{0xFF, 0xD8, 0xFF});  // cut short
    dir.Write(sound.Path, std::vector<uint8_t>{'R', 'I', 'F', 'F'});
    dir.Write(tune.Path, sound_fixtures::MakeTuneMs(500));
    dir.Write(pair.Path, Bmp(10, 12, platform::PixelFormat::Bgr24));
    dir.Write(pair.Partner, Bmp(10, 13, platform::PixelFormat::Bgr24));
    dir.Write(narrowPair.Path, Bmp(8, 8, platform::PixelFormat::Grey8));
    dir.Write(narrowPair.Partner, Bmp(8, 8, platform::PixelFormat::Bgr24));

    const DataCheckReport report = CheckDataFolder(dir.Path());
    EXPECT_TRUE(Contains(report.Malformed, card.Path + ": "));
    EXPECT_TRUE(Contains(report.Malformed, sound.Path + ": "));
    EXPECT_FALSE(Contains(report.Malformed, tune.Path));
    EXPECT_TRUE(Contains(report.Malformed, pair.Path + ": 10x12, but " + pair.Partner));
    EXPECT_TRUE(Contains(report.Malformed, narrowPair.Path + ": not 24 bits"));
    EXPECT_FALSE(Contains(report.Malformed, narrowPair.Partner));
    EXPECT_EQ(report.Malformed.size(), 4u);
    EXPECT_EQ(report.FilesChecked, 7);
    EXPECT_EQ(report.Missing.size(), AllResources().size() - 7);
}

TEST(DataCheck, TextCardsDoNotCountAsPictures) {
    ScopedTempDir dir;
    std::vector<const ResourceEntry*> cards;
    for (const auto& entry : AllResources()) {
        if (entry.Group == ResourceGroup::WordCard && entry.Layout == 1) {
            cards.push_back(&entry);
        }
    }
    ASSERT_GE(cards.size(), 3u);
    dir.Write(cards[0]->Path, Jpeg(40, 30));
    dir.Write(cards[1]->Path, Jpeg(40, 30, TextCardComment));
    dir.Write(cards[2]->Path, Jpeg(40, 30, "made by hand"));
    const DataCheckReport report = CheckDataFolder(dir.Path());
    EXPECT_EQ(report.WordKeysWithPicture, 2);
    EXPECT_EQ(report.WordKeys, static_cast<int>(cards.size()));
    EXPECT_TRUE(report.Malformed.empty());
}

// The game repairs a 24-bit file's image-size field before decoding it, so the checker must
// accept what the game loads, and still refuse what no repair saves.
TEST(DataCheck, AcceptsTheBmpHeadersTheGameRepairs) {
    ScopedTempDir dir;
    const auto& pair = First(ResourceGroup::ScoreDigit, true);
    const auto& broken = First(ResourceGroup::TrackPiece, true);
    BmpBuilder wrongSize;
    wrongSize.width = 5;
    wrongSize.height = 2;
    wrongSize.pixels.assign(16 * 2, 0x80);
    wrongSize.sizeImage = 30;  // two bytes short of the padded rows
    ASSERT_THROW(platform::DecodeBmp(wrongSize.Build()), platform::ImageDecodeError);
    dir.Write(pair.Path, wrongSize.Build());
    dir.Write(pair.Partner, wrongSize.Build());
    BmpBuilder cut = wrongSize;
    cut.pixels.resize(20);  // rows missing: nothing to repair
    dir.Write(broken.Path, cut.Build());

    const DataCheckReport report = CheckDataFolder(dir.Path());
    EXPECT_FALSE(Contains(report.Malformed, pair.Path));
    EXPECT_FALSE(Contains(report.Malformed, pair.Partner));
    EXPECT_TRUE(Contains(report.Malformed, broken.Path + ": "));
    EXPECT_EQ(report.Malformed.size(), 1u);
    EXPECT_EQ(report.FilesChecked, 3);
}
