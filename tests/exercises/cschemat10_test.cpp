// Word building: the word and its letters, the places on the shelf, right and wrong letters,
// twin letters, hints, restart, scanning from the word's picture, the hit test and the
// draws that cannot be satisfied.

#include "exercises/cschemat10.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "catalog/resource_catalog.h"
#include "catalog/resource_names.h"
#include "catalog/screen_geometry.h"
#include "catalog/word_table.h"
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

constexpr platform::Color kGreen{0, 200, 0};
constexpr int kCardW = 60, kCardH = 40;

// The number of the word of a trained sound with this key (a key may be listed twice).
std::int32_t WordNumber(const std::string& key) {
    const auto& words = media::WordDatabase();
    const auto it = std::find_if(words.begin(), words.end(), [&](const media::CSlowo& w) {
        return w.Key == key && w.Matches(media::FlagAnyTrained);
    });
    if (it == words.end()) {
        ADD_FAILURE() << "no word " << key;
        return 0;
    }
    return static_cast<std::int32_t>(it - words.begin());
}

std::vector<std::string> Names(const CSchemat10& e) {
    std::vector<std::string> names;
    for (const auto& t : e.GetTiles()) {
        names.push_back(t->Name());
    }
    return names;
}

class Schemat10Test : public SearchTest {
  protected:
    explicit Schemat10Test(Point screen = {1280, 960}) : SearchTest(screen) {
        WriteInstructionPicture("sluch");
        WriteWordCards("Res/Kar/Nor/", media::FlagAnyTrained, kCardW, kCardH);
        // Every letter a word is written with.
        for (const media::CSlowo& w : media::WordDatabase()) {
            for (const std::string& c : media::SplitCharacters(media::PlainSpelling(w.Spelling))) {
                letters_.insert(catalog::LetterFileName(c));
            }
        }
        for (const std::string& name : letters_) {
            WriteBmp("Lib/GFX/" + name + media::SizeSuffix() + ".xbi",
                     Plain(search_fixture::kTileW, search_fixture::kTileH,
                           search_fixture::TileColour(name)));
        }
        WriteFeedbackAndInstructions({"S10"});
    }

    // The exercise, shown as the game form shows it.
    std::unique_ptr<CSchemat10> Make(std::int16_t groups = game::SoundGroupL | game::SoundGroupR |
                                                           game::SoundGroupJ,
                                     std::int16_t level = game::LevelIV) {
        game::CWybor settings;
        settings.poziom = level;
        settings.gloski = groups;
        auto e = std::make_unique<CSchemat10>(*host_, settings);
        e->Begin();
        return e;
    }
    // The exercise of a word (after the background's draw), the rest of the draws from a
    // seeded generator.
    // A layout without room for every letter is built again with another word, so the
    // first seed whose layout fits is taken.
    std::unique_ptr<CSchemat10> MakeWord(const std::string& key) {
        for (unsigned seed = 1; seed <= 50; ++seed) {
            media::SeedRandom(seed);
            media::ScopedRandomScript word({0, WordNumber(key)});
            auto e = Make();
            if (media::WordAt(e->GetWord()).Key == key) {
                return e;
            }
        }
        ADD_FAILURE() << "no room for the letters of " << key;
        return Make();
    }
    // Takes the letters at these indexes in turn; what each Choose returned.
    static std::vector<bool> Take(CSchemat10& e, const std::vector<std::int32_t>& tiles) {
        std::vector<bool> results;
        for (const std::int32_t n : tiles) {
            results.push_back(e.Choose(n, 0));
        }
        return results;
    }
    const platform::Bitmap& Frame() const { return form_.FrameBitmap; }
    // The plain letters of the words; the red ones come from the search fixture.
    std::set<std::string> letters_;
    // Whether a frame of this colour is drawn around the tile-sized place at p.
    bool FramedAt(const CSchemat10& e, Point p, platform::Color c) const {
        const pieces::CLitCyf& t = *e.GetTiles()[0];
        const int dx = t.FrameRect().Left - t.ObjectRect().Left;
        const int dy = t.FrameRect().Top - t.ObjectRect().Top;
        return Frame().GetPixel(p.X + dx + 1, p.Y + dy + 1) == c;
    }
};

}  // namespace

// Over sound selections: a word of the selected sounds, short at level IV; one tile per
// character and a single red tile for the practised sound; every tile selectable, framed
// green and numbered by its place, scattered inside the play area above the shelf and clear
// of the others; the word's picture hidden until it fades in.
TEST_F(Schemat10Test, DrawsAShortWordAndScattersItsLetters) {
    const double s = catalog::Geometry().LayoutScale;
    for (std::int16_t groups = 1; groups <= 7; ++groups) {
        for (unsigned seed = 1; seed <= 4; ++seed) {
            SCOPED_TRACE(testing::Message() << "groups " << groups << " seed " << seed);
            media::SeedRandom(seed);
            auto e = Make(groups);
            const media::CSlowo& word = media::WordAt(e->GetWord());
            EXPECT_TRUE(word.Matches(static_cast<std::uint32_t>(SoundMask(groups, 0))));
            const auto& tiles = e->GetTiles();
            ASSERT_GE(tiles.size(), 2u);
            EXPECT_LE(tiles.size(), 5u) << word.Key;
            EXPECT_LE(word.Key.size(), 6u);
            std::vector<std::string> expected;
            bool red = false;
            for (const media::Grapheme& g : word.Graphemes()) {
                if (g.Marked && !red) {
                    red = true;
                    expected.push_back(
                        std::string(catalog::SymbolName(catalog::SoundOfName(word.Spelling))) +
                        "_red");
                } else {
                    for (const std::string& c : media::SplitCharacters(g.Text)) {
                        expected.push_back(catalog::LetterFileName(c));
                    }
                }
            }
            EXPECT_EQ(Names(*e), expected) << word.Spelling;
            const Rect& work = e->GetWorkRect();
            for (size_t k = 0; k < tiles.size(); ++k) {
                const Rect& r = tiles[k]->ObjectRect();
                EXPECT_EQ(tiles[k]->Number(), static_cast<std::int32_t>(k) + 1);
                EXPECT_TRUE(tiles[k]->Selectable());
                EXPECT_EQ(tiles[k]->FrameStyle(), SelectionFrames::Green);
                EXPECT_EQ((Point{r.Left, r.Top}), e->GetHomes()[k]);
                EXPECT_GT(r.Left, work.Left);
                EXPECT_LT(r.Left, work.Right - 100 * s);
                EXPECT_GT(r.Top, work.Top);
                EXPECT_LT(r.Top, e->GetSlot().Y);
                for (size_t j = 0; j < k; ++j) {
                    EXPECT_TRUE(r.Intersect(tiles[j]->ObjectRect()).IsEmpty()) << k << ' ' << j;
                }
            }
            EXPECT_FALSE(e->GetWordCard().Visible());
            EXPECT_EQ(e->GetInstructionName(), "S10");
            EXPECT_EQ(e->GetNextLetter(), 1);
        }
    }
}

// Long keys are drawn again: after "lokomotywa" and "centymetr" comes "lampa". A word of a
// sound not selected is drawn again too.
TEST_F(Schemat10Test, LongWordsAndWordsOfOtherSoundsAreDrawnAgain) {
    media::SeedRandom(3);
    media::ScopedRandomScript words({0, WordNumber("lokomotywa"), WordNumber("centymetr"),
                                     WordNumber("rak"), WordNumber("lampa")});
    auto e = Make(game::SoundGroupL);
    EXPECT_EQ(media::WordAt(e->GetWord()).Key, "lampa");
    EXPECT_EQ(Names(*e), (std::vector<std::string>{"l_red", "a", "m", "p", "a"}));
}

// Letters written with two characters give two tiles; the practised sound one red tile.
// A word with a second mark shows it as a plain letter.
TEST_F(Schemat10Test, TheTilesOfSomeWords) {
    struct Case {
        const char* key;
        std::vector<std::string> tiles;
    };
    const Case cases[] = {
        {"grosz", {"g", "r_red", "o", "s", "z"}},
        {"lalka", {"l", "a", "l_red", "k", "a"}},
        {"jez", {"j_red", "e", "zz"}},
        {"zegar", {"z", "e", "g", "a", "r_red"}},
        {"ul", {"u", "l_red"}},
        {"lis", {"l_red", "i", "s"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        auto e = MakeWord(c.key);
        ASSERT_EQ(media::WordAt(e->GetWord()).Key, c.key);
        EXPECT_EQ(Names(*e), c.tiles);
    }
}

// The shelf rests on the layout's bottom edge with one framed place per letter; the places
// start so that the row is centred on the card's width plus 20 screen pixels per letter.
TEST_F(Schemat10Test, TheShelfHasAFramedPlaceForEveryLetter) {
    auto e = MakeWord("grosz");
    const catalog::ScreenGeometry& g = catalog::Geometry();
    const double s = g.LayoutScale;
    EXPECT_EQ(e->GetRowStartX(), 640 - 5 * (kCardW + 20) / 2);
    const int shelfTop = g.LayoutRect.Top + g.DesignHeight - search_fixture::kShelfH;
    EXPECT_EQ(e->GetSlot(), (Point{e->GetRowStartX(), static_cast<int>(shelfTop + 15 * s)}));
    // The shelf's left piece begins one and a half of its widths before the first place.
    const int shelfLeft = e->GetRowStartX() - search_fixture::kShelfEndW * 3 / 2;
    EXPECT_EQ(Frame().GetPixel(shelfLeft + 1, shelfTop + 1), search_fixture::kShelfColour);
    EXPECT_NE(Frame().GetPixel(shelfLeft - 1, shelfTop + 1), search_fixture::kShelfColour);
    for (int k = 0; k < 5; ++k) {
        const Point place{e->GetRowStartX() + k * (search_fixture::kTileW + 20), e->GetSlot().Y};
        EXPECT_TRUE(FramedAt(*e, place, kGreen)) << k;
    }
    const Point sixth{e->GetRowStartX() + 5 * (search_fixture::kTileW + 20), e->GetSlot().Y};
    EXPECT_FALSE(FramedAt(*e, sixth, kGreen));
}

// The letters in the order of the word; twin letters stand for each other, and the red
// letter is not the plain one.
TEST_F(Schemat10Test, LettersAreTakenInTheOrderOfTheWord) {
    auto e = MakeWord("lalka");  // l a l_red k a
    const int scoreDraws = host_->scoreDraws;
    EXPECT_FALSE(e->Choose(2, 0));  // the red l first
    EXPECT_EQ(e->GetTiles()[2]->FrameStyle(), SelectionFrames::Red);
    EXPECT_TRUE(e->GetTiles()[2]->Selectable());
    EXPECT_EQ(e->GetStat().Last().Errors, 1);
    EXPECT_EQ(e->GetNextLetter(), 1);

    const Point first = e->GetSlot();
    EXPECT_FALSE(e->Choose(0, 0));
    const Rect& l = e->GetTiles()[0]->ObjectRect();
    EXPECT_EQ((Point{l.Left, l.Top}), first);
    EXPECT_FALSE(e->GetTiles()[0]->Selectable());
    EXPECT_EQ(e->GetTiles()[0]->FrameStyle(), SelectionFrames::Green);
    // Every letter still about has lost its frame, the red one too.
    for (const std::int32_t n : {1, 2, 3, 4}) {
        EXPECT_EQ(e->GetTiles()[static_cast<size_t>(n)]->FrameStyle(), SelectionFrames::None) << n;
    }
    EXPECT_EQ(e->GetSlot(),
              (Point{first.X + search_fixture::kTileW + 20, first.Y}));  // 20 design pixels
    EXPECT_EQ(e->GetNextLetter(), 2);
    // Its home shows the background again.
    const Point home = e->GetHomes()[0];
    EXPECT_EQ(Frame().GetPixel(home.X + 30, home.Y + 40),
              form_.BackgroundBitmap.GetPixel(home.X + 30, home.Y + 40));

    // The second "a" stands for the first; then the first for the second.
    EXPECT_EQ(Take(*e, {4, 2, 3, 1}), (std::vector<bool>{false, false, false, true}));
    EXPECT_TRUE(e->IsSolved());
    EXPECT_EQ(e->GetStat().Last().Points, 5);
    EXPECT_EQ(e->GetStat().Last().Errors, 1);
    EXPECT_EQ(host_->scoreDraws, scoreDraws + 1);
    EXPECT_EQ(host_->Vehicle().Direction(), pieces::CLudek::kFacingDown);
    const std::vector<std::int32_t> onShelf{0, 4, 2, 3, 1};
    for (size_t place = 0; place < onShelf.size(); ++place) {
        const Rect& r = e->GetTiles()[static_cast<size_t>(onShelf[place])]->ObjectRect();
        EXPECT_EQ(r.Left, first.X + static_cast<int>(place) * (search_fixture::kTileW + 20));
    }
    // Nothing more to take, count or hint.
    for (std::int32_t n = 0; n < 5; ++n) {
        EXPECT_FALSE(e->Choose(n, 0));
    }
    e->Hint();
    EXPECT_EQ(e->GetStat().Last(), (CStatWart{5, 0, 1, e->GetStat().Last().Seconds}));
}

TEST_F(Schemat10Test, AWrongLetterCountsEveryTime) {
    auto e = MakeWord("grosz");  // g r_red o s z
    EXPECT_EQ(Take(*e, {3, 3, 4}), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(e->GetStat().Last().Errors, 3);
    EXPECT_EQ(e->GetStat().Last().Points, 0);
    EXPECT_EQ(e->GetTiles()[3]->FrameStyle(), SelectionFrames::Red);
    EXPECT_EQ(e->GetTiles()[4]->FrameStyle(), SelectionFrames::Red);
    EXPECT_EQ(e->GetTiles()[0]->FrameStyle(), SelectionFrames::Green);
    EXPECT_EQ(Take(*e, {0, 1, 2, 3, 4}), (std::vector<bool>{false, false, false, false, true}));
    EXPECT_EQ(e->GetStat().Last().Errors, 3);
}

// A hint frames blue the letter that comes next, and counts each time. When that letter has
// already gone to the shelf in place of its twin, the twin still about is shown.
TEST_F(Schemat10Test, HintShowsALetterThatMayComeNext) {
    auto e = MakeWord("lalka");
    const int repaints = form_.Repaints;
    e->Hint();
    EXPECT_EQ(e->GetTiles()[0]->FrameStyle(), SelectionFrames::Blue);
    EXPECT_GT(form_.Repaints, repaints);
    Take(*e, {0, 4, 2, 3});  // the second "a" took the first one's place
    e->Hint();
    EXPECT_EQ(e->GetTiles()[1]->FrameStyle(), SelectionFrames::Blue);
    EXPECT_EQ(e->GetTiles()[4]->FrameStyle(), SelectionFrames::Green);
    EXPECT_EQ(e->GetStat().Last().Hints, 2);
    EXPECT_TRUE(e->Choose(1, 0));
}

// The word's picture and the letters on the shelf stop the vehicle; a letter about is
// touched by the vehicle's shape.
TEST_F(Schemat10Test, HitTest) {
    auto e = MakeWord("grosz");
    pieces::CLudek& vehicle = host_->Vehicle();
    const auto besideLeftOf = [&](const Rect& r) {
        vehicle.MoveTo({r.Left - vehicle.Width() + 1, r.Top + 10});
    };
    besideLeftOf(e->GetWordCard().ObjectRect());  // hidden until the fade-in ends, still there
    EXPECT_EQ(e->HitTest(3, 0), (game::Hit{-1, -1}));
    besideLeftOf(e->GetTiles()[1]->ObjectRect());
    EXPECT_EQ(e->HitTest(0, 0), game::Hit{});
    EXPECT_EQ(e->HitTest(3, 0), (game::Hit{1, 1}));
    e->Choose(0, 0);
    besideLeftOf(e->GetTiles()[0]->ObjectRect());
    EXPECT_EQ(e->HitTest(3, 0), (game::Hit{0, -1}));
}

// Restart puts every letter back home, unframed and selectable, empties the shelf and
// begins a new attempt that can be solved again.
TEST_F(Schemat10Test, RestartPutsTheLettersBack) {
    for (const bool solveFirst : {false, true}) {
        SCOPED_TRACE(solveFirst ? "after solving" : "unsolved");
        auto e = MakeWord("grosz");
        const Point first = e->GetSlot();
        Take(*e, solveFirst ? std::vector<std::int32_t>{4, 0, 1, 2, 3, 4}
                            : std::vector<std::int32_t>{4, 0, 1});
        const int stops = host_->autoNextStops;
        e->Restart();
        EXPECT_EQ(host_->autoNextStops, stops + 1);
        EXPECT_FALSE(e->IsSolved());
        ASSERT_EQ(e->GetStat().Attempts.size(), 2u);
        EXPECT_EQ(e->GetStat().AbandonedAttempts, solveFirst ? 0 : 1);
        EXPECT_EQ(e->GetStat().Attempts[0].Errors, 1);
        EXPECT_EQ(e->GetStat().Last(), CStatWart{});
        EXPECT_EQ(e->GetNextLetter(), 1);
        EXPECT_EQ(e->GetSlot(), first);
        for (size_t k = 0; k < e->GetTiles().size(); ++k) {
            const pieces::CLitCyf& t = *e->GetTiles()[k];
            EXPECT_EQ((Point{t.ObjectRect().Left, t.ObjectRect().Top}), e->GetHomes()[k]);
            EXPECT_TRUE(t.Selectable());
            EXPECT_EQ(t.FrameStyle(), SelectionFrames::None);
            EXPECT_EQ(Frame().GetPixel(t.ObjectRect().Left + 30, t.ObjectRect().Top + 40),
                      search_fixture::TileColour(t.Name()));
        }
        // The places are empty and framed again.
        for (int k = 0; k < 3; ++k) {
            const Point place{first.X + k * (search_fixture::kTileW + 20), first.Y};
            EXPECT_EQ(Frame().GetPixel(place.X + 30, place.Y + 40), search_fixture::kShelfColour);
            EXPECT_TRUE(FramedAt(*e, place, kGreen));
        }
        EXPECT_EQ(Take(*e, {0, 1, 2, 3, 4}), (std::vector<bool>{false, false, false, false, true}));
    }
}

// The round starts at the word's picture, then the letters by their left edge; letters on
// the shelf are passed over, and the last letter still about ends the round.
TEST_F(Schemat10Test, ScanningStartsAtTheWordPicture) {
    auto e = MakeWord("grosz");
    e->EndAnimation();
    EXPECT_FALSE(e->ScanNext());
    EXPECT_EQ(e->GetScanPos(), 0);
    EXPECT_EQ(e->GetWordCard().FrameStyle(), SelectionFrames::Orange);
    EXPECT_FALSE(e->ScanTargetRect().has_value());
    platform::Sound::StartRecording();
    EXPECT_FALSE(e->ScanSelect());  // the picture says the instruction
    ASSERT_EQ(platform::Sound::Recorded().size(), 1u);
    EXPECT_EQ(platform::Sound::Recorded()[0].Path, NativeFile("Res/Snd/Pol/S10.snd"));
    int previousLeft = INT_MIN;
    for (int step = 1; step <= 5; ++step) {
        EXPECT_EQ(e->ScanNext(), step == 5);
        EXPECT_EQ(e->GetWordCard().FrameStyle(), SelectionFrames::None);
        const std::int32_t n = e->GetScanOrder()[static_cast<size_t>(e->GetScanPos())];
        const pieces::CLitCyf& t = *e->GetTiles()[static_cast<size_t>(n)];
        EXPECT_EQ(t.FrameStyle(), SelectionFrames::Orange);
        EXPECT_GE(t.ObjectRect().Left, previousLeft);
        previousLeft = t.ObjectRect().Left;
        EXPECT_EQ(e->ScanTargetRect(), t.ObjectRect());
    }
    EXPECT_TRUE(e->ScanStop());
    EXPECT_FALSE(e->ScanStop());
    // Take the letters by scanning in the order of the word.
    for (std::int32_t letter = 0; letter < 5; ++letter) {
        while (e->GetScanPos() < 1 ||
               e->GetScanOrder()[static_cast<size_t>(e->GetScanPos())] != letter) {
            e->ScanNext();
        }
        EXPECT_EQ(e->ScanSelect(), letter == 4);
        // Once the last letter still about is highlighted, the round ends there.
        if (letter == 3) {
            const auto& order = e->GetScanOrder();
            const auto last = std::find(order.begin() + 1, order.end(), 4) - order.begin();
            for (int step = 0; step < 3; ++step) {
                const bool ends = e->ScanNext();
                EXPECT_EQ(ends, e->GetScanPos() == last) << step;
                EXPECT_TRUE(e->GetScanPos() == 0 || e->GetScanPos() == last) << step;
            }
        }
    }
    EXPECT_TRUE(e->IsSolved());
    // With no letter about the round never ends in the exercise.
    for (int step = 0; step < 3; ++step) {
        EXPECT_FALSE(e->ScanNext());
        EXPECT_EQ(e->GetScanPos(), 0);
    }
}

TEST_F(Schemat10Test, ScanZoomShowsThePictureOrTheLetter) {
    auto e = MakeWord("ul");
    WriteSound("Res/Snd/ul.snd", 100);
    WriteSound("Res/Snd/LC/u.snd", 100);
    e->ScanNext();
    platform::Sound::StartRecording();
    EXPECT_TRUE(e->ScanZoom());
    e->ScanNext();
    while (e->GetScanOrder()[static_cast<size_t>(e->GetScanPos())] != 0) {
        e->ScanNext();
    }
    EXPECT_TRUE(e->ScanZoom());
    ASSERT_EQ(platform::Sound::Recorded().size(), 2u);
    EXPECT_EQ(platform::Sound::Recorded()[0].Path, NativeFile("Res/Snd/ul.snd"));
    EXPECT_EQ(platform::Sound::Recorded()[1].Path, NativeFile("Res/Snd/LC/u.snd"));
}

TEST_F(Schemat10Test, ShowingEnablesEveryPiece) {
    auto e = MakeWord("grosz");
    e->Show(false);
    EXPECT_FALSE(e->GetTiles()[4]->Enabled());
    EXPECT_FALSE(e->GetWordCard().Enabled());
    EXPECT_FALSE(e->GetInstructionPicture()->Enabled());
    e->Show(true);
    EXPECT_TRUE(e->GetTiles()[4]->Enabled());
    EXPECT_TRUE(e->GetWordCard().Enabled());
}

TEST_F(Schemat10Test, VehicleStartsClearOfEveryPiece) {
    auto e = MakeWord("zegar");
    pieces::CLudek& vehicle = host_->Vehicle();
    for (int i = 0; i < 20; ++i) {
        const Point p = e->VehicleStart();
        const Rect v = Rect::FromSize(p.X, p.Y, vehicle.Width(), vehicle.Height());
        EXPECT_TRUE(v.Intersect(e->GetWordCard().ObjectRect()).IsEmpty());
        for (const auto& t : e->GetTiles()) {
            EXPECT_TRUE(v.Intersect(t->ObjectRect()).IsEmpty());
        }
        EXPECT_GT(v.Left, e->GetWorkRect().Left);
        EXPECT_LT(v.Right, e->GetWorkRect().Right);
    }
}

TEST_F(Schemat10Test, ElementNumbersOutsideTheLettersAreIgnored) {
    auto e = MakeWord("grosz");
    for (const std::int32_t n : {-1, 5, 6, 1000, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(n);
        EXPECT_FALSE(e->Choose(n, 0));
        EXPECT_FALSE(e->Block(n));
        e->Unblock(n);
    }
    EXPECT_EQ(e->GetStat().Last(), CStatWart{});
    EXPECT_EQ(e->GetNextLetter(), 1);
}

// What cannot be built ends in the program's own error, not in a crash or an endless draw:
// a missing letter picture, no word of the selected sounds, and letters too big ever to
// find room.
TEST_F(Schemat10Test, WhatCannotBeBuiltIsTheProgramsError) {
    {
        RemoveFile("Lib/GFX/g" + media::SizeSuffix() + ".xbi");
        try {
            MakeWord("grosz");
            ADD_FAILURE() << "built without the picture of g";
        } catch (const media::CBlad& error) {
            EXPECT_EQ(error.Code(), media::CBlad::ResourceMissingCode);
        }
    }
    try {
        Make(/*groups=*/0);
        ADD_FAILURE() << "built without a sound";
    } catch (const media::CBlad& error) {
        EXPECT_EQ(error.Code(), media::CBlad::TooFewWordsCode);
    }
    // Each letter as big as the layout: a second one never finds room beside the first.
    std::set<std::string> all = letters_;
    all.insert({"l_red", "r_red", "j_red"});
    for (const std::string& letter : all) {
        WriteBmp("Lib/GFX/" + letter + media::SizeSuffix() + ".xbi",
                 Plain(1280, 960, exercise_fixture::kInk));
    }
    try {
        MakeWord("lalka");
        ADD_FAILURE() << "built with letters that cannot all find room";
    } catch (const media::CBlad& error) {
        EXPECT_EQ(error.Code(), media::CBlad::RepeatedDrawCode);
    }
}

// Both layouts: the row is centred by the card's width and 20 screen pixels per letter.
class Schemat10LayoutTest : public Schemat10Test, public testing::WithParamInterface<Point> {
  protected:
    Schemat10LayoutTest() : Schemat10Test(GetParam()) {}
};

INSTANTIATE_TEST_SUITE_P(Layouts, Schemat10LayoutTest,
                         testing::Values(Point{1280, 960}, Point{1024, 768}),
                         [](const auto& info) { return info.param.X == 1280 ? "Large" : "Small"; });

TEST_P(Schemat10LayoutTest, TheRowStartsWhereTheWordIsCentred) {
    auto e = MakeWord("rak");
    const bool large = GetParam().X == 1280;
    // Half the design width, less one and a half cards and gaps.
    EXPECT_EQ(e->GetRowStartX(), (large ? 640 : 512) - 3 * (kCardW + 20) / 2);
    const int shelfTop = (large ? 960 : 768) - search_fixture::kShelfH;
    EXPECT_EQ(e->GetSlot().Y, static_cast<int>(shelfTop + 15 * (large ? 1.0 : 0.8)));
    Take(*e, {0});
    EXPECT_EQ(e->GetSlot().X, static_cast<int>(e->GetRowStartX() + search_fixture::kTileW +
                                               20 * (large ? 1.0 : 0.8)));
}

// Every letter of every word the game may draw here is a picture of the data set, in both
// layouts.
TEST_F(Schemat10Test, EveryLetterOfEveryWordIsInTheResourceCatalogue) {
    game::CWybor settings;
    settings.poziom = game::LevelIV;
    settings.gloski = game::SoundGroupL | game::SoundGroupR | game::SoundGroupJ;
    std::set<std::int32_t> built;
    for (std::int32_t word = 0; word < catalog::WordCount; ++word) {
        media::SeedRandom(static_cast<std::uint32_t>(word) + 1);
        media::ScopedRandomScript scripted({0, word});
        const CSchemat10 e(*host_, settings);
        if (!built.insert(e.GetWord()).second) {
            continue;
        }
        for (const auto& t : e.GetTiles()) {
            for (const char* size : {"_s", "_b"}) {
                EXPECT_NE(catalog::FindResource("Lib/GFX/" + t->Name() + size + ".xbi"), nullptr)
                    << media::WordAt(e.GetWord()).Key << ' ' << t->Name();
            }
        }
    }
    EXPECT_GT(built.size(), 50u);
}
