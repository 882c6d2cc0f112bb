#include "exercises/background_rotation.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "media/random.h"

using namespace exercises;
using namespace media;

namespace {

class BackgroundRotation : public testing::Test {
  protected:
    void SetUp() override { ResetBackgroundRotationForTesting(); }
    void TearDown() override { ResetBackgroundRotationForTesting(); }

    static std::vector<int> Next(int n) {
        std::vector<int> variants;
        for (int i = 0; i < n; ++i) {
            variants.push_back(NextBackgroundNo());
        }
        return variants;
    }
};

TEST_F(BackgroundRotation, ADrawServesThreeExercisesAndTheNextDrawSkipsIt) {
    // 0 mod 3 + 1 = 1 serves three exercises; then 0 (1 again) is drawn anew and 1 gives 2;
    // after three more 4 (2 again) is drawn anew and 2 gives 3.
    ScopedRandomScript script({0, 0, 1, 4, 2, 777});
    EXPECT_EQ(Next(9), (std::vector<int>{1, 1, 1, 2, 2, 2, 3, 3, 3}));
    EXPECT_EQ(script.Remaining(), 1u);
}

TEST_F(BackgroundRotation, EveryVariantComesInRunsOfExactlyThree) {
    SeedRandom(4242);
    const std::vector<int> variants = Next(300);
    for (std::size_t start = 0; start < variants.size(); start += 3) {
        SCOPED_TRACE(testing::Message() << "exercise " << start);
        EXPECT_GE(variants[start], 1);
        EXPECT_LE(variants[start], 3);
        EXPECT_EQ(variants[start + 1], variants[start]);
        EXPECT_EQ(variants[start + 2], variants[start]);
        if (start > 0) {
            EXPECT_NE(variants[start], variants[start - 1]);
        }
    }
}

TEST_F(BackgroundRotation, ResetStartsAFreshRunWithAnyVariant) {
    ScopedRandomScript script({2, 2});
    EXPECT_EQ(NextBackgroundNo(), 3);
    ResetBackgroundRotationForTesting();
    // Without the reset this exercise would reuse 3 without a draw.
    EXPECT_EQ(NextBackgroundNo(), 3);
    EXPECT_EQ(script.Remaining(), 0u);
}

}  // namespace
