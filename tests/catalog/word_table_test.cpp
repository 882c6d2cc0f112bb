#include "catalog/word_table.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "media/cslowo.h"

using namespace catalog;
using namespace media;

namespace {

struct TellingRow {
    int Index;
    const char* Key;
    const char* Spelling;
    std::uint32_t Flags;
};

// The rows singled out in the word list's own notes.
const TellingRow TellingRows[] = {
    {0, "abecadlo", "a,b,e,_c,a,d,ł,o,", 0x210000},
    {15, "brazowy", "b,_r,ą,z,o,w,y,", 0x100010},
    {17, "bucik", "b,u,_c,_i,k,", 0x210000},
    {31, "ciezarowka", "_ci,ę,ż,a,r,ó,w,k,a,", 0x110000},
    {32, "ciezarowka", "ci,ę,ż,a,_r,ó,w,k,a,", 0x200010},
    {35, "cyfry", "c,y,f,_r,y,", 0x2200000},
    {74, "dzokej", "dż,o,k,e,_j,", 0x400001},
    {104, "jogurt", "_j,o,g,u,_r,t,", 0x101000},
    {161, "lis", "_l,_i,s,", 0x100100},
    {183, "losss", "ł,o,_ś,", 0x410000},
    {335, "traktor", "t,_r,a,k,t,o,r", 0x200010},
    {359, "wywrotka", "w,y,w,_r,o,t,k,a,", 0x2200000},
    {370, "zebraa", "z,e,b,_r,a,", 0x200010},
    {387, "zebra", "ż,e,b,_r,a,", 0x200010},
    {396, "zyrandol", "ż,y,_r,a,n,d,o,_l,", 0x401000},
};

TEST(WordTable, TellingRowsAreStoredExactly) {
    for (const TellingRow& row : TellingRows) {
        SCOPED_TRACE(row.Index);
        const CSlowo& word = WordAt(row.Index);
        EXPECT_EQ(word.Key, row.Key);
        EXPECT_EQ(word.Spelling, row.Spelling);
        EXPECT_EQ(word.Flags, row.Flags);
    }
}

TEST(WordTable, FlagValuesOccurAsOftenAsListed) {
    const std::map<std::uint32_t, int> expected = {
        {0x100001, 9},  {0x200001, 10}, {0x400001, 1},  {0x100010, 27},
        {0x200010, 66}, {0x400010, 10}, {0x100100, 25}, {0x200100, 61},
        {0x400100, 16}, {0x101000, 6},  {0x201000, 14}, {0x401000, 1},
        {0x110000, 61}, {0x210000, 72}, {0x410000, 16}, {0x2200000, 2},
    };
    std::map<std::uint32_t, int> seen;
    for (const WordRecord& row : WordTable()) {
        ++seen[row.Flags];
    }
    EXPECT_EQ(seen, expected);
}

TEST(WordTable, OnlyTheListedKeysRepeatAndEachPairPractisesDifferentSounds) {
    const std::map<std::string, std::vector<int>> expected = {
        {"ciezarowka", {31, 32}},  {"dziurkacz", {67, 68}},   {"lalka", {143, 144}},
        {"lekarstwo", {152, 153}}, {"lusterko", {177, 178}},  {"lustro", {179, 180}},
        {"rondel", {266, 267}},    {"telewizor", {330, 331}},
    };
    std::map<std::string, std::vector<int>> byKey;
    for (int i = 0; i < WordCount; ++i) {
        byKey[WordAt(i).Key].push_back(i);
    }
    std::map<std::string, std::vector<int>> repeated;
    for (const auto& [key, indices] : byKey) {
        if (indices.size() > 1) {
            repeated[key] = indices;
        }
    }
    EXPECT_EQ(repeated, expected);
    for (const auto& [key, indices] : expected) {
        EXPECT_NE(WordAt(indices[0]).Flags, WordAt(indices[1]).Flags) << key;
        // The same picture and recording serve both.
        EXPECT_EQ(WordAt(indices[0]).SoundPath, WordAt(indices[1]).SoundPath) << key;
    }
}

TEST(WordTable, SpellingsUseOnlyTheListedGraphemes) {
    const std::set<std::string> inventory = {
        "a", "ą",  "b", "c",  "ć",  "ch", "ci", "cz", "d", "dz", "dzi", "dź", "dż", "e", "ę",
        "f", "g",  "h", "i",  "j",  "k",  "l",  "ł",  "m", "n",  "ń",   "ni", "o",  "ó", "p",
        "r", "rz", "s", "si", "sz", "ś",  "t",  "u",  "w", "y",  "z",   "zi", "ź",  "ż"};
    ASSERT_EQ(inventory.size(), 44u);
    std::set<std::string> used;
    for (const CSlowo& word : WordDatabase()) {
        for (const Grapheme& g : word.Graphemes()) {
            EXPECT_TRUE(inventory.contains(g.Text)) << word.Key << ": " << g.Text;
            used.insert(g.Text);
        }
    }
    EXPECT_EQ(used, inventory);  // "in use": every listed grapheme appears somewhere
}

TEST(WordTable, OnlyTraktorLacksTheFinalComma) {
    std::vector<int> withoutComma;
    for (int i = 0; i < WordCount; ++i) {
        if (!WordAt(i).Spelling.ends_with(',')) {
            withoutComma.push_back(i);
        }
    }
    EXPECT_EQ(withoutComma, std::vector<int>{335});
}

TEST(WordTable, FortySevenWordsCarryMoreThanOneMark) {
    int count = 0;
    for (const CSlowo& word : WordDatabase()) {
        EXPECT_GE(CountMarks(word.Spelling), 1) << word.Key;
        count += CountMarks(word.Spelling) > 1 ? 1 : 0;
    }
    EXPECT_EQ(count, 47);
}

// Exactly one position bit; one sound-group bit except the two words that carry 0x2000000.
TEST(WordTable, FlagWordsHaveOnePositionAndOneGroup) {
    const std::uint32_t groupBits = FlagJ | FlagR | FlagL | FlagTwoSounds | FlagHissing;
    const std::uint32_t positionBits = FlagPositionStart | FlagPositionInside | FlagPositionEnd;
    std::vector<int> withoutGroup;
    for (int i = 0; i < WordCount; ++i) {
        const std::uint32_t flags = WordAt(i).Flags;
        EXPECT_EQ(std::popcount(flags & positionBits), 1) << i;
        EXPECT_EQ(flags & ~(groupBits | positionBits | FlagNoGroup), 0u) << i;
        int groups = std::popcount(flags & groupBits);
        if (groups == 0) {
            EXPECT_NE(flags & FlagNoGroup, 0u) << i;
            withoutGroup.push_back(i);
        } else {
            EXPECT_EQ(groups, 1) << i;
        }
    }
    EXPECT_EQ(withoutGroup, (std::vector<int>{35, 359}));
}

// A word of one trained sound marks that sound (and the "i" that softens an l); a word of
// the two-sound class marks two graphemes.
TEST(WordTable, MarksAgreeWithTheSoundGroup) {
    const std::map<std::uint32_t, std::string> letterOf = {
        {FlagL, "l"}, {FlagR, "r"}, {FlagJ, "j"}};
    for (const CSlowo& word : WordDatabase()) {
        SCOPED_TRACE(word.Key);
        if ((word.Flags & FlagTwoSounds) != 0) {
            EXPECT_GE(CountMarks(word.Spelling), 2);
            continue;
        }
        auto letter = letterOf.find(word.Flags & FlagAnyTrained);
        if (letter == letterOf.end()) {
            continue;
        }
        for (const Grapheme& g : word.Graphemes()) {
            if (g.Marked) {
                EXPECT_TRUE(g.Text == letter->second || (letter->second == "l" && g.Text == "i"))
                    << g.Text;
            }
        }
    }
}

TEST(WordTable, EndsAndSoundPathsOfAlteredKeys) {
    EXPECT_EQ(WordAt(0).Key, "abecadlo");
    EXPECT_EQ(WordAt(396).Key, "zyrandol");
    EXPECT_EQ(WordAt(183).SoundPath, "Data\\Res\\Snd\\losss.snd");
    EXPECT_EQ(WordAt(370).SoundPath, "Data\\Res\\Snd\\zebraa.snd");
    EXPECT_THROW(WordAt(-1), std::out_of_range);
    EXPECT_THROW(WordAt(WordCount), std::out_of_range);
}

TEST(WordTable, LalkaIsFoundByADifferentFilterEachTime) {
    EXPECT_FALSE(WordAt(143).Matches(FlagL));
    EXPECT_TRUE(WordAt(144).Matches(FlagL));
    EXPECT_TRUE(WordAt(143).Matches(FlagTwoSounds));
    EXPECT_FALSE(WordAt(144).Matches(FlagTwoSounds));
}

TEST(WordTable, NoGroupFilterEverDrawsCyfryOrWywrotka) {
    const std::uint32_t masks[] = {FlagL,         FlagR,       FlagJ,        FlagAnyTrained,
                                   FlagTwoSounds, FlagHissing, 0x100 | 0x10, 0x11111};
    for (std::uint32_t mask : masks) {
        std::set<int> drawable;
        for (int i = 0; i < WordCount; ++i) {
            if (WordAt(i).Matches(mask)) {
                drawable.insert(i);
            }
        }
        EXPECT_FALSE(drawable.contains(35)) << mask;
        EXPECT_FALSE(drawable.contains(359)) << mask;
        if (mask == 0x11111) {
            EXPECT_EQ(drawable.size(), static_cast<std::size_t>(WordCount - 2));
        }
    }
}

TEST(WordTable, PositionClassIsDataNotDerivedFromTheMarks) {
    EXPECT_EQ(WordAt(15).PositionClass(), 1);   // br- counts as the beginning
    EXPECT_EQ(WordAt(143).PositionClass(), 2);  // first letter marked, class 2 all the same
    EXPECT_EQ(WordAt(74).PositionClass(), 4);
    EXPECT_EQ(WordAt(35).PositionClass(), 2);
}

TEST(CSlowo, CopiesAllFourFieldsAndDefaultsToEmpty) {
    CSlowo empty;
    EXPECT_TRUE(empty.Key.empty());
    EXPECT_TRUE(empty.SoundPath.empty());
    EXPECT_TRUE(empty.Spelling.empty());
    EXPECT_EQ(empty.Flags, 0u);

    CSlowo copy = WordAt(396);
    EXPECT_EQ(copy.Key, "zyrandol");
    EXPECT_EQ(copy.Flags, 0x401000u);
    EXPECT_EQ(copy.SoundPath, "Data\\Res\\Snd\\zyrandol.snd");
    EXPECT_EQ(copy.Spelling, "ż,y,_r,a,n,d,o,_l,");
}

struct SplitCase {
    const char* Spelling;
    std::vector<Grapheme> Graphemes;
    const char* Plain;
};

TEST(CSlowo, SplitsSpellingsIntoMarkedGraphemes) {
    const SplitCase cases[] = {
        {"a,d,_r,e,s,", {{"a"}, {"d"}, {"r", true}, {"e"}, {"s"}}, "adres"},
        {"b,u,_c,_i,k,", {{"b"}, {"u"}, {"c", true}, {"i", true}, {"k"}}, "bucik"},
        {"_dzi,ó,b,", {{"dzi", true}, {"ó"}, {"b"}}, "dziób"},
        // The one spelling without a final comma keeps its last grapheme.
        {"t,_r,a,k,t,o,r", {{"t"}, {"r", true}, {"a"}, {"k"}, {"t"}, {"o"}, {"r"}}, "traktor"},
        {"", {}, ""},
        {",,x,", {{"x"}}, "x"},
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(c.Spelling);
        EXPECT_EQ(SplitGraphemes(c.Spelling), c.Graphemes);
        EXPECT_EQ(PlainSpelling(c.Spelling), c.Plain);
    }
}

TEST(CSlowo, FindsTheFirstMarkedGrapheme) {
    EXPECT_EQ(WordAt(396).MarkedIndex(), 2);
    EXPECT_EQ(WordAt(396).MarkedGrapheme(), "r");
    EXPECT_EQ(WordAt(58).MarkedGrapheme(), "dzi");  // dziadek
    EXPECT_EQ(WordAt(396).Text(), "żyrandol");
    CSlowo unmarked("x", 0, "a,b,");
    EXPECT_EQ(unmarked.MarkedIndex(), -1);
    EXPECT_EQ(unmarked.MarkedGrapheme(), "");
}

TEST(CSlowo, SplitsUtf8TextIntoCharacters) {
    EXPECT_EQ(SplitCharacters("żółw"), (std::vector<std::string>{"ż", "ó", "ł", "w"}));
    EXPECT_EQ(SplitCharacters("dź"), (std::vector<std::string>{"d", "ź"}));
    EXPECT_TRUE(SplitCharacters("").empty());
    // A stray continuation byte at the start stands alone rather than vanishing.
    EXPECT_EQ(SplitCharacters("\x80"
                              "a"),
              (std::vector<std::string>{"\x80", "a"}));
}

}  // namespace
