#include "exercises/cschemat3.h"
#include "exercises/cschemat4_4.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <tuple>
#include <typeinfo>
#include <vector>

#include "catalog/resource_names.h"
#include "exercises/bar_fixture.h"
#include "exercises/series_setup.h"
#include "game/series_parts.h"
#include "media/random.h"
#include "pieces/selection_frames.h"

// The exercises that find a member of a sum or difference among ten answer tiles in two
// columns: finding the result with number pictures, and its digit variants. What they share is
// tested here over a table of the variants.

using namespace exercises;
using namespace search_fixture;
using bar_fixture::DrawCase;

using pieces::SelectionFrames;
using platform::Point;
using platform::Rect;

namespace {

// A variant of the exercise and what tells it apart.
struct ColumnType {
    const char* name;
    int level;
    std::unique_ptr<CSchemat3> (*make)(game::ExerciseHost&, const game::CWybor&);
    // The picture of the number k is the symbol firstSymbol + k.
    int firstSymbol;
    std::int32_t hidden;
    const char* instruction;
    // Once solved the question mark is hidden; otherwise it is disabled.
    bool questionHides;
};

const ColumnType kColumnTypes[] = {
    {"result_pictures", game::LevelIV,
     [](game::ExerciseHost& h, const game::CWybor& s) { return std::make_unique<CSchemat3>(h, s); },
     catalog::FirstNumberWordCode, CSchemat3::kResult, "S3", false},
    {"digits_result_level_iii", game::LevelIII,
     [](game::ExerciseHost& h, const game::CWybor& s) -> std::unique_ptr<CSchemat3> {
         return std::make_unique<CSchemat4_4>(h, s);
     },
     catalog::FirstDigitCode, CSchemat3::kResult, "S4_4", true},
    {"digits_operand_level_iv", game::LevelIV,
     [](game::ExerciseHost& h, const game::CWybor& s) -> std::unique_ptr<CSchemat3> {
         return std::make_unique<CSchemat4_4>(h, s);
     },
     catalog::FirstDigitCode, CSchemat3::kSecondOperand, "S4_4", true},
};

std::string TypeName(const ColumnType& type) {
    return type.name;
}
void PrintTo(const ColumnType& type, std::ostream* os) {
    *os << type.name;
}

class Schemat3Base : public BarTest {
  protected:
    Schemat3Base(const ColumnType& type, Point screen) : BarTest(screen), type_(type) {}

    std::unique_ptr<CSchemat3> Make() { return type_.make(*host_, Settings(type_.level)); }
    std::unique_ptr<CSchemat3> Scripted(const std::vector<std::int32_t>& draw) {
        return BarTest::Scripted(draw, [&] { return Make(); });
    }
    std::unique_ptr<CSchemat3> Shown(const std::vector<std::int32_t>& draw) {
        auto e = Scripted(draw);
        e->Begin();
        return e;
    }
    // 3 + 4 = 7.
    std::unique_ptr<CSchemat3> PlusTask() { return Shown({2, 3, 4}); }
    // The number under the question mark of 3 + 4 = 7, and the answer tile that shows it.
    int PlusTaskHidden() const { return type_.hidden == CSchemat3::kResult ? 7 : 4; }
    int PlusTaskAnswer() const { return CSchemat3::kFirstAnswer + PlusTaskHidden(); }

    std::string Picture(int k) const {
        return std::string(catalog::SymbolName(type_.firstSymbol + k));
    }

    const ColumnType& type_;
};

class Schemat3Test : public Schemat3Base, public testing::WithParamInterface<ColumnType> {
  protected:
    Schemat3Test() : Schemat3Base(GetParam(), {1280, 960}) {}
};

const DrawCase kDraws[] = {
    {"plus", {2, 3, 4}, {CSchemat3::kPlus, 3, 4, 7}},
    // A zero operation is drawn again until it is not.
    {"minus_after_redrawn_operation", {0, 3, 1, 5, 2}, {CSchemat3::kMinus, 5, 2, 3}},
    // A zero is drawn once more and the second draw kept.
    {"a_zero_drawn_once_more", {2, 0, 14, 3}, {CSchemat3::kPlus, 4, 3, 7}},
    {"b_zero_drawn_once_more", {2, 2, 0, 5}, {CSchemat3::kPlus, 2, 5, 7}},
    {"b_zero_when_both_draws_give_it", {2, 2, 0, 7}, {CSchemat3::kPlus, 2, 0, 2}},
    // Nine plus only zero, and b is not drawn at all.
    {"plus_from_nine", {2, 9}, {CSchemat3::kPlus, 9, 0, 9}},
    {"plus_from_eight", {2, 8, 5, 6}, {CSchemat3::kPlus, 8, 0, 8}},
    // Zero minus only zero, not drawn: a's two zeros are the last draws.
    {"minus_from_zero", {1, 0, 0}, {CSchemat3::kMinus, 0, 0, 0}},
    {"minus_down_to_zero", {1, 6, 6}, {CSchemat3::kMinus, 6, 6, 0}},
};

class Schemat3DrawTest : public Schemat3Base,
                         public testing::WithParamInterface<std::tuple<ColumnType, DrawCase>> {
  protected:
    Schemat3DrawTest() : Schemat3Base(std::get<0>(GetParam()), {1280, 960}) {}
};

}  // namespace

TEST_P(Schemat3DrawTest, TheScriptGivesTheOperationAndTheNumbers) {
    const DrawCase& c = std::get<1>(GetParam());
    const auto e = Scripted(c.script);
    EXPECT_EQ(e->Tile(CSchemat3::kOperationTile).Number(), c.task.Operation);
    EXPECT_EQ(e->Tile(CSchemat3::kOperationTile).Name(),
              c.task.Operation == CSchemat3::kPlus ? "plus" : "minus");
    const int numbers[] = {c.task.A, c.task.B, c.task.C};
    for (int i = 0; i < 3; ++i) {
        const pieces::CLitCyf& tile = e->Tile(CSchemat3::kFirstOperand + i);
        EXPECT_EQ(tile.Number(), e->NumberCode(numbers[i])) << i;
        EXPECT_EQ(tile.Name(), Picture(numbers[i])) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Draws, Schemat3DrawTest,
                         testing::Combine(testing::ValuesIn(kColumnTypes),
                                          testing::ValuesIn(kDraws)),
                         [](const auto& info) {
                             return TypeName(std::get<0>(info.param)) + "_" +
                                    std::get<1>(info.param).name;
                         });

INSTANTIATE_TEST_SUITE_P(Types, Schemat3Test, testing::ValuesIn(kColumnTypes),
                         [](const auto& info) { return TypeName(info.param); });

TEST_P(Schemat3Test, EveryDrawIsASumOrDifferenceWithinTen) {
    std::set<std::int32_t> operations;
    std::set<int> results;
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE(seed);
        media::SeedRandom(seed);
        const auto e = Make();
        const Equation q = bar_fixture::EquationOf(*e, e->NumberCode(0));
        operations.insert(q.Operation);
        results.insert(q.C);
        bar_fixture::ExpectHolds(q, CSchemat3::kPlus, CSchemat3::kMinus);
    }
    EXPECT_EQ(operations.size(), 2u);
    EXPECT_EQ(results.size(), 10u);
}

TEST_P(Schemat3Test, TheTenAnswersAreTheOnlyTilesToChoose) {
    const auto e = PlusTask();
    EXPECT_EQ(e->GetInstructionName(), GetParam().instruction);
    for (int i = 0; i < CSchemat3::TileTotal; ++i) {
        SCOPED_TRACE(i);
        const pieces::CLitCyf& tile = e->Tile(i);
        EXPECT_EQ(tile.Selectable(), i >= CSchemat3::kFirstAnswer);
        EXPECT_TRUE(tile.Visible());
        if (i >= CSchemat3::kFirstAnswer) {
            EXPECT_EQ(tile.Number(), e->NumberCode(i - CSchemat3::kFirstAnswer));
            EXPECT_EQ(tile.Name(), Picture(i - CSchemat3::kFirstAnswer));
        }
    }
    EXPECT_EQ(e->Tile(CSchemat3::kEqualsTile).Name(), "rowny");
    const pieces::CLitCyf& question = e->GetQuestionTile();
    EXPECT_EQ(question.Name(), "niewiadoma");
    EXPECT_FALSE(question.Selectable());
    EXPECT_EQ(question.FrameStyle(), SelectionFrames::Yellow);
    EXPECT_EQ(question.ObjectRect(), e->Tile(GetParam().hidden).ObjectRect());
    EXPECT_EQ(FrameAt(Inside(question.ObjectRect())), TileColour("niewiadoma"));
    std::vector<std::int32_t> choosable;
    for (const game::Choosable& c : e->ChoosableElements()) {
        choosable.push_back(c.Element);
    }
    EXPECT_EQ(choosable, (std::vector<std::int32_t>{5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
}

namespace {

// Where things stand in a layout, screen pixels.
struct LayoutCase {
    const char* name;
    Point screen;
    // The left edges of the two columns and the tops of their five tiles.
    int columns[2];
    int tops[5];
    // The members in the bar, left to right: a, the operation, b, "=", c; and its top.
    int bar[5];
    int barY;
};

const LayoutCase kLayouts[] = {
    {"large", {1280, 960}, {190, 950}, {138, 223, 308, 393, 478}, {300, 500, 700, 900, 1100}, 875},
    // The small layout in the middle of a larger screen: its corner is (88, 66), and a column's
    // pitch is the tile's width plus 20.
    {"small", {1200, 900}, {240, 848}, {176, 256, 336, 416, 496}, {334, 534, 734, 934, 1134}, 746},
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.name;
}

class Schemat3LayoutTest : public Schemat3Base,
                           public testing::WithParamInterface<std::tuple<ColumnType, LayoutCase>> {
  protected:
    Schemat3LayoutTest() : Schemat3Base(std::get<0>(GetParam()), std::get<1>(GetParam()).screen) {}
};

}  // namespace

TEST_P(Schemat3LayoutTest, TheColumnsAndTheBar) {
    const LayoutCase& c = std::get<1>(GetParam());
    const auto e = Scripted({2, 3, 4});
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(Corner(e->Tile(CSchemat3::kFirstAnswer + k).ObjectRect()),
                  (Point{c.columns[k / 5], c.tops[k % 5]}))
            << k;
    }
    e->Begin();
    const std::int32_t inBar[] = {CSchemat3::kFirstOperand, CSchemat3::kOperationTile,
                                  CSchemat3::kSecondOperand, CSchemat3::kEqualsTile,
                                  CSchemat3::kResult};
    const auto& homes = e->GetHomes();
    for (int k = 0; k < 5; ++k) {
        const Point at{c.bar[k], c.barY};
        EXPECT_EQ(Corner(e->Tile(inBar[k]).ObjectRect()), at) << k;
        EXPECT_EQ(homes[static_cast<size_t>(inBar[k])], at) << k;
        if (inBar[k] == type_.hidden) {
            EXPECT_EQ(Corner(e->GetQuestionTile().ObjectRect()), at);
            EXPECT_EQ(homes[CSchemat3::TileTotal], at);
        } else {
            EXPECT_EQ(FrameAt(Inside(e->Tile(inBar[k]).ObjectRect())),
                      TileColour(e->Tile(inBar[k]).Name()))
                << k;
        }
    }
    EXPECT_EQ(homes[CSchemat3::kFirstAnswer + 9], (Point{c.columns[1], c.tops[4]}));
}

INSTANTIATE_TEST_SUITE_P(Layouts, Schemat3LayoutTest,
                         testing::Combine(testing::ValuesIn(kColumnTypes),
                                          testing::ValuesIn(kLayouts)),
                         [](const auto& info) {
                             return TypeName(std::get<0>(info.param)) + "_" +
                                    std::get<1>(info.param).name;
                         });

TEST_P(Schemat3Test, WrongNumbersCountErrorsAndTheRightOneGoesIntoTheGap) {
    const auto e = PlusTask();
    const int right = PlusTaskAnswer();
    const Rect gap = e->Tile(GetParam().hidden).ObjectRect();
    const Rect home = e->Tile(right).ObjectRect();
    platform::Sound::StartRecording();
    EXPECT_FALSE(e->Choose(5, 0));
    EXPECT_FALSE(e->Choose(right + 1, 0));
    EXPECT_EQ(e->GetStat().Last().Errors, 2);
    for (const int wrong : {5, right + 1}) {
        EXPECT_EQ(e->Tile(wrong).FrameStyle(), SelectionFrames::Red);
        EXPECT_TRUE(e->Tile(wrong).Selectable());
    }
    const int scores = host_->scoreDraws;

    EXPECT_TRUE(e->Choose(right, 0));
    EXPECT_TRUE(e->IsSolved());
    EXPECT_EQ(e->GetStat().Last().Points, 1);
    EXPECT_EQ(e->GetStat().Last().Errors, 2);
    EXPECT_EQ(Feedback(), "bbg");
    EXPECT_EQ(e->Tile(right).ObjectRect(), gap);
    EXPECT_EQ(e->Tile(right).FrameStyle(), SelectionFrames::Green);
    EXPECT_FALSE(e->Tile(right).Selectable());
    const pieces::CLitCyf& question = e->GetQuestionTile();
    EXPECT_EQ(question.Visible(), !GetParam().questionHides);
    EXPECT_EQ(question.Enabled(), GetParam().questionHides);
    EXPECT_EQ(host_->scoreDraws, scores + 1);
    EXPECT_EQ(host_->Vehicle().Direction(), pieces::CLudek::kFacingDown);
    for (const platform::Bitmap* b : {&form_.FrameBitmap, &form_.SceneBitmap}) {
        EXPECT_EQ(b->GetPixel(gap.Left + 5, gap.Top + 5), TileColour(Picture(PlusTaskHidden())));
        EXPECT_EQ(b->GetPixel(home.Left + 5, home.Top + 5),
                  form_.BackgroundBitmap.GetPixel(home.Left + 5, home.Top + 5));
    }
    // Painting again shows the answer in the gap, not the question mark.
    e->Paint();
    EXPECT_EQ(FrameAt(Inside(gap)), TileColour(Picture(PlusTaskHidden())));

    // Afterwards nothing counts and nothing is framed.
    EXPECT_FALSE(e->Choose(6, 0));
    EXPECT_FALSE(e->Choose(right, 0));
    EXPECT_EQ(e->Tile(6).FrameStyle(), SelectionFrames::None);
    EXPECT_EQ(e->GetStat().Last().Errors, 2);
    EXPECT_EQ(e->GetStat().Last().Points, 1);
    EXPECT_EQ(Feedback(), "bbg");
}

TEST_P(Schemat3Test, TheMembersOfTheBarAndNumbersOutsideAreIgnored) {
    const auto e = PlusTask();
    ExpectOutsideNumbersIgnored(*e, {-1, 0, 1, 2, 3, 4, 15, 1000}, PlusTaskAnswer());
    EXPECT_FALSE(e->IsSolved());
}

TEST_P(Schemat3Test, HintFramesTheHiddenNumberAndCountsEveryCallUntilSolved) {
    const auto e = PlusTask();
    const int repaints = form_.Repaints;
    for (int i = 0; i < 3; ++i) {
        e->Hint();
    }
    EXPECT_EQ(e->GetStat().Last().Hints, 3);
    EXPECT_EQ(form_.Repaints, repaints + 3);
    for (int i = CSchemat3::kFirstAnswer; i < CSchemat3::TileTotal; ++i) {
        EXPECT_EQ(e->Tile(i).FrameStyle(),
                  i == PlusTaskAnswer() ? SelectionFrames::Blue : SelectionFrames::None)
            << i;
    }
    ASSERT_TRUE(e->Choose(PlusTaskAnswer(), 0));
    const int solvedRepaints = form_.Repaints;
    e->Hint();
    EXPECT_EQ(e->GetStat().Last().Hints, 3);
    EXPECT_EQ(form_.Repaints, solvedRepaints);
    EXPECT_EQ(e->Tile(PlusTaskAnswer()).FrameStyle(), SelectionFrames::Green);
}

TEST_P(Schemat3Test, RestartPutsTheAnswerBackInItsColumn) {
    const auto e = PlusTask();
    const auto homes = e->GetHomes();
    e->Choose(5, 0);
    ASSERT_TRUE(e->Choose(PlusTaskAnswer(), 0));
    media::ScopedRandomScript start({300, 300});
    e->Restart();
    ExpectRestartedAfterAWrongAndARightChoice(*e, homes, CSchemat3::kFirstAnswer);
    EXPECT_EQ(FrameAt(Inside(e->Tile(PlusTaskAnswer()).ObjectRect())),
              TileColour(Picture(PlusTaskHidden())));
    // The vehicle went to the new random start.
    EXPECT_EQ(Corner(host_->Vehicle().Rectangle()), (Point{300, 300}));
    EXPECT_TRUE(e->Choose(PlusTaskAnswer(), 0));
}

TEST_P(Schemat3Test, ASolvedTaskLeftAndShownAgainStillRestartsWithTheAnswerInItsColumn) {
    const auto e = PlusTask();
    const Point column = Corner(e->Tile(PlusTaskAnswer()).ObjectRect());
    ASSERT_TRUE(e->Choose(PlusTaskAnswer(), 0));
    e->Suspend();
    e->Resume();
    // The bar is drawn again with the answer in the gap.
    EXPECT_EQ(e->Tile(PlusTaskAnswer()).ObjectRect(), e->Tile(GetParam().hidden).ObjectRect());
    EXPECT_EQ(FrameAt(Inside(e->Tile(GetParam().hidden).ObjectRect())),
              TileColour(Picture(PlusTaskHidden())));
    e->Restart();
    EXPECT_EQ(Corner(e->Tile(PlusTaskAnswer()).ObjectRect()), column);
    EXPECT_NE(e->Tile(PlusTaskAnswer()).ObjectRect(), e->Tile(GetParam().hidden).ObjectRect());
}

TEST_P(Schemat3Test, ScanningEndsARoundOnTheLastAnswerStillToChoose) {
    // 9 + 0 = 9 (or 9 + ? = 9 with 0 hidden): the answer is the first or the last tile.
    const auto e = Shown({2, 9});
    std::vector<bool> lasts;
    std::vector<std::int32_t> positions;
    for (int step = 0; step < 12; ++step) {
        lasts.push_back(e->ScanNext());
        positions.push_back(e->GetScanPos());
    }
    // The order holds every tile; the members of the bar are passed over.
    EXPECT_EQ(e->GetScanOrder().size(), 16u);
    EXPECT_EQ(positions, (std::vector<std::int32_t>{0, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0}));
    EXPECT_EQ(lasts, (std::vector<bool>{false, false, false, false, false, false, false, false,
                                        false, false, true, false}));
    ExpectModelSelectPlaysInstruction(*e, GetParam().instruction);
    EXPECT_FALSE(e->ScanZoom());

    const int right = CSchemat3::kFirstAnswer + (GetParam().hidden == CSchemat3::kResult ? 9 : 0);
    while (e->GetScanOrder()[static_cast<size_t>(e->GetScanPos())] != right) {
        e->ScanNext();
    }
    EXPECT_EQ(e->Tile(right).FrameStyle(), SelectionFrames::Orange);
    EXPECT_EQ(e->ScanTargetRect(), e->Tile(right).ObjectRect());
    EXPECT_TRUE(e->ScanZoom());
    EXPECT_TRUE(e->ScanSelect());
    // The answered tile is skipped; with the 9 answered the 8 ends a round.
    for (int step = 0; step < 22; ++step) {
        const bool last = e->ScanNext();
        const std::int32_t at = e->GetScanOrder()[static_cast<size_t>(e->GetScanPos())];
        EXPECT_NE(at, right);
        EXPECT_EQ(last, at == (right == 14 ? 13 : 14));
    }
    EXPECT_TRUE(e->ScanStop());
    EXPECT_EQ(e->GetScanPos(), -1);
    EXPECT_FALSE(e->ScanSelect());
}

TEST_P(Schemat3Test, TheVehicleStartsInsideThePlayAreaAndClearOfEveryTile) {
    const auto e = PlusTask();
    const pieces::CLudek& v = host_->Vehicle();
    const Rect work = e->GetWorkRect();
    for (int n = 0; n < 60; ++n) {
        const Point p = e->VehicleStart();
        EXPECT_GT(p.X, work.Left);
        EXPECT_LT(p.X + v.Width(), work.Right);
        EXPECT_GT(p.Y, work.Top);
        EXPECT_LT(p.Y + v.Height(), work.Bottom);
        const Rect at = Rect::FromSize(p.X, p.Y, v.Width(), v.Height());
        for (const auto& tile : e->GetTiles()) {
            EXPECT_TRUE(Grow(tile->ObjectRect(), 1, 1).Intersect(at).IsEmpty());
        }
    }
    // A draw that would overlap a tile is drawn again.
    const Rect zero = e->Tile(CSchemat3::kFirstAnswer).ObjectRect();
    media::ScopedRandomScript script({zero.Left + 5, zero.Top + 5, 400, 300});
    EXPECT_EQ(e->VehicleStart(), (Point{400, 300}));
    EXPECT_EQ(script.Remaining(), 0u);
}

TEST_P(Schemat3Test, TheVehicleStopsAtTheBarAndTakesAnAnswer) {
    const auto e = PlusTask();
    pieces::CLudek& v = host_->Vehicle();
    const Rect answer = e->Tile(8).ObjectRect();
    v.MoveTo({answer.Right + 1, answer.Top + 10});
    EXPECT_EQ(e->HitTest(0, 0), game::Hit{});
    EXPECT_EQ(e->HitTest(-8, 0), (game::Hit{8, 1}));
    EXPECT_EQ(e->ObjectUnderVehicle(), std::optional<std::int32_t>{8});
    // The question mark is not tested: the hidden member under it stops the vehicle.
    const Rect gap = e->Tile(GetParam().hidden).ObjectRect();
    v.MoveTo({gap.Left + 5, gap.Top - v.Height() - 1});
    EXPECT_EQ(e->HitTest(0, 8), (game::Hit{GetParam().hidden, -1}));
    EXPECT_EQ(e->ObjectUnderVehicle(), std::nullopt);
}

TEST_P(Schemat3Test, ShowSwitchesEveryTileTheQuestionMarkAndTheBubble) {
    const auto e = PlusTask();
    ExpectShowSwitchesEveryPiece(*e);
}

TEST_P(Schemat3Test, AMissingPictureIsTheReinstallMessageAndLeavesNoControls) {
    RemoveFile("Lib/GFX/" + Picture(9) + media::SizeSuffix() + ".xbi");
    const size_t controls = form_.Controls().size();
    exercise_fixture::ExpectReinstallMessage([&] { Scripted({2, 3, 4}); });
    EXPECT_EQ(form_.Controls().size(), controls);
}

TEST_P(Schemat3Test, AMissingBarPieceIsTheReinstallMessage) {
    RemoveFile("Res/prawo" + media::SizeSuffix() + "_B.xbi");
    auto e = Make();
    exercise_fixture::ExpectReinstallMessage([&] { e->Begin(); });
}

namespace {
class Schemat3CurriculumTest : public BarTest {};
}  // namespace

TEST_F(Schemat3CurriculumTest, GivesFindingTheResultAtLevelFourDrawThree) {
    const game::SeriesParts parts = MakeSeriesParts();
    for (int selection = 1; selection <= 7; ++selection) {
        EXPECT_TRUE(parts.Available(game::LevelIV, 3, selection)) << selection;
    }
    const auto exercise = parts.CreateExercise(*host_, Settings(game::LevelIV), game::LevelIV, 3);
    ASSERT_NE(exercise, nullptr);
    const game::Exercise& made = *exercise;
    EXPECT_EQ(typeid(made), typeid(CSchemat3));
}
