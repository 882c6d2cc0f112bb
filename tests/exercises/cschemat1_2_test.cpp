#include "exercises/cschemat1_2.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "catalog/word_table.h"
#include "exercises/exercise_fixture.h"
#include "game/exercise.h"
#include "media/cslowo.h"
#include "media/random.h"
#include "pieces/selection_frames.h"

using namespace exercises;
using namespace exercise_fixture;

using pieces::SelectionFrames;
using platform::Point;
using platform::Rect;

namespace {

constexpr int kCardWidth = 60;
constexpr int kCardHeight = 40;

// Drives an exercise to its solution through Choose alone. keys[n] is the key of element n;
// elements with equal keys are partners. Each pair is chosen in index order (or its second
// element first), pairs one after another; returns what every Choose returned, in order.
std::vector<bool> SolveByChoosing(game::Exercise& exercise, const std::vector<std::string>& keys,
                                  bool secondFirst = false) {
    std::vector<bool> results;
    std::vector<bool> used(keys.size(), false);
    for (size_t i = 0; i < keys.size(); ++i) {
        for (size_t j = i + 1; j < keys.size() && !used[i]; ++j) {
            if (!used[j] && keys[j] == keys[i]) {
                used[i] = used[j] = true;
                const auto first = static_cast<std::int32_t>(secondFirst ? j : i);
                const auto second = static_cast<std::int32_t>(secondFirst ? i : j);
                results.push_back(exercise.Choose(first, 0));
                results.push_back(exercise.Choose(second, 0));
            }
        }
    }
    return results;
}

std::vector<std::string> CardKeys(const CSchemat1_2& e) {
    std::vector<std::string> keys;
    for (std::int32_t n = 0; n < CSchemat1_2::kCardCount; ++n) {
        keys.push_back(e.Card(n).Word().Key);
    }
    return keys;
}

// The partner of card n: the card of the other column with the same key.
std::int32_t PartnerOf(const CSchemat1_2& e, std::int32_t n) {
    const std::int32_t first = n < CSchemat1_2::kColumnCount ? CSchemat1_2::kColumnCount : 0;
    for (std::int32_t k = first; k < first + CSchemat1_2::kColumnCount; ++k) {
        if (e.Card(k).Word().Key == e.Card(n).Word().Key) {
            return k;
        }
    }
    ADD_FAILURE() << "card " << n << " has no partner";
    return -1;
}

// A card of the other column that is not the partner of card n.
std::int32_t WrongFor(const CSchemat1_2& e, std::int32_t n) {
    const std::int32_t first = n < CSchemat1_2::kColumnCount ? CSchemat1_2::kColumnCount : 0;
    return PartnerOf(e, n) == first ? first + 1 : first;
}

class PicturePairsTest : public ExerciseTest {
  protected:
    explicit PicturePairsTest(Point screen = {1280, 960}) : ExerciseTest(screen) {
        WriteInstructionPicture("sluch");
        WriteWordCards("Res/Kar/Nor/", media::FlagAnyTrained, kCardWidth, kCardHeight);
    }
    // The exercise for a sound-group selection, shown as the game form shows it.
    std::unique_ptr<CSchemat1_2> Make(std::int16_t soundGroups = 2) {
        game::CWybor settings;
        settings.gloski = soundGroups;
        auto e = std::make_unique<CSchemat1_2>(*host_, settings);
        e->Begin();
        return e;
    }
    const platform::Bitmap& Frame() const { return form_.FrameBitmap; }
};

// Both layouts, to see the columns and the vehicle's start scale.
class PicturePairsLayoutTest : public PicturePairsTest, public testing::WithParamInterface<Point> {
  protected:
    PicturePairsLayoutTest() : PicturePairsTest(GetParam()) {}
};

INSTANTIATE_TEST_SUITE_P(Layouts, PicturePairsLayoutTest,
                         testing::Values(Point{1280, 960}, Point{1024, 768}),
                         [](const auto& info) { return info.param.X == 1280 ? "Large" : "Small"; });

}  // namespace

TEST_P(PicturePairsLayoutTest, ColumnsStartAtTheirPlacesAndTheVehicleBetweenThem) {
    const bool large = GetParam().X == 1280;
    const int left = large ? 190 : 152;
    const int right = large ? 950 : 760;
    const int top = large ? 138 : 110;
    const int step = kCardHeight + (large ? 25 : 20);
    auto e = Make();
    for (std::int32_t n = 0; n < CSchemat1_2::kCardCount; ++n) {
        const Point home{n < 5 ? left : right, top + n % 5 * step};
        EXPECT_EQ(e->HomePosition(n), home) << n;
        EXPECT_EQ(e->Card(n).CardRect(), Rect::FromSize(home.X, home.Y, kCardWidth, kCardHeight));
        EXPECT_TRUE(e->Card(n).Selectable());
    }
    // Halfway between the columns, at the vertical middle of the layout.
    EXPECT_EQ(e->VehicleStart(), (Point{left + (right - left) / 2, large ? 480 : 384}));
}

TEST_F(PicturePairsTest, ConstructionAsksForTheEarAndNoHelp) {
    host_->helpEnabled = true;
    auto e = Make();
    EXPECT_FALSE(host_->helpEnabled);
    EXPECT_EQ(e->GetInstructionName(), "S1_2");
    EXPECT_EQ(e->GetSelected(), -1);
    EXPECT_EQ(e->GetMatchedCount(), 0);
    // The ear is drawn where the instruction picture goes.
    const Rect ear = e->GetInstructionPicture()->PictureRectOnScreen();
    EXPECT_EQ(form_.BackgroundBitmap.GetPixel(ear.Left + 20, ear.Top + 20), kInk);
}

// Five different words of the selected sounds on the left, the same five on the right.
TEST_F(PicturePairsTest, TheWordsAreFiveDifferentOnesOfTheSelectedSounds) {
    struct Case {
        std::int16_t soundGroups;
        std::uint32_t flags;
    };
    for (const Case c : {Case{1, media::FlagL}, Case{2, media::FlagR}, Case{4, media::FlagJ},
                         Case{6, media::FlagR | media::FlagJ}}) {
        for (std::uint32_t seed = 1; seed <= 8; ++seed) {
            SCOPED_TRACE(testing::Message() << "selection " << c.soundGroups << " seed " << seed);
            media::SeedRandom(seed);
            auto e = Make(c.soundGroups);
            std::vector<std::string> left, right;
            for (std::int32_t n = 0; n < CSchemat1_2::kCardCount; ++n) {
                const media::CSlowo& word = e->Card(n).Word();
                EXPECT_NE(word.Flags & c.flags, 0u) << word.Key;
                (n < 5 ? left : right).push_back(word.Key);
            }
            std::sort(left.begin(), left.end());
            EXPECT_EQ(std::adjacent_find(left.begin(), left.end()), left.end());
            std::sort(right.begin(), right.end());
            EXPECT_EQ(left, right);
        }
    }
}

// The draws: a word of another sound, a second word of the same key and a number past
// the end of the database are all drawn again or wrapped; the right column starts each
// card at a drawn left card and takes the next one still free.
TEST_F(PicturePairsTest, TheDrawsPickWordsAndTheRightColumnOrderAsScripted) {
    std::vector<std::int32_t> rWords;
    std::int32_t otherWord = -1;
    for (std::int32_t n = 0; n < catalog::WordCount; ++n) {
        const media::CSlowo& w = media::WordAt(n);
        const bool newKey = std::none_of(rWords.begin(), rWords.end(), [&](std::int32_t k) {
            return media::WordAt(k).Key == w.Key;
        });
        if (w.Matches(media::FlagR) && newKey && rWords.size() < 5) {
            rWords.push_back(n);
        } else if (!w.Matches(media::FlagR) && otherWord < 0) {
            otherWord = n;
        }
    }
    ASSERT_EQ(rWords.size(), 5u);
    ASSERT_GE(otherWord, 0);
    // Background; the left column with a rejected word of another sound, a repeated key and
    // a number one database past the first; then the right column's starts (0 is drawn again).
    const std::vector<std::int32_t> script{0,
                                           rWords[0],
                                           otherWord,
                                           rWords[0],
                                           rWords[1],
                                           rWords[2],
                                           rWords[3] + catalog::WordCount,
                                           rWords[4],
                                           0,
                                           3,
                                           3,
                                           1,
                                           5,
                                           1};
    media::ScopedRandomScript scripted(script);
    game::CWybor settings;
    settings.gloski = 2;
    CSchemat1_2 e(*host_, settings);
    EXPECT_EQ(scripted.Remaining(), 0u);
    for (std::int32_t j = 0; j < 5; ++j) {
        EXPECT_EQ(e.Card(j).Word().Key, media::WordAt(rWords[static_cast<size_t>(j)]).Key);
    }
    const std::int32_t expectedRight[] = {2, 3, 0, 4, 1};
    for (std::int32_t k = 0; k < 5; ++k) {
        EXPECT_EQ(e.Card(5 + k).Word().Key, e.Card(expectedRight[k]).Word().Key) << k;
    }
}

TEST_F(PicturePairsTest, TheFirstCardTurnsYellowAndEnablesHelp) {
    auto e = Make();
    EXPECT_FALSE(e->Choose(3, 0));
    EXPECT_EQ(e->GetSelected(), 3);
    EXPECT_EQ(e->Card(3).FrameStyle(), SelectionFrames::Yellow);
    EXPECT_TRUE(host_->helpEnabled);
    EXPECT_EQ(e->GetStat().Last(), CStatWart{});
}

TEST_F(PicturePairsTest, ChoosingTheSameCardAgainTakesTheSelectionAwayWithoutAnError) {
    auto e = Make();
    e->Choose(6, 0);
    ASSERT_TRUE(e->Block(6));  // the game form blocks a touched card
    EXPECT_FALSE(e->Choose(6, 0));
    EXPECT_EQ(e->GetSelected(), -1);
    EXPECT_EQ(e->Card(6).FrameStyle(), SelectionFrames::None);
    EXPECT_TRUE(e->Card(6).Selectable());
    EXPECT_FALSE(host_->helpEnabled);
    EXPECT_EQ(e->GetStat().Last().Errors, 0);
    // A new pair may begin with any card.
    e->Choose(1, 0);
    EXPECT_EQ(e->GetSelected(), 1);
}

TEST_F(PicturePairsTest, AWrongSecondCardCountsAnErrorAndKeepsTheFirstSelected) {
    auto e = Make();
    e->Choose(0, 0);
    const std::int32_t wrong = WrongFor(*e, 0);
    EXPECT_FALSE(e->Choose(wrong, 0));
    EXPECT_EQ(e->Card(wrong).FrameStyle(), SelectionFrames::Red);
    EXPECT_EQ(e->GetSelected(), 0);
    EXPECT_EQ(e->Card(0).FrameStyle(), SelectionFrames::Yellow);
    EXPECT_EQ(e->GetStat().Last().Errors, 1);
    EXPECT_EQ(e->GetStat().Last().Points, 0);
    EXPECT_TRUE(e->Card(wrong).Selectable());
    // The right card at once joins the pair and takes every frame away but the green ones.
    EXPECT_FALSE(e->Choose(PartnerOf(*e, 0), 0));
    EXPECT_EQ(e->GetStat().Last().Points, 1);
    EXPECT_EQ(e->Card(wrong).FrameStyle(), SelectionFrames::None);
    EXPECT_EQ(e->Card(0).FrameStyle(), SelectionFrames::Green);
    EXPECT_EQ(e->Card(PartnerOf(*e, 0)).FrameStyle(), SelectionFrames::Green);
}

// A right pair, whichever column it starts in: the right-hand card dissolves to the left of
// its partner, both stay untouchable, help goes off.
TEST_F(PicturePairsTest, ARightPairCarriesTheRightHandCardBesideItsPartner) {
    for (const bool fromRight : {false, true}) {
        SCOPED_TRACE(fromRight ? "right card first" : "left card first");
        auto e = Make();
        const std::int32_t left = 2;
        const std::int32_t right = PartnerOf(*e, left);
        const Rect home = e->Card(right).CardRect();
        const int repaints = form_.Repaints;
        e->Choose(fromRight ? right : left, 0);
        EXPECT_FALSE(e->Choose(fromRight ? left : right, 0));
        const Rect partner = e->Card(left).CardRect();
        EXPECT_EQ(e->Card(right).CardRect(), Rect::FromSize(partner.Left - kCardWidth - 10,
                                                            partner.Top, kCardWidth, kCardHeight));
        EXPECT_EQ(e->Card(left).CardRect().Left, e->HomePosition(left).X);
        EXPECT_GE(form_.Repaints - repaints, 40);  // the dissolve was shown
        // The card's old place shows the bare background, its new one the card.
        const Rect now = e->Card(right).CardRect();
        EXPECT_EQ(Frame().GetPixel(home.Left + 30, home.Top + 20),
                  form_.BackgroundBitmap.GetPixel(home.Left + 30, home.Top + 20));
        EXPECT_TRUE(Near(Frame().GetPixel(now.Left + 30, now.Top + 20),
                         e->Card(left).Picture().GetPixel(30, 20)));
        EXPECT_FALSE(e->Card(left).Selectable());
        EXPECT_FALSE(e->Card(right).Selectable());
        EXPECT_FALSE(host_->helpEnabled);
        EXPECT_EQ(e->GetSelected(), -1);
        EXPECT_EQ(e->GetMatchedCount(), 2);
        EXPECT_FALSE(e->IsSolved());
    }
}

TEST_F(PicturePairsTest, TheFifthPairSolvesTheTask) {
    auto e = Make();
    const int scoreDraws = host_->scoreDraws;
    const std::vector<bool> results = SolveByChoosing(*e, CardKeys(*e));
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
    // The right column is empty: every card stands beside its partner on the left.
    const int rightColumn = e->HomePosition(5).X;
    for (std::int32_t n = 0; n < CSchemat1_2::kCardCount; ++n) {
        EXPECT_LT(e->Card(n).CardRect().Left, rightColumn) << n;
        EXPECT_FALSE(e->Card(n).Selectable()) << n;
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

TEST_F(PicturePairsTest, SolvingWorksFromTheRightColumnToo) {
    auto e = Make(7);
    const std::vector<bool> results = SolveByChoosing(*e, CardKeys(*e), true);
    EXPECT_EQ(results, (std::vector<bool>{false, false, false, false, false, false, false, false,
                                          false, true}));
    EXPECT_TRUE(e->IsSolved());
}

TEST_F(PicturePairsTest, HintFramesThePartnerBlueAndCountsEachTime) {
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
        EXPECT_EQ(e->Card(partner).FrameStyle(), SelectionFrames::Blue);
        const Rect f = e->Card(partner).FrameRect();
        EXPECT_EQ(Frame().GetPixel(f.Left + 1, f.Top + 1), (platform::Color{0, 0, 210}));
        e->Hint();
        EXPECT_EQ(e->GetStat().Last().Hints, hints + 2);
        EXPECT_GT(form_.Repaints, repaints);
        e->Choose(picked, 0);  // put it back
    }
}

// The game form blocks a card the vehicle touched without completing a pair and unblocks
// it a second later.
TEST_F(PicturePairsTest, ATouchedCardIsUntouchableUntilUnblocked) {
    auto e = Make();
    pieces::CLudek& vehicle = host_->Vehicle();
    const Rect card = e->Card(4).CardRect();
    vehicle.MoveTo({card.Left - vehicle.Width() + 1, card.Top + 10});
    // The card test of the vehicle's shape: overlapping rectangles alone do not touch.
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
    EXPECT_EQ(e->Card(4).FrameStyle(), SelectionFrames::None);
}

// A pair may be completed within the second its first card is blocked; the unblock that
// follows must not make a joined card touchable again.
TEST_F(PicturePairsTest, AJoinedCardStaysUntouchableWhenItsUnblockComesLate) {
    auto e = Make();
    e->Choose(0, 0);
    ASSERT_TRUE(e->Block(0));
    e->Choose(PartnerOf(*e, 0), 0);
    EXPECT_FALSE(e->Block(PartnerOf(*e, 0)));  // joined cards are not blocked
    e->Unblock(0);
    EXPECT_FALSE(e->Card(0).Selectable());
    // Choosing it anyway starts no pair.
    EXPECT_FALSE(e->Choose(0, 0));
    EXPECT_EQ(e->GetSelected(), -1);
    EXPECT_FALSE(host_->helpEnabled);
}

TEST_F(PicturePairsTest, ElementNumbersOutsideTheCardsAreIgnored) {
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

TEST_F(PicturePairsTest, RestartPutsEverythingBackAsANewAttempt) {
    for (const bool solveFirst : {false, true}) {
        SCOPED_TRACE(solveFirst ? "after solving" : "unsolved");
        auto e = Make();
        const std::vector<std::string> keys = CardKeys(*e);
        if (solveFirst) {
            SolveByChoosing(*e, keys);
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
        for (std::int32_t n = 0; n < CSchemat1_2::kCardCount; ++n) {
            const Point home = e->HomePosition(n);
            EXPECT_EQ(e->Card(n).CardRect().Left, home.X) << n;
            EXPECT_EQ(e->Card(n).CardRect().Top, home.Y) << n;
            EXPECT_TRUE(e->Card(n).Selectable()) << n;
            EXPECT_EQ(e->Card(n).FrameStyle(), SelectionFrames::None) << n;
            EXPECT_TRUE(Near(Frame().GetPixel(home.X + 30, home.Y + 20),
                             e->Card(n).Picture().GetPixel(30, 20)))
                << n;
        }
        // Where the joined cards stood, the background shows again.
        const Point beside{e->HomePosition(0).X - kCardWidth - 10, e->HomePosition(0).Y};
        EXPECT_EQ(Frame().GetPixel(beside.X + 30, beside.Y + 20),
                  form_.BackgroundBitmap.GetPixel(beside.X + 30, beside.Y + 20));
        const Rect v = host_->Vehicle().Rectangle();
        EXPECT_EQ((Point{v.Left, v.Top}), e->VehicleStart());
        EXPECT_EQ(CardKeys(*e), keys);  // the same task
        // And it can be solved again.
        const std::vector<bool> results = SolveByChoosing(*e, keys);
        EXPECT_TRUE(results.back());
    }
}

// Scanning goes by card number, skips joined cards and gives the picked card its yellow
// frame back whenever the highlight leaves it.
TEST_F(PicturePairsTest, ScanningGoesByCardNumberAndKeepsThePickedCardYellow) {
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

    // Pick card 1 by scanning; the highlight passes over it and leaves it yellow.
    e->ScanStop();
    e->ScanNext();
    e->ScanNext();
    ASSERT_EQ(e->GetScanPos(), 2);
    EXPECT_EQ(e->Card(1).FrameStyle(), SelectionFrames::Orange);
    EXPECT_FALSE(e->ScanSelect());
    EXPECT_EQ(e->GetSelected(), 1);
    e->ScanNext();
    EXPECT_EQ(e->Card(1).FrameStyle(), SelectionFrames::Yellow);
    EXPECT_EQ(e->Card(2).FrameStyle(), SelectionFrames::Orange);
    // Leaving for the form's buttons from another card takes only that card's highlight.
    EXPECT_TRUE(e->ScanStop());
    EXPECT_EQ(e->Card(2).FrameStyle(), SelectionFrames::None);
    EXPECT_EQ(e->Card(1).FrameStyle(), SelectionFrames::Yellow);
    // Leaving from the picked card gives it its yellow frame back.
    e->ScanNext();
    e->ScanNext();
    ASSERT_EQ(e->GetScanPos(), 2);
    EXPECT_EQ(e->Card(1).FrameStyle(), SelectionFrames::Orange);
    EXPECT_TRUE(e->ScanStop());
    EXPECT_EQ(e->GetScanPos(), -1);
    EXPECT_EQ(e->Card(1).FrameStyle(), SelectionFrames::Yellow);
    const Rect f = e->Card(1).FrameRect();
    EXPECT_EQ(Frame().GetPixel(f.Left + 1, f.Top + 1), (platform::Color{230, 230, 0}));
    EXPECT_FALSE(e->ScanStop());
}

TEST_F(PicturePairsTest, ShowingEnablesTheCardsAndHelpOnlyWithAPickedCard) {
    auto e = Make();
    e->Show(false);
    EXPECT_FALSE(e->Card(0).Enabled());
    EXPECT_FALSE(e->GetInstructionPicture()->Enabled());
    e->Show(true);
    EXPECT_TRUE(e->Card(9).Enabled());
    EXPECT_TRUE(e->GetInstructionPicture()->Enabled());
    EXPECT_FALSE(host_->helpEnabled);
    e->Choose(7, 0);
    e->Suspend();
    host_->helpEnabled = false;
    e->Resume();
    EXPECT_TRUE(host_->helpEnabled);
    EXPECT_EQ(e->Card(7).FrameStyle(), SelectionFrames::Yellow);
}
