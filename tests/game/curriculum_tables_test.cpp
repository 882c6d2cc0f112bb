#include "game/curriculum_tables.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <stdexcept>
#include <vector>

#include "game/cgrupa.h"
#include "media/cblad.h"
#include "media/cslowo.h"
#include "media/random.h"

using namespace catalog;
using namespace media;
using namespace game;

namespace {

using Words = std::vector<std::int32_t>;

// The count table of the curriculum: level, the section sizes of Words, the usable counts
// and the section sizes of Others.
struct GroupCounts {
    std::int32_t Levels;
    std::int32_t Count[3];
    std::int32_t Usable[3];
    std::int32_t Other[3];
};

const GroupCounts ExpectedCounts[WordGroupCount] = {
    {16, {8, 6, 6}, {0, 0, 0}, {5, 5, 9}},  {16, {5, 3, 6}, {0, 0, 0}, {5, 8, 7}},
    {16, {6, 5, 0}, {0, 0, 0}, {8, 5, 0}},  {16, {6, 4, 0}, {0, 0, 0}, {6, 7, 0}},
    {16, {11, 6, 3}, {0, 0, 0}, {6, 8, 5}}, {16, {7, 7, 1}, {0, 0, 0}, {5, 7, 0}},
    {16, {4, 7, 0}, {0, 0, 0}, {5, 10, 0}}, {16, {1, 2, 2}, {0, 0, 0}, {7, 7, 0}},
    {16, {1, 6, 0}, {0, 0, 0}, {7, 9, 0}},  {16, {2, 6, 4}, {0, 0, 0}, {8, 7, 8}},
    {16, {6, 4, 1}, {0, 0, 0}, {6, 6, 7}},  {16, {6, 5, 2}, {0, 0, 0}, {8, 5, 6}},
    {32, {9, 6, 0}, {1, 1, 0}, {6, 8, 0}},  {32, {0, 6, 6}, {0, 1, 1}, {0, 7, 6}},
    {32, {4, 4, 5}, {1, 1, 1}, {8, 9, 5}},  {32, {5, 6, 0}, {1, 1, 0}, {5, 6, 0}},
    {32, {2, 3, 1}, {0, 1, 0}, {6, 8, 8}},  {32, {5, 0, 0}, {1, 0, 0}, {5, 0, 0}},
    {32, {0, 5, 0}, {0, 1, 0}, {0, 6, 0}},
};

// SoundMask of the exercise base for the selections 1 ... 7.
const std::uint32_t SoundMasks[8] = {0, 256, 16, 272, 1, 257, 17, 273};

class Curriculum : public testing::Test {
  protected:
    void SetUp() override { SeedRandom(20240501); }
    WordGroupTable groups_ = BuildWordGroups();
    PairSetTable pairs_ = BuildPairSets();

    // Every group ChooseWordGroup returns in many draws.
    std::set<int> Chosen(int level, int soundGroups, int draws = 2000) {
        std::set<int> chosen;
        for (int i = 0; i < draws; ++i) {
            chosen.insert(ChooseWordGroup(groups_, level, soundGroups));
        }
        return chosen;
    }
};

TEST_F(Curriculum, GroupsMatchTheCountTable) {
    for (int g = 0; g < WordGroupCount; ++g) {
        SCOPED_TRACE(g);
        const CGrupa& group = groups_[g];
        const GroupCounts& e = ExpectedCounts[g];
        EXPECT_EQ(group.Levels, e.Levels);
        EXPECT_EQ((std::vector{group.CountL, group.CountR, group.CountJ}),
                  (std::vector{e.Count[0], e.Count[1], e.Count[2]}));
        EXPECT_EQ((std::vector{group.UsableL, group.UsableR, group.UsableJ}),
                  (std::vector{e.Usable[0], e.Usable[1], e.Usable[2]}));
        EXPECT_EQ((std::vector{group.OtherL, group.OtherR, group.OtherJ}),
                  (std::vector{e.Other[0], e.Other[1], e.Other[2]}));
        EXPECT_EQ(group.Words.size(),
                  static_cast<std::size_t>(e.Count[0] + e.Count[1] + e.Count[2]));
        EXPECT_EQ(group.Others.size(),
                  static_cast<std::size_t>(e.Other[0] + e.Other[1] + e.Other[2]));
        for (std::int32_t w : group.Words) {
            EXPECT_TRUE(w >= 0 && w < WordCount) << w;
        }
        for (std::int32_t w : group.Others) {
            EXPECT_TRUE(w >= 0 && w < WordCount) << w;
        }
    }
}

TEST_F(Curriculum, WordListsKeepTheirOrderAndDuplicates) {
    EXPECT_EQ(groups_[7].Words, (Words{227, 356, 387, 317, 103}));
    EXPECT_EQ(groups_[7].Others,
              (Words{278, 275, 280, 367, 365, 69, 57, 323, 172, 375, 247, 216, 13, 86}));
    EXPECT_EQ(groups_[13].Words, (Words{89, 222, 39, 45, 46, 5, 341, 222, 94, 102, 95, 97}));
    EXPECT_EQ(groups_[14].Words,
              (Words{146, 161, 65, 319, 279, 338, 381, 230, 362, 102, 97, 102, 101}));
    EXPECT_EQ(groups_[17].Words, (Words{154, 313, 152, 336, 243}));
    EXPECT_EQ(groups_[17].Others, (Words{72, 382, 219, 318, 232}));
    EXPECT_EQ(groups_[18].Words, (Words{214, 53, 373, 251, 87}));
    EXPECT_EQ(groups_[18].Others, (Words{321, 90, 4, 210, 351, 378}));
    EXPECT_EQ(groups_[0].Words.front(), 161);
    EXPECT_EQ(groups_[0].Others.back(), 71);
    EXPECT_EQ(groups_[4].Words[10], 347);    // last "l" word of the food group
    EXPECT_EQ(groups_[16].Others[14], 249);  // first "j" word of the orchard's others
}

TEST_F(Curriculum, PairTableHasItsLevelsSetsAndPairs) {
    ASSERT_EQ(pairs_.size(), 9u);
    for (int empty : {0, 1, 3, 5, 6, 7}) {
        EXPECT_TRUE(pairs_[empty].empty()) << empty;  // level I exists with no sets
    }
    const std::vector<std::size_t> pairsPerSet[] = {
        {1, 1, 1, 2, 1, 1, 1, 1, 1, 2, 2, 1, 1, 1, 2, 1, 1, 1, 1, 1, 1},
        {1, 1, 2, 6, 1, 1, 1, 1, 1, 1, 1, 2, 1, 3, 1, 1, 2, 5, 3, 1, 1, 1, 1, 1},
        {1, 1, 2, 1, 1, 6, 2, 1, 1, 4, 1, 1, 1, 1, 3, 1, 1, 1, 1, 1, 1, 3, 1},
    };
    const int levels[] = {2, 4, 8};
    const std::size_t totals[] = {25, 40, 37};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(levels[i]);
        const auto& sets = pairs_[levels[i]];
        std::vector<std::size_t> sizes;
        std::size_t total = 0;
        for (std::size_t s = 0; s < sets.size(); ++s) {
            sizes.push_back(sets[s].size());
            total += sets[s].size();
            for (const CPara& pair : sets[s]) {
                EXPECT_EQ(pair.SetNo, static_cast<std::int32_t>(s));
                EXPECT_TRUE(pair.WordA >= 0 && pair.WordA < WordCount);
                EXPECT_TRUE(pair.WordB >= 0 && pair.WordB < WordCount);
            }
        }
        EXPECT_EQ(sizes, pairsPerSet[i]);
        EXPECT_EQ(total, totals[i]);
    }
    // "szyja" and "jezyk" open level II; the example pair names the words the table means.
    const CPara& first = pairs_[2][0][0];
    EXPECT_EQ(WordAt(first.WordA).Key, "szyja");
    EXPECT_EQ(WordAt(first.WordB).Key, "jezyk");
    const CPara& fifth = pairs_[4][3][4];  // level III, set 3: 106-107
    EXPECT_EQ(fifth.WordA, 106);
    EXPECT_EQ(fifth.WordB, 107);
    const CPara& last = pairs_[8][22][0];
    EXPECT_EQ(last.WordA, 103);
    EXPECT_EQ(last.WordB, 317);
}

TEST_F(Curriculum, OnlyJAtLevelTwoChoosesGroupsZeroAndOne) {
    EXPECT_EQ(Chosen(LevelII, SoundGroupJ), (std::set<int>{0, 1}));
    EXPECT_FALSE(WordGroupSuitable(groups_[9], LevelII, SoundGroupJ));  // exactly 4 "j" words
}

TEST_F(Curriculum, OnlyLAtLevelThreeChoosesTwelveFifteenSeventeen) {
    EXPECT_EQ(Chosen(LevelIII, SoundGroupL), (std::set<int>{12, 15, 17}));
    EXPECT_FALSE(WordGroupSuitable(groups_[14], LevelIII, SoundGroupL));  // exactly 4 "l" words
}

TEST_F(Curriculum, EachLevelKeepsToItsOwnGroups) {
    const int all = SoundGroupL | SoundGroupR | SoundGroupJ;
    EXPECT_EQ(Chosen(LevelII, all), (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(Chosen(LevelIII, all), (std::set<int>{12, 13, 14, 15, 16, 17, 18}));
    EXPECT_FALSE(WordGroupSuitable(groups_[7], LevelII, SoundGroupL));  // a single "l" word
    // With no sound group selected only the level decides.
    EXPECT_TRUE(WordGroupSuitable(groups_[7], LevelII, 0));
    EXPECT_FALSE(WordGroupSuitable(groups_[12], LevelII, 0));
}

TEST_F(Curriculum, GroupDrawRedrawsBelowZeroAndOnUnsuitableGroups) {
    // 0 and 20 give k = -1, 3 gives the unsuitable group 2, 2 gives group 1.
    ScopedRandomScript script({0, 20, 3, 2});
    EXPECT_EQ(ChooseWordGroup(groups_, LevelII, SoundGroupJ), 1);
    EXPECT_EQ(script.Remaining(), 0u);
}

TEST_F(Curriculum, GroupDrawRefusesATableWithoutSuitableGroup) {
    CGrupa small;
    small.Words = {161, 165};
    small.CountL = 2;
    small.Levels = GroupLevelII;
    std::vector<CGrupa> table{small};
    try {
        ChooseWordGroup(table, LevelII, SoundGroupL);
        FAIL() << "no group can pass, the draw must not loop";
    } catch (const CBlad& e) {
        EXPECT_EQ(e.Code(), CBlad::TooFewWordsCode);
    }
}

TEST_F(Curriculum, LevelTwoTargetIsNeverTheLastEntry) {
    // Group 7 (body): 227 | 356 387 | 317 103; both "j" words match, only 317 can be drawn.
    std::set<std::int32_t> targets;
    for (int i = 0; i < 500; ++i) {
        targets.insert(DrawGroupTarget(groups_[7], LevelII, SoundMasks[SoundGroupJ]));
    }
    EXPECT_EQ(targets, (std::set<std::int32_t>{317}));
    // m = 0 is drawn again; m = 3 takes Words[2].
    ScopedRandomScript script({0, 5, 3});
    EXPECT_EQ(DrawGroupTarget(groups_[7], LevelII, SoundMasks[SoundGroupR]), 387);
}

TEST_F(Curriculum, LevelTwoTargetRefusesAGroupWhoseOnlyMatchIsLast) {
    CGrupa group;
    group.Words = {161, 317};  // lis ("l"), szyja ("j")
    group.CountL = 1;
    group.CountJ = 1;
    try {
        DrawGroupTarget(group, LevelII, FlagJ);
        FAIL() << "the draw could never end";
    } catch (const CBlad& e) {
        EXPECT_EQ(e.Code(), CBlad::TooFewWordsCode);
    }
}

TEST_F(Curriculum, LevelThreeTargetComesFromTheUsableLeadingWords) {
    // Group 12: "l" leads with 206, "r" with 307.
    EXPECT_EQ(DrawGroupTarget(groups_[12], LevelIII, SoundMasks[SoundGroupL]), 206);
    {
        ScopedRandomScript script({1});
        EXPECT_EQ(DrawWord(groups_[12], SoundMasks[SoundGroupL | SoundGroupR]), 307);
    }
    EXPECT_THROW(DrawWord(groups_[17], SoundMasks[SoundGroupR]), std::out_of_range);
    EXPECT_THROW(DrawGroupTarget(groups_[7], LevelI, FlagL), std::invalid_argument);
}

// Whatever group the choice lets through, its target draw ends.
TEST_F(Curriculum, EverySuitableGroupHasATarget) {
    for (int level : {LevelII, LevelIII}) {
        for (int sel = 1; sel <= 7; ++sel) {
            for (int g = 0; g < WordGroupCount; ++g) {
                if (WordGroupSuitable(groups_[g], level, sel)) {
                    SCOPED_TRACE(testing::Message() << level << "/" << sel << "/" << g);
                    std::int32_t word = DrawGroupTarget(groups_[g], level, SoundMasks[sel]);
                    EXPECT_TRUE(word >= 0 && word < WordCount);
                }
            }
        }
    }
}

}  // namespace
