// What pairing pictures draw and show; what they do with the cards is tested over all pair
// types in pair_columns_test.cpp.

#include "exercises/cschemat6.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "catalog/word_table.h"
#include "exercises/pair_fixture.h"
#include "media/cslowo.h"
#include "media/random.h"

using namespace exercises;
using namespace pair_fixture;

namespace {

// The first word of the database with a key: its colour is the key's picture.
int FirstWordWithKey(const std::string& key) {
    for (int n = 0; n < catalog::WordCount; ++n) {
        if (media::WordAt(n).Key == key) {
            return n;
        }
    }
    return -1;
}

class PairingPicturesTest : public PairTest {};

}  // namespace

// The left column shows five different words of the selected sounds from the normal card
// set; the right column shows the second pictures of the same words.
TEST_F(PairingPicturesTest, TheRightColumnShowsTheSecondPicturesOfTheLeftWords) {
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE(seed);
        media::SeedRandom(seed);
        auto e = Shown<CSchemat6>(SettingsFor(2, 1));
        std::vector<std::string> left, right;
        for (std::int32_t n = 0; n < PairColumns::kPieceCount; ++n) {
            const pieces::CKarta& card = e->Card(n);
            const bool second = n >= PairColumns::kColumnCount;
            EXPECT_TRUE(card.Word().Matches(media::FlagL)) << card.Word().Key;
            EXPECT_EQ(card.Folder(), second ? "Data//Res//Kar//Kon//" : "Data//Res//Kar//Nor//");
            const int word = FirstWordWithKey(card.Word().Key);
            EXPECT_TRUE(Near(card.Picture().GetPixel(30, 20),
                             second ? SecondCardColour(word) : WordCardColour(word)))
                << n;
            EXPECT_EQ(e->Card(PartnerOf(*e, n)).Word().Key, card.Word().Key) << n;
            (second ? right : left).push_back(card.Word().Key);
        }
        std::sort(left.begin(), left.end());
        EXPECT_EQ(std::adjacent_find(left.begin(), left.end()), left.end());
        std::sort(right.begin(), right.end());
        EXPECT_EQ(left, right);
    }
}
