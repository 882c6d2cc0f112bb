#include "exercises/cschemat5.h"

#include "exercises/background_rotation.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "catalog/resource_names.h"
#include "exercises/bar_fixture.h"
#include "exercises/search_fixture.h"
#include "exercises/series_setup.h"
#include "game/series_parts.h"
#include "media/random.h"
#include "pieces/selection_frames.h"

using namespace exercises;
using namespace search_fixture;

using pieces::SelectionFrames;
using platform::Point;
using platform::Rect;

namespace {

std::string DigitName(int digit) {
    return std::string(catalog::SymbolName(catalog::FirstDigitCode + digit));
}

class Schemat5Test : public BarTest {
  protected:
    explicit Schemat5Test(Point screen = {1280, 960}) : BarTest(screen) {}

    std::unique_ptr<CSchemat5> Make() {
        game::CWybor settings;
        settings.poziom = game::LevelIV;
        settings.gloski = game::SoundGroupL;
        return std::make_unique<CSchemat5>(*host_, settings);
    }
    // Built from a scripted draw of the task, which must use it all; the background's draw
    // comes first.
    std::unique_ptr<CSchemat5> Scripted(const std::vector<std::int32_t>& draw) {
        ResetBackgroundRotationForTesting();
        std::vector<std::int32_t> values{0};
        values.insert(values.end(), draw.begin(), draw.end());
        media::ScopedRandomScript script(values);
        auto e = Make();
        EXPECT_EQ(script.Remaining(), 0u);
        return e;
    }
    std::unique_ptr<CSchemat5> Shown(const std::vector<std::int32_t>& draw) {
        auto e = Scripted(draw);
        e->Begin();
        return e;
    }
    // A "<" task: 3 < 7; the right tile is 4.
    std::unique_ptr<CSchemat5> LessTask() { return Shown({1, 4, 4}); }
    // A ">" task: 5 > 2; the right tile is 5.
    std::unique_ptr<CSchemat5> GreaterTask() { return Shown({2, 5, 3}); }

    platform::Color FrameAt(Point p) const { return form_.FrameBitmap.GetPixel(p.X, p.Y); }
    static Point Corner(const Rect& r) { return {r.Left, r.Top}; }
    static Point Inside(const Rect& r) { return {r.Left + 5, r.Top + 5}; }
};

// A scripted draw and the task it gives.
struct DrawCase {
    const char* name;
    std::vector<std::int32_t> script;
    std::int32_t sign;
    int left;
    int right;
};

const DrawCase kDraws[] = {
    // Zeros are drawn again, for the relation and for the digits.
    {"less_after_redrawn_zeros", {0, 1, 0, 9, 1}, CSchemat5::kLess, 8, 9},
    {"less_from_zero", {1, 1, 9}, CSchemat5::kLess, 0, 9},
    {"greater_from_nine", {2, 9, 9}, CSchemat5::kGreater, 9, 8},
    {"greater_down_to_zero", {2, 1, 1}, CSchemat5::kGreater, 1, 0},
    {"equal_nines", {3, 0, 10}, CSchemat5::kEquals, 9, 9},
    {"equal_zeros", {7, 1}, CSchemat5::kEquals, 0, 0},
};

class Schemat5DrawTest : public Schemat5Test, public testing::WithParamInterface<DrawCase> {};

}  // namespace

TEST_P(Schemat5DrawTest, TheScriptGivesTheSignAndDigits) {
    const DrawCase& c = GetParam();
    const auto e = Scripted(c.script);
    EXPECT_EQ(e->Tile(CSchemat5::kSignTile).Number(), c.sign);
    EXPECT_EQ(e->Tile(CSchemat5::kLeftDigit).Number(), CSchemat5::kFirstDigit + c.left);
    EXPECT_EQ(e->Tile(CSchemat5::kLeftDigit).Name(), DigitName(c.left));
    EXPECT_EQ(e->Tile(CSchemat5::kRightDigit).Number(), CSchemat5::kFirstDigit + c.right);
    EXPECT_EQ(e->Tile(CSchemat5::kRightDigit).Name(), DigitName(c.right));
}

INSTANTIATE_TEST_SUITE_P(Draws, Schemat5DrawTest, testing::ValuesIn(kDraws),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Schemat5Test, EveryDrawKeepsToItsRelation) {
    std::set<std::int32_t> signs;
    for (std::uint32_t seed = 1; seed <= 150; ++seed) {
        SCOPED_TRACE(seed);
        media::SeedRandom(seed);
        const auto e = Make();
        const std::int32_t sign = e->Tile(CSchemat5::kSignTile).Number();
        const int left = e->Tile(CSchemat5::kLeftDigit).Number() - CSchemat5::kFirstDigit;
        const int right = e->Tile(CSchemat5::kRightDigit).Number() - CSchemat5::kFirstDigit;
        signs.insert(sign);
        EXPECT_GE(left, 0);
        EXPECT_LE(left, 9);
        EXPECT_GE(right, 0);
        EXPECT_LE(right, 9);
        switch (sign) {
            case CSchemat5::kLess:
                EXPECT_LT(left, right);
                break;
            case CSchemat5::kGreater:
                EXPECT_GT(left, right);
                break;
            case CSchemat5::kEquals:
                EXPECT_EQ(left, right);
                break;
            default:
                ADD_FAILURE() << "sign " << sign;
        }
    }
    EXPECT_EQ(signs.size(), 3u);
}

TEST_F(Schemat5Test, OnlyTheThreeSignsOfTheRowCanBeChosen) {
    const auto e = LessTask();
    EXPECT_EQ(e->GetInstructionName(), "S5");
    const std::int32_t codes[] = {CSchemat5::kEquals, CSchemat5::kLess, CSchemat5::kGreater};
    const char* names[] = {"rowny", "mniejszy", "wiekszy"};
    for (int i = 0; i < CSchemat5::TileTotal; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(e->Tile(i).Selectable(), i >= CSchemat5::kFirstAnswer);
        EXPECT_TRUE(e->Tile(i).Visible());
        if (i >= CSchemat5::kFirstAnswer) {
            EXPECT_EQ(e->Tile(i).Number(), codes[i - 3]);
            EXPECT_EQ(e->Tile(i).Name(), names[i - 3]);
        }
    }
    EXPECT_EQ(e->Tile(CSchemat5::kSignTile).Name(), "mniejszy");
    const pieces::CLitCyf& question = e->GetQuestionTile();
    EXPECT_EQ(question.Name(), "niewiadoma");
    EXPECT_EQ(question.Number(), CSchemat5::kQuestion);
    EXPECT_FALSE(question.Selectable());
    EXPECT_EQ(question.FrameStyle(), SelectionFrames::Yellow);
    // The question mark covers the hidden sign.
    EXPECT_EQ(question.ObjectRect(), e->Tile(CSchemat5::kSignTile).ObjectRect());
    EXPECT_EQ(FrameAt(Inside(question.ObjectRect())), TileColour("niewiadoma"));
    std::vector<std::int32_t> choosable;
    for (const game::Choosable& c : e->ChoosableElements()) {
        choosable.push_back(c.Element);
    }
    EXPECT_EQ(choosable, (std::vector<std::int32_t>{3, 4, 5}));
}

// Where things stand in a layout, screen pixels.
struct LayoutCase {
    const char* name;
    Point screen;
    Point row[3];
    // Before the first showing, the sign tile and the digits wait above the bottom edge.
    Point provisional[3];
    // In the bar: left digit, sign and question mark, right digit.
    Point bar[3];
    // The bar's pieces: its left edge and right edge on the bottom line.
    int barLeft;
    int barRight;
    Point vehicle;
};

const LayoutCase kLayouts[] = {
    {"large",
     {1280, 960},
     {{420, 189}, {570, 189}, {720, 189}},
     {{570, 870}, {485, 870}, {655, 870}},
     {{400, 875}, {600, 875}, {800, 875}},
     365,
     365 + 2 * kShelfEndW + 3 * kShelfMiddleW,
     {565, 529}},
    // The small layout in the middle of a larger screen: its corner is (88, 66).
    {"small",
     {1200, 900},
     {{424, 217}, {544, 217}, {664, 217}},
     {{544, 746}, {464, 746}, {624, 746}},
     {{414, 746}, {614, 746}, {814, 746}},
     380,
     380 + 2 * kShelfEndW + 3 * kShelfMiddleW,
     {540, 481}},
};

namespace {
class Schemat5LayoutTest : public Schemat5Test, public testing::WithParamInterface<LayoutCase> {
  protected:
    Schemat5LayoutTest() : Schemat5Test(GetParam().screen) {}
};
}  // namespace

TEST_P(Schemat5LayoutTest, TheRowTheBarAndTheVehicleStart) {
    const LayoutCase& c = GetParam();
    const auto e = Scripted({1, 4, 4});
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Corner(e->Tile(CSchemat5::kFirstAnswer + i).ObjectRect()), c.row[i]) << i;
        EXPECT_EQ(Corner(e->Tile(i).ObjectRect()), c.provisional[i]) << i;
    }
    EXPECT_EQ(e->VehicleStart(), c.vehicle);
    e->Begin();
    EXPECT_EQ(Corner(e->Tile(CSchemat5::kLeftDigit).ObjectRect()), c.bar[0]);
    EXPECT_EQ(Corner(e->Tile(CSchemat5::kSignTile).ObjectRect()), c.bar[1]);
    EXPECT_EQ(Corner(e->GetQuestionTile().ObjectRect()), c.bar[1]);
    EXPECT_EQ(Corner(e->Tile(CSchemat5::kRightDigit).ObjectRect()), c.bar[2]);
    // The homes follow the bar; the vehicle still starts where it did.
    const auto& homes = e->GetHomes();
    EXPECT_EQ(homes[CSchemat5::kLeftDigit], c.bar[0]);
    EXPECT_EQ(homes[CSchemat5::kSignTile], c.bar[1]);
    EXPECT_EQ(homes[CSchemat5::kRightDigit], c.bar[2]);
    EXPECT_EQ(homes[CSchemat5::TileTotal], c.bar[1]);
    EXPECT_EQ(homes[CSchemat5::kFirstAnswer + 2], c.row[2]);
    EXPECT_EQ(e->VehicleStart(), c.vehicle);
    const int bottom = c.screen.Y - (c.screen.Y - (c.screen.X == 1280 ? 960 : 768)) / 2 - 1;
    EXPECT_EQ(form_.SceneBitmap.GetPixel(c.barLeft, bottom), kShelfColour);
    EXPECT_NE(form_.SceneBitmap.GetPixel(c.barLeft - 1, bottom), kShelfColour);
    EXPECT_EQ(form_.SceneBitmap.GetPixel(c.barRight - 1, bottom), kShelfColour);
    EXPECT_NE(form_.SceneBitmap.GetPixel(c.barRight, bottom), kShelfColour);
    EXPECT_EQ(FrameAt(Inside(e->Tile(CSchemat5::kLeftDigit).ObjectRect())),
              TileColour(DigitName(3)));
    EXPECT_EQ(FrameAt(Inside(e->Tile(CSchemat5::kRightDigit).ObjectRect())),
              TileColour(DigitName(7)));
}

INSTANTIATE_TEST_SUITE_P(Layouts, Schemat5LayoutTest, testing::ValuesIn(kLayouts),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Schemat5Test, WrongSignsCountErrorsAndTheRightOneGoesIntoTheGap) {
    const auto e = LessTask();
    const Rect gap = e->Tile(CSchemat5::kSignTile).ObjectRect();
    const Rect home = e->Tile(4).ObjectRect();
    platform::Sound::StartRecording();
    EXPECT_FALSE(e->Choose(3, 0));
    EXPECT_FALSE(e->Choose(5, 0));
    EXPECT_EQ(e->GetStat().Last().Errors, 2);
    for (const int wrong : {3, 5}) {
        EXPECT_EQ(e->Tile(wrong).FrameStyle(), SelectionFrames::Red);
        EXPECT_TRUE(e->Tile(wrong).Selectable());
    }
    EXPECT_FALSE(e->IsSolved());
    const int scores = host_->scoreDraws;

    EXPECT_TRUE(e->Choose(4, 0));
    EXPECT_TRUE(e->IsSolved());
    EXPECT_EQ(e->GetStat().Last().Points, 1);
    EXPECT_EQ(e->GetStat().Last().Errors, 2);
    EXPECT_EQ(Feedback(), "bbg");
    EXPECT_EQ(e->Tile(4).ObjectRect(), gap);
    EXPECT_EQ(e->Tile(4).FrameStyle(), SelectionFrames::Green);
    EXPECT_FALSE(e->Tile(4).Selectable());
    EXPECT_FALSE(e->GetQuestionTile().Visible());
    EXPECT_FALSE(e->GetQuestionTile().Enabled());
    EXPECT_EQ(host_->scoreDraws, scores + 1);
    EXPECT_EQ(host_->Vehicle().Direction(), pieces::CLudek::kFacingDown);
    for (const platform::Bitmap* b : {&form_.FrameBitmap, &form_.SceneBitmap}) {
        EXPECT_EQ(b->GetPixel(gap.Left + 5, gap.Top + 5), TileColour("mniejszy"));
        EXPECT_EQ(b->GetPixel(home.Left + 5, home.Top + 5),
                  form_.BackgroundBitmap.GetPixel(home.Left + 5, home.Top + 5));
    }
    // Painting again keeps the sign in the gap, not the question mark.
    e->Paint();
    EXPECT_EQ(FrameAt(Inside(gap)), TileColour("mniejszy"));

    // Afterwards another sign counts nothing and is not framed; the answered one is ignored.
    EXPECT_FALSE(e->Choose(3, 0));
    EXPECT_FALSE(e->Choose(4, 0));
    EXPECT_EQ(e->GetStat().Last().Errors, 2);
    EXPECT_EQ(e->GetStat().Last().Points, 1);
    EXPECT_EQ(Feedback(), "bbg");
}

TEST_F(Schemat5Test, NumbersOutsideTheRowAreIgnored) {
    const auto e = LessTask();
    // The digits and the hidden sign cannot be chosen, even the hidden one that is right.
    ExpectOutsideNumbersIgnored(*e, {-1, 0, 1, 2, 6, 1000}, 4);
    EXPECT_FALSE(e->IsSolved());
}

TEST_F(Schemat5Test, HintFramesTheRightSignAndCountsEveryCallUntilSolved) {
    const auto e = GreaterTask();
    const int repaints = form_.Repaints;
    for (int i = 0; i < 3; ++i) {
        e->Hint();
    }
    EXPECT_EQ(e->GetStat().Last().Hints, 3);
    EXPECT_EQ(form_.Repaints, repaints + 3);
    EXPECT_EQ(e->Tile(5).FrameStyle(), SelectionFrames::Blue);
    EXPECT_EQ(e->Tile(3).FrameStyle(), SelectionFrames::None);
    EXPECT_EQ(e->Tile(4).FrameStyle(), SelectionFrames::None);
    ASSERT_TRUE(e->Choose(5, 0));
    const int solvedRepaints = form_.Repaints;
    e->Hint();
    EXPECT_EQ(e->GetStat().Last().Hints, 3);
    EXPECT_EQ(form_.Repaints, solvedRepaints);
    EXPECT_EQ(e->Tile(5).FrameStyle(), SelectionFrames::Green);
}

TEST_F(Schemat5Test, RestartPutsTheAnswerBackAndTheQuestionMarkInTheGap) {
    const auto e = LessTask();
    const auto homes = e->GetHomes();
    e->Choose(5, 0);
    ASSERT_TRUE(e->Choose(4, 0));
    e->Restart();
    ExpectRestartedAfterAWrongAndARightChoice(*e, homes, CSchemat5::kFirstAnswer);
    EXPECT_EQ(FrameAt(Inside(e->Tile(4).ObjectRect())), TileColour("mniejszy"));
    EXPECT_EQ(Corner(host_->Vehicle().Rectangle()), e->VehicleStart());
    // The same task is solved again by the same sign.
    EXPECT_FALSE(e->Choose(3, 0));
    EXPECT_TRUE(e->Choose(4, 0));
}

TEST_F(Schemat5Test, ScanningCyclesTheBubbleAndTheThreeSigns) {
    const auto e = LessTask();
    std::vector<bool> lasts;
    for (int step = 0; step < 5; ++step) {
        lasts.push_back(e->ScanNext());
        EXPECT_EQ(e->GetScanPos(), step % 4);
    }
    EXPECT_EQ(lasts, (std::vector<bool>{false, false, false, true, false}));
    EXPECT_EQ(e->GetScanOrder().size(), 4u);
    EXPECT_EQ(e->Tile(5).FrameStyle(), SelectionFrames::None);
    ExpectModelSelectPlaysInstruction(*e, "S5");
    EXPECT_FALSE(e->ScanZoom());

    // On "=": framed orange, driven to, zoomed, and chosen wrongly.
    EXPECT_FALSE(e->ScanNext());
    EXPECT_EQ(e->Tile(3).FrameStyle(), SelectionFrames::Orange);
    EXPECT_EQ(e->ScanTargetRect(), e->Tile(3).ObjectRect());
    EXPECT_TRUE(e->ScanZoom());
    EXPECT_FALSE(e->ScanSelect());
    EXPECT_EQ(e->GetStat().Last().Errors, 1);
    // On "<": chosen rightly; from then on it is skipped.
    e->ScanNext();
    EXPECT_EQ(e->GetScanPos(), 2);
    EXPECT_TRUE(e->ScanSelect());
    std::set<std::int32_t> visited;
    for (int step = 0; step < 8; ++step) {
        const bool last = e->ScanNext();
        EXPECT_EQ(last, e->GetScanPos() == 3);
        visited.insert(e->GetScanPos());
    }
    EXPECT_EQ(visited, (std::set<std::int32_t>{0, 1, 3}));
    EXPECT_TRUE(e->ScanStop());
    EXPECT_EQ(e->GetScanPos(), -1);
    EXPECT_FALSE(e->ScanStop());
    EXPECT_FALSE(e->ScanSelect());
    EXPECT_FALSE(e->ScanTargetRect().has_value());
}

TEST_F(Schemat5Test, OnceGreaterIsAnsweredNoScanningStepEndsARound) {
    const auto e = GreaterTask();
    for (int step = 0; step < 4; ++step) {
        e->ScanNext();
    }
    ASSERT_EQ(e->GetScanPos(), 3);
    EXPECT_TRUE(e->ScanSelect());
    for (int step = 0; step < 9; ++step) {
        EXPECT_FALSE(e->ScanNext());
        EXPECT_NE(e->GetScanPos(), 3);
    }
}

TEST_F(Schemat5Test, TheVehicleStopsAtFixedTilesAndASignTouchedWithThemWins) {
    const auto e = LessTask();
    pieces::CLudek& v = host_->Vehicle();
    const Rect sign = e->Tile(3).ObjectRect();
    v.MoveTo({sign.Left - v.Width() - 1, sign.Top + 10});
    EXPECT_EQ(e->HitTest(0, 0), game::Hit{});
    EXPECT_EQ(e->ObjectUnderVehicle(), std::optional<std::int32_t>{3});
    EXPECT_EQ(e->HitTest(8, 0), (game::Hit{3, 1}));
    // The question mark is not tested: at the gap the hidden sign stops the vehicle.
    const Rect gap = e->Tile(CSchemat5::kSignTile).ObjectRect();
    v.MoveTo({gap.Left + 5, gap.Top - v.Height() - 1});
    EXPECT_EQ(e->HitTest(0, 8), (game::Hit{0, -1}));
    EXPECT_EQ(e->ObjectUnderVehicle(), std::nullopt);
    // Right of the right digit, a sign moved there is reported though the digit comes first.
    const Rect digit = e->Tile(CSchemat5::kRightDigit).ObjectRect();
    v.MoveTo({digit.Right - 5, digit.Top + 10});
    EXPECT_EQ(e->HitTest(0, 0), (game::Hit{2, -1}));
    e->GetTiles()[5]->MoveTo({digit.Right + 2, digit.Top});
    EXPECT_EQ(e->HitTest(0, 0), (game::Hit{5, 1}));
    // Once answered it only stops the vehicle: the last fixed tile touched is reported.
    ASSERT_TRUE(e->Choose(4, 0));
    v.MoveTo({gap.Left + 5, gap.Top - v.Height() - 1});
    EXPECT_EQ(e->HitTest(0, 8), (game::Hit{4, -1}));
}

TEST_F(Schemat5Test, ShowSwitchesEveryTileTheQuestionMarkAndTheBubble) {
    const auto e = LessTask();
    ExpectShowSwitchesEveryPiece(*e);
}

TEST_F(Schemat5Test, AMissingSignPictureIsTheReinstallMessageAndLeavesNoControls) {
    RemoveFile("Lib/GFX/wiekszy" + media::SizeSuffix() + ".xbi");
    const size_t controls = form_.Controls().size();
    exercise_fixture::ExpectReinstallMessage([&] { Scripted({1, 4, 4}); });
    EXPECT_EQ(form_.Controls().size(), controls);
}

TEST_F(Schemat5Test, AMissingBarPieceIsTheReinstallMessage) {
    RemoveFile("Res/srodek" + media::SizeSuffix() + "_W.xbi");
    auto e = Make();
    exercise_fixture::ExpectReinstallMessage([&] { e->Begin(); });
}

TEST_F(Schemat5Test, TheCurriculumGivesItAtLevelFourDrawFive) {
    const game::SeriesParts parts = MakeSeriesParts();
    for (int selection = 1; selection <= 7; ++selection) {
        EXPECT_TRUE(parts.Available(game::LevelIV, 5, selection)) << selection;
    }
    game::CWybor settings;
    settings.poziom = game::LevelIV;
    settings.gloski = game::SoundGroupR;
    const auto exercise = parts.CreateExercise(*host_, settings, game::LevelIV, 5);
    EXPECT_NE(dynamic_cast<const CSchemat5*>(exercise.get()), nullptr);
}
