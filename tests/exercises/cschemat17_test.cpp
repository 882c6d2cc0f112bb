#include "exercises/cschemat17.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "catalog/resource_names.h"
#include "catalog/screen_geometry.h"
#include "exercises/draws.h"
#include "exercises/exercise_fixture.h"
#include "exercises/placement.h"
#include "exercises/search_fixture.h"
#include "media/cblad.h"
#include "media/cslowo.h"
#include "media/picture_fixture.h"
#include "media/random.h"
#include "pieces/selection_frames.h"

using namespace exercises;
using namespace exercise_fixture;
using namespace search_fixture;

using pieces::SelectionFrames;
using platform::Color;
using platform::Point;
using platform::Rect;
using Variant = CSchemat17::Variant;

namespace {

// The objects the exercise would accept now, in index order.
std::vector<std::int32_t> MatchingObjects(const CSchemat17& e) {
    std::vector<std::int32_t> found;
    for (std::int32_t i = 0; i < CSchemat17::ObjectTotal; ++i) {
        if (e.Matches(i)) {
            found.push_back(i);
        }
    }
    return found;
}

constexpr int kCardW = 100, kCardH = 70;

// The colour of the card of a key, so a probe tells which card lies where.
Color CardColour(const std::string& key) {
    return NameColour(key);
}

// Every card of the word table besides what every search asks for.
class Schemat17Test : public SearchTest {
  protected:
    explicit Schemat17Test(Point screen = {1280, 960}) : SearchTest(screen) {
        const std::string s = media::SizeSuffix();
        WriteFrames(kCardW + 20, kCardH + 20);
        std::set<std::string> keys;
        for (const media::CSlowo& w : media::WordDatabase()) {
            keys.insert(w.Key);
        }
        for (const std::string& key : keys) {
            WriteJpeg("Res/Kar/Nor/" + key + s + ".xji", Plain(kCardW, kCardH, CardColour(key)));
        }
    }

    std::unique_ptr<CSchemat17> Make(int level, int soundGroups = 7) {
        game::CWybor settings;
        settings.poziom = static_cast<std::int16_t>(level);
        settings.gloski = static_cast<std::int16_t>(soundGroups);
        return std::make_unique<CSchemat17>(*host_, settings);
    }
    // The first seed from `from` on that builds the variant.
    std::unique_ptr<CSchemat17> MakeVariant(Variant v, int soundGroups = 7, uint32_t from = 1) {
        for (uint32_t seed = from;; ++seed) {
            media::SeedRandom(seed);
            auto e = Make(v == Variant::SamePicture ? 1 : 2, soundGroups);
            if (e->GetVariant() == v) {
                return e;
            }
        }
    }
};

struct VariantCase {
    const char* name;
    Variant variant;
    const char* instruction;
};

class Schemat17VariantTest : public Schemat17Test,
                             public testing::WithParamInterface<VariantCase> {};

const VariantCase kVariants[] = {
    {"SamePicture", Variant::SamePicture, "S171"},
    {"SoundInPicture", Variant::SoundInPicture, "S1721"},
    {"LetterOfSound", Variant::LetterOfSound, "S1722"},
};

}  // namespace

TEST_P(Schemat17VariantTest, BuildsTheModelAndEightObjectsOfWhichTheLastFourMatch) {
    const VariantCase& c = GetParam();
    for (uint32_t seed = 1; seed < 60; seed += 7) {
        SCOPED_TRACE(seed);
        auto e = MakeVariant(c.variant, 7, seed);
        EXPECT_EQ(e->GetInstructionName(), c.instruction);
        const Rect bubble = e->GetInstructionPicture()->PictureRectOnScreen();
        const int d = c.variant == Variant::SamePicture ? 15 : 16;
        const pieces::PictureTile* model = e->GetModelCard();
        if (c.variant == Variant::SoundInPicture) {
            ASSERT_EQ(model, nullptr);
            model = e->GetModelLetter();
            EXPECT_EQ(e->GetModelLetter()->Name(),
                      std::string(catalog::SymbolName(e->GetModelLetter()->Number())) + "_red");
        } else {
            EXPECT_EQ(e->GetModelLetter(), nullptr);
        }
        ASSERT_NE(model, nullptr);
        EXPECT_EQ(model->ObjectRect().Left, bubble.Left + d);
        EXPECT_EQ(model->ObjectRect().Top, bubble.Top + d);
        EXPECT_FALSE(model->Visible());  // until its fade-in
        const bool cards = c.variant != Variant::LetterOfSound;
        EXPECT_EQ(e->GetCards().size(), cards ? 8u : 0u);
        EXPECT_EQ(e->GetTiles().size(), cards ? 0u : 8u);
        const Rect work = e->GetWorkRect();
        for (int k = 0; k < 8; ++k) {
            const pieces::PictureTile* o = e->Object(k);
            ASSERT_NE(o, nullptr);
            EXPECT_TRUE(o->Selectable());
            EXPECT_EQ(e->Matches(k), k >= 4) << k;
            const Rect r = o->ObjectRect();
            // Objects k and k + 4 share quarter k mod 4 of the layout.
            SCOPED_TRACE(k);
            ExpectPlacedInQuarter(r, work, 100, k % 4 + 1);
            // The vehicle always finds room between two objects.
            const int vw = host_->Vehicle().Width();
            for (int i = 0; i < k; ++i) {
                const Rect other = e->Object(i)->ObjectRect();
                EXPECT_TRUE(Grow(other, vw, host_->Vehicle().Height()).Intersect(r).IsEmpty())
                    << i << " " << k;
            }
            const Point home = cards ? e->GetCardHomes()[static_cast<size_t>(k)]
                                     : e->GetTileHomes()[static_cast<size_t>(k)];
            EXPECT_EQ(home, (Point{r.Left, r.Top}));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Variants, Schemat17VariantTest, testing::ValuesIn(kVariants),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Schemat17Test, SamePictureShowsFourCopiesOfTheModelAndFourOtherWordsWithoutTheSounds) {
    for (const int groups : {1, 2, 4, 5}) {
        for (uint32_t seed = 1; seed < 6; ++seed) {
            media::SeedRandom(seed);
            auto e = Make(1, groups);
            const media::CSlowo& model = e->GetModelCard()->Word();
            EXPECT_TRUE(model.Matches(static_cast<uint32_t>(SoundMask(groups, 0))));
            std::set<std::string> others;
            for (int k = 0; k < 8; ++k) {
                const media::CSlowo& w = e->GetCards()[static_cast<size_t>(k)]->Word();
                if (k >= 4) {
                    EXPECT_EQ(w.Key, model.Key);
                } else {
                    EXPECT_EQ(w.Flags & media::FlagAnyTrained, 0u);
                    EXPECT_NE(w.Key, model.Key);
                    others.insert(w.Key);
                }
            }
            EXPECT_EQ(others.size(), 4u);
        }
    }
}

TEST_F(Schemat17Test, SoundInPictureOffersWordsOfTheSoundAndHissingWordsThatLackIt) {
    for (const int groups : {1, 2, 4, 7}) {
        SCOPED_TRACE(groups);
        auto e = MakeVariant(Variant::SoundInPicture, groups);
        const int sound = e->GetModelLetter()->Number();
        EXPECT_NE(SoundMask(groups, 0) & static_cast<int>(SoundBit(sound)), 0);
        std::set<std::string> matching;
        for (int k = 0; k < 8; ++k) {
            const media::CSlowo& w = e->GetCards()[static_cast<size_t>(k)]->Word();
            if (k >= 4) {
                EXPECT_EQ(w.Flags & 0xfff, SoundBit(sound));
                matching.insert(w.Key);
            } else {
                EXPECT_NE(w.Flags & media::FlagHissing, 0u);
                // No row of the same picture holds the sound.
                for (const media::CSlowo& row : media::WordDatabase()) {
                    EXPECT_FALSE(row.Key == w.Key && (row.Flags & SoundBit(sound)) != 0) << w.Key;
                }
            }
        }
        EXPECT_EQ(matching.size(), 4u);
    }
}

TEST_F(Schemat17Test, LetterOfSoundOffersTheLetterOfTheModelsSoundAndOtherLetters) {
    for (const int groups : {1, 2, 4, 3, 7}) {
        SCOPED_TRACE(groups);
        auto e = MakeVariant(Variant::LetterOfSound, groups);
        const media::CSlowo& model = e->GetModelCard()->Word();
        const int sound = catalog::SoundOfName(model.Spelling);
        for (int k = 0; k < 8; ++k) {
            const pieces::CLitCyf& t = *e->GetTiles()[static_cast<size_t>(k)];
            EXPECT_EQ(t.Number() == sound, k >= 4) << k;
            EXPECT_EQ(t.Name(), catalog::SymbolName(t.Number()));
        }
    }
}

// What Choose accepts in the letter variant follows from the model's flags, the letter of
// the tiles from its spelling: the two agree for every word that can be a model.
TEST(Schemat17Words, TheMarkedSoundOfEveryTrainedWordIsTheSoundOfItsFlags) {
    for (const media::CSlowo& w : media::WordDatabase()) {
        if ((w.Flags & media::FlagAnyTrained) != 0) {
            EXPECT_EQ(SoundBit(catalog::SoundOfName(w.Spelling)), w.Flags & 0xfff) << w.Key;
        }
    }
}

TEST_F(Schemat17Test, TheShelfHasFourMiddlePiecesAndTheFirstPlaceOnIt) {
    for (const Variant v : {Variant::SamePicture, Variant::LetterOfSound}) {
        auto e = MakeVariant(v);
        e->Begin();
        const Point slot = e->GetSlot();
        EXPECT_EQ(slot, (Point{375 + kShelfEndW + 5, 960 - kShelfH + 15}));
        const int right = 375 + 2 * kShelfEndW + 4 * kShelfMiddleW;
        for (const platform::Bitmap* b : {&form_.FrameBitmap, &form_.SceneBitmap}) {
            EXPECT_EQ(b->GetPixel(375, 959), kShelfColour);
            EXPECT_EQ(b->GetPixel(right - 1, 959), kShelfColour);
            EXPECT_NE(b->GetPixel(right, 959), kShelfColour);
        }
    }
}

class Schemat17SmallLayoutTest : public Schemat17Test {
  protected:
    Schemat17SmallLayoutTest() : Schemat17Test({1024, 768}) {}
};

TEST_F(Schemat17SmallLayoutTest, TheShelfStandsOnTheBottomEdgeOfTheLayout) {
    auto e = MakeVariant(Variant::SamePicture);
    e->Begin();
    EXPECT_EQ(e->GetSlot(), (Point{300 + kShelfEndW + 4, 768 - kShelfH + 12}));
    EXPECT_EQ(form_.FrameBitmap.GetPixel(300, 767), kShelfColour);
    EXPECT_EQ(form_.FrameBitmap.GetPixel(300, 768 - kShelfH), kShelfColour);
    EXPECT_NE(form_.FrameBitmap.GetPixel(300, 768 - kShelfH - 1), kShelfColour);
}

TEST_P(Schemat17VariantTest, ChoicesCountAndTheFourthMatchSolvesTheTask) {
    auto e = MakeVariant(GetParam().variant);
    e->Begin();
    e->EndAnimation();
    const Point slot = e->GetSlot();
    platform::Sound::StartRecording();

    // A wrong object: a remark, an error and the red frame; it stays to be chosen.
    EXPECT_FALSE(e->Choose(0, 0));
    EXPECT_EQ(e->GetStat().Last().Errors, 1);
    EXPECT_EQ(e->Object(0)->FrameStyle(), SelectionFrames::Red);
    EXPECT_TRUE(e->Object(0)->Selectable());
    EXPECT_EQ(Feedback(), "b");

    // A right one: praise, a point, and it travels onto the shelf.
    const Rect before = e->Object(5)->ObjectRect();
    EXPECT_FALSE(e->Choose(5, 0));
    EXPECT_EQ(e->GetStat().Last().Points, 1);
    EXPECT_EQ(Feedback(), "bg");
    const Rect onShelf = e->Object(5)->ObjectRect();
    EXPECT_EQ(onShelf, Rect::FromSize(slot.X, slot.Y, before.Width(), before.Height()));
    EXPECT_FALSE(e->Object(5)->Selectable());
    EXPECT_EQ(e->Object(5)->FrameStyle(), SelectionFrames::None);
    EXPECT_EQ(e->GetFound(), 1);
    EXPECT_EQ(e->GetSlot(), (Point{slot.X + before.Width() + 25, slot.Y}));
    const Color there = form_.SceneBitmap.GetPixel(onShelf.Left + 5, onShelf.Top + 5);
    if (GetParam().variant == Variant::LetterOfSound) {
        EXPECT_EQ(there, TileColour(e->GetTiles()[5]->Name()));
    } else {
        EXPECT_TRUE(Near(there, CardColour(e->GetCards()[5]->Word().Key)));
    }
    EXPECT_EQ(form_.SceneBitmap.GetPixel(before.Left + 5, before.Top + 5),
              form_.BackgroundBitmap.GetPixel(before.Left + 5, before.Top + 5));
    // Choosing it again counts as wrong, as the object is no longer to be chosen.
    EXPECT_FALSE(e->Choose(5, 0));
    EXPECT_EQ(e->GetStat().Last().Errors, 2);

    const int scores = host_->scoreDraws;
    const int repaints = form_.Repaints;
    const std::vector<std::int32_t> rest{4, 6, 7};
    EXPECT_EQ(SolveByChoosing(*e, rest), 3);
    EXPECT_TRUE(e->IsSolved());
    EXPECT_EQ(e->GetStat().Last().Points, 4);
    EXPECT_EQ(host_->scoreDraws, scores + 1);
    // Three dissolves of 40 frames, then the celebration turns the vehicle frame by frame.
    EXPECT_GE(form_.Repaints - repaints, 3 * 40 + 5 * 16);
    EXPECT_EQ(host_->Vehicle().Direction(), pieces::CLudek::kFacingDown);

    // After the solution a wrong object counts nothing.
    EXPECT_FALSE(e->Choose(1, 0));
    EXPECT_EQ(e->GetStat().Last().Errors, 2);
    EXPECT_EQ(Feedback(), "bgbggg");
}

TEST_F(Schemat17Test, SoundVariantsAcceptEveryCardHoldingTheSound) {
    auto e = MakeVariant(Variant::SoundInPicture);
    e->Begin();
    EXPECT_EQ(MatchingObjects(*e), (std::vector<std::int32_t>{4, 5, 6, 7}));
    const std::vector<std::int32_t> order = MatchingObjects(*e);
    EXPECT_EQ(SolveByChoosing(*e, order), 4);
    EXPECT_EQ(e->GetStat().Last().Errors, 0);
}

TEST_F(Schemat17Test, OutOfRangeElementsAreIgnored) {
    auto e = MakeVariant(Variant::SamePicture);
    e->Begin();
    ExpectOutsideNumbersIgnored(*e, {-1, 8, 1000, 2004}, 0);
}

TEST_F(Schemat17Test, HintFramesTheFirstMatchNotYetOnTheShelfAndCountsIt) {
    auto e = MakeVariant(Variant::LetterOfSound);
    e->Begin();
    e->Hint();
    EXPECT_EQ(e->Object(4)->FrameStyle(), SelectionFrames::Blue);
    EXPECT_EQ(e->GetStat().Last().Hints, 1);
    e->Choose(4, 0);
    e->Hint();
    EXPECT_EQ(e->Object(5)->FrameStyle(), SelectionFrames::Blue);
    EXPECT_EQ(e->GetStat().Last().Hints, 2);
    const std::vector<std::int32_t> rest{5, 6, 7};
    SolveByChoosing(*e, rest);
    e->Hint();
    EXPECT_EQ(e->GetStat().Last().Hints, 2);
}

TEST_F(Schemat17Test, RestartPutsEverythingBackAsANewAttempt) {
    auto e = MakeVariant(Variant::SoundInPicture);
    e->Begin();
    const Point slot = e->GetSlot();
    e->Choose(0, 0);
    const std::vector<std::int32_t> all{4, 5, 6, 7};
    SolveByChoosing(*e, all);
    e->Restart();
    EXPECT_EQ(host_->autoNextStops, 1);
    ExpectFreshAttempt(*e, slot);
    EXPECT_EQ(e->GetStat().AbandonedAttempts, 0);
    for (int k = 0; k < 8; ++k) {
        const pieces::PictureTile* o = e->Object(k);
        EXPECT_TRUE(o->Selectable());
        EXPECT_EQ(o->FrameStyle(), SelectionFrames::None);
        const Point home = e->GetCardHomes()[static_cast<size_t>(k)];
        EXPECT_EQ((Point{o->ObjectRect().Left, o->ObjectRect().Top}), home);
        EXPECT_TRUE(Near(form_.FrameBitmap.GetPixel(home.X + 3, home.Y + 3),
                         CardColour(e->GetCards()[static_cast<size_t>(k)]->Word().Key)));
    }
    // The task can be solved again.
    EXPECT_EQ(SolveByChoosing(*e, all), 4);
}

TEST_F(Schemat17Test, VehicleStartsInsideThePlayAreaClearOfEveryObject) {
    auto e = MakeVariant(Variant::SamePicture);
    const pieces::CLudek& v = host_->Vehicle();
    const Rect work = e->GetWorkRect();
    for (int n = 0; n < 50; ++n) {
        const Point p = e->VehicleStart();
        EXPECT_GT(p.X, work.Left);
        EXPECT_LT(p.X, work.Right - v.Width());
        EXPECT_GT(p.Y, work.Top);
        EXPECT_LT(p.Y, work.Bottom - v.Height());
        const Rect at = Rect::FromSize(p.X, p.Y, v.Width(), v.Height());
        for (int k = 0; k < 8; ++k) {
            EXPECT_TRUE(Grow(e->Object(k)->ObjectRect(), 1, 1).Intersect(at).IsEmpty());
        }
        EXPECT_TRUE(Grow(e->GetModelCard()->ObjectRect(), 1, 1).Intersect(at).IsEmpty());
    }
}

TEST_F(Schemat17Test, HitTestFindsCardsBeforeTilesAndShelfObjectsStopTheVehicle) {
    auto e = MakeVariant(Variant::SamePicture);
    e->Begin();
    pieces::CLudek& v = host_->Vehicle();
    const Rect card = e->Object(2)->ObjectRect();
    // The vehicle just left of card 2: its body reaches the card eight pixels on.
    v.MoveTo({card.Left - v.Width() - 1, card.Top + 10});
    const Rect still = v.Rectangle();
    EXPECT_EQ(e->HitTest(0, 0), game::Hit{});
    EXPECT_EQ(e->HitTest(8, 0), (game::Hit{2, 1}));
    EXPECT_EQ(v.Rectangle(), still);
    // The model does not stop the vehicle.
    const Rect model = e->GetModelCard()->ObjectRect();
    v.MoveTo({model.Left + 5, model.Top + 5});
    EXPECT_EQ(e->HitTest(0, 0), game::Hit{});
    // A card on the shelf does.
    e->Choose(4, 0);
    const Rect shelved = e->Object(4)->ObjectRect();
    v.MoveTo({shelved.Left - v.Width() - 1, shelved.Top + 5});
    EXPECT_EQ(e->HitTest(0, 0), game::Hit{});
    EXPECT_EQ(e->HitTest(8, 0), (game::Hit{4, -1}));
    EXPECT_EQ(e->ObjectUnderVehicle(), std::nullopt);
    v.MoveTo({card.Left - v.Width() - 1, card.Top + 10});
    EXPECT_EQ(e->ObjectUnderVehicle(), std::optional<std::int32_t>{2});
}

TEST_P(Schemat17VariantTest, ScanningStartsAtTheModelAndGoesByLeftEdge) {
    auto e = MakeVariant(GetParam().variant);
    e->Begin();
    const bool tiles = GetParam().variant == Variant::LetterOfSound;
    const std::int32_t base = tiles ? CSchemat17::TileCodeBase : CSchemat17::CardCodeBase;
    const std::int32_t modelCode = GetParam().variant == Variant::SoundInPicture
                                       ? CSchemat17::ModelLetterCode
                                       : CSchemat17::ModelCardCode;
    std::vector<bool> lasts;
    for (int step = 0; step < 9; ++step) {
        lasts.push_back(e->ScanNext());
        EXPECT_EQ(e->GetScanPos(), step);
    }
    const std::vector<std::int32_t>& order = e->GetScanOrder();
    ASSERT_EQ(order.size(), 9u);
    EXPECT_EQ(order[0], modelCode);
    for (size_t p = 2; p < order.size(); ++p) {
        EXPECT_LE(e->Object(order[p - 1] - base)->ObjectRect().Left,
                  e->Object(order[p] - base)->ObjectRect().Left);
    }
    EXPECT_EQ(lasts,
              (std::vector<bool>{false, false, false, false, false, false, false, false, true}));
    const std::int32_t lastObject = order[8] - base;
    EXPECT_EQ(e->Object(lastObject)->FrameStyle(), SelectionFrames::Orange);
    EXPECT_EQ(e->ScanTargetRect(), e->Object(lastObject)->ObjectRect());

    // Back to the model: it takes the highlight, selecting it plays the instruction.
    EXPECT_FALSE(e->ScanNext());
    EXPECT_EQ(e->GetScanPos(), 0);
    EXPECT_EQ(e->Object(lastObject)->FrameStyle(), SelectionFrames::None);
    ExpectModelSelectPlaysInstruction(*e, GetParam().instruction);
    EXPECT_TRUE(e->ScanStop());
    EXPECT_EQ(e->GetScanPos(), -1);
    EXPECT_FALSE(e->ScanStop());
    EXPECT_FALSE(e->ScanZoom());
}

TEST_F(Schemat17Test, AnObjectLastInOrderOnTheShelfIsSkippedAndTheLastOneLeftEndsARound) {
    auto e = MakeVariant(Variant::SamePicture);
    e->Begin();
    e->ScanNext();
    const std::vector<std::int32_t> order = e->GetScanOrder();
    // Move the matching card that stands last, or any one, onto the shelf by selecting it.
    std::int32_t shelved = -1;
    for (size_t p = order.size() - 1; p >= 1 && shelved < 0; --p) {
        if (e->Matches(order[p] - CSchemat17::CardCodeBase)) {
            shelved = static_cast<std::int32_t>(p);
        }
    }
    while (e->GetScanPos() != shelved) {
        e->ScanNext();
    }
    EXPECT_FALSE(e->ScanSelect());
    EXPECT_EQ(e->GetFound(), 1);
    ExpectShelvedEntrySkipped(*e, shelved);
}

TEST_F(Schemat17Test, ScanningWithoutObjectsIsAnInitialisationError) {
    auto e = Make(4);  // level III builds no objects
    EXPECT_EQ(e->GetVariant(), Variant::None);
    try {
        e->ScanNext();
        FAIL() << "no error";
    } catch (const media::CBlad& b) {
        EXPECT_EQ(b.Code(), media::CBlad::ScanNoElementsCode);
        EXPECT_EQ(b.Text(), "Inicialization error in SCan Function sch.17");
    }
}

TEST_F(Schemat17Test, TheFadeInShowsTheModelAndEndAnimationMakesItVisible) {
    auto e = MakeVariant(Variant::SoundInPicture);
    e->Begin();
    e->StartAnimation();
    e->EndAnimationThread();
    e->EndAnimation();
    EXPECT_TRUE(e->GetModelLetter()->Visible());
    e->Paint();
    const Rect r = e->GetModelLetter()->ObjectRect();
    EXPECT_EQ(form_.FrameBitmap.GetPixel(r.Left + 3, r.Top + 3),
              TileColour(e->GetModelLetter()->Name()));
}

TEST_F(Schemat17Test, ShowSwitchesEveryControl) {
    auto e = MakeVariant(Variant::LetterOfSound);
    e->Show(false);
    EXPECT_FALSE(e->GetInstructionPicture()->Enabled());
    EXPECT_FALSE(e->GetModelCard()->Enabled());
    for (const auto& t : e->GetTiles()) {
        EXPECT_FALSE(t->Enabled());
    }
    e->Show(true);
    EXPECT_TRUE(e->GetModelCard()->Enabled());
    EXPECT_TRUE(e->GetTiles()[7]->Enabled());
}

// A thousand draws that cannot fit for the first card: the whole exercise is built again.
TEST_F(Schemat17Test, APlacementThatFindsNoRoomBuildsTheExerciseAgain) {
    media::SeedRandom(3);
    // The background, then the model word "adres" (1), then 1000 draws of point (0, 0).
    std::vector<std::int32_t> script{0, 1};
    script.insert(script.end(), 2 * PlacementDrawCounter::DrawLimit, 0);
    media::ScopedRandomScript random(script);
    const size_t controls = form_.Controls().size();
    auto e = Make(1);
    EXPECT_EQ(random.Remaining(), 0u);
    EXPECT_EQ(e->GetCards().size(), 8u);
    EXPECT_EQ(MatchingObjects(*e), (std::vector<std::int32_t>{4, 5, 6, 7}));
    EXPECT_NE(e->GetInstructionPicture(), nullptr);
    // Only the rebuilt exercise's controls remain on the form: bubble, model and 8 cards.
    EXPECT_EQ(form_.Controls().size(), controls + 10);
}

// "ciezarowka" stands in the table as a hissing word (31) and as an r-word (32): its picture
// must not be offered as a card that does not match.
TEST_F(Schemat17Test, APictureOfTheModelsSoundIsNeverAWrongAnswer) {
    struct Case {
        const char* name;
        int level;
        std::int32_t variantDraw;  // -1: no draw
        std::int32_t modelDraw;    // -1: no draw
    };
    for (const Case& c : {Case{"same picture, model ciezarowka", 1, -1, 32},
                          Case{"sound in the picture, sound r", 2, 1, -1}}) {
        SCOPED_TRACE(c.name);
        exercises::ResetBackgroundRotationForTesting();
        media::SeedRandom(5);
        std::vector<std::int32_t> script{0};
        for (const std::int32_t draw : {c.variantDraw, c.modelDraw}) {
            if (draw >= 0) {
                script.push_back(draw);
            }
        }
        // A place in the first quarter, then the hissing "ciezarowka" and "basen" (10).
        script.insert(script.end(), {300, 300, 31, 10});
        media::ScopedRandomScript random(script);
        auto e = Make(c.level, game::SoundGroupR);
        EXPECT_EQ(random.Remaining(), 0u);
        EXPECT_EQ(e->GetCards()[0]->Word().Key, "basen");
        EXPECT_FALSE(e->Matches(0));
    }
}
