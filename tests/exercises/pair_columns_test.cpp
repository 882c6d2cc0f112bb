// What every pairing exercise does the same way, played over a table of the pair types: the
// columns, picking, joining, errors, hints, blocking, restart, scanning and zoom.

#include "exercises/pair_columns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "exercises/cschemat11.h"
#include "exercises/cschemat1_2.h"
#include "exercises/cschemat1_6.h"
#include "exercises/cschemat1_8.h"
#include "exercises/cschemat6.h"
#include "exercises/pair_fixture.h"
#include "game/exercise.h"
#include "media/random.h"
#include "pieces/ckarta.h"
#include "pieces/clitcyf.h"
#include "pieces/selection_frames.h"

using namespace exercises;
using namespace exercise_fixture;
using namespace pair_fixture;

using pieces::SelectionFrames;
using platform::Point;
using platform::Rect;

namespace {

std::string CardRecording(const PairColumns& e, std::int32_t n) {
    return "Res/Snd/" + dynamic_cast<const pieces::CKarta&>(e.Piece(n)).Word().Key + ".snd";
}

// A digit tile and a number picture both speak their number word.
std::string TileRecording(const PairColumns& e, std::int32_t n) {
    static const char* const words[] = {"zero", "jeden", "dwa",    "trzy",  "cztery",
                                        "piec", "szesc", "siedem", "osiem", "dziewiec"};
    const int number = dynamic_cast<const pieces::CLitCyf&>(e.Piece(n)).Number() % 10;
    return std::string("Res/Snd/LC/") + words[number] + ".snd";
}

template <class T>
std::unique_ptr<PairColumns> Make(game::ExerciseHost& host, const game::CWybor& settings) {
    return std::make_unique<T>(host, settings);
}

struct PairType {
    const char* name;
    const char* instruction;
    double rowGap;  // design pixels between two rows of a column
    std::int16_t level;
    std::int16_t soundGroups;
    std::unique_ptr<PairColumns> (*make)(game::ExerciseHost&, const game::CWybor&);
    std::string (*recording)(const PairColumns&, std::int32_t);
};

const PairType kTypes[] = {
    {"PicturePairs", "S1_2", 25, 1, 2, Make<CSchemat1_2>, CardRecording},
    {"DigitPairs", "S1_8", 10, 1, 2, Make<CSchemat1_8>, TileRecording},
    {"AssociatedPairs", "S1_6", 25, 4, 7, Make<CSchemat1_6>, CardRecording},
    {"PairingPictures", "S6", 25, 2, 2, Make<CSchemat6>, CardRecording},
    {"NumberPictures", "S11", 25, 2, 1, Make<CSchemat11>, TileRecording},
};

void PrintTo(const PairType& type, std::ostream* os) {
    *os << type.name;
}

class PairColumnsTest : public PairTest, public testing::WithParamInterface<PairType> {
  protected:
    explicit PairColumnsTest(Point screen = {1280, 960}) : PairTest(screen) {}
    // The exercise for a sound-group selection (the row's by default), shown as the game
    // form shows it.
    std::unique_ptr<PairColumns> Make(std::int16_t soundGroups = 0) {
        const PairType& t = GetParam();
        auto e = t.make(*host_, SettingsFor(t.level, soundGroups ? soundGroups : t.soundGroups));
        e->Begin();
        return e;
    }
};

std::string TypeName(const testing::TestParamInfo<PairType>& info) {
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Types, PairColumnsTest, testing::ValuesIn(kTypes), TypeName);

// Both layouts, to see the columns and the vehicle's start scale.
struct LayoutCase {
    PairType type;
    Point screen;
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.type.name << ' ' << c.screen.X << 'x' << c.screen.Y;
}

class PairLayoutTest : public PairTest, public testing::WithParamInterface<LayoutCase> {
  protected:
    PairLayoutTest() : PairTest(GetParam().screen) {}
};

std::vector<LayoutCase> LayoutCases() {
    std::vector<LayoutCase> cases;
    for (const PairType& t : kTypes) {
        for (const Point screen : {Point{1280, 960}, Point{1024, 768}}) {
            cases.push_back({t, screen});
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Types, PairLayoutTest, testing::ValuesIn(LayoutCases()),
                         [](const auto& info) {
                             return std::string(info.param.type.name) +
                                    (info.param.screen.X == 1280 ? "Large" : "Small");
                         });

}  // namespace

TEST_P(PairLayoutTest, ColumnsStartAtTheirPlacesAndTheVehicleBetweenThem) {
    const PairType& t = GetParam().type;
    const bool large = GetParam().screen.X == 1280;
    const int left = large ? 190 : 152;
    const int right = large ? 950 : 760;
    const int top = large ? 138 : 110;
    const int step = kPieceHeight + static_cast<int>(t.rowGap * (large ? 1.0 : 0.8));
    auto e = t.make(*host_, SettingsFor(t.level, t.soundGroups));
    for (std::int32_t n = 0; n < PairColumns::kPieceCount; ++n) {
        const Point home{n < 5 ? left : right, top + n % 5 * step};
        EXPECT_EQ(e->HomePosition(n), home) << n;
        EXPECT_EQ(e->Piece(n).ObjectRect(),
                  Rect::FromSize(home.X, home.Y, kPieceWidth, kPieceHeight));
        EXPECT_TRUE(e->Piece(n).Selectable());
    }
    // Halfway between the columns, at the vertical middle of the layout.
    EXPECT_EQ(e->VehicleStart(), (Point{left + (right - left) / 2, large ? 480 : 384}));
}

TEST_P(PairColumnsTest, ConstructionAsksForTheEarAndNoHelp) {
    host_->helpEnabled = true;
    auto e = Make();
    EXPECT_FALSE(host_->helpEnabled);
    EXPECT_EQ(e->GetInstructionName(), GetParam().instruction);
    EXPECT_EQ(e->GetSelected(), -1);
    EXPECT_EQ(e->GetMatchedCount(), 0);
    // The ear is drawn where the instruction picture goes.
    const Rect ear = e->GetInstructionPicture()->PictureRectOnScreen();
    EXPECT_EQ(form_.BackgroundBitmap.GetPixel(ear.Left + 20, ear.Top + 20), kInk);
}

// Each left piece has exactly one partner on the right.
TEST_P(PairColumnsTest, EachPairHasOnePieceInEachColumn) {
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE(seed);
        media::SeedRandom(seed);
        auto e = Make();
        std::vector<std::int32_t> left, right;
        for (std::int32_t n = 0; n < PairColumns::kPieceCount; ++n) {
            (n < 5 ? left : right).push_back(e->PairOf(n));
        }
        std::sort(right.begin(), right.end());
        EXPECT_EQ(left, (std::vector<std::int32_t>{0, 1, 2, 3, 4}));
        EXPECT_EQ(right, left);
    }
}

TEST_P(PairColumnsTest, TheFirstPieceTurnsYellowAndEnablesHelp) {
    auto e = Make();
    EXPECT_FALSE(e->Choose(3, 0));
    EXPECT_EQ(e->GetSelected(), 3);
    EXPECT_EQ(e->Piece(3).FrameStyle(), SelectionFrames::Yellow);
    EXPECT_TRUE(host_->helpEnabled);
    EXPECT_EQ(e->GetStat().Last(), CStatWart{});
}

TEST_P(PairColumnsTest, ChoosingTheSamePieceAgainTakesTheSelectionAwayWithoutAnError) {
    auto e = Make();
    e->Choose(6, 0);
    ASSERT_TRUE(e->Block(6));  // the game form blocks a touched piece
    EXPECT_FALSE(e->Choose(6, 0));
    EXPECT_EQ(e->GetSelected(), -1);
    EXPECT_EQ(e->Piece(6).FrameStyle(), SelectionFrames::None);
    EXPECT_TRUE(e->Piece(6).Selectable());
    EXPECT_FALSE(host_->helpEnabled);
    EXPECT_EQ(e->GetStat().Last().Errors, 0);
    // A new pair may begin with any piece.
    e->Choose(1, 0);
    EXPECT_EQ(e->GetSelected(), 1);
}

TEST_P(PairColumnsTest, AWrongSecondPieceCountsAnErrorAndKeepsTheFirstSelected) {
    auto e = Make();
    e->Choose(0, 0);
    const std::int32_t wrong = WrongFor(*e, 0);
    EXPECT_FALSE(e->Choose(wrong, 0));
    EXPECT_EQ(e->Piece(wrong).FrameStyle(), SelectionFrames::Red);
    EXPECT_EQ(e->GetSelected(), 0);
    EXPECT_EQ(e->Piece(0).FrameStyle(), SelectionFrames::Yellow);
    EXPECT_EQ(e->GetStat().Last().Errors, 1);
    EXPECT_EQ(e->GetStat().Last().Points, 0);
    EXPECT_TRUE(e->Piece(wrong).Selectable());
    // A piece of the same column is no partner either.
    EXPECT_FALSE(e->Choose(3, 0));
    EXPECT_EQ(e->GetStat().Last().Errors, 2);
    // The right piece at once joins the pair and takes every frame away but the green ones.
    EXPECT_FALSE(e->Choose(PartnerOf(*e, 0), 0));
    EXPECT_EQ(e->GetStat().Last().Points, 1);
    EXPECT_EQ(e->Piece(wrong).FrameStyle(), SelectionFrames::None);
    EXPECT_EQ(e->Piece(3).FrameStyle(), SelectionFrames::None);
    EXPECT_EQ(e->Piece(0).FrameStyle(), SelectionFrames::Green);
    EXPECT_EQ(e->Piece(PartnerOf(*e, 0)).FrameStyle(), SelectionFrames::Green);
}

// A right pair, whichever column it starts in: the right-hand piece dissolves to the left of
// its partner, both stay untouchable, help goes off.
TEST_P(PairColumnsTest, ARightPairCarriesTheRightHandPieceBesideItsPartner) {
    for (const bool fromRight : {false, true}) {
        SCOPED_TRACE(fromRight ? "right piece first" : "left piece first");
        auto e = Make();
        const std::int32_t left = 2;
        const std::int32_t right = PartnerOf(*e, left);
        const Rect home = e->Piece(right).ObjectRect();
        const int repaints = form_.Repaints;
        e->Choose(fromRight ? right : left, 0);
        EXPECT_FALSE(e->Choose(fromRight ? left : right, 0));
        const Rect partner = e->Piece(left).ObjectRect();
        EXPECT_EQ(e->Piece(right).ObjectRect(),
                  Rect::FromSize(partner.Left - kPieceWidth - 10, partner.Top, kPieceWidth,
                                 kPieceHeight));
        EXPECT_EQ(e->Piece(left).ObjectRect().Left, e->HomePosition(left).X);
        EXPECT_GE(form_.Repaints - repaints, 40);  // the dissolve was shown
        // The piece's old place shows the bare background, its new one the piece.
        const Rect now = e->Piece(right).ObjectRect();
        EXPECT_EQ(Frame().GetPixel(home.Left + 30, home.Top + 20),
                  form_.BackgroundBitmap.GetPixel(home.Left + 30, home.Top + 20));
        EXPECT_TRUE(Near(Frame().GetPixel(now.Left + 30, now.Top + 20),
                         e->Piece(right).Picture().GetPixel(30, 20)));
        EXPECT_FALSE(e->Piece(left).Selectable());
        EXPECT_FALSE(e->Piece(right).Selectable());
        EXPECT_FALSE(host_->helpEnabled);
        EXPECT_EQ(e->GetSelected(), -1);
        EXPECT_EQ(e->GetMatchedCount(), 2);
        EXPECT_FALSE(e->IsSolved());
    }
}

TEST_P(PairColumnsTest, TheFifthPairSolvesTheTask) {
    auto e = Make();
    const int scoreDraws = host_->scoreDraws;
    const std::vector<bool> results = SolveByChoosing(*e, PairIds(*e));
    ASSERT_EQ(results.size(), 10u);
    EXPECT_EQ(std::count(results.begin(), results.end(), true), 1);
    EXPECT_TRUE(results.back());
    EXPECT_TRUE(e->IsSolved());
    EXPECT_EQ(host_->scoreDraws, scoreDraws + 1);
    EXPECT_EQ(e->GetStat().Last().Points, 5);
    EXPECT_EQ(e->GetStat().Last().Errors, 0);
    EXPECT_TRUE(e->GetStat().Running);  // stopped only when the game form leaves
    // The celebration ends facing down again.
    EXPECT_EQ(host_->Vehicle().Direction(), pieces::CLudek::kFacingDown);
    // The right column is empty: every piece stands beside its partner on the left.
    const int rightColumn = e->HomePosition(5).X;
    for (std::int32_t n = 0; n < PairColumns::kPieceCount; ++n) {
        EXPECT_LT(e->Piece(n).ObjectRect().Left, rightColumn) << n;
        EXPECT_FALSE(e->Piece(n).Selectable()) << n;
        const Point home = e->HomePosition(n);
        if (n >= 5) {
            EXPECT_EQ(Frame().GetPixel(home.X + 30, home.Y + 20),
                      form_.BackgroundBitmap.GetPixel(home.X + 30, home.Y + 20));
        }
    }
    // Nothing more to choose, hint or count.
    EXPECT_FALSE(e->Choose(0, 0));
    e->Hint();
    EXPECT_EQ(e->GetStat().Last(), (CStatWart{5, 0, 0, e->GetStat().Last().Seconds}));
}

TEST_P(PairColumnsTest, SolvingWorksFromTheRightColumnToo) {
    auto e = Make(7);
    const std::vector<bool> results = SolveByChoosing(*e, PairIds(*e), true);
    EXPECT_EQ(results, (std::vector<bool>{false, false, false, false, false, false, false, false,
                                          false, true}));
    EXPECT_TRUE(e->IsSolved());
}

TEST_P(PairColumnsTest, HintFramesThePartnerBlueAndCountsEachTime) {
    auto e = Make();
    const int repaints = form_.Repaints;
    e->Hint();  // nothing picked: no hint
    EXPECT_EQ(e->GetStat().Last().Hints, 0);
    EXPECT_EQ(form_.Repaints, repaints);
    for (const std::int32_t picked : {1, 8}) {
        SCOPED_TRACE(picked);
        e->Choose(picked, 0);
        const std::int32_t partner = PartnerOf(*e, picked);
        const int hints = e->GetStat().Last().Hints;
        e->Hint();
        EXPECT_EQ(e->Piece(partner).FrameStyle(), SelectionFrames::Blue);
        for (std::int32_t n = 0; n < PairColumns::kPieceCount; ++n) {
            if (n != partner) {
                EXPECT_NE(e->Piece(n).FrameStyle(), SelectionFrames::Blue) << n;
            }
        }
        const Rect f = e->Piece(partner).FrameRect();
        EXPECT_EQ(Frame().GetPixel(f.Left + 1, f.Top + 1), (platform::Color{0, 0, 210}));
        e->Hint();
        EXPECT_EQ(e->GetStat().Last().Hints, hints + 2);
        EXPECT_GT(form_.Repaints, repaints);
        e->Choose(picked, 0);  // put it back
    }
}

// The game form blocks a piece the vehicle touched without completing a pair and unblocks
// it a second later.
TEST_P(PairColumnsTest, ATouchedPieceIsUntouchableUntilUnblocked) {
    auto e = Make();
    pieces::CLudek& vehicle = host_->Vehicle();
    const Rect piece = e->Piece(4).ObjectRect();
    vehicle.MoveTo({piece.Left - vehicle.Width() + 1, piece.Top + 10});
    // The vehicle's shape decides: overlapping rectangles alone do not touch.
    EXPECT_EQ(e->HitTest(0, 0), game::Hit{});
    EXPECT_EQ(e->HitTest(3, 0), (game::Hit{4, 1}));
    EXPECT_FALSE(e->Choose(4, 0));
    EXPECT_TRUE(e->Block(4));
    EXPECT_EQ(e->HitTest(3, 0), (game::Hit{4, -1}));
    EXPECT_FALSE(e->Block(4));  // already blocked
    e->Unblock(4);
    EXPECT_EQ(e->HitTest(3, 0), (game::Hit{4, 1}));
    // Touching it again takes the selection away.
    EXPECT_FALSE(e->Choose(4, 0));
    EXPECT_EQ(e->GetSelected(), -1);
    EXPECT_EQ(e->Piece(4).FrameStyle(), SelectionFrames::None);
}

// A pair may be completed within the second its first piece is blocked; the unblock that
// follows must not make a joined piece touchable again.
TEST_P(PairColumnsTest, AJoinedPieceStaysUntouchableWhenItsUnblockComesLate) {
    auto e = Make();
    e->Choose(0, 0);
    ASSERT_TRUE(e->Block(0));
    e->Choose(PartnerOf(*e, 0), 0);
    EXPECT_FALSE(e->Block(PartnerOf(*e, 0)));  // joined pieces are not blocked
    e->Unblock(0);
    EXPECT_FALSE(e->Piece(0).Selectable());
    // Choosing it anyway starts no pair.
    EXPECT_FALSE(e->Choose(0, 0));
    EXPECT_EQ(e->GetSelected(), -1);
    EXPECT_FALSE(host_->helpEnabled);
}

TEST_P(PairColumnsTest, ElementNumbersOutsideThePiecesAreIgnored) {
    auto e = Make();
    e->Choose(2, 0);
    for (const std::int32_t n : {-1, 10, 11, 1000, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(n);
        EXPECT_FALSE(e->Choose(n, 0));
        EXPECT_FALSE(e->Block(n));
        e->Unblock(n);
    }
    EXPECT_EQ(e->GetSelected(), 2);
    EXPECT_EQ(e->GetStat().Last(), CStatWart{});
}

TEST_P(PairColumnsTest, RestartPutsEverythingBackAsANewAttempt) {
    for (const bool solveFirst : {false, true}) {
        SCOPED_TRACE(solveFirst ? "after solving" : "unsolved");
        auto e = Make();
        const std::vector<std::int32_t> pairs = PairIds(*e);
        std::vector<Rect> pictures;
        for (std::int32_t n = 0; n < PairColumns::kPieceCount; ++n) {
            pictures.push_back(e->Piece(n).ObjectRect());
        }
        if (solveFirst) {
            SolveByChoosing(*e, pairs);
        } else {
            e->Choose(0, 0);
            e->Choose(PartnerOf(*e, 0), 0);
            e->Choose(1, 0);
            e->Choose(WrongFor(*e, 1), 0);
            e->Block(WrongFor(*e, 1));
        }
        const int stops = host_->autoNextStops;
        host_->helpEnabled = true;
        e->Restart();
        EXPECT_EQ(host_->autoNextStops, stops + 1);
        EXPECT_FALSE(host_->helpEnabled);
        EXPECT_FALSE(e->IsSolved());
        EXPECT_EQ(e->GetSelected(), -1);
        EXPECT_EQ(e->GetMatchedCount(), 0);
        EXPECT_EQ(e->GetStat().Attempts.size(), 2u);
        EXPECT_EQ(e->GetStat().AbandonedAttempts, solveFirst ? 0 : 1);
        EXPECT_EQ(e->GetStat().Last(), CStatWart{});
        for (std::int32_t n = 0; n < PairColumns::kPieceCount; ++n) {
            const Point home = e->HomePosition(n);
            EXPECT_EQ(e->Piece(n).ObjectRect(), pictures[static_cast<size_t>(n)]) << n;
            EXPECT_TRUE(e->Piece(n).Selectable()) << n;
            EXPECT_EQ(e->Piece(n).FrameStyle(), SelectionFrames::None) << n;
            EXPECT_TRUE(Near(Frame().GetPixel(home.X + 30, home.Y + 20),
                             e->Piece(n).Picture().GetPixel(30, 20)))
                << n;
        }
        // Where the joined pieces stood, the background shows again.
        const Point beside{e->HomePosition(0).X - kPieceWidth - 10, e->HomePosition(0).Y};
        EXPECT_EQ(Frame().GetPixel(beside.X + 30, beside.Y + 20),
                  form_.BackgroundBitmap.GetPixel(beside.X + 30, beside.Y + 20));
        const Rect v = host_->Vehicle().Rectangle();
        EXPECT_EQ((Point{v.Left, v.Top}), e->VehicleStart());
        EXPECT_EQ(PairIds(*e), pairs);  // the same task
        // And it can be solved again.
        const std::vector<bool> results = SolveByChoosing(*e, pairs);
        EXPECT_TRUE(results.back());
    }
}

// Scanning goes by piece number, skips joined pieces and gives the picked piece its yellow
// frame back whenever the highlight leaves it.
TEST_P(PairColumnsTest, ScanningGoesByPieceNumberAndKeepsThePickedPieceYellow) {
    auto e = Make();
    e->Choose(0, 0);
    e->Choose(PartnerOf(*e, 0), 0);  // a joined pair, skipped
    std::vector<std::int32_t> order{-1};
    for (std::int32_t n = 0; n < 10; ++n) {
        order.push_back(n);
    }
    const std::int32_t lastPosition = PartnerOf(*e, 0) == 9 ? 9 : 10;
    std::vector<std::int32_t> positions;
    for (int step = 0; step < 10; ++step) {
        const bool last = e->ScanNext();
        positions.push_back(e->GetScanPos());
        EXPECT_EQ(last, positions.back() == lastPosition) << step;
    }
    EXPECT_EQ(e->GetScanOrder(), order);
    std::vector<std::int32_t> expected{0};
    for (std::int32_t n = 1; n < 10; ++n) {
        if (n != PartnerOf(*e, 0)) {
            expected.push_back(n + 1);
        }
    }
    expected.push_back(0);
    EXPECT_EQ(positions, expected);

    // Pick piece 1 by scanning; the highlight passes over it and leaves it yellow.
    e->ScanStop();
    e->ScanNext();
    e->ScanNext();
    ASSERT_EQ(e->GetScanPos(), 2);
    EXPECT_EQ(e->Piece(1).FrameStyle(), SelectionFrames::Orange);
    EXPECT_EQ(e->ScanTargetRect(), e->Piece(1).ObjectRect());
    EXPECT_FALSE(e->ScanSelect());
    EXPECT_EQ(e->GetSelected(), 1);
    e->ScanNext();
    EXPECT_EQ(e->Piece(1).FrameStyle(), SelectionFrames::Yellow);
    EXPECT_EQ(e->Piece(2).FrameStyle(), SelectionFrames::Orange);
    // Leaving for the form's buttons from another piece takes only that piece's highlight.
    EXPECT_TRUE(e->ScanStop());
    EXPECT_EQ(e->Piece(2).FrameStyle(), SelectionFrames::None);
    EXPECT_EQ(e->Piece(1).FrameStyle(), SelectionFrames::Yellow);
    // Leaving from the picked piece gives it its yellow frame back.
    e->ScanNext();
    e->ScanNext();
    ASSERT_EQ(e->GetScanPos(), 2);
    EXPECT_EQ(e->Piece(1).FrameStyle(), SelectionFrames::Orange);
    EXPECT_TRUE(e->ScanStop());
    EXPECT_EQ(e->GetScanPos(), -1);
    EXPECT_EQ(e->Piece(1).FrameStyle(), SelectionFrames::Yellow);
    const Rect f = e->Piece(1).FrameRect();
    EXPECT_EQ(Frame().GetPixel(f.Left + 1, f.Top + 1), (platform::Color{230, 230, 0}));
    EXPECT_FALSE(e->ScanStop());
}

// Zooming the highlighted piece speaks it; on the instruction picture there is nothing to zoom.
TEST_P(PairColumnsTest, ScanZoomSpeaksTheHighlightedPiece) {
    auto e = Make();
    e->ScanNext();
    EXPECT_FALSE(e->ScanZoom());
    for (const std::int32_t piece : {0, 1, 2, 3, 4, 5, 6}) {
        WriteSound(GetParam().recording(*e, piece), 100);
    }
    while (e->GetScanPos() != 7) {  // piece 6
        e->ScanNext();
    }
    platform::Sound::StartRecording();
    EXPECT_TRUE(e->ScanZoom());
    ASSERT_EQ(platform::Sound::Recorded().size(), 1u);
    EXPECT_EQ(platform::Sound::Recorded()[0].Path, NativeFile(GetParam().recording(*e, 6)));
}

TEST_P(PairColumnsTest, ShowingEnablesThePiecesAndHelpOnlyWithAPickedPiece) {
    auto e = Make();
    e->Show(false);
    EXPECT_FALSE(e->Piece(0).Enabled());
    EXPECT_FALSE(e->GetInstructionPicture()->Enabled());
    e->Show(true);
    EXPECT_TRUE(e->Piece(9).Enabled());
    EXPECT_TRUE(e->GetInstructionPicture()->Enabled());
    EXPECT_FALSE(host_->helpEnabled);
    e->Choose(7, 0);
    e->Suspend();
    host_->helpEnabled = false;
    e->Resume();
    EXPECT_TRUE(host_->helpEnabled);
    EXPECT_EQ(e->Piece(7).FrameStyle(), SelectionFrames::Yellow);
}
