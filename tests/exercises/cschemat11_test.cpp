// What pairing number pictures with digits draws and shows; what it does with the tiles is
// tested over all pair types in pair_columns_test.cpp.

#include "exercises/cschemat11.h"

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

class Schemat11Test : public PairTest {};

const char* const kNumberWords[] = {"zero", "jeden", "dwa",    "trzy",  "cztery",
                                    "piec", "szesc", "siedem", "osiem", "dziewiec"};

}  // namespace

// Five different number pictures on the left; on the right the digit of each, its partner.
TEST_F(Schemat11Test, TheLeftColumnShowsFiveDifferentNumbersAndTheRightTheirDigits) {
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE(seed);
        media::SeedRandom(seed);
        auto e = Shown<CSchemat11>(SettingsFor(2, 1));
        std::vector<std::int32_t> left, right;
        for (std::int32_t n = 0; n < PairColumns::kColumnCount; ++n) {
            const pieces::CLitCyf& number = e->Tile(n);
            ASSERT_GE(number.Number(), 40);
            ASSERT_LE(number.Number(), 49);
            EXPECT_EQ(number.Name(), kNumberWords[number.Number() - 40]);
            EXPECT_EQ(number.Picture().GetPixel(5, 5), NumberColour(number.Number() - 40));
            const pieces::CLitCyf& digit = e->Tile(PartnerOf(*e, n));
            EXPECT_EQ(digit.Number(), number.Number() + 10) << n;
            EXPECT_EQ(digit.Name(), "d" + std::to_string(number.Number() - 40)) << n;
            EXPECT_EQ(digit.Picture().GetPixel(5, 5), DigitColour(number.Number() - 40));
            left.push_back(number.Number() + 10);
            right.push_back(e->Tile(n + PairColumns::kColumnCount).Number());
        }
        std::sort(left.begin(), left.end());
        EXPECT_EQ(std::adjacent_find(left.begin(), left.end()), left.end());
        std::sort(right.begin(), right.end());
        EXPECT_EQ(left, right);
    }
}

// The draws: a 0 and a number already shown are drawn again; the right column starts each
// tile at a drawn left tile (a draw that leaves 0 after dividing by six is drawn again) and
// takes the next one still without its digit. Then "siedem" joins "d7" but not "d1", nor
// another number picture.
TEST_F(Schemat11Test, TheDrawsPickNumbersAndTheDigitOrderAsScripted) {
    std::unique_ptr<CSchemat11> e;
    {
        // Background; numbers 7, 1 (after a second 7 and a 0), 9, 0, 3; then the right
        // column's starts: 2, 2 again (after a 0) giving 3, 0, 4 (after a 6), 1.
        media::ScopedRandomScript scripted({0, 8, 19, 0, 2, 10, 1, 4, 3, 0, 3, 1, 6, 5, 2});
        e = std::make_unique<CSchemat11>(*host_, SettingsFor(2, 2));
        EXPECT_EQ(scripted.Remaining(), 0u);
    }
    std::vector<std::string> names;
    std::vector<std::int32_t> numbers;
    for (std::int32_t n = 0; n < PairColumns::kPieceCount; ++n) {
        names.push_back(e->Tile(n).Name());
        numbers.push_back(e->Tile(n).Number());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"siedem", "jeden", "dziewiec", "zero", "trzy", "d9",
                                               "d0", "d7", "d3", "d1"}));
    EXPECT_EQ(numbers, (std::vector<std::int32_t>{47, 41, 49, 40, 43, 59, 50, 57, 53, 51}));
    e->Begin();
    e->Choose(0, 0);
    EXPECT_FALSE(e->Choose(9, 0));  // "d1"
    EXPECT_EQ(e->Tile(9).FrameStyle(), pieces::SelectionFrames::Red);
    EXPECT_FALSE(e->Choose(1, 0));  // "jeden": two number pictures are no pair
    EXPECT_EQ(e->Tile(1).FrameStyle(), pieces::SelectionFrames::Red);
    EXPECT_EQ(e->GetStat().Last().Errors, 2);
    EXPECT_EQ(e->GetSelected(), 0);
    EXPECT_FALSE(e->Choose(7, 0));  // "d7"
    EXPECT_EQ(e->GetStat().Last().Points, 1);
    EXPECT_EQ(e->GetMatchedCount(), 2);
    // The digit stands beside its number picture.
    EXPECT_EQ(e->Tile(7).ObjectRect().Right, e->Tile(0).ObjectRect().Left - 10);
}

// A number picture and a digit each drawn when their picture is missing.
TEST_F(Schemat11Test, AMissingTilePictureIsTheReinstallMessage) {
    struct Case {
        const char* picture;
        std::vector<std::int32_t> script;
    };
    const Case cases[] = {
        // Background; numbers 1, 2, then 3.
        {"trzy", {0, 2, 3, 4, 5, 6}},
        // Background; numbers 5, 1, 2, 3, 4; the digits in the order of the left column.
        {"d5", {0, 6, 2, 3, 4, 5, 1, 2, 3, 4, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.picture);
        const std::string file = std::string("Lib/GFX/") + c.picture + media::SizeSuffix() + ".xbi";
        RemoveFile(file);
        media::ScopedRandomScript scripted(c.script);
        try {
            CSchemat11 e(*host_, SettingsFor(2, 2));
            ADD_FAILURE() << "constructed without the picture";
        } catch (const media::CBlad& error) {
            EXPECT_EQ(error.Code(), media::CBlad::ResourceMissingCode);
        }
        WriteBmp(file, Plain(kPieceWidth, kPieceHeight,
                             exercise_fixture::kInk));  // back for the next case
    }
}
