#include "exercises/cschemat4_4.h"

#include <gtest/gtest.h>

#include <typeinfo>

#include "exercises/bar_fixture.h"
#include "exercises/series_setup.h"
#include "game/series_parts.h"

// What the digit variant shares with finding the result is tested over both in
// cschemat3_test.cpp; here what only it has.

using namespace exercises;

namespace {

class Schemat4_4Test : public BarTest {
  protected:
    std::unique_ptr<CSchemat4_4> Make(int level, const std::vector<std::int32_t>& draw) {
        auto e =
            Scripted(draw, [&] { return std::make_unique<CSchemat4_4>(*host_, Settings(level)); });
        e->Begin();
        return e;
    }
};

}  // namespace

TEST_F(Schemat4_4Test, LevelThreeHidesTheResultAndLevelFourTheSecondOperand) {
    // 5 - 2 = 3 at both levels.
    const auto result = Make(game::LevelIII, {1, 5, 2});
    const auto operand = Make(game::LevelIV, {1, 5, 2});
    for (const auto* e : {result.get(), operand.get()}) {
        EXPECT_EQ(e->Tile(CSchemat3::kFirstOperand).Name(), "d5");
        EXPECT_EQ(e->Tile(CSchemat3::kSecondOperand).Number(), catalog::FirstDigitCode + 2);
        EXPECT_EQ(e->Tile(CSchemat3::kResult).Name(), "d3");
        EXPECT_EQ(e->Tile(CSchemat3::kOperationTile).Name(), "minus");
    }
    // The question mark stands at the right end of the bar, or in its third piece.
    EXPECT_EQ(result->GetQuestionTile().ObjectRect(),
              result->Tile(CSchemat3::kResult).ObjectRect());
    EXPECT_EQ(operand->GetQuestionTile().ObjectRect(),
              operand->Tile(CSchemat3::kSecondOperand).ObjectRect());
    EXPECT_FALSE(result->Choose(CSchemat3::kFirstAnswer + 2, 0));
    EXPECT_TRUE(result->Choose(CSchemat3::kFirstAnswer + 3, 0));
    EXPECT_FALSE(operand->Choose(CSchemat3::kFirstAnswer + 3, 0));
    EXPECT_TRUE(operand->Choose(CSchemat3::kFirstAnswer + 2, 0));
}

TEST_F(Schemat4_4Test, ZeroMinusWhatIsZeroIsAnsweredByZero) {
    const auto e = Make(game::LevelIV, {1, 0, 0});
    e->Hint();
    EXPECT_EQ(e->Tile(CSchemat3::kFirstAnswer).FrameStyle(), pieces::SelectionFrames::Blue);
    EXPECT_TRUE(e->Choose(CSchemat3::kFirstAnswer, 0));
}

TEST_F(Schemat4_4Test, TheCurriculumGivesItAtLevelThreeDrawSixAndLevelFourDrawNine) {
    const game::SeriesParts parts = MakeSeriesParts();
    for (const auto& [level, draw] : {std::pair{game::LevelIII, 6}, std::pair{game::LevelIV, 9}}) {
        EXPECT_TRUE(parts.Available(level, draw, game::SoundGroupL)) << level;
        const auto exercise = parts.CreateExercise(*host_, Settings(level), level, draw);
        ASSERT_NE(exercise, nullptr);
        const game::Exercise& made = *exercise;
        EXPECT_EQ(typeid(made), typeid(CSchemat4_4)) << level;
        EXPECT_EQ(dynamic_cast<const CSchemat4_4&>(made).GetInstructionName(), "S4_4");
    }
}
