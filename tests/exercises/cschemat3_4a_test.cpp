#include "exercises/cschemat3_4a.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <vector>

#include "exercises/search_fixture.h"
#include "game/cgrupa.h"
#include "media/random.h"

using namespace exercises;

namespace {

class Schemat3_4aTest : public SearchTest {
  protected:
    std::unique_ptr<CSchemat3_4a> Make(int soundGroups) {
        return MakeAtLevelI<CSchemat3_4a>(soundGroups);
    }
};

constexpr int kZero = 50, kOne = 51, kFour = 54;

}  // namespace

// "zero" and "cztery" train "r", "jeden" trains "j".
TEST_F(Schemat3_4aTest, TheModelIsADigitWhoseNumberWordHoldsASelectedSound) {
    const std::map<int, std::set<int>> models{
        {game::SoundGroupR, {kZero, kFour}},
        {game::SoundGroupL | game::SoundGroupR, {kZero, kFour}},
        {game::SoundGroupJ, {kOne}},
        {game::SoundGroupL | game::SoundGroupJ, {kOne}},
        {game::SoundGroupR | game::SoundGroupJ, {kZero, kOne, kFour}},
        {7, {kZero, kOne, kFour}},
    };
    for (const auto& [selection, expected] : models) {
        SCOPED_TRACE(selection);
        std::set<int> seen;
        for (std::uint32_t seed = 1; seed <= 30; ++seed) {
            media::SeedRandom(seed);
            auto e = Make(selection);
            const int model = e->Tile(0).Number();
            seen.insert(model);
            // The other digits are any but the model; the copies all share its code.
            for (int i = 1; i < 9; ++i) {
                const int code = e->Tile(i).Number();
                EXPECT_GE(code, kZero);
                EXPECT_LE(code, kZero + 9);
                EXPECT_EQ(code == model, i >= 5) << i;
            }
        }
        EXPECT_EQ(seen, expected);
    }
}

// The draws as they come from the generator: the target first, then each other digit after
// its place.
TEST_F(Schemat3_4aTest, ScriptedDrawsGiveTheirDigits) {
    struct Case {
        int selection;
        std::vector<std::int32_t> targetDraws;
        int model;
    };
    for (const Case& c :
         {Case{game::SoundGroupR, {0, 1}, kZero}, Case{game::SoundGroupR, {2}, kFour},
          Case{7, {3}, kFour}, Case{7, {0, 0, 2}, kOne}}) {
        SCOPED_TRACE(c.model);
        ResetBackgroundRotationForTesting();
        media::SeedRandom(9);
        // The background; the target; a place in quarter 2; the other digit: 0 and the
        // model's own value are drawn again, 1 gives "0" (or the model's 4 gives "3").
        std::vector<std::int32_t> script{0};
        script.insert(script.end(), c.targetDraws.begin(), c.targetDraws.end());
        const std::int32_t own = c.model - (kZero - 1);
        script.insert(script.end(), {700, 200, 0, own, c.model == kZero ? 5 : 1});
        media::ScopedRandomScript random(script);
        auto e = Make(c.selection);
        EXPECT_EQ(random.Remaining(), 0u);
        EXPECT_EQ(e->Tile(0).Number(), c.model);
        EXPECT_EQ(e->Tile(1).ObjectRect().Left, 700);
        EXPECT_EQ(e->Tile(1).ObjectRect().Top, 200);
        EXPECT_EQ(e->Tile(1).Number(), c.model == kZero ? kFour : kZero);
    }
}
