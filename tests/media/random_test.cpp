#include "media/random.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

using namespace media;

namespace {

std::vector<std::int32_t> Draw(int n) {
    std::vector<std::int32_t> values;
    for (int i = 0; i < n; ++i) {
        values.push_back(Random());
    }
    return values;
}

TEST(Random, SameSeedGivesTheSameSeriesOfNonNegativeValues) {
    SeedRandom(1234);
    std::vector<std::int32_t> first = Draw(1000);
    SeedRandom(1234);
    EXPECT_EQ(Draw(1000), first);
    SeedRandom(1235);
    EXPECT_NE(Draw(1000), first);
    bool highBitSeen = false;
    for (std::int32_t v : first) {
        EXPECT_GE(v, 0);
        highBitSeen = highBitSeen || v >= (1 << 30);
    }
    EXPECT_TRUE(highBitSeen);  // the full 31-bit range is used
}

TEST(Random, ScriptIsHandedOutInOrderThenTheGeneratorResumes) {
    SeedRandom(7);
    std::vector<std::int32_t> unscripted = Draw(2);
    SeedRandom(7);
    {
        ScopedRandomScript script({5, 0, 2147483647});
        EXPECT_EQ(Draw(3), (std::vector<std::int32_t>{5, 0, 2147483647}));
        EXPECT_EQ(script.Remaining(), 0u);
        // Past the script the seeded series goes on where it stood.
        EXPECT_EQ(Random(), unscripted[0]);
    }
    EXPECT_EQ(Random(), unscripted[1]);
}

TEST(Random, ScriptRejectsNegativeValuesAndNesting) {
    EXPECT_THROW(ScopedRandomScript({1, -1}), std::invalid_argument);
    ScopedRandomScript outer({1});
    EXPECT_THROW(ScopedRandomScript({2}), std::logic_error);
    EXPECT_EQ(outer.Remaining(), 1u);
}

}  // namespace
