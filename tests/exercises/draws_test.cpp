#include "exercises/draws.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <stdexcept>
#include <vector>

#include "catalog/screen_geometry.h"
#include "media/cblad.h"
#include "media/random.h"

using namespace exercises;
using namespace media;

namespace {

using Words = std::vector<std::int32_t>;
using Script = std::vector<std::int32_t>;

// A scripted case: the selection, the generator's values, the expected result and how many
// of the values the draw must use up.
struct ScriptedDraw {
    int soundGroups;
    Script script;
    int expected;
    std::size_t used;
};

void CheckScripted(const std::vector<ScriptedDraw>& cases, int (*draw)(int)) {
    for (const ScriptedDraw& c : cases) {
        SCOPED_TRACE(testing::Message() << "selection " << c.soundGroups << ", first value "
                                        << (c.script.empty() ? -1 : c.script[0]));
        Script values = c.script;
        values.push_back(777);  // must stay unused
        ScopedRandomScript script(values);
        EXPECT_EQ(draw(c.soundGroups), c.expected);
        EXPECT_EQ(script.Remaining(), values.size() - c.used);
    }
}

TEST(SoundMask, EachSelectionGivesItsSectionsAndOthersTheFallback) {
    const std::int32_t fallback = 0x5a5a;
    const struct {
        int soundGroups;
        std::int32_t mask;
    } cases[] = {{1, 256}, {2, 16},  {3, 272},      {4, 1},        {5, 257},
                 {6, 17},  {7, 273}, {0, fallback}, {8, fallback}, {-1, fallback}};
    for (const auto& c : cases) {
        EXPECT_EQ(SoundMask(c.soundGroups, fallback), c.mask) << "selection " << c.soundGroups;
    }
}

TEST(DrawTargetSound, SingleSoundsNeedNoDrawAndPairsDrawAgainOnZero) {
    CheckScripted(
        {
            {1, {}, 1, 0},
            {2, {}, 2, 0},
            {4, {}, 9, 0},
            {3, {4}, 1, 1},
            {3, {3, 0, 5}, 2, 3},  // mod 3: 0, 0, 2
            {5, {6, 7}, 1, 2},     // mod 3: 0, 1
            {5, {2}, 9, 1},
            {6, {1}, 2, 1},
            {6, {9, 5}, 9, 2},
            {7, {4, 8, 1}, 1, 3},  // mod 4: 0, 0, 1
            {7, {2}, 2, 1},
            {7, {7}, 9, 1},
        },
        DrawTargetSound);
}

TEST(DrawTargetSound, OnlySelectedSoundsComeAndEachOfThemDoes) {
    SeedRandom(77);
    const std::set<int> expected[8] = {{}, {1}, {2}, {1, 2}, {9}, {1, 9}, {2, 9}, {1, 2, 9}};
    for (int selection = 1; selection <= 7; ++selection) {
        std::set<int> seen;
        for (int i = 0; i < 200; ++i) {
            seen.insert(DrawTargetSound(selection));
        }
        EXPECT_EQ(seen, expected[selection]) << "selection " << selection;
    }
}

TEST(DrawSoundOrDistractor, ScriptedDrawsGiveTheSoundOrALetter) {
    CheckScripted(
        {
            {1, {11, 1}, 1, 2},  // mod 11: 0 is drawn again
            {2, {12}, 2, 1},
            {4, {22, 1}, 9, 2},
            {4, {2}, 20, 1},
            {1, {10}, 28, 1},
            {3, {1}, 1, 1},
            {3, {2}, 2, 1},
            {3, {4, 3, 10, 9}, 28, 4},  // mod 4: 0, 3 = distractor; mod 10: 0, 9
            {3, {3, 1}, 20, 2},
            {5, {2}, 9, 1},
            {6, {1}, 2, 1},
            {6, {6}, 9, 1},
            {7, {5, 1}, 1, 2},  // mod 5: 0, 1
            {7, {2}, 2, 1},
            {7, {3}, 9, 1},
            {7, {4, 5}, 24, 2},
        },
        DrawSoundOrDistractor);
}

TEST(SoundDraws, SelectionsWithoutASoundAreRefusedWithoutADraw) {
    for (int selection : {0, 8, -1, 16}) {
        ScopedRandomScript script({1, 2, 3});
        EXPECT_THROW(DrawTargetSound(selection), std::invalid_argument) << selection;
        EXPECT_THROW(DrawSoundOrDistractor(selection), std::invalid_argument) << selection;
        EXPECT_EQ(script.Remaining(), 3u);
    }
}

TEST(ExcludedDistractor, TargetRulesOutItsNeighbourSoundsButNoDistractor) {
    const struct {
        int target;
        int code;
        bool excluded;
    } cases[] = {
        {1, 1, true},   {1, 9, true},    {1, 2, false},  {1, 20, false}, {2, 1, true},
        {2, 2, true},   {2, 5, true},    {2, 9, true},   {2, 0, false},  {2, 10, false},
        {2, 28, false}, {9, 9, true},    {9, 1, false},  {9, 2, false},  {20, 20, false},
        {5, 5, false},  {-1, -1, false}, {9, 24, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ExcludedDistractor(c.target, c.code), c.excluded)
            << "target " << c.target << ", code " << c.code;
    }
}

// Three sections: "l" 10 11 12, "r" 20 21, "j" 30.
const Words SectionedWords{10, 11, 12, 20, 21, 30};

std::vector<std::int32_t> Sorted(std::vector<std::int32_t> v) {
    std::sort(v.begin(), v.end());
    return v;
}

int TooFewWordsCodeOf(const Words& words, std::int32_t mask, int l, int r, int j, int count,
                      std::int32_t excluded) {
    try {
        DrawWords(words, mask, l, r, j, count, excluded);
    } catch (const CBlad& e) {
        EXPECT_EQ(e.Text(), "Za malo slow do losowania");
        return e.Code();
    }
    return 0;
}

TEST(DrawWords, AllCandidatesComeOnceAndOneMoreIsTooMany) {
    SeedRandom(5);
    const struct {
        std::int32_t mask;
        Words candidates;
    } cases[] = {
        {257, {10, 11, 12, 30}},
        {16, {20, 21}},
        {273, {10, 11, 12, 20, 21, 30}},
        {1, {30}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "mask " << c.mask);
        const int n = static_cast<int>(c.candidates.size());
        for (int round = 0; round < 20; ++round) {
            EXPECT_EQ(Sorted(DrawWords(SectionedWords, c.mask, 3, 2, 1, n, -1)), c.candidates);
        }
        ScopedRandomScript script({0});
        EXPECT_EQ(TooFewWordsCodeOf(SectionedWords, c.mask, 3, 2, 1, n + 1, -1),
                  CBlad::TooFewWordsCode);
        EXPECT_EQ(script.Remaining(), 1u);
    }
    EXPECT_EQ(TooFewWordsCodeOf(SectionedWords, 0, 3, 2, 1, 1, -1), CBlad::TooFewWordsCode);
    EXPECT_TRUE(DrawWords(SectionedWords, 0, 3, 2, 1, 0, -1).empty());
}

TEST(DrawWords, TheExcludedWordNeverComesEvenWhenListedTwice) {
    const Words words{5, 7, 5, 8, 5};
    SeedRandom(9);
    for (int round = 0; round < 50; ++round) {
        EXPECT_EQ(Sorted(DrawWords(words, SectionMaskL, 5, 0, 0, 2, 5)), (Words{7, 8}));
    }
    EXPECT_EQ(TooFewWordsCodeOf(words, SectionMaskL, 5, 0, 0, 3, 5), CBlad::TooFewWordsCode);
    // Without the exclusion a word listed twice is two candidates.
    EXPECT_EQ(Sorted(DrawWords(words, SectionMaskL, 5, 0, 0, 5, -1)), (Words{5, 5, 5, 7, 8}));
}

TEST(DrawWords, EachDrawTakesACandidateAndTheLastMovesIntoItsPlace) {
    // Candidates 10 11 12 30. d = 1 takes 11 into the last slot, 30 moves to position 1;
    // d = 0 takes 10, 12 moves to 0; d = 5 mod 2 takes 30; 12 is left.
    ScopedRandomScript script({1, 0, 5, 0, 777});
    EXPECT_EQ(DrawWords(SectionedWords, 257, 3, 2, 1, 4, -1), (Words{12, 30, 10, 11}));
    EXPECT_EQ(script.Remaining(), 1u);
}

TEST(DrawWords, OnlySectionsTakingPartMustLieInTheList) {
    // The "j" section is too long, but with only "l" selected it is never read.
    EXPECT_EQ(Sorted(DrawWords(SectionedWords, SectionMaskL, 3, 2, 5, 3, -1)), (Words{10, 11, 12}));
    EXPECT_THROW(DrawWords(SectionedWords, SectionMaskJ, 3, 2, 5, 1, -1), std::out_of_range);
    EXPECT_THROW(DrawWords(SectionedWords, SectionMaskL, -1, 2, 1, 1, -1), std::out_of_range);
}

class RandomPointInQuadrantTest : public testing::Test {
  protected:
    void SetUp() override {
        // The small layout centred at (128, 16): halves 512 x 384.
        catalog::SetScreenGeometry(catalog::SelectScreenMode(1280, 800));
    }
    void TearDown() override { catalog::SetScreenGeometry(saved_); }

  private:
    catalog::ScreenGeometry saved_ = catalog::Geometry();
};

TEST_F(RandomPointInQuadrantTest, XIsDrawnFirstAndTheQuadrantAddsHalves) {
    // x: 128 + 1000 mod 512 = 616; y: 16 + 500 mod 384 = 132.
    const struct {
        int quadrant;
        platform::Point point;
        std::size_t used;
    } cases[] = {
        {1, {616, 132}, 2}, {2, {1128, 132}, 2}, {3, {616, 516}, 2}, {4, {1128, 516}, 2},
        {0, {0, 0}, 0},     {5, {0, 0}, 0},      {-1, {0, 0}, 0},
    };
    for (const auto& c : cases) {
        ScopedRandomScript script({1000, 500, 777});
        EXPECT_EQ(RandomPointInQuadrant(c.quadrant), c.point) << "quadrant " << c.quadrant;
        EXPECT_EQ(script.Remaining(), 3u - c.used) << "quadrant " << c.quadrant;
    }
}

TEST_F(RandomPointInQuadrantTest, PointsStayInsideTheirQuarterOfTheLayout) {
    const platform::Rect quarters[4] = {
        {128, 16, 640, 400}, {640, 16, 1152, 400}, {128, 400, 640, 784}, {640, 400, 1152, 784}};
    SeedRandom(3);
    for (int quadrant = 1; quadrant <= 4; ++quadrant) {
        for (int i = 0; i < 200; ++i) {
            const platform::Point p = RandomPointInQuadrant(quadrant);
            EXPECT_TRUE(quarters[quadrant - 1].Contains(p.X, p.Y))
                << "quadrant " << quadrant << ": " << p.X << ", " << p.Y;
        }
    }
}

}  // namespace
