// What digit pairs draw and show; what they do with the tiles is tested over all pair types
// in pair_columns_test.cpp.

#include "exercises/cschemat1_8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "exercises/pair_fixture.h"
#include "media/cblad.h"
#include "media/random.h"
#include "pieces/selection_frames.h"

using namespace exercises;
using namespace pair_fixture;

namespace {

class DigitPairsTest : public PairTest {};

}  // namespace

// Five different digits on the left, each once again on the right beside nothing else.
TEST_F(DigitPairsTest, TheDigitsAreFiveDifferentOnesAndEachOccursOnceInEachColumn) {
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE(seed);
        media::SeedRandom(seed);
        auto e = Shown<CSchemat1_8>(SettingsFor(1, 4));
        std::vector<std::int32_t> left, right;
        for (std::int32_t n = 0; n < PairColumns::kPieceCount; ++n) {
            const pieces::CLitCyf& tile = e->Tile(n);
            ASSERT_GE(tile.Number(), 50);
            ASSERT_LE(tile.Number(), 59);
            EXPECT_EQ(tile.Name(), "d" + std::to_string(tile.Number() - 50));
            EXPECT_EQ(tile.Picture().GetPixel(5, 5), DigitColour(tile.Number() - 50));
            EXPECT_EQ(e->Tile(PartnerOf(*e, n)).Number(), tile.Number()) << n;
            (n < 5 ? left : right).push_back(tile.Number());
        }
        std::sort(left.begin(), left.end());
        EXPECT_EQ(std::adjacent_find(left.begin(), left.end()), left.end());
        std::sort(right.begin(), right.end());
        EXPECT_EQ(left, right);
    }
}

// The draws: 0 and a digit already shown are drawn again; the right column starts each tile
// at a drawn left tile (a draw that leaves 0 after dividing by six is drawn again) and takes
// the next one still free. Then "d7" joins "d7" but not "d1".
TEST_F(DigitPairsTest, TheDrawsPickDigitsAndTheRightColumnOrderAsScripted) {
    std::unique_ptr<CSchemat1_8> e;
    {
        // Background; digits 7 (after a 0), 1 (after a second 7 and an 11), 9, 0, 4; then the
        // right column's starts.
        media::ScopedRandomScript scripted({0, 0, 19, 8, 11, 2, 10, 1, 5, 12, 3, 3, 1, 5, 1});
        e = std::make_unique<CSchemat1_8>(*host_, SettingsFor(1, 2));
        EXPECT_EQ(scripted.Remaining(), 0u);
    }
    std::vector<std::string> names;
    for (std::int32_t n = 0; n < PairColumns::kPieceCount; ++n) {
        names.push_back(e->Tile(n).Name());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"d7", "d1", "d9", "d0", "d4", "d9", "d0", "d7", "d4",
                                               "d1"}));
    EXPECT_EQ(e->Tile(0).Number(), 57);
    e->Begin();
    e->Choose(0, 0);
    EXPECT_FALSE(e->Choose(9, 0));  // "d1"
    EXPECT_EQ(e->Tile(9).FrameStyle(), pieces::SelectionFrames::Red);
    EXPECT_EQ(e->GetStat().Last().Errors, 1);
    EXPECT_FALSE(e->Choose(7, 0));  // "d7"
    EXPECT_EQ(e->GetStat().Last().Points, 1);
    EXPECT_EQ(e->GetMatchedCount(), 2);
}

TEST_F(DigitPairsTest, AMissingTilePictureIsTheReinstallMessage) {
    RemoveFile("Lib/GFX/d3" + media::SizeSuffix() + ".xbi");
    // Digit 3 is drawn third.
    media::ScopedRandomScript scripted({0, 1, 2, 4, 5, 6});
    try {
        CSchemat1_8 e(*host_, SettingsFor(1, 2));
        FAIL() << "constructed without the picture of d3";
    } catch (const media::CBlad& error) {
        EXPECT_EQ(error.Code(), media::CBlad::ResourceMissingCode);
    }
}
