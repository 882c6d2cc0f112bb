#include "exercises/ordering_exercise.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "catalog/resource_names.h"
#include "catalog/screen_geometry.h"
#include "exercises/background_rotation.h"
#include "exercises/cschemat1.h"
#include "exercises/cschemat2.h"
#include "exercises/exercise_fixture.h"
#include "exercises/placement.h"
#include "exercises/series_setup.h"
#include "game/cgrupa.h"
#include "media/cblad.h"
#include "media/picture_fixture.h"
#include "media/random.h"
#include "pieces/selection_frames.h"

using namespace exercises;
using namespace exercise_fixture;

using pieces::SelectionFrames;
using platform::Color;
using platform::Point;
using platform::Rect;

namespace {

// Tiles that are wider than high, so a width taken for a height shows.
constexpr int kTileW = 80, kTileH = 60;
constexpr int kTrackEndW = 30, kTrackMiddleW = 120, kTrackH = 100;
constexpr Color kTrackColour{90, 60, 30};
// Where the opaque rail of a middle piece begins.
constexpr int kRailTop = 80;

// The colour of a tile picture, so a probe tells which tile lies where.
Color TileColour(const std::string& name) {
    return NameColour(name);
}

// A construction whose symbol draws are scripted: the draws after the background's, and the
// symbols they give, smallest first.
struct DrawCase {
    bool randomNumbers;
    std::vector<std::int32_t> draws;
    std::vector<std::int32_t> symbols;
};

struct TypeCase {
    const char* name;
    std::unique_ptr<OrderingExercise> (*make)(game::ExerciseHost&, const game::CWybor&,
                                              bool ascending, bool randomNumbers);
    const char* instructionPrefix;
    // The tile picture of symbol 0, 1, ...
    std::vector<std::string> tiles;
    std::vector<DrawCase> draws;
    // Whether solving stops the timing at once.
    bool stopsTimingWhenSolved;
    // Whether the vehicle's start keeps only its scaled size from the play area's edges.
    bool scalesVehicleStartRoom;
};

void PrintTo(const TypeCase& t, std::ostream* os) {
    *os << t.name;
}

template <class T>
std::unique_ptr<OrderingExercise> MakeOf(game::ExerciseHost& host, const game::CWybor& settings,
                                         bool ascending, bool randomNumbers) {
    return std::make_unique<T>(host, settings, ascending, randomNumbers);
}

const TypeCase kNumbers{
    "Numbers",
    MakeOf<CSchemat1>,
    "S1",
    {"zero", "jeden", "dwa", "trzy", "cztery", "piec", "szesc", "siedem", "osiem", "dziewiec"},
    {
        // The highest run ends at nine; the starts wrap after four.
        {false, {3}, {4, 5, 6, 7, 8, 9}},
        {false, {4}, {1, 2, 3, 4, 5, 6}},
        // A digit drawn again (also as 13) is drawn once more.
        {true, {3, 3, 13, 7, 0, 9, 5, 1}, {0, 1, 3, 5, 7, 9}},
    },
    true,
    false,
};

const TypeCase kLetters{
    "Letters",
    MakeOf<CSchemat2>,
    "S2",
    {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l",
     "m", "n", "o", "p", "r", "s", "t", "u", "w", "y", "z"},
    {
        // The highest run starts at "s" and ends at "z"; the starts wrap after "s" to "b".
        {false, {16}, {17, 18, 19, 20, 21, 22}},
        {false, {17}, {1, 2, 3, 4, 5, 6}},
        // After "p" comes "r", after "u" comes "w".
        {false, {14}, {15, 16, 17, 18, 19, 20}},
        // A letter drawn again (also as 26) is drawn once more.
        {true, {3, 3, 26, 7, 0, 22, 5, 1}, {0, 1, 3, 5, 7, 22}},
    },
    false,
    true,
};

const std::vector<TypeCase> kTypes{kNumbers, kLetters};

// The tiles in the order the child must choose them.
std::vector<std::int32_t> ChoiceOrder(const OrderingExercise& e) {
    std::vector<std::int32_t> order;
    for (std::int32_t i = 1; i < OrderingExercise::kTileCount; ++i) {
        order.push_back(e.GetAscending() ? i : OrderingExercise::kTileCount - 1 - i);
    }
    return order;
}

Point Corner(const Rect& r) {
    return {r.Left, r.Top};
}

// The number tiles, the letter tiles with their recordings, the track pieces, praise,
// remarks and instructions in the data root.
class OrderingTest : public ExerciseTest {
  protected:
    explicit OrderingTest(Point screen = {1280, 960}) : ExerciseTest(screen) {
        const std::string s = media::SizeSuffix();
        WriteFrames(kTileW + 20, kTileH + 20);
        std::vector<std::string> names;
        for (int n = 0; n < 10; ++n) {
            names.emplace_back(catalog::SymbolName(catalog::FirstNumberWordCode + n));
        }
        names.insert(names.end(), catalog::AlphabetLetters.begin(), catalog::AlphabetLetters.end());
        for (const std::string& name : names) {
            WriteBmp("Lib/GFX/" + name + s + ".xbi", Plain(kTileW, kTileH, TileColour(name)));
            WriteSound("Res/Snd/LC/" + catalog::LetterSoundName(name) + ".snd", 10);
        }
        // The middle pieces are clear above a rail, so whatever is left on a place shows.
        for (const auto& [name, w] : {std::pair<const char*, int>{"lewo", kTrackEndW},
                                      {"srodek", kTrackMiddleW},
                                      {"prawo", kTrackEndW}}) {
            platform::Bitmap black = Plain(w, kTrackH, kTrackColour);
            platform::Bitmap white = Plain(w, kTrackH, kTrackColour);
            if (std::string(name) == "srodek") {
                black.FillRect({0, 0, w, kRailTop}, {0, 0, 0});
                white.FillRect({0, 0, w, kRailTop}, {255, 255, 255});
            }
            WriteBmp(std::string("Res/") + name + s + "_B.xbi", black);
            WriteBmp(std::string("Res/") + name + s + "_W.xbi", white);
        }
        WriteFeedbackAndInstructions({"S1a", "S1b", "S2a", "S2b"});
    }

    std::unique_ptr<OrderingExercise> Make(const TypeCase& t, bool ascending, bool randomNumbers) {
        game::CWybor settings;
        settings.poziom = static_cast<std::int16_t>(randomNumbers ? game::LevelIV : game::LevelIII);
        return t.make(*host_, settings, ascending, randomNumbers);
    }
    // Where the track's places start in this layout, and the step from one to the next.
    static Point FirstPlace() {
        const catalog::ScreenGeometry& g = catalog::Geometry();
        return {g.MapX(200) + kTrackEndW + g.MapLength(20),
                g.LayoutRect.Top + g.DesignHeight - kTrackH + g.MapLength(15)};
    }
    static int PlaceStep() { return kTileW + catalog::Geometry().MapLength(20); }
    // The highest place in column x where the vehicle may start clear of every tile.
    Point FreeVehicleStart(const OrderingExercise& e, int x) const {
        const pieces::CLudek& v = host_->Vehicle();
        const Rect work = e.GetWorkRect();
        const auto clear = [&](int y) {
            for (std::int32_t i = 0; i < OrderingExercise::kTileCount; ++i) {
                const Rect r = e.Tile(i).ObjectRect();
                if (r.Left - v.Width() <= x && x <= r.Right && r.Top - v.Height() <= y &&
                    y <= r.Bottom) {
                    return false;
                }
            }
            return true;
        };
        int y = work.Top + 1;
        while (!clear(y)) {
            ++y;
        }
        EXPECT_LT(y, work.Bottom - v.Height());
        return {x, y};
    }
    Color FramePixel(Point p) const { return form_.FrameBitmap.GetPixel(p.X, p.Y); }
    Color ScenePixel(Point p) const { return form_.SceneBitmap.GetPixel(p.X, p.Y); }
    Color BackgroundPixel(Point p) const { return form_.BackgroundBitmap.GetPixel(p.X, p.Y); }
};

class OrderingTypeTest : public OrderingTest, public testing::WithParamInterface<TypeCase> {};

// A type in one of its four variants: ascending or not, random symbols or a run.
class OrderingVariantTest : public OrderingTest,
                            public testing::WithParamInterface<std::tuple<TypeCase, bool, bool>> {
  protected:
    const TypeCase& Type() const { return std::get<0>(GetParam()); }
    bool Ascending() const { return std::get<1>(GetParam()); }
    bool RandomNumbers() const { return std::get<2>(GetParam()); }
    std::unique_ptr<OrderingExercise> MakeVariant() {
        return Make(Type(), Ascending(), RandomNumbers());
    }
};

std::string TypeName(const testing::TestParamInfo<TypeCase>& info) {
    return info.param.name;
}

std::string VariantName(const testing::TestParamInfo<std::tuple<TypeCase, bool, bool>>& info) {
    return std::string(std::get<0>(info.param).name) +
           (std::get<1>(info.param) ? "Ascending" : "Descending") +
           (std::get<2>(info.param) ? "Random" : "Run");
}

}  // namespace

TEST_P(OrderingTypeTest, ScriptedDrawsGiveTheSymbolsSortedOnTheTiles) {
    const TypeCase& t = GetParam();
    for (const DrawCase& c : t.draws) {
        for (const bool ascending : {true, false}) {
            SCOPED_TRACE(testing::Message() << c.draws[0] << (ascending ? " up" : " down"));
            ResetBackgroundRotationForTesting();
            std::vector<std::int32_t> script{0};  // the background
            script.insert(script.end(), c.draws.begin(), c.draws.end());
            media::ScopedRandomScript random(script);
            auto e = Make(t, ascending, c.randomNumbers);
            EXPECT_EQ(random.Remaining(), 0u);
            EXPECT_EQ(e->GetInstructionName(),
                      std::string(t.instructionPrefix) + (ascending ? "a" : "b"));
            EXPECT_EQ(e->GetNumbers(), c.symbols);
            for (std::int32_t i = 0; i < OrderingExercise::kTileCount; ++i) {
                const pieces::CLitCyf& tile = e->Tile(i);
                const std::int32_t symbol = c.symbols[static_cast<size_t>(i)];
                EXPECT_EQ(tile.Number(), symbol);
                EXPECT_EQ(tile.Name(), t.tiles[static_cast<size_t>(symbol)]);
                EXPECT_EQ(tile.Selectable(), i != e->StartingTile()) << i;
            }
            // The smallest starts the ascending track, the largest the descending one.
            EXPECT_EQ(e->StartingTile(), ascending ? 0 : 5);
            EXPECT_EQ(e->GetExpected(), ascending ? 1 : 4);
        }
    }
}

TEST_P(OrderingVariantTest, TilesLieInTheirQuartersWithRoomForTheVehicleBetweenThem) {
    const pieces::CLudek& v = host_->Vehicle();
    const double roomX = 1.3 * v.Width();
    const double roomY = 1.3 * v.Height();
    for (uint32_t seed = 1; seed < 40; seed += 3) {
        SCOPED_TRACE(seed);
        media::SeedRandom(seed);
        auto e = MakeVariant();
        const std::vector<std::int32_t>& numbers = e->GetNumbers();
        ASSERT_EQ(numbers.size(), 6u);
        for (size_t i = 1; i < numbers.size(); ++i) {
            if (RandomNumbers()) {
                EXPECT_LT(numbers[i - 1], numbers[i]);
            } else {
                EXPECT_EQ(numbers[i], numbers[0] + static_cast<std::int32_t>(i));
            }
        }
        EXPECT_GE(numbers.front(), RandomNumbers() ? 0 : 1);
        EXPECT_LT(numbers.back(), static_cast<std::int32_t>(Type().tiles.size()));
        const Rect work = e->GetWorkRect();
        for (std::int32_t k = 0; k < 6; ++k) {
            const Rect r = e->Tile(k).ObjectRect();
            EXPECT_EQ(e->HomePosition(k), Corner(r));
            // Tiles k and k + 4 share quarter k mod 4 of the layout.
            SCOPED_TRACE(k);
            ExpectPlacedInQuarter(r, work, 110, k % 4 + 1);
            for (std::int32_t j = 0; j < k; ++j) {
                const Rect o = e->Tile(j).ObjectRect();
                const int gapX = std::max(o.Left - r.Right, r.Left - o.Right);
                const int gapY = std::max(o.Top - r.Bottom, r.Top - o.Bottom);
                EXPECT_TRUE(gapX > roomX || gapY > roomY) << j << " " << k;
            }
        }
    }
}

TEST_P(OrderingVariantTest, BeginDrawsTheTrackWithTheStartingTileOnItsFirstPlace) {
    auto e = MakeVariant();
    const Point home = e->HomePosition(e->StartingTile());
    e->Begin();
    const Point first = FirstPlace();
    EXPECT_EQ(Corner(e->Tile(e->StartingTile()).ObjectRect()), first);
    EXPECT_EQ(e->GetSlot(), (Point{first.X + PlaceStep(), first.Y}));
    const std::string& name = e->Tile(e->StartingTile()).Name();
    const int right = 200 + 2 * kTrackEndW + 6 * kTrackMiddleW;
    for (const platform::Bitmap* b : {&form_.FrameBitmap, &form_.SceneBitmap}) {
        EXPECT_EQ(b->GetPixel(200, 959), kTrackColour);
        EXPECT_EQ(b->GetPixel(right - 1, 959), kTrackColour);
        EXPECT_NE(b->GetPixel(right, 959), kTrackColour);
        EXPECT_NE(b->GetPixel(199, 959), kTrackColour);
        EXPECT_EQ(b->GetPixel(first.X + 2, first.Y + 2), TileColour(name));
        // Its home place stays empty.
        EXPECT_EQ(b->GetPixel(home.X + 2, home.Y + 2), BackgroundPixel({home.X + 2, home.Y + 2}));
    }
    for (std::int32_t i = 0; i < 6; ++i) {
        if (i != e->StartingTile()) {
            const Point at = e->HomePosition(i);
            EXPECT_EQ(FramePixel({at.X + 2, at.Y + 2}), TileColour(e->Tile(i).Name())) << i;
        }
    }
}

TEST_P(OrderingVariantTest, TheExpectedTilesTravelOntoTheTrackInOrderAndTheLastSolves) {
    auto e = MakeVariant();
    e->Begin();
    const std::vector<std::int32_t> order = ChoiceOrder(*e);
    platform::Sound::StartRecording();

    // A wrong tile: a remark, an error and the red frame; it stays where it is.
    const std::int32_t wrong = order[2];
    const Rect wrongAt = e->Tile(wrong).ObjectRect();
    EXPECT_FALSE(e->Choose(wrong, 0));
    EXPECT_EQ(e->GetStat().Last(), (CStatWart{0, 0, 1, 0}));
    EXPECT_EQ(e->Tile(wrong).FrameStyle(), SelectionFrames::Red);
    EXPECT_TRUE(e->Tile(wrong).Selectable());
    EXPECT_EQ(e->Tile(wrong).ObjectRect(), wrongAt);
    EXPECT_EQ(Feedback(), "b");

    Point slot = e->GetSlot();
    const int scores = host_->scoreDraws;
    for (size_t n = 0; n < order.size(); ++n) {
        SCOPED_TRACE(n);
        const std::int32_t i = order[n];
        EXPECT_EQ(e->GetExpected(), i);
        const Rect from = e->Tile(i).ObjectRect();
        EXPECT_EQ(e->Choose(i, 0), n + 1 == order.size());
        const Rect to = e->Tile(i).ObjectRect();
        EXPECT_EQ(to, Rect::FromSize(slot.X, slot.Y, kTileW, kTileH));
        EXPECT_FALSE(e->Tile(i).Selectable());
        EXPECT_EQ(ScenePixel({to.Left + 2, to.Top + 2}), TileColour(e->Tile(i).Name()));
        EXPECT_EQ(ScenePixel({from.Left + 2, from.Top + 2}),
                  BackgroundPixel({from.Left + 2, from.Top + 2}));
        // A right choice takes every frame away, the red one of the wrong tile too.
        EXPECT_EQ(e->Tile(wrong).FrameStyle(), SelectionFrames::None);
        EXPECT_EQ(e->GetStat().Last().Points, static_cast<std::int32_t>(n + 1));
        slot.X += PlaceStep();
        EXPECT_EQ(e->GetSlot(), slot);
    }
    EXPECT_TRUE(e->IsSolved());
    EXPECT_EQ(e->GetStat().Last(), (CStatWart{5, 0, 1, e->GetStat().Last().Seconds}));
    EXPECT_EQ(host_->scoreDraws, scores + 1);
    EXPECT_EQ(host_->Vehicle().Direction(), pieces::CLudek::kFacingDown);
    EXPECT_EQ(Feedback(), "bggggg");

    // Once solved nothing counts and nothing solves the task again.
    for (std::int32_t i = 0; i < 6; ++i) {
        EXPECT_FALSE(e->Choose(i, 0));
    }
    EXPECT_EQ(e->GetStat().Last().Errors, 1);
    EXPECT_EQ(host_->scoreDraws, scores + 1);
    EXPECT_EQ(Feedback(), "bggggg");
}

TEST_P(OrderingTypeTest, ATileAlreadyOnTheTrackIsAWrongChoice) {
    auto e = Make(GetParam(), true, false);
    e->Begin();
    e->Choose(1, 0);
    EXPECT_FALSE(e->Choose(1, 0));
    EXPECT_FALSE(e->Choose(0, 0));
    EXPECT_EQ(e->GetStat().Last(), (CStatWart{1, 0, 2, 0}));
    EXPECT_EQ(e->GetExpected(), 2);
}

TEST_P(OrderingTypeTest, HintFramesTheExpectedTileBlueUntilSolved) {
    auto e = Make(GetParam(), false, true);
    e->Begin();
    const int repaints = form_.Repaints;
    e->Hint();
    EXPECT_EQ(e->Tile(4).FrameStyle(), SelectionFrames::Blue);
    EXPECT_EQ(e->GetStat().Last().Hints, 1);
    EXPECT_GT(form_.Repaints, repaints);
    e->Choose(4, 0);
    EXPECT_EQ(e->Tile(4).FrameStyle(), SelectionFrames::None);
    e->Hint();
    EXPECT_EQ(e->Tile(3).FrameStyle(), SelectionFrames::Blue);
    for (const std::int32_t i : {3, 2, 1, 0}) {
        e->Choose(i, 0);
    }
    ASSERT_TRUE(e->IsSolved());
    e->Hint();
    EXPECT_EQ(e->GetStat().Last().Hints, 2);
    for (std::int32_t i = 0; i < 6; ++i) {
        EXPECT_EQ(e->Tile(i).FrameStyle(), SelectionFrames::None);
    }
}

TEST_P(OrderingTypeTest, RestartPutsTheTilesHomeAsANewAttempt) {
    auto e = Make(GetParam(), true, true);
    e->Begin();
    const Point first = FirstPlace();
    // Unsolved: two on the track, one framed red.
    e->Choose(1, 0);
    e->Choose(2, 0);
    e->Choose(4, 0);
    e->Restart();
    EXPECT_EQ(host_->autoNextStops, 1);
    EXPECT_EQ(e->GetStat().AbandonedAttempts, 1);
    ASSERT_EQ(e->GetStat().Attempts.size(), 2u);
    EXPECT_EQ(e->GetStat().Attempts[0].Points, 2);
    EXPECT_EQ(e->GetStat().Last(), CStatWart{});
    EXPECT_EQ(e->GetExpected(), 1);
    EXPECT_EQ(e->GetSlot(), (Point{first.X + PlaceStep(), first.Y}));
    for (std::int32_t i = 0; i < 6; ++i) {
        const pieces::CLitCyf& tile = e->Tile(i);
        EXPECT_EQ(tile.FrameStyle(), SelectionFrames::None);
        EXPECT_EQ(tile.Selectable(), i != 0);
        const Point at = i == 0 ? first : e->HomePosition(i);
        EXPECT_EQ(Corner(tile.ObjectRect()), at);
        EXPECT_EQ(FramePixel({at.X + 2, at.Y + 2}), TileColour(tile.Name())) << i;
    }
    // The places the tiles came back from show the bare track.
    for (const int place : {1, 2}) {
        const Point p{first.X + place * PlaceStep() + 2, first.Y + 2};
        EXPECT_EQ(FramePixel(p), BackgroundPixel(p)) << place;
        EXPECT_EQ(ScenePixel(p), BackgroundPixel(p)) << place;
    }

    // Solved, then restarted: a new attempt that is not abandoned.
    for (const std::int32_t i : ChoiceOrder(*e)) {
        e->Choose(i, 0);
    }
    ASSERT_TRUE(e->IsSolved());
    e->Restart();
    EXPECT_FALSE(e->IsSolved());
    EXPECT_EQ(e->GetStat().Attempts.size(), 3u);
    EXPECT_EQ(e->GetStat().AbandonedAttempts, 1);
    EXPECT_TRUE(e->GetStat().Running);
    const std::vector<std::int32_t> again = ChoiceOrder(*e);
    for (size_t n = 0; n < again.size(); ++n) {
        EXPECT_EQ(e->Choose(again[n], 0), n + 1 == again.size());
    }
}

TEST_P(OrderingTypeTest, NumbersOutsideTheTilesAreIgnored) {
    auto e = Make(GetParam(), true, false);
    e->Begin();
    for (const std::int32_t element : {-1, 6, 1000}) {
        EXPECT_FALSE(e->Choose(element, 0));
        EXPECT_FALSE(e->Block(element));
        e->Unblock(element);
    }
    EXPECT_EQ(e->GetStat().Last(), CStatWart{});
    EXPECT_EQ(e->GetExpected(), 1);
}

TEST_P(OrderingTypeTest, SolvingStopsTheTimingOnlyWhereTheTypeSaysSo) {
    auto e = Make(GetParam(), true, false);
    e->Begin();
    const std::uint32_t start = e->GetStat().StartTick;
    h_.clock->Advance(2000);
    for (const std::int32_t i : ChoiceOrder(*e)) {
        e->Choose(i, 0);
    }
    ASSERT_TRUE(e->IsSolved());
    const CStatWart solved = e->GetStat().Last();
    EXPECT_EQ(e->GetStat().Running, !GetParam().stopsTimingWhenSolved);
    // The child looks at the solved task a while before moving on.
    h_.clock->Advance(3000);
    e->Suspend();
    const std::uint32_t leftAt = h_.clock->TickCount();
    if (GetParam().stopsTimingWhenSolved) {
        // The time up to the solution, and nothing after it.
        EXPECT_GE(solved.Seconds, 2);
        EXPECT_EQ(e->GetStat().Last().Seconds, solved.Seconds);
    } else {
        EXPECT_EQ(e->GetStat().Last().Seconds, static_cast<std::int32_t>((leftAt - start) / 1000));
    }
    // Coming back does not time a solved task again.
    e->Resume();
    EXPECT_FALSE(e->GetStat().Running);
}

TEST_P(OrderingTypeTest, ScanningGoesByLeftEdgeAndSkipsTheTilesOnTheTrack) {
    auto e = Make(GetParam(), true, true);
    e->Begin();
    std::vector<bool> lasts;
    for (int step = 0; step < 6; ++step) {
        lasts.push_back(e->ScanNext());
    }
    const std::vector<std::int32_t> order = e->GetScanOrder();
    ASSERT_EQ(order.size(), 7u);
    for (size_t p = 2; p < order.size(); ++p) {
        EXPECT_LE(e->Tile(order[p - 1]).ObjectRect().Left, e->Tile(order[p]).ObjectRect().Left);
    }
    // The starting tile on the track is left out of every round.
    const auto startAt = std::find(order.begin(), order.end(), 0) - order.begin();
    EXPECT_NE(e->GetScanPos(), startAt);
    std::vector<bool> expectedLasts(6, false);
    expectedLasts.back() = true;
    EXPECT_EQ(lasts, expectedLasts);
    const std::int32_t highlighted = order[static_cast<size_t>(e->GetScanPos())];
    EXPECT_EQ(e->Tile(highlighted).FrameStyle(), SelectionFrames::Orange);
    EXPECT_EQ(e->ScanTargetRect(), e->Tile(highlighted).ObjectRect());

    // Zoom speaks the highlighted tile.
    platform::Sound::StartRecording();
    EXPECT_TRUE(e->ScanZoom());
    ASSERT_FALSE(platform::Sound::Recorded().empty());
    EXPECT_EQ(
        platform::Sound::Recorded().back().Path,
        NativeFile("Res/Snd/LC/" + catalog::LetterSoundName(e->Tile(highlighted).Name()) + ".snd"));

    // Selecting the expected tile moves it; the highlight then never comes back to it.
    while (order[static_cast<size_t>(e->GetScanPos())] != 1) {
        e->ScanNext();
    }
    const std::int32_t movedAt = e->GetScanPos();
    EXPECT_FALSE(e->ScanSelect());
    EXPECT_EQ(e->GetExpected(), 2);
    for (int step = 0; step < 12; ++step) {
        e->ScanNext();
        EXPECT_NE(e->GetScanPos(), movedAt);
        EXPECT_NE(e->GetScanPos(), startAt);
    }

    // The instruction picture: selecting it speaks the instruction, no target, no zoom.
    while (e->GetScanPos() != 0) {
        e->ScanNext();
    }
    EXPECT_FALSE(e->ScanTargetRect().has_value());
    EXPECT_FALSE(e->ScanZoom());
    platform::Sound::StartRecording();
    EXPECT_FALSE(e->ScanSelect());
    ASSERT_EQ(platform::Sound::Recorded().size(), 1u);
    EXPECT_EQ(platform::Sound::Recorded()[0].Path,
              NativeFile(std::string("Res/Snd/Pol/") + GetParam().instructionPrefix + "a.snd"));
    EXPECT_TRUE(e->ScanStop());
    EXPECT_FALSE(e->ScanStop());
}

TEST_P(OrderingTypeTest, TilesOnTheTrackStopTheVehicleAndTheOthersAreChosen) {
    auto e = Make(GetParam(), true, false);
    e->Begin();
    pieces::CLudek& v = host_->Vehicle();
    const Rect tile = e->Tile(3).ObjectRect();
    // The vehicle just left of tile 3: moved by one pixel its rectangle overlaps the tile.
    v.MoveTo({tile.Left - v.Width(), tile.Top + 10});
    const Rect still = v.Rectangle();
    EXPECT_EQ(e->HitTest(0, 0), game::Hit{});
    EXPECT_EQ(e->HitTest(1, 0), (game::Hit{3, 1}));
    EXPECT_EQ(v.Rectangle(), still);
    // The collision map reaches the tile only a few pixels further on.
    EXPECT_EQ(e->ObjectUnderVehicle(), std::nullopt);
    v.MoveTo({tile.Left - 4, tile.Top + 10});
    EXPECT_EQ(e->ObjectUnderVehicle(), std::optional<std::int32_t>{3});

    const Rect start = e->Tile(0).ObjectRect();
    v.MoveTo({start.Left - v.Width(), start.Top + 5});
    EXPECT_EQ(e->HitTest(1, 0), (game::Hit{0, -1}));
    v.MoveTo({start.Left - 4, start.Top + 5});
    EXPECT_EQ(e->ObjectUnderVehicle(), std::nullopt);
}

// A start drawn on a tile is drawn again.
TEST_P(OrderingTypeTest, TheVehicleStartsClearOfTheTiles) {
    auto e = Make(GetParam(), false, true);
    e->Begin();
    const Rect tile = e->Tile(3).ObjectRect();
    const Point free = FreeVehicleStart(*e, e->GetWorkRect().Left + 1);
    const catalog::ScreenGeometry& g = catalog::Geometry();
    media::ScopedRandomScript random({tile.Left + 5 - g.LayoutRect.Left,
                                      tile.Top + 5 - g.LayoutRect.Top, free.X - g.LayoutRect.Left,
                                      free.Y - g.LayoutRect.Top});
    EXPECT_EQ(e->VehicleStart(), free);
    EXPECT_EQ(random.Remaining(), 0u);
}

TEST_P(OrderingTypeTest, ShowSwitchesTheTilesAndTheInstructionPicture) {
    auto e = Make(GetParam(), true, false);
    e->Show(false);
    EXPECT_FALSE(e->GetInstructionPicture()->Enabled());
    for (std::int32_t i = 0; i < 6; ++i) {
        EXPECT_FALSE(e->Tile(i).Enabled());
    }
    e->Show(true);
    EXPECT_TRUE(e->GetInstructionPicture()->Enabled());
    EXPECT_TRUE(e->Tile(5).Enabled());
}

// A thousand draws that cannot fit for the first tile: the exercise is built again.
TEST_P(OrderingTypeTest, APlacementThatFindsNoRoomBuildsTheExerciseAgain) {
    media::SeedRandom(3);
    ResetBackgroundRotationForTesting();
    // The background, the start of a run, then 1000 draws of the point (0, 0).
    std::vector<std::int32_t> script{0, 0};
    script.insert(script.end(), 2 * PlacementDrawCounter::DrawLimit, 0);
    media::ScopedRandomScript random(script);
    const size_t controls = form_.Controls().size();
    auto e = Make(GetParam(), true, false);
    EXPECT_EQ(random.Remaining(), 0u);
    EXPECT_NE(e->GetInstructionPicture(), nullptr);
    EXPECT_EQ(e->GetNumbers().size(), 6u);
    // Only the rebuilt exercise's controls remain: the bubble and six tiles.
    EXPECT_EQ(form_.Controls().size(), controls + 7);
}

TEST_P(OrderingTypeTest, AMissingTilePictureIsTheReinstallErrorAndLeavesNothingBehind) {
    ResetBackgroundRotationForTesting();
    // A run from symbol 1 on: tile 3 shows symbol 3.
    RemoveFile("Lib/GFX/" + GetParam().tiles[3] + media::SizeSuffix() + ".xbi");
    const size_t controls = form_.Controls().size();
    media::ScopedRandomScript random({0, 0});
    try {
        Make(GetParam(), true, false);
        FAIL() << "no error";
    } catch (const media::CBlad& b) {
        EXPECT_EQ(b.Code(), 1);
        EXPECT_EQ(b.Text(), "Brak Zasobów\nPrzeinstaluj Vimbaro");
    }
    EXPECT_EQ(form_.Controls().size(), controls);
}

TEST_P(OrderingTypeTest, AMissingTrackPieceIsTheReinstallError) {
    RemoveFile("Res/srodek" + media::SizeSuffix() + "_W.xbi");
    auto e = Make(GetParam(), true, false);
    try {
        e->Begin();
        FAIL() << "no error";
    } catch (const media::CBlad& b) {
        EXPECT_EQ(b.Code(), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Types, OrderingTypeTest, testing::ValuesIn(kTypes), TypeName);
INSTANTIATE_TEST_SUITE_P(Variants, OrderingVariantTest,
                         testing::Combine(testing::ValuesIn(kTypes), testing::Bool(),
                                          testing::Bool()),
                         VariantName);

namespace {

// A vehicle far too big for six tiles to leave it room anywhere.
class OrderingHugeVehicleTest : public OrderingTest, public testing::WithParamInterface<TypeCase> {
  protected:
    OrderingHugeVehicleTest() {
        FigureFiles figure;
        figure.sizeSuffix = media::SizeSuffix();
        figure.width = figure.mapWidth = 500;
        figure.height = figure.mapHeight = 400;
        figure.body = {2, 2, 498, 398};
        figure.shape = {3, 3, 497, 397};
        figure.Write(dir_, dir_.Path());
        host_ = std::make_unique<FakeHost>(form_, Context());
    }
};

}  // namespace

TEST_P(OrderingHugeVehicleTest, ALayoutThatNeverFitsEndsInTheRepeatedDrawError) {
    media::SeedRandom(11);
    try {
        Make(GetParam(), true, true);
        FAIL() << "no error";
    } catch (const media::CBlad& b) {
        EXPECT_EQ(b.Code(), media::CBlad::RepeatedDrawCode);
    }
}

INSTANTIATE_TEST_SUITE_P(Types, OrderingHugeVehicleTest, testing::ValuesIn(kTypes), TypeName);

namespace {

class OrderingSmallLayoutTest : public OrderingTest, public testing::WithParamInterface<TypeCase> {
  protected:
    OrderingSmallLayoutTest() : OrderingTest({1024, 768}) {}
};

}  // namespace

TEST_P(OrderingSmallLayoutTest, TheTrackStandsOnTheBottomEdgeOfTheLayout) {
    auto e = Make(GetParam(), true, false);
    e->Begin();
    const Point first = FirstPlace();
    EXPECT_EQ(first, (Point{160 + kTrackEndW + 16, 768 - kTrackH + 12}));
    EXPECT_EQ(Corner(e->Tile(0).ObjectRect()), first);
    EXPECT_EQ(e->GetSlot(), (Point{first.X + kTileW + 16, first.Y}));
    EXPECT_EQ(form_.FrameBitmap.GetPixel(160, 767), kTrackColour);
    EXPECT_EQ(form_.FrameBitmap.GetPixel(160, 768 - kTrackH), kTrackColour);
    EXPECT_NE(form_.FrameBitmap.GetPixel(160, 768 - kTrackH - 1), kTrackColour);
}

// The vehicle may start where its whole size would reach past the play area's right edge but
// its size scaled to the layout does not: the letter type lets it, the number type does not.
TEST_P(OrderingSmallLayoutTest, TheVehicleStartKeepsTheTypesRoomFromTheRightEdge) {
    auto e = Make(GetParam(), true, false);
    e->Begin();
    const pieces::CLudek& v = host_->Vehicle();
    const Rect work = e->GetWorkRect();
    const int x = work.Right - v.Width() + 1;
    ASSERT_LT(x, work.Right - 0.8 * v.Width());
    const int y = FreeVehicleStart(*e, x).Y;
    const catalog::ScreenGeometry& g = catalog::Geometry();
    media::ScopedRandomScript random({x - g.LayoutRect.Left, y - g.LayoutRect.Top});
    const Point p = e->VehicleStart();
    EXPECT_EQ(p == (Point{x, y}), GetParam().scalesVehicleStartRoom);
    EXPECT_LT(p.X, work.Right - 0.8 * v.Width());
}

INSTANTIATE_TEST_SUITE_P(Types, OrderingSmallLayoutTest, testing::ValuesIn(kTypes), TypeName);

// The curriculum's level table: level III orders a run upward, level IV random symbols in a
// direction tossed for each exercise.
TEST_F(OrderingTest, TheLevelTableMakesTheOrderingTypesAtLevelsThreeAndFour) {
    const game::SeriesParts parts = MakeSeriesParts();
    struct Case {
        int level;
        int draw;
        std::int32_t toss;  // -1: none is drawn
        bool ascending;
        bool randomNumbers;
        const char* instruction;
    };
    for (const Case& c : {Case{game::LevelIII, 1, -1, true, false, "S1a"},
                          Case{game::LevelIV, 1, 1, true, true, "S1a"},
                          Case{game::LevelIV, 1, 0, false, true, "S1b"},
                          Case{game::LevelIII, 2, -1, true, false, "S2a"},
                          Case{game::LevelIV, 2, 3, true, true, "S2a"},
                          Case{game::LevelIV, 2, 2, false, true, "S2b"}}) {
        SCOPED_TRACE(testing::Message() << c.level << " " << c.draw << " " << c.toss);
        EXPECT_TRUE(parts.Available(c.level, c.draw, 7));
        ResetBackgroundRotationForTesting();
        std::vector<std::int32_t> script;
        if (c.toss >= 0) {
            script.push_back(c.toss);
        }
        script.push_back(0);  // the background
        media::ScopedRandomScript random(script);
        game::CWybor settings;
        settings.poziom = static_cast<std::int16_t>(c.level);
        auto made = parts.CreateExercise(*host_, settings, c.level, c.draw);
        EXPECT_EQ(random.Remaining(), 0u);
        auto* e = dynamic_cast<OrderingExercise*>(made.get());
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->GetAscending(), c.ascending);
        EXPECT_EQ(e->GetRandomNumbers(), c.randomNumbers);
        EXPECT_EQ(e->GetInstructionName(), c.instruction);
    }
    EXPECT_FALSE(parts.Available(game::LevelIII, 8, 7));
}

TEST(AlphabetLetters, LetterNumbersNameTheLettersWithoutDiacriticsAndNothingElse) {
    const std::pair<int, const char*> cases[] = {{0, "a"},  {15, "p"}, {16, "r"}, {19, "u"},
                                                 {20, "w"}, {22, "z"}, {-1, "-"}, {23, "-"}};
    for (const auto& [n, name] : cases) {
        EXPECT_EQ(CSchemat2::LetterTile(n), name) << n;
    }
}
