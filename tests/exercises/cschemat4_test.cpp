#include "exercises/cschemat4.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <typeinfo>
#include <vector>

#include "catalog/resource_names.h"
#include "exercises/bar_fixture.h"
#include "exercises/series_setup.h"
#include "game/series_parts.h"
#include "media/random.h"
#include "pieces/selection_frames.h"

using namespace exercises;
using namespace search_fixture;
using bar_fixture::DrawCase;

using pieces::SelectionFrames;
using platform::Point;
using platform::Rect;

namespace {

std::string NumberPicture(int k) {
    return std::string(catalog::SymbolName(catalog::FirstNumberWordCode + k));
}

class Schemat4Test : public BarTest {
  protected:
    explicit Schemat4Test(Point screen = {1280, 960}) : BarTest(screen) {}

    std::unique_ptr<CSchemat4> Make() {
        return std::make_unique<CSchemat4>(*host_, Settings(game::LevelIV));
    }
    std::unique_ptr<CSchemat4> Scripted(const std::vector<std::int32_t>& draw) {
        return BarTest::Scripted(draw, [&] { return Make(); });
    }
    // 3 + 4 = 7, plus hidden.
    std::unique_ptr<CSchemat4> PlusTask() {
        auto e = Scripted({2, 2, 3});
        e->Begin();
        return e;
    }
};

const DrawCase kDraws[] = {
    {"plus", {2, 2, 3}, {CSchemat4::kPlus, 3, 4, 7}},
    {"minus", {1, 8, 4}, {CSchemat4::kMinus, 9, 5, 4}},
    // A zero operation is drawn again until it is not.
    {"plus_after_redrawn_operation", {3, 0, 2, 0, 0}, {CSchemat4::kPlus, 1, 1, 2}},
    // Eight plus only one, and one minus only one: b is not drawn.
    {"plus_from_eight", {2, 7}, {CSchemat4::kPlus, 8, 1, 9}},
    {"minus_from_one", {1, 0}, {CSchemat4::kMinus, 1, 1, 0}},
    {"plus_up_to_eight", {2, 0, 6}, {CSchemat4::kPlus, 1, 7, 8}},
};

class Schemat4DrawTest : public Schemat4Test, public testing::WithParamInterface<DrawCase> {};

}  // namespace

TEST_P(Schemat4DrawTest, TheScriptGivesTheOperationAndTheNumbers) {
    const DrawCase& c = GetParam();
    const auto e = Scripted(c.script);
    EXPECT_EQ(e->Tile(CSchemat4::kOperationTile).Number(), c.task.Operation);
    EXPECT_EQ(e->Tile(CSchemat4::kOperationTile).Name(),
              c.task.Operation == CSchemat4::kPlus ? "plus" : "minus");
    const int numbers[] = {c.task.A, c.task.B, c.task.C};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(e->Tile(CSchemat4::kFirstOperand + i).Number(), numbers[i]) << i;
        EXPECT_EQ(e->Tile(CSchemat4::kFirstOperand + i).Name(), NumberPicture(numbers[i])) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Draws, Schemat4DrawTest, testing::ValuesIn(kDraws),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Schemat4Test, EveryDrawHasNoZeroOperandAndStaysWithinTen) {
    std::set<std::int32_t> operations;
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE(seed);
        media::SeedRandom(seed);
        const auto e = Make();
        const Equation q = bar_fixture::EquationOf(*e, 0);
        operations.insert(q.Operation);
        bar_fixture::ExpectHolds(q, CSchemat4::kPlus, CSchemat4::kMinus);
        // No operand is zero.
        EXPECT_GE(q.A, 1);
        EXPECT_GE(q.B, 1);
        EXPECT_LE(q.B, 8);
    }
    EXPECT_EQ(operations.size(), 2u);
}

TEST_F(Schemat4Test, OnlyPlusAndMinusCanBeChosen) {
    const auto e = PlusTask();
    EXPECT_EQ(e->GetInstructionName(), "S4a");
    for (int i = 0; i < CSchemat4::TileTotal; ++i) {
        EXPECT_EQ(e->Tile(i).Selectable(), i >= CSchemat4::kPlusTile) << i;
    }
    EXPECT_EQ(e->Tile(CSchemat4::kPlusTile).Name(), "plus");
    EXPECT_EQ(e->Tile(CSchemat4::kMinusTile).Name(), "minus");
    EXPECT_EQ(e->Tile(CSchemat4::kMinusTile).Number(), CSchemat4::kMinus);
    EXPECT_EQ(e->Tile(CSchemat4::kEqualsTile).Name(), "rowny");
    const pieces::CLitCyf& question = e->GetQuestionTile();
    EXPECT_EQ(question.Name(), "niewiadoma");
    EXPECT_EQ(question.Number(), CSchemat4::kQuestion);
    EXPECT_EQ(question.FrameStyle(), SelectionFrames::Yellow);
    EXPECT_EQ(question.ObjectRect(), e->Tile(CSchemat4::kOperationTile).ObjectRect());
    EXPECT_EQ(FrameAt(Inside(question.ObjectRect())), TileColour("niewiadoma"));
}

namespace {

// Where things stand in a layout, screen pixels.
struct LayoutCase {
    const char* name;
    Point screen;
    Point plus;
    Point minus;
    // Before the first showing: a, the operation and the question mark, b, "=", c.
    int provisional[5];
    int provisionalY;
    // In the bar, in the same order.
    int bar[5];
    int barY;
    Point vehicle;
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.name;
}

const LayoutCase kLayouts[] = {
    {"large",
     {1280, 960},
     {325, 189},
     {615, 189},
     {410, 495, 580, 665, 750},
     870,
     {300, 500, 700, 900, 1100},
     875,
     {470, 529}},
    // The small layout in the middle of a larger screen: its corner is (88, 66).
    {"small",
     {1200, 900},
     {348, 217},
     {580, 217},
     {380, 460, 540, 620, 700},
     746,
     {334, 534, 734, 934, 1134},
     746,
     {464, 481}},
};

class Schemat4LayoutTest : public Schemat4Test, public testing::WithParamInterface<LayoutCase> {
  protected:
    Schemat4LayoutTest() : Schemat4Test(GetParam().screen) {}
};

}  // namespace

TEST_P(Schemat4LayoutTest, TheRowTheMembersTheBarAndTheVehicleStart) {
    const LayoutCase& c = GetParam();
    const auto e = Scripted({2, 2, 3});
    EXPECT_EQ(Corner(e->Tile(CSchemat4::kPlusTile).ObjectRect()), c.plus);
    EXPECT_EQ(Corner(e->Tile(CSchemat4::kMinusTile).ObjectRect()), c.minus);
    const std::int32_t inBar[] = {CSchemat4::kFirstOperand, CSchemat4::kOperationTile,
                                  CSchemat4::kSecondOperand, CSchemat4::kEqualsTile,
                                  CSchemat4::kResult};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(Corner(e->Tile(inBar[k]).ObjectRect()), (Point{c.provisional[k], c.provisionalY}))
            << k;
    }
    EXPECT_EQ(Corner(e->GetQuestionTile().ObjectRect()), (Point{c.provisional[1], c.provisionalY}));
    EXPECT_EQ(e->VehicleStart(), c.vehicle);
    e->Begin();
    const auto& homes = e->GetHomes();
    for (int k = 0; k < 5; ++k) {
        const Point at{c.bar[k], c.barY};
        EXPECT_EQ(Corner(e->Tile(inBar[k]).ObjectRect()), at) << k;
        EXPECT_EQ(homes[static_cast<size_t>(inBar[k])], at) << k;
    }
    EXPECT_EQ(Corner(e->GetQuestionTile().ObjectRect()), (Point{c.bar[1], c.barY}));
    EXPECT_EQ(homes[CSchemat4::TileTotal], (Point{c.bar[1], c.barY}));
    EXPECT_EQ(homes[CSchemat4::kMinusTile], c.minus);
    // The vehicle still starts from the provisional gap.
    EXPECT_EQ(e->VehicleStart(), c.vehicle);
    EXPECT_EQ(FrameAt(Inside(e->Tile(CSchemat4::kFirstOperand).ObjectRect())),
              TileColour(NumberPicture(3)));
}

INSTANTIATE_TEST_SUITE_P(Layouts, Schemat4LayoutTest, testing::ValuesIn(kLayouts),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Schemat4Test, TheWrongOperationIsAnErrorAndTheHintThenFramesTheOther) {
    const auto e = PlusTask();
    const Rect gap = e->Tile(CSchemat4::kOperationTile).ObjectRect();
    platform::Sound::StartRecording();
    EXPECT_FALSE(e->Choose(CSchemat4::kMinusTile, 0));
    EXPECT_EQ(e->GetStat().Last().Errors, 1);
    EXPECT_EQ(e->Tile(CSchemat4::kMinusTile).FrameStyle(), SelectionFrames::Red);
    e->Hint();
    EXPECT_EQ(e->GetStat().Last().Hints, 1);
    EXPECT_EQ(e->Tile(CSchemat4::kPlusTile).FrameStyle(), SelectionFrames::Blue);
    EXPECT_EQ(e->Tile(CSchemat4::kMinusTile).FrameStyle(), SelectionFrames::Red);
    const int scores = host_->scoreDraws;

    EXPECT_TRUE(e->Choose(CSchemat4::kPlusTile, 0));
    EXPECT_TRUE(e->IsSolved());
    EXPECT_EQ(Feedback(), "bg");
    EXPECT_EQ(e->GetStat().Last().Points, 1);
    EXPECT_EQ(e->Tile(CSchemat4::kPlusTile).ObjectRect(), gap);
    EXPECT_EQ(e->Tile(CSchemat4::kPlusTile).FrameStyle(), SelectionFrames::Green);
    EXPECT_FALSE(e->Tile(CSchemat4::kPlusTile).Selectable());
    // The question mark is hidden, not disabled.
    EXPECT_FALSE(e->GetQuestionTile().Visible());
    EXPECT_TRUE(e->GetQuestionTile().Enabled());
    EXPECT_EQ(host_->scoreDraws, scores + 1);
    EXPECT_EQ(FrameAt(Inside(gap)), TileColour("plus"));
    EXPECT_FALSE(e->Choose(CSchemat4::kMinusTile, 0));
    EXPECT_EQ(e->GetStat().Last().Errors, 1);
    e->Hint();
    EXPECT_EQ(e->GetStat().Last().Hints, 1);
}

TEST_F(Schemat4Test, MembersOfTheBarAndNumbersOutsideAreIgnored) {
    const auto e = PlusTask();
    ExpectOutsideNumbersIgnored(*e, {-1, 0, 1, 2, 3, 4, 7, 1000}, CSchemat4::kPlusTile);
    EXPECT_FALSE(e->IsSolved());
}

TEST_F(Schemat4Test, ScanningCyclesTheBubblePlusAndMinus) {
    // 9 - 5 = 4: minus, the last entry, is the answer.
    auto e = Scripted({1, 8, 4});
    e->Begin();
    std::vector<bool> lasts;
    for (int step = 0; step < 4; ++step) {
        lasts.push_back(e->ScanNext());
        EXPECT_EQ(e->GetScanPos(), step % 3);
    }
    EXPECT_EQ(lasts, (std::vector<bool>{false, false, true, false}));
    EXPECT_EQ(e->GetScanOrder(), (std::vector<std::int32_t>{-1, 5, 6}));
    ExpectModelSelectPlaysInstruction(*e, "S4a");
    e->ScanNext();
    EXPECT_EQ(e->Tile(CSchemat4::kPlusTile).FrameStyle(), SelectionFrames::Orange);
    EXPECT_FALSE(e->ScanSelect());
    e->ScanNext();
    EXPECT_EQ(e->ScanTargetRect(), e->Tile(CSchemat4::kMinusTile).ObjectRect());
    EXPECT_TRUE(e->ScanSelect());
    // With the last entry answered no step ends a round.
    for (int step = 0; step < 6; ++step) {
        EXPECT_FALSE(e->ScanNext());
        EXPECT_NE(e->GetScanPos(), 2);
    }
}

TEST_F(Schemat4Test, RestartBringsTheAnswerBackAndTheQuestionMark) {
    const auto e = PlusTask();
    const auto homes = e->GetHomes();
    ASSERT_TRUE(e->Choose(CSchemat4::kPlusTile, 0));
    e->Restart();
    EXPECT_FALSE(e->IsSolved());
    EXPECT_EQ(e->GetStat().Attempts.size(), 2u);
    for (int i = 0; i < CSchemat4::TileTotal; ++i) {
        EXPECT_EQ(Corner(e->Tile(i).ObjectRect()), homes[static_cast<size_t>(i)]) << i;
        EXPECT_EQ(e->Tile(i).Selectable(), i >= CSchemat4::kPlusTile) << i;
        EXPECT_EQ(e->Tile(i).FrameStyle(), SelectionFrames::None) << i;
    }
    EXPECT_TRUE(e->GetQuestionTile().Visible());
    EXPECT_EQ(FrameAt(Inside(e->GetQuestionTile().ObjectRect())), TileColour("niewiadoma"));
    EXPECT_EQ(Corner(host_->Vehicle().Rectangle()), e->VehicleStart());
    EXPECT_TRUE(e->Choose(CSchemat4::kPlusTile, 0));
}

TEST_F(Schemat4Test, AMissingPictureIsTheReinstallMessageAndLeavesNoControls) {
    RemoveFile("Lib/GFX/minus" + media::SizeSuffix() + ".xbi");
    const size_t controls = form_.Controls().size();
    exercise_fixture::ExpectReinstallMessage([&] { Scripted({2, 2, 3}); });
    EXPECT_EQ(form_.Controls().size(), controls);
}

TEST_F(Schemat4Test, TheCurriculumGivesItAtLevelFourDrawFour) {
    const game::SeriesParts parts = MakeSeriesParts();
    EXPECT_TRUE(parts.Available(game::LevelIV, 4, game::SoundGroupJ));
    const auto exercise = parts.CreateExercise(*host_, Settings(game::LevelIV), game::LevelIV, 4);
    ASSERT_NE(exercise, nullptr);
    const game::Exercise& made = *exercise;
    EXPECT_EQ(typeid(made), typeid(CSchemat4));
}
