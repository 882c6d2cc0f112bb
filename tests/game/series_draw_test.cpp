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

// While a level has fewer types than the rule needs, it relaxes only as far as it must.
TEST(SeriesDraw, WithFewTypesTheRuleGivesWayOnlyAsFarAsItMust) {
    media::SeedRandom(5);
    const std::vector<int> two = DrawMany(LevelI, {3, 4}, 40);
    for (size_t i = 1; i < two.size(); ++i) {
        EXPECT_NE(two[i], two[i - 1]);  // two types still alternate
        EXPECT_TRUE(two[i] == 3 || two[i] == 4);
    }
    EXPECT_EQ(DrawMany(LevelI, {4}, 5), (std::vector<int>{4, 4, 4, 4, 4}));
    EXPECT_EQ(DrawMany(LevelIII, {}, 2), (std::vector<int>{0, 0}));
}

}  // namespace
