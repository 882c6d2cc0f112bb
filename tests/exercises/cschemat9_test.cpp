// The missing letter: the word, its row and the letters to choose from, the shelf, the right
// and wrong letters, hints, restart, scanning from the word's picture and the hit test.

#include "exercises/cschemat9.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "catalog/resource_names.h"
#include "catalog/screen_geometry.h"
#include "exercises/cschemat17.h"
#include "exercises/draws.h"
#include "exercises/search_fixture.h"
#include "game/cgrupa.h"
#include "media/cblad.h"
#include "media/cslowo.h"
#include "media/random.h"
#include "pieces/selection_frames.h"

using namespace exercises;
using pieces::SelectionFrames;
using platform::Point;
using platform::Rect;

namespace {

constexpr std::int32_t kLiczby = 157;  // "_l,_i,cz,b,y,": two marked letters
constexpr platform::Color kYellow{230, 230, 0};

class MissingLetterTest : public SearchTest {
  protected:
    MissingLetterTest() {
        WriteInstructionPicture("sluch");
        WriteWordCards("Res/Kar/Nor/", media::FlagAnyTrained, 60, 40);
        const std::string s = media::SizeSuffix();
        std::set<std::string> names;
        for (const media::CSlowo& w : media::WordDatabase()) {
            for (const media::Grapheme& g : w.Graphemes()) {
                names.insert(catalog::LetterFileName(g.Text));
            }
        }
        for (const std::string& name : names) {
            for (const std::string& variant : {name, name + "_red"}) {
                WriteBmp("Lib/GFX/" + variant + s + ".xbi",
                         Plain(search_fixture::kTileW, search_fixture::kTileH,
                               search_fixture::TileColour(variant)));
            }
        }
    }

    std::unique_ptr<CSchemat9> Make(std::int16_t level = game::LevelIII,
                                    std::int16_t groups = game::SoundGroupL) {
        game::CWybor settings;
        settings.poziom = level;
        settings.gloski = groups;
        auto e = std::make_unique<CSchemat9>(*host_, settings);
        e->Begin();
        return e;
    }
    // "liczby" (after the background's draw), the rest of the draws from a seeded generator.
    std::unique_ptr<CSchemat9> MakeLiczby(std::int16_t level = game::LevelIII) {
        media::SeedRandom(11);
        media::ScopedRandomScript word({0, kLiczby});
        return Make(level, game::SoundGroupL);
    }
    const platform::Bitmap& Frame() const { return form_.FrameBitmap; }
    bool FramedYellow(const Rect& frame) const {
        return Frame().GetPixel(frame.Left + 1, frame.Top + 1) == kYellow;
    }
};

// Over levels and sound selections: one right letter and two or four different wrong ones,
// none of them a sound of the word; the row spells the word with the first marked letter
// hidden; every letter to choose from lies inside the play area above the row, apart from
// the others; short words only.
TEST_F(MissingLetterTest, DrawsTheWordItsRowAndTheLetters) {
    const catalog::ScreenGeometry& g = catalog::Geometry();
    for (const std::int16_t level : {game::LevelIII, game::LevelIV}) {
        for (std::int16_t groups = 1; groups <= 7; ++groups) {
            for (unsigned seed = 1; seed <= 4; ++seed) {
                SCOPED_TRACE(testing::Message()
                             << "level " << level << " groups " << groups << " seed " << seed);
                media::SeedRandom(seed);
                auto e = Make(level, groups);
                const media::CSlowo& word = media::WordAt(e->GetWord());
                EXPECT_LE(word.Key.size(), CSchemat9::kMaxKeyLength);
                EXPECT_TRUE(word.Matches(static_cast<std::uint32_t>(SoundMask(groups, 0))));
                const auto& c = e->GetCandidates();
                ASSERT_EQ(c.size(), level == game::LevelIV ? 5u : 3u);
                const auto graphemes = word.Graphemes();
                const auto marked = static_cast<size_t>(word.MarkedIndex());
                EXPECT_EQ(c[0]->Name(), catalog::LetterFileName(graphemes[marked].Text));
                EXPECT_EQ(c[0]->Number(), e->GetWord());
                std::set<std::int32_t> codes;
                for (size_t i = 1; i < c.size(); ++i) {
                    EXPECT_EQ(c[i]->Name(), catalog::SymbolName(c[i]->Number()));
                    EXPECT_EQ(word.Flags & SoundBit(c[i]->Number()), 0u);
                    codes.insert(c[i]->Number());
                }
                EXPECT_EQ(codes.size(), c.size() - 1);
                const auto& row = e->GetRowTiles();
                ASSERT_EQ(row.size(), graphemes.size());
                EXPECT_EQ(e->GetGapIndex(), static_cast<std::int32_t>(marked));
                for (size_t k = 0; k < row.size(); ++k) {
                    EXPECT_EQ(row[k]->Name(), catalog::LetterFileName(graphemes[k].Text));
                    EXPECT_EQ(row[k]->Visible(), k != marked);
                    if (k != marked) {
                        EXPECT_FALSE(row[k]->Selectable());
                        EXPECT_EQ(row[k]->FrameStyle(), SelectionFrames::Green);
                    }
                }
                const Point gap = e->GetGap();
                EXPECT_EQ(row[marked]->ObjectRect().Left, gap.X);
                EXPECT_EQ(row[marked]->ObjectRect().Top, gap.Y);
                EXPECT_TRUE(FramedYellow(row[marked]->FrameRect()));
                const Rect& work = e->GetWorkRect();
                for (size_t i = 0; i < c.size(); ++i) {
                    const Rect& r = c[i]->ObjectRect();
                    EXPECT_EQ((Point{r.Left, r.Top}), e->GetHomes()[i]);
                    EXPECT_GT(r.Left, work.Left);
                    EXPECT_LT(r.Left, work.Right - g.MapLength(100));
                    EXPECT_GT(r.Top, work.Top);
                    EXPECT_TRUE(c[i]->Selectable());
                    for (size_t j = 0; j < i; ++j) {
                        EXPECT_TRUE(r.Intersect(c[j]->ObjectRect()).IsEmpty());
                    }
                    for (const auto& t : row) {
                        EXPECT_TRUE(r.Intersect(t->ObjectRect()).IsEmpty());
                    }
                }
                EXPECT_FALSE(e->GetWordCard().Visible());
                EXPECT_EQ(e->GetInstructionName(), "S9");
            }
        }
    }
}

// Only the first marked letter is missing; the second stands in the row like any letter.
TEST_F(MissingLetterTest, OnlyTheFirstMarkedLetterIsMissing) {
    auto e = MakeLiczby();
    ASSERT_EQ(e->GetWord(), kLiczby);
    const auto& row = e->GetRowTiles();
    ASSERT_EQ(row.size(), 5u);
    EXPECT_EQ(e->GetGapIndex(), 0);
    EXPECT_EQ(e->GetCandidates()[0]->Name(), "l");
    EXPECT_TRUE(row[1]->Visible());
    EXPECT_EQ(row[1]->Name(), "i");
    EXPECT_EQ(row[2]->Name(), "cz");
    // The row stands on the shelf, one letter per middle piece.
    const double s = catalog::Geometry().LayoutScale;
    for (size_t k = 1; k < row.size(); ++k) {
        EXPECT_EQ(row[k]->ObjectRect().Top, row[0]->ObjectRect().Top);
        EXPECT_EQ(row[k]->ObjectRect().Left - row[k - 1]->ObjectRect().Left,
                  search_fixture::kShelfMiddleW);
    }
    EXPECT_EQ(row[0]->ObjectRect().Top, static_cast<int>(catalog::Geometry().LayoutRect.Top +
                                                         catalog::Geometry().DesignHeight -
                                                         search_fixture::kShelfH + 15 * s));
}

// The right letter goes red into the slot and solves the task; a wrong one counts an error
// each time until then, and nothing after.
TEST_F(MissingLetterTest, RightAndWrongLetters) {
    auto e = MakeLiczby(game::LevelIV);
    const int scoreDraws = host_->scoreDraws;
    EXPECT_FALSE(e->Choose(2, 0));
    EXPECT_FALSE(e->Choose(2, 0));
    EXPECT_EQ(e->GetStat().Last().Errors, 2);
    EXPECT_EQ(e->GetCandidates()[2]->FrameStyle(), SelectionFrames::Red);
    EXPECT_TRUE(e->GetCandidates()[2]->Selectable());

    EXPECT_TRUE(e->Choose(0, 0));
    EXPECT_TRUE(e->IsSolved());
    EXPECT_EQ(e->GetStat().Last().Points, 1);
    EXPECT_EQ(host_->scoreDraws, scoreDraws + 1);
    const pieces::CLitCyf& red = *e->GetCandidates()[0];
    EXPECT_EQ(red.Name(), "l_red");
    EXPECT_EQ(red.Number(), kLiczby);
    EXPECT_FALSE(red.Selectable());
    EXPECT_EQ(red.FrameStyle(), SelectionFrames::Green);
    EXPECT_EQ((Point{red.ObjectRect().Left, red.ObjectRect().Top}), e->GetGap());
    const Point home = e->GetHomes()[0];
    EXPECT_EQ(Frame().GetPixel(home.X + 30, home.Y + 40),
              form_.BackgroundBitmap.GetPixel(home.X + 30, home.Y + 40));

    EXPECT_FALSE(e->Choose(1, 0));
    EXPECT_FALSE(e->Choose(0, 0));
    EXPECT_EQ(e->GetStat().Last().Errors, 2);
    EXPECT_EQ(e->GetStat().Last().Points, 1);
    for (const std::int32_t n : {-1, 5, 50}) {
        EXPECT_FALSE(e->Choose(n, 0));
    }
}

TEST_F(MissingLetterTest, EveryHintCountsUntilSolved) {
    auto e = MakeLiczby();
    for (int i = 0; i < 3; ++i) {
        e->Hint();
    }
    EXPECT_EQ(e->GetStat().Last().Hints, 3);
    EXPECT_EQ(e->GetCandidates()[0]->FrameStyle(), SelectionFrames::Blue);
    e->Choose(0, 0);
    e->Hint();
    EXPECT_EQ(e->GetStat().Last().Hints, 3);
}

// Restart takes the red letter out of the slot and puts the plain one back home; the slot
// is empty and framed again.
TEST_F(MissingLetterTest, RestartPutsTheLetterBack) {
    auto e = MakeLiczby();
    e->Choose(1, 0);
    ASSERT_TRUE(e->Choose(0, 0));
    e->Restart();
    EXPECT_FALSE(e->IsSolved());
    EXPECT_EQ(host_->autoNextStops, 1);
    ASSERT_EQ(e->GetStat().Attempts.size(), 2u);
    EXPECT_EQ(e->GetStat().AbandonedAttempts, 0);
    EXPECT_EQ(e->GetStat().Attempts[0].Errors, 1);
    const auto& c = e->GetCandidates();
    EXPECT_EQ(c[0]->Name(), "l");
    for (size_t i = 0; i < c.size(); ++i) {
        EXPECT_EQ((Point{c[i]->ObjectRect().Left, c[i]->ObjectRect().Top}), e->GetHomes()[i]);
        EXPECT_TRUE(c[i]->Selectable());
        EXPECT_EQ(c[i]->FrameStyle(), SelectionFrames::None);
    }
    const Point gap = e->GetGap();
    EXPECT_EQ(Frame().GetPixel(gap.X + 30, gap.Y + 40), search_fixture::kShelfColour);
    EXPECT_TRUE(FramedYellow(e->GetRowTiles()[0]->FrameRect()));
    EXPECT_TRUE(e->Choose(0, 0));
}

// The round starts at the word's picture, then the letters by their left edge; a letter in
// the slot is passed over.
TEST_F(MissingLetterTest, ScanningStartsAtTheWordPicture) {
    auto e = MakeLiczby(game::LevelIV);
    e->EndAnimation();
    EXPECT_FALSE(e->ScanNext());
    EXPECT_EQ(e->GetScanPos(), 0);
    EXPECT_EQ(e->GetWordCard().FrameStyle(), SelectionFrames::Orange);
    EXPECT_FALSE(e->ScanTargetRect().has_value());
    int previousLeft = -1;
    for (int step = 1; step <= 5; ++step) {
        EXPECT_EQ(e->ScanNext(), step == 5);
        EXPECT_EQ(e->GetWordCard().FrameStyle(), SelectionFrames::None);
        const std::int32_t n = e->GetScanOrder()[static_cast<size_t>(e->GetScanPos())];
        const pieces::CLitCyf& c = *e->GetCandidates()[static_cast<size_t>(n)];
        EXPECT_EQ(c.FrameStyle(), SelectionFrames::Orange);
        EXPECT_GE(c.ObjectRect().Left, previousLeft);
        previousLeft = c.ObjectRect().Left;
        EXPECT_EQ(e->ScanTargetRect(), c.ObjectRect());
    }
    EXPECT_TRUE(e->ScanStop());
    EXPECT_FALSE(e->ScanStop());
    e->Choose(0, 0);
    std::set<std::int32_t> visited;
    for (int step = 0; step < 12; ++step) {
        e->ScanNext();
        visited.insert(e->GetScanOrder()[static_cast<size_t>(e->GetScanPos())]);
    }
    EXPECT_EQ(visited.count(0), 0u);
    EXPECT_EQ(visited.size(), 5u);  // the picture and four letters
}

// The word's picture and the letters of the row stop the vehicle; a letter to choose from is
// touched by the vehicle's shape.
TEST_F(MissingLetterTest, HitTest) {
    auto e = MakeLiczby();
    pieces::CLudek& vehicle = host_->Vehicle();
    const auto besideLeftOf = [&](const Rect& r) {
        vehicle.MoveTo({r.Left - vehicle.Width() + 1, r.Top + 10});
    };
    besideLeftOf(e->GetWordCard().ObjectRect());  // hidden until the fade-in ends, still there
    EXPECT_EQ(e->HitTest(3, 0), (game::Hit{-1, -1}));
    besideLeftOf(e->GetCandidates()[1]->ObjectRect());
    EXPECT_EQ(e->HitTest(0, 0), game::Hit{});
    EXPECT_EQ(e->HitTest(3, 0), (game::Hit{1, 1}));
    besideLeftOf(e->GetRowTiles()[2]->ObjectRect());
    EXPECT_EQ(e->HitTest(3, 0), (game::Hit{2, -1}));
    // The hidden slot tile does not stop it.
    besideLeftOf(e->GetRowTiles()[0]->ObjectRect());
    EXPECT_EQ(e->HitTest(3, 0), game::Hit{});
}

TEST_F(MissingLetterTest, VehicleStartsClearOfEveryPiece) {
    auto e = MakeLiczby(game::LevelIV);
    pieces::CLudek& vehicle = host_->Vehicle();
    for (int i = 0; i < 20; ++i) {
        const Point p = e->VehicleStart();
        const Rect v = Rect::FromSize(p.X, p.Y, vehicle.Width(), vehicle.Height());
        EXPECT_TRUE(v.Intersect(e->GetWordCard().ObjectRect()).IsEmpty());
        for (const auto& c : e->GetCandidates()) {
            EXPECT_TRUE(v.Intersect(c->ObjectRect()).IsEmpty());
        }
        for (const auto& t : e->GetRowTiles()) {
            EXPECT_TRUE(v.Intersect(t->ObjectRect()).IsEmpty());
        }
        EXPECT_GT(v.Left, e->GetWorkRect().Left);
        EXPECT_LT(v.Right, e->GetWorkRect().Right);
    }
}

// A missing letter picture ends in the program's own error, with nothing left half made.
TEST_F(MissingLetterTest, AMissingLetterPictureIsTheResourceError) {
    RemoveFile("Lib/GFX/cz" + media::SizeSuffix() + ".xbi");
    try {
        MakeLiczby();
        ADD_FAILURE() << "no error";
    } catch (const media::CBlad& error) {
        EXPECT_EQ(error.Code(), media::CBlad::ResourceMissingCode);
    }
}

}  // namespace
