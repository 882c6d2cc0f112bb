#include "game/series_draw.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "game/cgrupa.h"
#include "media/random.h"

using namespace game;

namespace {

// Draws n exercises in a row and gives their numbers.
std::vector<int> DrawMany(int level, const std::set<int>& usable, int n) {
    SeriesDraw draw;
    std::vector<int> drawn;
    for (int i = 0; i < n; ++i) {
        const int r = draw.Draw(level, [&](int x) { return usable.count(x) > 0; });
        if (r != 0) {
            draw.Accept(r);
        }
        drawn.push_back(r);
    }
    return drawn;
}

TEST(SeriesDraw, NoExerciseRepeatsEitherOfTheTwoBeforeIt) {
    media::SeedRandom(11);
    struct Case {
        int level;
        int highest;
    };
    for (const Case c : {Case{LevelI, 6}, Case{LevelII, 6}, Case{LevelIII, 7}, Case{LevelIV, 9}}) {
        std::set<int> all;
        for (int r = 1; r <= c.highest; ++r) {
            all.insert(r);
        }
        const std::vector<int> drawn = DrawMany(c.level, all, 300);
        std::set<int> seen(drawn.begin(), drawn.end());
        EXPECT_EQ(seen, all) << "level " << c.level;
        for (size_t i = 1; i < drawn.size(); ++i) {
            EXPECT_NE(drawn[i], drawn[i - 1]);
            if (i >= 2) {
                EXPECT_NE(drawn[i], drawn[i - 2]);
            }
        }
    }
}

// Where every other number could not be made, no number is drawn: the rule never gives way
// to a repeat, and an empty level gives nothing either.
TEST(SeriesDraw, NoNumberWhenOnlyTheLastTwoAreLeft) {
    media::SeedRandom(5);
    const std::vector<int> two = DrawMany(LevelI, {3, 4}, 3);
    EXPECT_EQ(std::set<int>(two.begin(), two.begin() + 2), (std::set<int>{3, 4}));
    EXPECT_EQ(two[2], 0);
    EXPECT_EQ(DrawMany(LevelIV, {9}, 2), (std::vector<int>{9, 0}));
    EXPECT_EQ(DrawMany(LevelIII, {}, 2), (std::vector<int>{0, 0}));
}

}  // namespace
