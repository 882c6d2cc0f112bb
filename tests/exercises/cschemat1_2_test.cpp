// What picture pairs draw; what they do with the cards is tested over all pair types in
// pair_columns_test.cpp.

#include "exercises/cschemat1_2.h"

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

class PicturePairsTest : public PairTest {
  protected:
    std::unique_ptr<CSchemat1_2> Make(std::int16_t soundGroups = 2) {
        return Shown<CSchemat1_2>(SettingsFor(1, soundGroups));
    }
};

}  // namespace

// Five different words of the selected sounds on the left, the same five on the right.
TEST_F(PicturePairsTest, TheWordsAreFiveDifferentOnesOfTheSelectedSounds) {
    struct Case {
        std::int16_t soundGroups;
        std::uint32_t flags;
    };
    for (const Case c : {Case{1, media::FlagL}, Case{2, media::FlagR}, Case{4, media::FlagJ},
                         Case{6, media::FlagR | media::FlagJ}}) {
        for (std::uint32_t seed = 1; seed <= 8; ++seed) {
            SCOPED_TRACE(testing::Message() << "selection " << c.soundGroups << " seed " << seed);
            media::SeedRandom(seed);
            auto e = Make(c.soundGroups);
            std::vector<std::string> left, right;
            for (std::int32_t n = 0; n < CSchemat1_2::kCardCount; ++n) {
                const media::CSlowo& word = e->Card(n).Word();
                EXPECT_NE(word.Flags & c.flags, 0u) << word.Key;
                (n < 5 ? left : right).push_back(word.Key);
            }
            std::sort(left.begin(), left.end());
            EXPECT_EQ(std::adjacent_find(left.begin(), left.end()), left.end());
            std::sort(right.begin(), right.end());
            EXPECT_EQ(left, right);
            // Partners show the same word.
            for (std::int32_t n = 0; n < CSchemat1_2::kCardCount; ++n) {
                EXPECT_EQ(e->Card(PartnerOf(*e, n)).Word().Key, e->Card(n).Word().Key) << n;
            }
        }
    }
}

// The draws: a word of another sound, a second word of the same key and a number past
// the end of the database are all drawn again or wrapped; the right column starts each
// card at a drawn left card and takes the next one still free.
TEST_F(PicturePairsTest, TheDrawsPickWordsAndTheRightColumnOrderAsScripted) {
    std::vector<std::int32_t> rWords;
    std::int32_t otherWord = -1;
    for (std::int32_t n = 0; n < catalog::WordCount; ++n) {
        const media::CSlowo& w = media::WordAt(n);
        const bool newKey = std::none_of(rWords.begin(), rWords.end(), [&](std::int32_t k) {
            return media::WordAt(k).Key == w.Key;
        });
        if (w.Matches(media::FlagR) && newKey && rWords.size() < 5) {
            rWords.push_back(n);
        } else if (!w.Matches(media::FlagR) && otherWord < 0) {
            otherWord = n;
        }
    }
    ASSERT_EQ(rWords.size(), 5u);
    ASSERT_GE(otherWord, 0);
    // Background; the left column with a rejected word of another sound, a repeated key and
    // a number one database past the first; then the right column's starts (0 is drawn again).
    const std::vector<std::int32_t> script{0,
                                           rWords[0],
                                           otherWord,
                                           rWords[0],
                                           rWords[1],
                                           rWords[2],
                                           rWords[3] + catalog::WordCount,
                                           rWords[4],
                                           0,
                                           3,
                                           3,
                                           1,
                                           5,
                                           1};
    media::ScopedRandomScript scripted(script);
    game::CWybor settings;
    settings.gloski = 2;
    CSchemat1_2 e(*host_, settings);
    EXPECT_EQ(scripted.Remaining(), 0u);
    for (std::int32_t j = 0; j < 5; ++j) {
        EXPECT_EQ(e.Card(j).Word().Key, media::WordAt(rWords[static_cast<size_t>(j)]).Key);
    }
    const std::int32_t expectedRight[] = {2, 3, 0, 4, 1};
    for (std::int32_t k = 0; k < 5; ++k) {
        EXPECT_EQ(e.Card(5 + k).Word().Key, e.Card(expectedRight[k]).Word().Key) << k;
    }
}
