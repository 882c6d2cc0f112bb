#include "exercises/cschemat3_11.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "exercises/draws.h"
#include "exercises/search_fixture.h"
#include "exercises/series_setup.h"
#include "game/cgrupa.h"
#include "game/series_parts.h"
#include "media/cblad.h"
#include "media/cslowo.h"
#include "media/random.h"
#include "pieces/selection_frames.h"

using namespace exercises;
using namespace search_fixture;

using pieces::SelectionFrames;
using platform::Point;
using platform::Rect;

namespace {

constexpr int kCardW = 100, kCardH = 70;

// The words of the sections of a list that a sound-group selection lets take part.
std::set<std::string> SectionKeys(const std::vector<std::int32_t>& list, int sizeL, int sizeR,
                                  int sizeJ, int selection, int usableL = -1, int usableR = -1,
                                  int usableJ = -1) {
    std::set<std::string> keys;
    const int sizes[] = {sizeL, sizeR, sizeJ};
    const int usable[] = {usableL, usableR, usableJ};
    const int bits[] = {game::SoundGroupL, game::SoundGroupR, game::SoundGroupJ};
    int start = 0;
    for (int s = 0; s < 3; ++s) {
        if ((selection & bits[s]) != 0) {
            const int take = usable[s] >= 0 ? usable[s] : sizes[s];
            for (int n = start; n < start + take; ++n) {
                keys.insert(media::WordAt(list[static_cast<size_t>(n)]).Key);
            }
        }
        start += sizes[s];
    }
    return keys;
}

class Schemat3_11Test : public SearchTest {
  protected:
    explicit Schemat3_11Test(Point screen = {1280, 960}) : SearchTest(screen) {
        WriteFrames(kCardW + 20, kCardH + 20);
        std::set<std::string> written;
        for (const game::CGrupa& g : host_->WordGroups()) {
            for (const auto* list : {&g.Words, &g.Others}) {
                for (const std::int32_t w : *list) {
                    const std::string& key = media::WordAt(w).Key;
                    if (written.insert(key).second) {
                        WriteJpeg("Res/Kar/Nor/" + key + media::SizeSuffix() + ".xji",
                                  Plain(kCardW, kCardH, exercise_fixture::NameColour(key)));
                    }
                }
            }
        }
    }

    std::unique_ptr<CSchemat3_11> Make(int level, int soundGroups) {
        game::CWybor settings;
        settings.poziom = static_cast<std::int16_t>(level);
        settings.gloski = static_cast<std::int16_t>(soundGroups);
        return std::make_unique<CSchemat3_11>(*host_, settings);
    }
    // Built at level II for all sounds, shown and with its model faded in.
    std::unique_ptr<CSchemat3_11> Shown(std::uint32_t seed = 1) {
        media::SeedRandom(seed);
        auto e = Make(game::LevelII, 7);
        e->Begin();
        e->EndAnimation();
        return e;
    }
    Point Home(const CSchemat3_11& e, int i) const { return e.GetHomes()[static_cast<size_t>(i)]; }
};

// The small layout in the middle of a larger screen.
class Schemat3_11SmallLayoutTest : public Schemat3_11Test {
  protected:
    Schemat3_11SmallLayoutTest() : Schemat3_11Test({1200, 900}) {}
};

}  // namespace

TEST_F(Schemat3_11Test, BuildsTheModelFourCardsOfItsThemeAndFourFromOutside) {
    const pieces::CLudek& v = host_->Vehicle();
    for (const int level : {game::LevelII, game::LevelIII}) {
        for (const int selection : {game::SoundGroupL, game::SoundGroupJ, 3, 7}) {
            for (std::uint32_t seed = 1; seed <= 6; ++seed) {
                SCOPED_TRACE(testing::Message() << level << " " << selection << " " << seed);
                media::SeedRandom(seed);
                auto e = Make(level, selection);
                EXPECT_EQ(e->GetInstructionName(), "S3_11");
                ASSERT_EQ(e->GetCards().size(), 9u);
                const game::CGrupa& g = host_->WordGroups()[static_cast<size_t>(e->GetGroup())];
                EXPECT_TRUE(game::WordGroupSuitable(g, level, selection));
                EXPECT_NE(g.Levels & (level == game::LevelII ? 16 : 32), 0);
                const pieces::CKarta& model = e->Card(0);
                EXPECT_FALSE(model.Visible());
                EXPECT_FALSE(model.Selectable());
                const Rect bubble = e->GetInstructionPicture()->PictureRectOnScreen();
                EXPECT_EQ(model.ObjectRect().Left, bubble.Left + 16);
                EXPECT_EQ(model.ObjectRect().Top, bubble.Top + 16);
                // Level III models one of the theme's leading words.
                const std::set<std::string> models =
                    level == game::LevelIII
                        ? SectionKeys(g.Words, g.CountL, g.CountR, g.CountJ, selection, g.UsableL,
                                      g.UsableR, g.UsableJ)
                        : SectionKeys(g.Words, g.CountL, g.CountR, g.CountJ, 7);
                EXPECT_TRUE(models.contains(model.Word().Key)) << model.Word().Key;
                const std::set<std::string> theme =
                    SectionKeys(g.Words, g.CountL, g.CountR, g.CountJ, selection);
                const std::set<std::string> others =
                    SectionKeys(g.Others, g.OtherL, g.OtherR, g.OtherJ, selection);
                const Rect work = e->GetWorkRect();
                // Cards keep 110 pixels above the shelf's provisional top, 100 above the
                // bottom.
                const int floor = 960 - 100 - 110;
                for (int i = 1; i < 9; ++i) {
                    SCOPED_TRACE(i);
                    const pieces::CKarta& c = e->Card(i);
                    EXPECT_TRUE(c.Selectable());
                    EXPECT_EQ(e->Matches(i), i <= 4);
                    EXPECT_TRUE((i <= 4 ? theme : others).contains(c.Word().Key)) << c.Word().Key;
                    if (i <= 4) {
                        EXPECT_NE(c.Word().Key, model.Word().Key);
                    }
                    const Rect r = c.ObjectRect();
                    EXPECT_GT(r.Left, work.Left);
                    EXPECT_LT(r.Left, work.Right - 110);
                    EXPECT_GT(r.Top, work.Top);
                    EXPECT_LT(r.Top, floor);
                    const int quarter = i % 4 + 1;
                    EXPECT_EQ(r.Left >= 640, quarter % 2 == 0);
                    EXPECT_EQ(r.Top >= 480, quarter >= 3);
                    for (int j = 0; j < i; ++j) {
                        EXPECT_TRUE(Grow(e->Card(j).ObjectRect(), v.Width(), v.Height())
                                        .Intersect(r)
                                        .IsEmpty())
                            << j;
                    }
                    EXPECT_EQ(Home(*e, i), (Point{r.Left, r.Top}));
                }
            }
        }
    }
}

// With "j" alone at level III only groups with five "j" words of the theme and a leading one.
TEST_F(Schemat3_11Test, OnlyGroupsWithEnoughWordsOfTheSelectedSoundsAreDrawn) {
    std::set<int> drawn;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        media::SeedRandom(seed);
        auto e = Make(game::LevelIII, game::SoundGroupJ);
        const game::CGrupa& g = host_->WordGroups()[static_cast<size_t>(e->GetGroup())];
        EXPECT_GE(g.CountJ, 5);
        EXPECT_GE(g.UsableJ, 1);
        EXPECT_NE(g.Levels & 32, 0);
        drawn.insert(e->GetGroup());
    }
    EXPECT_GT(drawn.size(), 1u);
}

TEST_F(Schemat3_11Test, WrongCardsCountErrorsAndTheFourthFindEarnsAPointMore) {
    auto e = Shown();
    const Rect bubble = e->GetInstructionPicture()->PictureRectOnScreen();
    const Point slot = e->GetSlot();
    // The shelf starts 300 pixels in, on the bubble's top edge.
    EXPECT_EQ(slot, (Point{300 + kShelfEndW + 8, bubble.Top + 15}));
    EXPECT_EQ(form_.FrameBitmap.GetPixel(300, bubble.Top + 1), kShelfColour);
    EXPECT_NE(form_.FrameBitmap.GetPixel(299, bubble.Top + 1), kShelfColour);
    platform::Sound::StartRecording();

    // The model is no answer at all.
    EXPECT_FALSE(e->Choose(0, 0));
    EXPECT_EQ(e->GetStat().Last(), CStatWart{});
    for (int errors = 1; errors <= 2; ++errors) {
        EXPECT_FALSE(e->Choose(6, 0));
        EXPECT_EQ(e->GetStat().Last().Errors, errors);
    }
    EXPECT_EQ(e->Card(6).FrameStyle(), SelectionFrames::Red);
    EXPECT_TRUE(e->Card(6).Selectable());
    EXPECT_EQ(Feedback(), "bb");

    const int scores = host_->scoreDraws;
    EXPECT_FALSE(e->Choose(2, 0));
    EXPECT_EQ(e->Card(2).ObjectRect(), Rect::FromSize(slot.X, slot.Y, kCardW, kCardH));
    EXPECT_FALSE(e->Card(2).Selectable());
    EXPECT_EQ(e->GetSlot(), (Point{slot.X + kCardW + 20, slot.Y}));
    // A card on the shelf chosen again is neither found again nor wrong.
    EXPECT_FALSE(e->Choose(2, 0));
    EXPECT_EQ(e->GetFound(), 1);
    EXPECT_EQ(e->GetStat().Last().Errors, 2);
    EXPECT_EQ(e->GetStat().Last().Points, 1);
    EXPECT_FALSE(e->Choose(1, 0));
    EXPECT_FALSE(e->Choose(4, 0));
    EXPECT_FALSE(e->IsSolved());
    EXPECT_EQ(host_->scoreDraws, scores);
    EXPECT_EQ(Feedback(), "bbggg");
    EXPECT_TRUE(e->Choose(3, 0));
    EXPECT_TRUE(e->IsSolved());
    EXPECT_EQ(e->GetStat().Last().Points, 5);
    EXPECT_EQ(Feedback(), "bbggggg");
    EXPECT_EQ(host_->scoreDraws, scores + 1);
    EXPECT_EQ(e->Card(3).ObjectRect().Left, slot.X + 3 * (kCardW + 20));
    // Afterwards nothing counts.
    EXPECT_FALSE(e->Choose(7, 0));
    EXPECT_EQ(e->GetStat().Last().Errors, 2);
}

TEST_F(Schemat3_11Test, HintFramesTheFirstCardOfTheThemeStillToFind) {
    auto e = Shown();
    e->Choose(1, 0);
    e->Hint();
    e->Hint();
    EXPECT_EQ(e->Card(2).FrameStyle(), SelectionFrames::Blue);
    EXPECT_EQ(e->Card(5).FrameStyle(), SelectionFrames::None);
    EXPECT_EQ(e->GetStat().Last().Hints, 2);
}

TEST_F(Schemat3_11Test, RestartBringsTheCardsBackAndTheModelStaysOutOfReach) {
    auto e = Shown();
    const Point slot = e->GetSlot();
    const std::vector<std::int32_t> theme{1, 2, 3, 4};
    EXPECT_EQ(SolveByChoosing(*e, theme), 4);
    e->Restart();
    EXPECT_EQ(host_->autoNextStops, 1);
    ExpectFreshAttempt(*e, slot, 5);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(e->Card(i).Selectable(), i > 0) << i;
        EXPECT_EQ((Point{e->Card(i).ObjectRect().Left, e->Card(i).ObjectRect().Top}), Home(*e, i));
    }
    EXPECT_FALSE(e->Choose(0, 0));
    EXPECT_EQ(e->GetStat().Last(), CStatWart{});
    EXPECT_EQ(SolveByChoosing(*e, theme), 4);
}

TEST_F(Schemat3_11Test, ScanningStartsAtTheModelAndSkipsCardsOnTheShelf) {
    auto e = Shown();
    for (int step = 0; step < 9; ++step) {
        EXPECT_EQ(e->ScanNext(), step == 8);
    }
    const std::vector<std::int32_t> order = e->GetScanOrder();
    ASSERT_EQ(order.size(), 9u);
    EXPECT_EQ(order[0], 0);
    for (size_t p = 2; p < order.size(); ++p) {
        EXPECT_LE(e->Card(order[p - 1]).ObjectRect().Left, e->Card(order[p]).ObjectRect().Left);
    }
    EXPECT_FALSE(e->ScanNext());
    EXPECT_EQ(e->Card(0).FrameStyle(), SelectionFrames::Orange);
    ExpectModelSelectPlaysInstruction(*e, "S3_11");
    // A theme card chosen by scanning goes to the shelf and is skipped afterwards.
    std::int32_t position = 1;
    while (!e->Matches(order[static_cast<size_t>(position)])) {
        ++position;
    }
    while (e->GetScanPos() != position) {
        e->ScanNext();
    }
    EXPECT_EQ(e->ScanTargetRect(), e->Card(order[static_cast<size_t>(position)]).ObjectRect());
    EXPECT_FALSE(e->ScanSelect());
    EXPECT_EQ(e->GetFound(), 1);
    ExpectShelvedEntrySkipped(*e, position);
}

TEST_F(Schemat3_11Test, NumbersOutsideTheCardsAreIgnored) {
    auto e = Shown();
    ExpectOutsideNumbersIgnored(*e, {-1, 9, 1000}, 3);
}

TEST_F(Schemat3_11Test, TooFewWordsOutsideTheThemeEndInTheTooFewWordsError) {
    game::WordGroupTable groups = host_->WordGroups();
    for (game::CGrupa& g : groups) {
        g.Others.resize(3);
        g.OtherL = 3;
        g.OtherR = 0;
        g.OtherJ = 0;
    }
    host_->SetWordGroups(groups);
    media::SeedRandom(5);
    const size_t controls = form_.Controls().size();
    try {
        Make(game::LevelII, 7);
        FAIL() << "no error";
    } catch (const media::CBlad& b) {
        EXPECT_EQ(b.Code(), media::CBlad::TooFewWordsCode);
    }
    EXPECT_EQ(form_.Controls().size(), controls);
}

TEST_F(Schemat3_11Test, TheCurriculumGivesItAtLevelsTwoAndThree) {
    const game::SeriesParts parts = MakeSeriesParts();
    for (const auto& [level, draw] : {std::pair{game::LevelII, 3}, std::pair{game::LevelIII, 4}}) {
        SCOPED_TRACE(level);
        EXPECT_TRUE(parts.Available(level, draw, game::SoundGroupR));
        game::CWybor settings;
        settings.poziom = static_cast<std::int16_t>(level);
        settings.gloski = game::SoundGroupR;
        media::SeedRandom(3);
        const auto exercise = parts.CreateExercise(*host_, settings, level, draw);
        EXPECT_NE(dynamic_cast<const CSchemat3_11*>(exercise.get()), nullptr);
    }
}

TEST_F(Schemat3_11Test, TheVehicleStartsInsideThePlayAreaClearOfEveryCard) {
    media::SeedRandom(4);
    auto e = Make(game::LevelIII, 7);
    ExpectVehicleStartsClear(*e, host_->Vehicle(), CSchemat3_11::CardTotal);
}

// The shelf, its first place and the gap between found cards scale with the layout.
TEST_F(Schemat3_11SmallLayoutTest, TheShelfScalesBesideTheBubble) {
    const Point corner{88, 66};
    media::SeedRandom(2);
    auto e = Make(game::LevelII, 7);
    const Rect work = e->GetWorkRect();
    for (int i = 1; i < 9; ++i) {
        const Rect r = e->Card(i).ObjectRect();
        EXPECT_GT(r.Left, work.Left) << i;
        // 210 design pixels above the layout's bottom edge.
        EXPECT_LT(r.Top, corner.Y + 768 - 168) << i;
    }
    e->Begin();
    e->EndAnimation();
    const Rect bubble = e->GetInstructionPicture()->PictureRectOnScreen();
    EXPECT_EQ(e->GetSlot(), (Point{corner.X + 240 + kShelfEndW + 6, bubble.Top + 12}));
    e->Choose(1, 0);
    EXPECT_EQ(e->GetSlot().X, corner.X + 240 + kShelfEndW + 6 + kCardW + 16);
}
