// Completing the theme row: what it draws from the word groups, where the cards stand, the
// right and wrong cards, hints, restart, scanning and the hit test.

#include "exercises/cschemat2_1.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "catalog/screen_geometry.h"
#include "exercises/draws.h"
#include "exercises/exercise_fixture.h"
#include "game/cgrupa.h"
#include "game/curriculum_tables.h"
#include "media/cblad.h"
#include "media/cslowo.h"
#include "media/random.h"
#include "pieces/selection_frames.h"

using namespace exercises;
using pieces::SelectionFrames;
using platform::Point;
using platform::Rect;

namespace {

constexpr int kCardWidth = 60;
constexpr int kCardHeight = 40;
constexpr platform::Color kYellow{230, 230, 0};

game::CWybor SettingsFor(std::int16_t level, std::int16_t soundGroups) {
    game::CWybor settings;
    settings.poziom = level;
    settings.gloski = soundGroups;
    return settings;
}

// The keys of the entries of a list's sections that a mask selects.
std::vector<std::string> Selected(const std::vector<std::int32_t>& list, std::int32_t l,
                                  std::int32_t r, std::int32_t j, std::int32_t mask) {
    std::vector<std::string> out;
    const auto take = [&](std::int32_t sectionMask, std::int32_t from, std::int32_t n) {
        for (std::int32_t i = from; (mask & sectionMask) != 0 && i < from + n; ++i) {
            out.push_back(media::WordAt(list[static_cast<size_t>(i)]).Key);
        }
    };
    take(SectionMaskL, 0, l);
    take(SectionMaskR, l, r);
    take(SectionMaskJ, l + r, j);
    return out;
}

bool Holds(const std::vector<std::string>& keys, const std::string& key) {
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

class ThemeRowTest : public ExerciseTest {
  protected:
    explicit ThemeRowTest(Point screen = {1280, 960}) : ExerciseTest(screen) {
        // A card for every word of every group, in its own colour.
        std::set<std::string> written;
        for (const game::CGrupa& g : game::BuildWordGroups()) {
            for (const auto* list : {&g.Words, &g.Others}) {
                for (const std::int32_t w : *list) {
                    if (written.insert(media::WordAt(w).Key).second) {
                        WriteJpeg(
                            "Res/Kar/Nor/" + media::WordAt(w).Key + media::SizeSuffix() + ".xji",
                            Plain(kCardWidth, kCardHeight, WordCardColour(w)));
                    }
                }
            }
        }
    }

    std::unique_ptr<CSchemat2_1> Make(std::int16_t level = game::LevelII,
                                      std::int16_t soundGroups = game::SoundGroupL) {
        auto e = std::make_unique<CSchemat2_1>(*host_, SettingsFor(level, soundGroups));
        e->Begin();
        return e;
    }
    const platform::Bitmap& Frame() const { return form_.FrameBitmap; }
    // A column card that is not the answer.
    static std::int32_t WrongCard(const CSchemat2_1& e) { return e.GetAnswerIndex() == 4 ? 5 : 4; }
    // Whether the empty place of the row shows the yellow frame.
    bool SlotFramed(const CSchemat2_1& e) {
        const Point slot = e.GetSlot();
        const Rect frame = e.Card(e.GetAnswerIndex())
                               .FrameRect()
                               .Offset(slot.X - e.Card(e.GetAnswerIndex()).ObjectRect().Left,
                                       slot.Y - e.Card(e.GetAnswerIndex()).ObjectRect().Top);
        return Frame().GetPixel(frame.Left + 1, frame.Top + 1) == kYellow;
    }
};

// Every level and sound selection the curriculum uses: the row holds four theme words of the
// selected sections without the answer, the column exactly one theme word (the answer, at
// 4 ... 8) and four other words of the group, and the cards stand where the layout says.
TEST_F(ThemeRowTest, DrawsTheRowAndTheColumnFromOneGroup) {
    const catalog::ScreenGeometry& geometry = catalog::Geometry();
    const double s = geometry.LayoutScale;
    std::set<std::int32_t> answerPlaces;
    for (const std::int16_t level : {game::LevelII, game::LevelIII}) {
        for (std::int16_t groups = 1; groups <= 7; ++groups) {
            for (unsigned seed = 1; seed <= 6; ++seed) {
                SCOPED_TRACE(testing::Message()
                             << "level " << level << " groups " << groups << " seed " << seed);
                media::SeedRandom(seed);
                auto e = Make(level, groups);
                const game::CGrupa& g = host_->WordGroups()[static_cast<size_t>(e->GetGroup())];
                EXPECT_TRUE(game::WordGroupSuitable(g, level, groups));
                const std::int32_t mask = SoundMask(groups, 0);
                const auto theme = Selected(g.Words, g.CountL, g.CountR, g.CountJ, mask);
                const auto others = Selected(g.Others, g.OtherL, g.OtherR, g.OtherJ, mask);
                const std::int32_t a = e->GetAnswerIndex();
                ASSERT_GE(a, 4);
                ASSERT_LE(a, 8);
                answerPlaces.insert(a);
                const std::string answer = e->Card(a).Word().Key;
                EXPECT_TRUE(Holds(theme, answer));
                std::int32_t x = geometry.LayoutRect.Left + static_cast<std::int32_t>(63 * s);
                const std::int32_t y = geometry.LayoutRect.Top + static_cast<std::int32_t>(376 * s);
                for (std::int32_t k = 0; k < CSchemat2_1::kRowCount; ++k) {
                    const pieces::CKarta& card = e->Card(k);
                    EXPECT_TRUE(Holds(theme, card.Word().Key));
                    EXPECT_NE(card.Word().Key, answer);
                    EXPECT_FALSE(card.Selectable());
                    EXPECT_EQ(card.ObjectRect().Left, x);
                    EXPECT_EQ(card.ObjectRect().Top, y);
                    x = static_cast<std::int32_t>(x + kCardWidth + 10 * s);
                }
                EXPECT_EQ(e->GetSlot(), (Point{x, y}));
                std::int32_t cy = geometry.LayoutRect.Top + static_cast<std::int32_t>(125 * s);
                for (std::int32_t k = 4; k < CSchemat2_1::kCardCount; ++k) {
                    const pieces::CKarta& card = e->Card(k);
                    EXPECT_TRUE(card.Selectable());
                    EXPECT_TRUE(card.Visible());
                    EXPECT_EQ(card.ObjectRect().Left,
                              geometry.LayoutRect.Left + static_cast<std::int32_t>(813 * s));
                    EXPECT_EQ(card.ObjectRect().Top, cy);
                    if (k != a) {
                        EXPECT_TRUE(Holds(others, card.Word().Key));
                    }
                    cy = static_cast<std::int32_t>(cy + kCardHeight + 10 * s);
                }
                EXPECT_EQ(e->GetAnswerHome(),
                          (Point{e->Card(a).ObjectRect().Left, e->Card(a).ObjectRect().Top}));
                const Rect& lowest = e->Card(8).ObjectRect();
                EXPECT_EQ(e->VehicleStart(),
                          (Point{static_cast<std::int32_t>(lowest.Right + 20 * s), lowest.Top}));
                EXPECT_EQ(e->GetInstructionName(), "S2_1");
                EXPECT_TRUE(SlotFramed(*e));
            }
        }
    }
    EXPECT_EQ(answerPlaces.size(), 5u);
}

// With "j" alone at level II only the first two groups offer enough "j" words.
TEST_F(ThemeRowTest, SoundJAtLevelIIComesFromTheFirstTwoGroups) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        media::SeedRandom(seed);
        auto e = Make(game::LevelII, game::SoundGroupJ);
        EXPECT_LE(e->GetGroup(), 1);
        EXPECT_NE(e->Card(e->GetAnswerIndex()).Word().Flags & SectionMaskJ, 0u);
    }
}

// The answer goes into the row and scores two points; a wrong card is framed red and counts
// an error each time, but no more once the task is solved.
TEST_F(ThemeRowTest, RightAndWrongCards) {
    media::SeedRandom(3);
    auto e = Make();
    const std::int32_t a = e->GetAnswerIndex();
    const std::int32_t wrong = WrongCard(*e);
    const int scoreDraws = host_->scoreDraws;
    EXPECT_FALSE(e->Choose(wrong, 0));
    EXPECT_FALSE(e->Choose(wrong, 0));
    EXPECT_EQ(e->GetStat().Last().Errors, 2);
    EXPECT_EQ(e->Card(wrong).FrameStyle(), SelectionFrames::Red);
    EXPECT_TRUE(e->Card(wrong).Selectable());
    EXPECT_FALSE(e->IsSolved());

    EXPECT_TRUE(e->Choose(a, 0));
    EXPECT_TRUE(e->IsSolved());
    EXPECT_EQ(e->GetStat().Last().Points, 2);
    EXPECT_EQ(host_->scoreDraws, scoreDraws + 1);
    EXPECT_FALSE(e->Card(a).Selectable());
    EXPECT_EQ(e->Card(a).FrameStyle(), SelectionFrames::Green);
    const Point slot = e->GetSlot();
    EXPECT_EQ(e->Card(a).ObjectRect().Left, slot.X);
    EXPECT_EQ(e->Card(a).ObjectRect().Top, slot.Y);
    EXPECT_TRUE(
        Near(Frame().GetPixel(slot.X + 30, slot.Y + 20), e->Card(a).Picture().GetPixel(30, 20)));
    const Point home = e->GetAnswerHome();
    EXPECT_EQ(Frame().GetPixel(home.X + 30, home.Y + 20),
              form_.BackgroundBitmap.GetPixel(home.X + 30, home.Y + 20));

    EXPECT_FALSE(e->Choose(wrong, 0));
    EXPECT_FALSE(e->Choose(a, 0));  // lying in the row, it is no answer again
    EXPECT_EQ(e->GetStat().Last().Errors, 2);
    EXPECT_EQ(e->GetStat().Last().Points, 2);
    // Painting again keeps the yellow place under the answer, not its green frame.
    e->Paint();
    EXPECT_TRUE(SlotFramed(*e));
}

// Row cards and numbers outside the cards are survived and change nothing.
TEST_F(ThemeRowTest, ChoosingARowCardOrAnUnknownNumberChangesNothing) {
    auto e = Make();
    for (const std::int32_t n : {-1, 0, 3, 9, 100}) {
        EXPECT_FALSE(e->Choose(n, 0)) << n;
    }
    EXPECT_EQ(e->GetStat().Last().Errors, 0);
    EXPECT_EQ(e->Card(0).FrameStyle(), SelectionFrames::None);
    EXPECT_FALSE(e->IsSolved());
}

TEST_F(ThemeRowTest, EveryHintCountsUntilSolved) {
    auto e = Make();
    const int repaints = form_.Repaints;
    for (int i = 0; i < 3; ++i) {
        e->Hint();
    }
    EXPECT_EQ(e->GetStat().Last().Hints, 3);
    EXPECT_EQ(e->Card(e->GetAnswerIndex()).FrameStyle(), SelectionFrames::Blue);
    EXPECT_GT(form_.Repaints, repaints);
    e->Choose(e->GetAnswerIndex(), 0);
    e->Hint();
    EXPECT_EQ(e->GetStat().Last().Hints, 3);
}

// Restart brings the answer back to its place in the column with the same words, the row's
// place empty and framed, and a new attempt that keeps the first one solved.
TEST_F(ThemeRowTest, RestartBringsTheAnswerBack) {
    media::SeedRandom(5);
    auto e = Make(game::LevelIII, game::SoundGroupR);
    const std::int32_t a = e->GetAnswerIndex();
    std::vector<std::string> words;
    for (std::int32_t k = 0; k < CSchemat2_1::kCardCount; ++k) {
        words.push_back(e->Card(k).Word().Key);
    }
    e->Choose(WrongCard(*e), 0);
    ASSERT_TRUE(e->Choose(a, 0));
    e->Restart();
    EXPECT_FALSE(e->IsSolved());
    EXPECT_EQ(host_->autoNextStops, 1);
    ASSERT_EQ(e->GetStat().Attempts.size(), 2u);
    EXPECT_EQ(e->GetStat().AbandonedAttempts, 0);
    EXPECT_EQ(e->GetStat().Attempts[0].Errors, 1);
    EXPECT_EQ(e->GetStat().Last().Points, 0);
    const Point home = e->GetAnswerHome();
    EXPECT_EQ(e->Card(a).ObjectRect().Left, home.X);
    EXPECT_EQ(e->Card(a).ObjectRect().Top, home.Y);
    EXPECT_TRUE(e->Card(a).Selectable());
    for (std::int32_t k = 0; k < CSchemat2_1::kCardCount; ++k) {
        EXPECT_EQ(e->Card(k).Word().Key, words[static_cast<size_t>(k)]);
        EXPECT_NE(e->Card(k).FrameStyle(), SelectionFrames::Red) << k;
    }
    const Point slot = e->GetSlot();
    EXPECT_EQ(Frame().GetPixel(slot.X + 30, slot.Y + 20),
              form_.BackgroundBitmap.GetPixel(slot.X + 30, slot.Y + 20));
    EXPECT_TRUE(SlotFramed(*e));
    EXPECT_TRUE(
        Near(Frame().GetPixel(home.X + 30, home.Y + 20), e->Card(a).Picture().GetPixel(30, 20)));
    EXPECT_EQ(host_->Vehicle().Rectangle().Left, e->VehicleStart().X);
    EXPECT_TRUE(e->Choose(a, 0));
}

// Scanning passes over the row: the instruction picture, then the column top to bottom; the
// last column card ends the round, and leaving a card takes its red frame away.
TEST_F(ThemeRowTest, ScanningRunsDownTheColumn) {
    auto e = Make();
    EXPECT_FALSE(e->ScanNext());
    EXPECT_EQ(e->GetScanPos(), 0);
    for (std::int32_t k = 4; k < CSchemat2_1::kCardCount; ++k) {
        EXPECT_EQ(e->ScanNext(), k == 8) << k;
        EXPECT_EQ(e->GetScanOrder()[static_cast<size_t>(e->GetScanPos())], k);
        EXPECT_EQ(e->Card(k).FrameStyle(), SelectionFrames::Orange);
        if (k > 4) {
            EXPECT_EQ(e->Card(k - 1).FrameStyle(), SelectionFrames::None);
        }
    }
    const std::int32_t wrong = WrongCard(*e);
    e->ScanStop();
    while (e->GetScanPos() < 1 ||
           e->GetScanOrder()[static_cast<size_t>(e->GetScanPos())] != wrong) {
        e->ScanNext();
    }
    EXPECT_FALSE(e->ScanSelect());
    EXPECT_EQ(e->Card(wrong).FrameStyle(), SelectionFrames::Red);
    e->ScanNext();
    EXPECT_EQ(e->Card(wrong).FrameStyle(), SelectionFrames::None);
    // Once the answer lies in the row, the round ends one card earlier when it was last.
    e->ScanStop();
    while (e->GetScanPos() < 1 ||
           e->GetScanOrder()[static_cast<size_t>(e->GetScanPos())] != e->GetAnswerIndex()) {
        e->ScanNext();
    }
    EXPECT_TRUE(e->ScanSelect());
    const std::int32_t last = e->GetAnswerIndex() == 8 ? 7 : 8;
    e->ScanStop();
    bool ended = false;
    for (int i = 0; i < 6 && !ended; ++i) {
        ended = e->ScanNext();
    }
    EXPECT_TRUE(ended);
    EXPECT_EQ(e->GetScanOrder()[static_cast<size_t>(e->GetScanPos())], last);
}

// The row can be touched but not chosen; a column card can; nothing elsewhere.
TEST_F(ThemeRowTest, HitTestTellsRowFromColumn) {
    auto e = Make();
    pieces::CLudek& vehicle = host_->Vehicle();
    vehicle.MoveTo({0, 0});
    EXPECT_EQ(e->HitTest(0, 0), game::Hit{});
    for (const std::int32_t k : {1, 6}) {
        const Rect card = e->Card(k).ObjectRect();
        // The vehicle's shape decides: overlapping rectangles alone do not touch.
        vehicle.MoveTo({card.Left - vehicle.Width() + 1, card.Top + 10});
        EXPECT_EQ(e->HitTest(0, 0), game::Hit{});
        EXPECT_EQ(e->HitTest(3, 0), (game::Hit{k, k < 4 ? -1 : 1}));
        vehicle.MoveTo({card.Left - vehicle.Width() + 4, card.Top + 10});
        EXPECT_EQ(e->ObjectUnderVehicle(), k < 4 ? std::nullopt : std::optional<std::int32_t>{k});
    }
}

// A table that leaves too few words ends in the too-few-words error; levels without an answer
// word are refused.
TEST_F(ThemeRowTest, TooFewWordsAndLevelsWithoutAnAnswerAreErrors) {
    game::WordGroupTable groups = game::BuildWordGroups();
    for (game::CGrupa& g : groups) {
        g.Levels = 0;
    }
    game::CGrupa& only = groups[0];
    only.Levels = game::GroupLevelII;
    only.OtherL = 3;  // three other "l" words for a column of four
    host_->SetWordGroups(groups);
    try {
        Make(game::LevelII, game::SoundGroupL);
        ADD_FAILURE() << "no error";
    } catch (const media::CBlad& error) {
        EXPECT_EQ(error.Code(), media::CBlad::TooFewWordsCode);
        EXPECT_EQ(error.Text(), "Za malo slow do losowania");
    }
    EXPECT_THROW(Make(game::LevelIV, game::SoundGroupL), std::invalid_argument);
}

}  // namespace
