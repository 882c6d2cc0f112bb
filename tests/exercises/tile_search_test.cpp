// What the letter and digit searches share, played over a table of the types.
#include "exercises/tile_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "catalog/resource_names.h"
#include "exercises/cschemat12.h"
#include "exercises/cschemat15.h"
#include "exercises/cschemat3_4a.h"
#include "exercises/exercise_fixture.h"
#include "exercises/placement.h"
#include "exercises/search_fixture.h"
#include "exercises/series_setup.h"
#include "game/series_parts.h"
#include "media/random.h"
#include "pieces/selection_frames.h"

using namespace exercises;
using namespace exercise_fixture;
using namespace search_fixture;

using pieces::SelectionFrames;
using platform::Point;
using platform::Rect;

namespace {

struct TileSearchCase {
    const char* name;
    std::function<std::unique_ptr<TileSearch>(game::ExerciseHost&, const game::CWybor&)> make;
    const char* instruction;
    // A selection the type is built for whose target takes no random draw, and that target.
    int fixedSelection;
    int fixedTarget;
    // The tiles' distance to the play area's right and bottom edges.
    int margin;
    // The name of the model's picture for a target code.
    std::function<std::string(int)> modelName;
    // What the vehicle reports touching tile 5, not selectable, and tile 6 at once: with tile
    // 6 selectable, and with tile 6 not selectable either.
    game::Hit besideACopy;
    game::Hit besideNoCopy;
    // Whether a wrong tile counts an error.
    bool countsErrors;
    // Its draw number at level I, and the sound-group selections (0 ... 7) it is built for.
    int draw;
    std::set<int> builtFor;
};

void PrintTo(const TileSearchCase& c, std::ostream* os) {
    *os << c.name;
}

const TileSearchCase kTypes[] = {
    {"Letters",
     [](game::ExerciseHost& h, const game::CWybor& s) {
         return std::make_unique<CSchemat15>(h, s);
     },
     "S15",
     game::SoundGroupR,
     2,
     100,
     [](int code) { return std::string(catalog::SymbolName(code)) + "_red"; },
     // The first tile touched.
     {5, -1},
     {5, -1},
     true,
     2,
     {0, 1, 2, 3, 4, 5, 6, 7}},
    {"Digits",
     [](game::ExerciseHost& h, const game::CWybor& s) {
         return std::make_unique<CSchemat3_4a>(h, s);
     },
     "S3_4a",
     game::SoundGroupJ,
     51,
     110,
     [](int code) { return std::string(catalog::SymbolName(code)); },
     // One still to be chosen first, else the last one that stops the vehicle.
     {6, 1},
     {6, -1},
     true,
     6,
     {2, 3, 4, 5, 6, 7}},
    {"Numbers",
     [](game::ExerciseHost& h, const game::CWybor& s) {
         return std::make_unique<CSchemat12>(h, s);
     },
     "S12",
     game::SoundGroupJ,
     41,
     110,
     [](int code) { return std::string(catalog::SymbolName(code)); },
     // As the digits.
     {6, 1},
     {6, -1},
     false,
     1,
     {2, 4, 6, 7}},
};

class TileSearchTest : public SearchTest, public testing::WithParamInterface<TileSearchCase> {
  protected:
    explicit TileSearchTest(Point screen = {1280, 960}) : SearchTest(screen) {
        // Frames ten pixels around a tile.
        WriteFrames(kTileW + 20, kTileH + 20);
        for (const char* name : {"l", "r", "j", "jeden", "zero", "cztery"}) {
            WriteSound(std::string("Res/Snd/LC/") + name + ".snd", 10);
        }
    }

    std::unique_ptr<TileSearch> Make(int soundGroups = 7) {
        game::CWybor settings;
        settings.poziom = game::LevelI;
        settings.gloski = static_cast<std::int16_t>(soundGroups);
        return GetParam().make(*host_, settings);
    }
    // Built, shown and with its model faded in.
    std::unique_ptr<TileSearch> Shown(std::uint32_t seed = 1) {
        media::SeedRandom(seed);
        auto e = Make();
        e->Begin();
        e->EndAnimation();
        return e;
    }
    static std::vector<std::int32_t> Copies() { return {5, 6, 7, 8}; }
    Point Home(const TileSearch& e, int i) const { return e.GetHomes()[static_cast<size_t>(i)]; }
};

// The small layout in the middle of a larger screen.
class TileSearchSmallLayoutTest : public TileSearchTest {
  protected:
    TileSearchSmallLayoutTest() : TileSearchTest({1200, 900}) {}
};

}  // namespace

TEST_P(TileSearchTest, BuildsAHiddenModelFourOtherTilesAndFourCopiesInTheirQuarters) {
    const TileSearchCase& c = GetParam();
    const pieces::CLudek& v = host_->Vehicle();
    for (std::uint32_t seed = 1; seed < 40; seed += 3) {
        SCOPED_TRACE(seed);
        media::SeedRandom(seed);
        auto e = Make();
        EXPECT_EQ(e->GetInstructionName(), c.instruction);
        ASSERT_EQ(e->GetTiles().size(), 9u);
        const pieces::CLitCyf& model = e->Tile(0);
        const int target = model.Number();
        EXPECT_EQ(model.Name(), c.modelName(target));
        EXPECT_FALSE(model.Visible());
        EXPECT_FALSE(model.Selectable());
        const Rect bubble = e->GetInstructionPicture()->PictureRectOnScreen();
        EXPECT_EQ(model.ObjectRect().Left, bubble.Left + 16);
        EXPECT_EQ(model.ObjectRect().Top, bubble.Top + 16);
        const Rect work = e->GetWorkRect();
        for (int i = 1; i < 9; ++i) {
            SCOPED_TRACE(i);
            const pieces::CLitCyf& t = e->Tile(i);
            EXPECT_TRUE(t.Selectable());
            EXPECT_EQ(t.Number() == target, i >= 5);
            EXPECT_EQ(e->Matches(i), i >= 5);
            EXPECT_EQ(t.Name(), catalog::SymbolName(t.Number()));
            const Rect r = t.ObjectRect();
            // Tile i lies in quarter (i mod 4) + 1.
            ExpectPlacedInQuarter(r, work, c.margin, i % 4 + 1);
            // The vehicle always finds room between two tiles, the model's included.
            for (int j = 0; j < i; ++j) {
                EXPECT_TRUE(
                    Grow(e->Tile(j).ObjectRect(), v.Width(), v.Height()).Intersect(r).IsEmpty())
                    << j;
            }
            EXPECT_EQ(Home(*e, i), (Point{r.Left, r.Top}));
        }
    }
}

TEST_P(TileSearchTest, WrongTilesCountErrorsAndTheFourthCopySolvesTheTask) {
    auto e = Shown();
    const Point slot = e->GetSlot();
    EXPECT_EQ(slot, (Point{375 + kShelfEndW + 5, 960 - kShelfH + 15}));
    platform::Sound::StartRecording();

    // A wrong tile: a remark, an error where the type counts them, and the red frame, every
    // time; it stays to be chosen.
    const int errorStep = GetParam().countsErrors ? 1 : 0;
    for (int n = 1; n <= 2; ++n) {
        EXPECT_FALSE(e->Choose(2, 0));
        EXPECT_EQ(e->GetStat().Last().Errors, n * errorStep);
    }
    EXPECT_EQ(e->Tile(2).FrameStyle(), SelectionFrames::Red);
    EXPECT_TRUE(e->Tile(2).Selectable());
    EXPECT_EQ(e->Tile(2).ObjectRect().Left, Home(*e, 2).X);
    EXPECT_EQ(Feedback(), "bb");

    // A copy: praise, a point, and it travels onto the shelf without its frame.
    const Rect before = e->Tile(6).ObjectRect();
    EXPECT_FALSE(e->Choose(6, 0));
    EXPECT_EQ(e->GetStat().Last().Points, 1);
    EXPECT_EQ(Feedback(), "bbg");
    const Rect onShelf = e->Tile(6).ObjectRect();
    EXPECT_EQ(onShelf, Rect::FromSize(slot.X, slot.Y, kTileW, kTileH));
    EXPECT_FALSE(e->Tile(6).Selectable());
    EXPECT_EQ(e->Tile(6).FrameStyle(), SelectionFrames::None);
    EXPECT_EQ(e->GetFound(), 1);
    EXPECT_EQ(e->GetSlot(), (Point{slot.X + kTileW + 25, slot.Y}));
    const platform::Color copy = TileColour(e->Tile(6).Name());
    for (const platform::Bitmap* b : {&form_.FrameBitmap, &form_.SceneBitmap}) {
        EXPECT_EQ(b->GetPixel(onShelf.Left + 5, onShelf.Top + 5), copy);
        // Its old place, frame ring included, shows the bare background again.
        for (const Point p :
             {Point{before.Left + 5, before.Top + 5}, Point{before.Left - 9, before.Top + 40},
              Point{before.Right + 8, before.Top + 40}}) {
            EXPECT_EQ(b->GetPixel(p.X, p.Y), form_.BackgroundBitmap.GetPixel(p.X, p.Y));
        }
    }

    // Two more copies leave the task unsolved and the score as it was.
    const int scores = host_->scoreDraws;
    EXPECT_FALSE(e->Choose(5, 0));
    EXPECT_FALSE(e->Choose(8, 0));
    EXPECT_FALSE(e->IsSolved());
    EXPECT_EQ(host_->scoreDraws, scores);
    // The fourth solves it, raises the score and the vehicle celebrates.
    EXPECT_TRUE(e->Choose(7, 0));
    EXPECT_TRUE(e->IsSolved());
    EXPECT_EQ(e->GetStat().Last().Points, 4);
    EXPECT_EQ(host_->scoreDraws, scores + 1);
    EXPECT_EQ(host_->Vehicle().Direction(), pieces::CLudek::kFacingDown);
    // Found copies sit side by side, 25 pixels apart.
    for (const int i : {6, 5, 8, 7}) {
        EXPECT_EQ(e->Tile(i).ObjectRect().Top, slot.Y);
    }
    EXPECT_EQ(e->Tile(7).ObjectRect().Left, slot.X + 3 * (kTileW + 25));

    // Afterwards a wrong tile counts nothing.
    EXPECT_FALSE(e->Choose(1, 0));
    EXPECT_EQ(e->GetStat().Last().Errors, 2 * errorStep);
    EXPECT_EQ(Feedback(), "bbgggg");
}

TEST_P(TileSearchTest, TheShelfHasFourMiddlePieces) {
    auto e = Shown();
    const int right = 375 + 2 * kShelfEndW + 4 * kShelfMiddleW;
    for (const platform::Bitmap* b : {&form_.FrameBitmap, &form_.SceneBitmap}) {
        EXPECT_EQ(b->GetPixel(375, 959), kShelfColour);
        EXPECT_NE(b->GetPixel(374, 959), kShelfColour);
        EXPECT_EQ(b->GetPixel(right - 1, 959), kShelfColour);
        EXPECT_NE(b->GetPixel(right, 959), kShelfColour);
    }
}

TEST_P(TileSearchTest, HintFramesTheFirstCopyStillToFindAndCountsEveryCall) {
    auto e = Shown();
    const int repaints = form_.Repaints;
    e->Hint();
    e->Hint();
    EXPECT_EQ(e->Tile(5).FrameStyle(), SelectionFrames::Blue);
    EXPECT_EQ(e->GetStat().Last().Hints, 2);
    EXPECT_EQ(form_.Repaints, repaints + 2);
    e->Choose(5, 0);
    e->Choose(7, 0);
    e->Hint();
    EXPECT_EQ(e->Tile(6).FrameStyle(), SelectionFrames::Blue);
    EXPECT_EQ(e->Tile(8).FrameStyle(), SelectionFrames::None);
    const std::vector<std::int32_t> rest{6, 8};
    EXPECT_EQ(SolveByChoosing(*e, rest), 2);
    e->Hint();
    EXPECT_EQ(e->GetStat().Last().Hints, 3);
}

TEST_P(TileSearchTest, RestartBringsTheCopiesBackAndTheShelfStartsAgain) {
    auto e = Shown();
    const Point slot = e->GetSlot();
    e->Choose(1, 0);
    EXPECT_EQ(SolveByChoosing(*e, Copies()), 4);
    e->Restart();
    EXPECT_EQ(host_->autoNextStops, 1);
    ExpectFreshAttempt(*e, slot);
    EXPECT_EQ(e->GetStat().Attempts[0].Errors, GetParam().countsErrors ? 1 : 0);
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(i);
        const pieces::CLitCyf& t = e->Tile(i);
        // The model stays out of reach.
        EXPECT_EQ(t.Selectable(), i > 0);
        EXPECT_EQ(t.FrameStyle(), SelectionFrames::None);
        EXPECT_EQ((Point{t.ObjectRect().Left, t.ObjectRect().Top}), Home(*e, i));
        EXPECT_EQ(form_.FrameBitmap.GetPixel(Home(*e, i).X + 3, Home(*e, i).Y + 3),
                  TileColour(t.Name()));
    }
    // The next copy found goes to the first place on the shelf again.
    e->Choose(8, 0);
    EXPECT_EQ(e->Tile(8).ObjectRect().Left, slot.X);
    const std::vector<std::int32_t> rest{5, 6, 7};
    EXPECT_EQ(SolveByChoosing(*e, rest), 3);
}

TEST_P(TileSearchTest, ScanningStartsAtTheModelAndGoesOverTheTilesByLeftEdge) {
    auto e = Shown();
    std::vector<bool> lasts;
    for (int step = 0; step < 9; ++step) {
        lasts.push_back(e->ScanNext());
        EXPECT_EQ(e->GetScanPos(), step);
    }
    const std::vector<std::int32_t> order = e->GetScanOrder();
    ASSERT_EQ(order.size(), 9u);
    EXPECT_EQ(order[0], 0);
    EXPECT_EQ(std::set<std::int32_t>(order.begin(), order.end()).size(), 9u);
    for (size_t p = 2; p < order.size(); ++p) {
        EXPECT_LE(e->Tile(order[p - 1]).ObjectRect().Left, e->Tile(order[p]).ObjectRect().Left);
    }
    EXPECT_EQ(lasts,
              (std::vector<bool>{false, false, false, false, false, false, false, false, true}));
    EXPECT_EQ(e->Tile(order[8]).FrameStyle(), SelectionFrames::Orange);
    EXPECT_EQ(e->ScanTargetRect(), e->Tile(order[8]).ObjectRect());

    // Back at the model: it is framed, has no target, and selecting it plays the instruction.
    EXPECT_FALSE(e->ScanNext());
    EXPECT_EQ(e->GetScanPos(), 0);
    EXPECT_EQ(e->Tile(order[8]).FrameStyle(), SelectionFrames::None);
    EXPECT_EQ(e->Tile(0).FrameStyle(), SelectionFrames::Orange);
    ExpectModelSelectPlaysInstruction(*e, GetParam().instruction);
    EXPECT_EQ(e->GetStat().Last(), CStatWart{});
    // Zooming the model speaks it.
    platform::Sound::StartRecording();
    EXPECT_TRUE(e->ScanZoom());
    ASSERT_FALSE(platform::Sound::Recorded().empty());
    EXPECT_EQ(platform::Sound::Recorded()[0].Path,
              NativeFile("Res/Snd/LC/" + catalog::LetterSoundName(e->Tile(0).Name()) + ".snd"));
    EXPECT_TRUE(e->ScanStop());
    EXPECT_EQ(e->Tile(0).FrameStyle(), SelectionFrames::None);
    EXPECT_EQ(e->GetScanPos(), -1);
    EXPECT_FALSE(e->ScanStop());
    EXPECT_FALSE(e->ScanZoom());
    EXPECT_FALSE(e->ScanSelect());
}

TEST_P(TileSearchTest, ACopyChosenByScanningLeavesTheOrderAndTheLastEntryLeftEndsARound) {
    auto e = Shown();
    e->ScanNext();
    const std::vector<std::int32_t> order = e->GetScanOrder();
    // The copy last in the order is selected: it goes to the shelf and is skipped from now on.
    std::int32_t shelved = 8;
    while (!e->Matches(order[static_cast<size_t>(shelved)])) {
        --shelved;
    }
    while (e->GetScanPos() != shelved) {
        e->ScanNext();
    }
    const std::int32_t tile = order[static_cast<size_t>(shelved)];
    const Rect home = e->Tile(tile).ObjectRect();
    EXPECT_EQ(e->ScanTargetRect(), home);
    EXPECT_FALSE(e->ScanSelect());
    EXPECT_EQ(e->GetFound(), 1);
    EXPECT_FALSE(e->Tile(tile).Selectable());
    ExpectShelvedEntrySkipped(*e, shelved);
}

TEST_P(TileSearchTest, TheVehicleStartsInsideThePlayAreaClearOfEveryTile) {
    media::SeedRandom(4);
    auto e = Make();
    ExpectVehicleStartsClear(*e, host_->Vehicle(), TileSearch::TileTotal);
}

TEST_P(TileSearchTest, TheModelOnlyStopsTheVehicleAndTheNearestCopyIsFound) {
    auto e = Shown();
    pieces::CLudek& v = host_->Vehicle();
    const Rect model = e->Tile(0).ObjectRect();
    v.MoveTo({model.Left - v.Width() - 1, model.Top + 10});
    EXPECT_EQ(e->HitTest(0, 0), game::Hit{});
    EXPECT_EQ(e->HitTest(8, 0), (game::Hit{0, -1}));
    EXPECT_EQ(e->ObjectUnderVehicle(), std::nullopt);
    const Rect copy = e->Tile(6).ObjectRect();
    v.MoveTo({copy.Left - v.Width() - 1, copy.Top + 10});
    const Rect still = v.Rectangle();
    EXPECT_EQ(e->HitTest(8, 0), (game::Hit{6, 1}));
    EXPECT_EQ(v.Rectangle(), still);
    EXPECT_EQ(e->ObjectUnderVehicle(), std::optional<std::int32_t>{6});
    // On the shelf it stops the vehicle and is no longer found.
    e->Choose(6, 0);
    const Rect shelved = e->Tile(6).ObjectRect();
    v.MoveTo({shelved.Left - v.Width() - 1, shelved.Top + 10});
    EXPECT_EQ(e->HitTest(8, 0), (game::Hit{6, -1}));
    EXPECT_EQ(e->ObjectUnderVehicle(), std::nullopt);
}

TEST_P(TileSearchTest, TouchingTwoTilesAtOnce) {
    auto e = Shown();
    // Copy 5 goes to the shelf; copy 6 is put just right of it.
    e->Choose(5, 0);
    const Rect shelved = e->Tile(5).ObjectRect();
    e->GetTiles()[6]->MoveTo({shelved.Right + 2, shelved.Top});
    // The vehicle's map reaches over the gap between them.
    pieces::CLudek& v = host_->Vehicle();
    v.MoveTo({shelved.Right - 5, shelved.Top + 10});
    EXPECT_EQ(e->HitTest(0, 0), GetParam().besideACopy);
    e->GetTiles()[6]->SetSelectable(false);
    EXPECT_EQ(e->HitTest(0, 0), GetParam().besideNoCopy);
}

TEST_P(TileSearchTest, NumbersOutsideTheTilesAreIgnored) {
    auto e = Shown();
    ExpectOutsideNumbersIgnored(*e, {-1, 9, 1000}, 3);
}

TEST_P(TileSearchTest, TheModelFadesInAndIsShownWhenTheChildMovesOnEarlier) {
    media::SeedRandom(2);
    auto e = Make();
    e->Begin();
    const Rect r = e->Tile(0).ObjectRect();
    const platform::Color modelColour = TileColour(e->Tile(0).Name());
    EXPECT_NE(form_.FrameBitmap.GetPixel(r.Left + 3, r.Top + 3), modelColour);
    e->StartAnimation();
    e->EndAnimationThread();
    e->EndAnimation();
    EXPECT_TRUE(e->Tile(0).Visible());
    e->Paint();
    EXPECT_EQ(form_.FrameBitmap.GetPixel(r.Left + 3, r.Top + 3), modelColour);
}

TEST_P(TileSearchTest, ShowSwitchesTheBubbleAndEveryTile) {
    auto e = Make();
    e->Show(false);
    EXPECT_FALSE(e->GetInstructionPicture()->Enabled());
    for (const auto& t : e->GetTiles()) {
        EXPECT_FALSE(t->Enabled());
    }
    e->Show(true);
    EXPECT_TRUE(e->GetInstructionPicture()->Enabled());
    for (const auto& t : e->GetTiles()) {
        EXPECT_TRUE(t->Enabled());
    }
}

// A thousand draws that cannot fit for the first tile: the whole exercise is built again.
TEST_P(TileSearchTest, APlacementThatFindsNoRoomBuildsTheExerciseAgain) {
    media::SeedRandom(3);
    // The background, then 1000 draws of the point (0, 0) for tile 1.
    std::vector<std::int32_t> script{0};
    script.insert(script.end(), 2 * PlacementDrawCounter::DrawLimit, 0);
    media::ScopedRandomScript random(script);
    const size_t controls = form_.Controls().size();
    auto e = Make(GetParam().fixedSelection);
    EXPECT_EQ(random.Remaining(), 0u);
    ASSERT_EQ(e->GetTiles().size(), 9u);
    EXPECT_NE(e->GetInstructionPicture(), nullptr);
    for (int i = 5; i < 9; ++i) {
        EXPECT_TRUE(e->Matches(i));
    }
    // Only the rebuilt exercise's controls remain on the form: the bubble and nine tiles.
    EXPECT_EQ(form_.Controls().size(), controls + 10);
}

TEST_P(TileSearchTest, AMissingTilePictureIsTheReinstallMessage) {
    // The copies' picture: the model and the other tiles are made before the error.
    RemoveFile("Lib/GFX/" + std::string(catalog::SymbolName(GetParam().fixedTarget)) +
               media::SizeSuffix() + ".xbi");
    media::SeedRandom(1);
    const size_t controls = form_.Controls().size();
    exercise_fixture::ExpectReinstallMessage([&] { Make(GetParam().fixedSelection); });
    EXPECT_EQ(form_.Controls().size(), controls);
}

// The curriculum offers the type at its draw of level I only for the selections it has a
// model for, and builds it for them.
TEST_P(TileSearchTest, TheCurriculumGivesItAtLevelOneForItsSelections) {
    const TileSearchCase& c = GetParam();
    const game::SeriesParts parts = MakeSeriesParts();
    for (int selection = 0; selection <= 7; ++selection) {
        SCOPED_TRACE(selection);
        const bool suits = c.builtFor.contains(selection);
        EXPECT_EQ(parts.Available(game::LevelI, c.draw, selection), suits);
        if (selection == 0) {
            continue;
        }
        game::CWybor settings;
        settings.gloski = static_cast<std::int16_t>(selection);
        media::SeedRandom(static_cast<std::uint32_t>(selection));
        const auto exercise = parts.CreateExercise(*host_, settings, game::LevelI, c.draw);
        const auto* search = dynamic_cast<const TileSearch*>(exercise.get());
        EXPECT_EQ(search != nullptr, suits);
        if (search != nullptr) {
            EXPECT_EQ(search->GetInstructionName(), c.instruction);
        }
    }
}

// Every place is scaled and taken from the layout's corner, and the vehicle stays inside the
// play area.
TEST_P(TileSearchSmallLayoutTest, PlacesScaleIntoTheCentredLayout) {
    const Point corner{88, 66};
    const pieces::CLudek& v = host_->Vehicle();
    for (std::uint32_t seed = 1; seed < 20; seed += 3) {
        SCOPED_TRACE(seed);
        media::SeedRandom(seed);
        auto e = Make();
        const Rect work = e->GetWorkRect();
        EXPECT_EQ(work, (Rect{corner.X + 36, corner.Y + 36, corner.X + 900, corner.Y + 636}));
        const Rect bubble = e->GetInstructionPicture()->PictureRectOnScreen();
        EXPECT_EQ(e->Tile(0).ObjectRect().Left, bubble.Left + 12);  // 16 design pixels
        EXPECT_EQ(e->Tile(0).ObjectRect().Top, bubble.Top + 12);
        const int margin = GetParam().margin * 4 / 5;
        for (int i = 1; i < 9; ++i) {
            SCOPED_TRACE(i);
            ExpectPlacedInQuarter(e->Tile(i).ObjectRect(), work, margin, i % 4 + 1,
                                  {corner.X + 512, corner.Y + 384});
        }
        for (int n = 0; n < 20; ++n) {
            const Point p = e->VehicleStart();
            EXPECT_GT(p.X, work.Left);
            EXPECT_LT(p.X + v.Width(), work.Right);
            EXPECT_GT(p.Y, work.Top);
            EXPECT_LT(p.Y + v.Height(), work.Bottom);
        }
        e->Begin();
        // The shelf starts 375 design pixels in; the first place 5 and 15 pixels into it.
        EXPECT_EQ(e->GetSlot(),
                  (Point{corner.X + 300 + kShelfEndW + 4, corner.Y + 768 - kShelfH + 12}));
        e->EndAnimation();
        e->Choose(5, 0);
        EXPECT_EQ(e->GetSlot().X, corner.X + 300 + kShelfEndW + 4 + kTileW + 20);
    }
}

INSTANTIATE_TEST_SUITE_P(Types, TileSearchSmallLayoutTest, testing::ValuesIn(kTypes),
                         [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Types, TileSearchTest, testing::ValuesIn(kTypes),
                         [](const auto& info) { return std::string(info.param.name); });
