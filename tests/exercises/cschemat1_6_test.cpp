// What associated word pairs draw and show; what they do with the cards is tested over all
// pair types in pair_columns_test.cpp.

#include "exercises/cschemat1_6.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "catalog/word_table.h"
#include "exercises/pair_fixture.h"
#include "game/cgrupa.h"
#include "game/cpara.h"
#include "game/curriculum_tables.h"
#include "hang_guard.h"
#include "media/cblad.h"
#include "media/cslowo.h"
#include "media/random.h"
#include "pieces/selection_frames.h"

using namespace exercises;
using namespace pair_fixture;

namespace {

// n words of different keys that practise the sound of flag.
std::vector<std::int32_t> WordsOf(std::uint32_t flag, size_t n) {
    std::vector<std::int32_t> words;
    std::set<std::string> keys;
    for (std::int32_t w = 0; w < catalog::WordCount && words.size() < n; ++w) {
        const media::CSlowo& word = media::WordAt(w);
        if (word.Matches(flag) && keys.insert(word.Key).second) {
            words.push_back(w);
        }
    }
    EXPECT_EQ(words.size(), n);
    return words;
}

// A pair table whose level III holds the given sets, each a list of (first, second) words.
game::PairSetTable LevelIIISets(const std::vector<std::vector<std::pair<int, int>>>& sets) {
    game::PairSetTable table(9);
    for (const auto& pairs : sets) {
        const auto setNo = static_cast<std::int32_t>(table[game::LevelIII].size());
        game::PairSet& set = table[game::LevelIII].emplace_back();
        for (const auto& [a, b] : pairs) {
            set.push_back({0, a, b, setNo});
        }
    }
    return table;
}

std::vector<std::string> Keys(const CSchemat1_6& e) {
    std::vector<std::string> keys;
    for (std::int32_t n = 0; n < PairColumns::kPieceCount; ++n) {
        keys.push_back(e.Card(n).Word().Key);
    }
    return keys;
}

std::string KeyOf(std::int32_t word) {
    return media::WordAt(word).Key;
}

class AssociatedPairsTest : public PairTest {
  protected:
    std::unique_ptr<CSchemat1_6> Make(std::int16_t level, std::int16_t soundGroups) {
        return std::make_unique<CSchemat1_6>(*host_, SettingsFor(level, soundGroups));
    }
    // The exercise made from a scripted draw, which must be used up exactly.
    std::unique_ptr<CSchemat1_6> Scripted(const std::vector<std::int32_t>& script) {
        media::ScopedRandomScript scripted(script);
        auto e = Make(game::LevelIII, game::SoundGroupR);
        EXPECT_EQ(scripted.Remaining(), 0u);
        return e;
    }
};

}  // namespace

// Over the curriculum's sets: five pairs of the selected sounds from five different sets, no
// key twice in a column, and each left card's partner shows the second word of its pair.
TEST_F(AssociatedPairsTest, ThePairsComeFromFiveSetsOfTheLevel) {
    struct Case {
        std::int16_t level;
        std::int16_t soundGroups;
        std::uint32_t flags;
    };
    const game::PairSetTable table = game::BuildPairSets();
    for (const Case c :
         {Case{game::LevelII, 7, media::FlagAnyTrained}, Case{game::LevelIII, 2, media::FlagR},
          Case{game::LevelIII, 7, media::FlagAnyTrained},
          Case{game::LevelIV, 3, media::FlagL | media::FlagR}}) {
        for (std::uint32_t seed = 1; seed <= 6; ++seed) {
            SCOPED_TRACE(testing::Message() << "level " << c.level << " selection " << c.soundGroups
                                            << " seed " << seed);
            media::SeedRandom(seed);
            auto e = Make(c.level, c.soundGroups);
            std::set<std::int32_t> sets;
            std::set<std::string> leftKeys, rightKeys;
            for (std::int32_t n = 0; n < PairColumns::kColumnCount; ++n) {
                const pieces::CKarta& left = e->Card(n);
                const pieces::CKarta& right = e->Card(PartnerOf(*e, n));
                EXPECT_EQ(right.Tag(), left.Tag());
                sets.insert(left.Tag());
                leftKeys.insert(left.Word().Key);
                rightKeys.insert(e->Card(n + 5).Word().Key);
                EXPECT_TRUE(left.Word().Matches(c.flags)) << left.Word().Key;
                EXPECT_TRUE(right.Word().Matches(c.flags)) << right.Word().Key;
                const game::PairSet& set =
                    table[static_cast<size_t>(c.level)].at(static_cast<size_t>(left.Tag()));
                EXPECT_TRUE(std::any_of(set.begin(), set.end(),
                                        [&](const game::CPara& p) {
                                            return KeyOf(p.WordA) == left.Word().Key &&
                                                   KeyOf(p.WordB) == right.Word().Key;
                                        }))
                    << left.Word().Key << " " << right.Word().Key;
            }
            EXPECT_EQ(sets.size(), 5u);
            EXPECT_EQ(leftKeys.size(), 5u);
            EXPECT_EQ(rightKeys.size(), 5u);
        }
    }
}

// The draws: a set, then a pair of it. A set already used, a word of another sound and a
// key already shown in its column are drawn again; then the right column is shuffled.
TEST_F(AssociatedPairsTest, TheDrawsPickPairsAndTheRightColumnOrderAsScripted) {
    const std::vector<std::int32_t> r = WordsOf(media::FlagR, 14);
    const std::vector<std::int32_t> l = WordsOf(media::FlagL, 1);
    host_->SetPairSets(LevelIIISets({{{r[0], r[1]}},
                                     {{l[0], r[4]}, {r[2], r[3]}},
                                     {{r[0], r[6]}},
                                     {{r[7], r[1]}, {r[8], r[9]}},
                                     {{r[10], r[11]}},
                                     {{r[12], r[13]}}}));
    auto e = Scripted({0,                   // background
                       0, 0,                // set 0
                       6, 0, 1, 0, 1, 1,    // set 0 again, an "l" word, then set 1's second
                       2, 0, 3, 0, 3, 1,    // r0 again on the left, r1 again on the right
                       4, 0, 5, 7,          // sets 4 and 5
                       0, 3, 3, 1, 5, 1});  // right column: pairs 2, 3, 0, 4, 1
    EXPECT_EQ(Keys(*e), (std::vector<std::string>{
                            KeyOf(r[0]), KeyOf(r[2]), KeyOf(r[8]), KeyOf(r[10]), KeyOf(r[12]),
                            KeyOf(r[9]), KeyOf(r[11]), KeyOf(r[1]), KeyOf(r[13]), KeyOf(r[3])}));
    EXPECT_EQ(PairIds(*e), (std::vector<std::int32_t>{0, 1, 2, 3, 4, 2, 3, 0, 4, 1}));
    std::vector<std::int32_t> tags;
    for (std::int32_t n = 0; n < PairColumns::kPieceCount; ++n) {
        tags.push_back(e->Card(n).Tag());
    }
    EXPECT_EQ(tags, (std::vector<std::int32_t>{0, 1, 3, 4, 5, 3, 4, 0, 5, 1}));
}

// Taking a pair whose first word is the only first word of another set would leave that set
// unusable for ever; such a pair is drawn again instead of the draw never ending.
TEST_F(AssociatedPairsTest, ADrawNeverRunsIntoADeadEnd) {
    const std::vector<std::int32_t> r = WordsOf(media::FlagR, 11);
    host_->SetPairSets(LevelIIISets({{{r[0], r[1]}, {r[2], r[3]}},
                                     {{r[0], r[4]}},
                                     {{r[5], r[6]}},
                                     {{r[7], r[8]}},
                                     {{r[9], r[10]}}}));
    HangGuard bound("drawing pairs", std::chrono::minutes(1));
    // Set 0's first pair first: drawn again; its second pair leaves room for set 1.
    auto e = Scripted({0, 0, 0, 0, 1, 1, 0, 2, 0, 3, 0, 4, 0, 1, 2, 3, 4, 5});
    EXPECT_EQ(Keys(*e)[0], KeyOf(r[2]));
    EXPECT_EQ(Keys(*e)[1], KeyOf(r[0]));
    // Whatever comes first, set 0 can only give its second pair.
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE(seed);
        media::SeedRandom(seed);
        const std::vector<std::string> keys = Keys(*Make(game::LevelIII, game::SoundGroupR));
        EXPECT_NE(std::find(keys.begin(), keys.begin() + 5, KeyOf(r[0])), keys.begin() + 5);
        EXPECT_NE(std::find(keys.begin(), keys.begin() + 5, KeyOf(r[2])), keys.begin() + 5);
    }
}

// Sets that cannot give five fitting pairs end in "too few words", never in an endless draw.
TEST_F(AssociatedPairsTest, SetsThatCannotGiveFivePairsAreTooFewWords) {
    const std::vector<std::int32_t> r = WordsOf(media::FlagR, 10);
    struct Case {
        const char* what;
        game::PairSetTable table;
        std::int16_t level;
        std::int16_t soundGroups;
    };
    const Case cases[] = {
        {"only \"j\" at level III", game::BuildPairSets(), game::LevelIII, game::SoundGroupJ},
        {"only \"j\" at level IV", game::BuildPairSets(), game::LevelIV, game::SoundGroupJ},
        {"a level without sets", game::BuildPairSets(), game::LevelI, 7},
        {"a level outside the table", game::BuildPairSets(), 16, 7},
        {"four sets",
         LevelIIISets({{{r[0], r[1]}}, {{r[2], r[3]}}, {{r[4], r[5]}}, {{r[6], r[7]}}}),
         game::LevelIII, game::SoundGroupR},
        {"two sets with one first word",
         LevelIIISets(
             {{{r[0], r[1]}}, {{r[0], r[2]}}, {{r[3], r[4]}}, {{r[5], r[6]}}, {{r[7], r[8]}}}),
         game::LevelIII, game::SoundGroupR},
        {"words of another sound",
         LevelIIISets(
             {{{r[0], r[1]}}, {{r[2], r[3]}}, {{r[4], r[5]}}, {{r[6], r[7]}}, {{r[8], r[9]}}}),
         game::LevelIII, game::SoundGroupL},
    };
    HangGuard bound("drawing pairs", std::chrono::minutes(1));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        host_->SetPairSets(c.table);
        try {
            Make(c.level, c.soundGroups);
            ADD_FAILURE() << "made without five pairs";
        } catch (const media::CBlad& error) {
            EXPECT_EQ(error.Code(), media::CBlad::TooFewWordsCode);
            EXPECT_EQ(error.Text(), "Za malo slow do losowania");
        }
    }
}

// Pairs are told by their pair, not by their picture: the same word may stand on the left
// for one pair and on the right for another, and joining those two is an error.
TEST_F(AssociatedPairsTest, TheSamePictureOfAnotherPairIsNoPartner) {
    const std::vector<std::int32_t> r = WordsOf(media::FlagR, 9);
    const std::int32_t both = r[8];
    host_->SetPairSets(LevelIIISets(
        {{{r[0], both}}, {{both, r[1]}}, {{r[2], r[3]}}, {{r[4], r[5]}}, {{r[6], r[7]}}}));
    auto e = Scripted({0, 0, 0, 1, 0, 2, 0, 3, 0, 4, 0, 1, 2, 3, 4, 5});
    e->Begin();
    ASSERT_EQ(e->Card(1).Word().Key, KeyOf(both));
    ASSERT_EQ(e->Card(5).Word().Key, KeyOf(both));
    e->Choose(1, 0);
    EXPECT_FALSE(e->Choose(5, 0));
    EXPECT_EQ(e->Card(5).FrameStyle(), pieces::SelectionFrames::Red);
    EXPECT_EQ(e->GetStat().Last().Errors, 1);
    EXPECT_EQ(e->GetStat().Last().Points, 0);
    EXPECT_FALSE(e->Choose(6, 0));
    EXPECT_EQ(e->GetStat().Last().Points, 1);
}
