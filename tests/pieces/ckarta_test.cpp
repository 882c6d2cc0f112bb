#include "pieces/ckarta.h"

#include <gtest/gtest.h>

#include <memory>

#include "media/cblad.h"
#include "media/picture_fixture.h"
#include "pieces/cpow.h"

using namespace media;
using namespace pieces;

using platform::Bitmap;
using platform::Color;
using platform::MouseButton;
using platform::Rect;
using platform::Sound;
using namespace pieces;

namespace {

constexpr Color kCardColour{40, 120, 200};
constexpr Color kGreen{0, 200, 0};
constexpr const char* kFolder = "Data//Res//Kar//Nor//";

// A 150 x 100 card "kot" with 170 x 120 frames, in the large layout.
class CKartaTest : public PictureTest {
  protected:
    CKartaTest() {
        WriteFrames(170, 120);
        WriteJpeg("Res/Kar/Nor/kot" + SizeSuffix() + ".xji", Plain(150, 100, kCardColour));
    }
    std::unique_ptr<CKarta> MakeCard(int left = 300, int top = 200,
                                     const std::string& key = "kot") {
        return std::make_unique<CKarta>(form_, Context(), platform::Point{left, top}, kFolder,
                                        CSlowo(key, FlagL, "k,o,t,"), true, 0, 7);
    }
    std::unique_ptr<CPow> MakeView(int* vehicleDraws = nullptr) {
        return std::make_unique<CPow>(form_, Context(), [vehicleDraws] {
            if (vehicleDraws != nullptr) {
                ++*vehicleDraws;
            }
        });
    }
    // Whether the frame bitmap shows the background everywhere in r.
    bool ShowsBackground(const Bitmap& b, const Rect& r) const {
        for (int y = r.Top; y < r.Bottom; ++y) {
            for (int x = r.Left; x < r.Right; ++x) {
                if (b.GetPixel(x, y) != PatternAt(x, y)) {
                    return false;
                }
            }
        }
        return true;
    }
};

}  // namespace

TEST_F(CKartaTest, ConstructionLoadsThePictureWithoutPainting) {
    auto card = MakeCard();
    EXPECT_EQ(card->CardRect(), (Rect{300, 200, 450, 300}));
    EXPECT_EQ(card->PictureRect(), (Rect{0, 0, 150, 100}));
    EXPECT_EQ(card->Bounds(), card->CardRect());
    EXPECT_TRUE(Near(card->Picture().GetPixel(75, 50), kCardColour));
    EXPECT_TRUE(card->Visible());
    EXPECT_TRUE(card->Selectable());
    EXPECT_EQ(card->Tag(), 7);
    EXPECT_EQ(card->FrameStyle(), 0);
    EXPECT_TRUE(dirty_.empty());
    EXPECT_TRUE(form_.FrameBitmap == form_.BackgroundBitmap);
}

TEST_F(CKartaTest, PaintDrawsIntoFrameAndSceneAndQueuesTheCard) {
    auto card = MakeCard();
    card->Paint();
    for (const Bitmap* b : {&form_.FrameBitmap, &form_.SceneBitmap}) {
        EXPECT_TRUE(Near(b->GetPixel(300, 200), kCardColour));
        EXPECT_TRUE(Near(b->GetPixel(449, 299), kCardColour));
        EXPECT_EQ(b->GetPixel(299, 200), PatternAt(299, 200));
        EXPECT_EQ(b->GetPixel(450, 299), PatternAt(450, 299));
    }
    EXPECT_EQ(dirty_, (std::vector<Rect>{card->CardRect()}));

    // A hidden card paints nothing.
    Bitmap before = form_.FrameBitmap;
    card->Erase();
    card->SetVisible(false);
    dirty_.clear();
    card->Paint();
    EXPECT_TRUE(dirty_.empty());
    EXPECT_TRUE(ShowsBackground(form_.FrameBitmap, card->CardRect()));
}

TEST_F(CKartaTest, FrameRectangleReachesHalfTheSizeDifferenceAroundTheCard) {
    auto card = MakeCard();
    card->SetFrame(SelectionFrames::Green);
    // 170 - 150 = 20 and 120 - 100 = 20: ten pixels on every side.
    EXPECT_EQ(card->FrameRect(), (Rect{290, 190, 460, 310}));
    EXPECT_EQ(card->FrameSourceRect(), (Rect{0, 0, 170, 120}));
    EXPECT_EQ(dirty_.back(), card->FrameRect());
}

TEST_F(CKartaTest, FrameRectangleCoversAFrameOneOddPixelWider) {
    RemoveFile("Lib/GFX/ramka_green_b.xbi");
    WriteBmp("Lib/GFX/ramka_green_b.xbi", Ring(171, 121, kGreen));
    auto card = MakeCard();
    card->Paint();
    card->SetFrame(SelectionFrames::Green);
    EXPECT_EQ(card->FrameRect(), (Rect{290, 190, 461, 311}));
    EXPECT_EQ(form_.FrameBitmap.GetPixel(460, 310), kGreen);
    card->RemoveFrame();
    EXPECT_EQ(form_.FrameBitmap.GetPixel(460, 310), PatternAt(460, 310));
}

TEST_F(CKartaTest, FrameIsDrawnAroundTheCardAndRemovedWithoutATrace) {
    auto card = MakeCard();
    card->Paint();
    const Bitmap frameBefore = form_.FrameBitmap;
    const Bitmap sceneBefore = form_.SceneBitmap;

    card->SetFrame(SelectionFrames::Green);
    EXPECT_EQ(card->FrameStyle(), SelectionFrames::Green);
    for (const Bitmap* b : {&form_.FrameBitmap, &form_.SceneBitmap}) {
        EXPECT_EQ(b->GetPixel(290, 190), kGreen);
        EXPECT_EQ(b->GetPixel(459, 250), kGreen);
        EXPECT_EQ(b->GetPixel(294, 250), PatternAt(294, 250));  // white inside is left out
        EXPECT_TRUE(Near(b->GetPixel(300, 200), kCardColour));
    }

    dirty_.clear();
    card->RemoveFrame();
    EXPECT_EQ(card->FrameStyle(), 0);
    EXPECT_TRUE(form_.FrameBitmap == frameBefore);
    EXPECT_TRUE(form_.SceneBitmap == sceneBefore);
    EXPECT_EQ(dirty_, (std::vector<Rect>{card->FrameRect()}));

    // A second removal has nothing to do.
    dirty_.clear();
    card->RemoveFrame();
    EXPECT_TRUE(dirty_.empty());
}

TEST_F(CKartaTest, PaintDrawsTheFrameAgain) {
    auto card = MakeCard();
    card->SetFrame(SelectionFrames::Red);
    card->Erase();
    form_.FrameBitmap = form_.BackgroundBitmap;
    card->Paint();
    EXPECT_EQ(form_.FrameBitmap.GetPixel(290, 190), (Color{220, 0, 0}));
    EXPECT_EQ(card->FrameStyle(), SelectionFrames::Red);
}

TEST_F(CKartaTest, StyleWithoutAPictureDrawsNothingButQueuesTheFrame) {
    auto card = MakeCard();
    card->Paint();
    card->SetFrame(SelectionFrames::Blue);
    const Bitmap before = form_.FrameBitmap;
    for (int16_t style : {int16_t{0}, int16_t{6}, int16_t{-1}}) {
        dirty_.clear();
        card->SetFrame(style);
        EXPECT_EQ(card->FrameStyle(), SelectionFrames::Blue) << style;
        EXPECT_TRUE(form_.FrameBitmap == before) << style;
        EXPECT_EQ(dirty_, (std::vector<Rect>{card->FrameRect()})) << style;
    }
}

TEST_F(CKartaTest, RemovingTheFrameOfAHiddenCardRepairsOnlyTheStrips) {
    auto card = MakeCard();
    card->SetFrame(SelectionFrames::Yellow);
    card->SetVisible(false);
    // Something else (a fade) shows in the card's own rectangle; it must stay.
    form_.FrameBitmap.FillRect(card->CardRect(), {9, 9, 9});
    dirty_.clear();
    card->RemoveFrame();
    EXPECT_EQ(dirty_, (std::vector<Rect>{{290, 190, 460, 200},
                                         {290, 190, 300, 310},
                                         {450, 190, 460, 310},
                                         {290, 300, 460, 310}}));
    EXPECT_TRUE(ShowsBackground(form_.FrameBitmap, {290, 190, 460, 200}));
    EXPECT_TRUE(ShowsBackground(form_.SceneBitmap, {290, 300, 460, 310}));
    EXPECT_EQ(form_.FrameBitmap.GetPixel(300, 200), (Color{9, 9, 9}));
    EXPECT_EQ(form_.FrameBitmap.GetPixel(449, 299), (Color{9, 9, 9}));
}

TEST_F(CKartaTest, MovedCardIsErasedAndPaintedInItsNewPlace) {
    auto card = MakeCard();
    card->Paint();
    dirty_.clear();
    const Rect old = card->CardRect();
    Rect moved = card->MoveTo({600, 400});
    EXPECT_EQ(moved, (Rect{600, 400, 750, 500}));
    EXPECT_EQ(card->Bounds(), moved);
    EXPECT_EQ(dirty_, (std::vector<Rect>{old}));
    // Moving draws nothing: the old pixels stay until the caller erases them.
    EXPECT_TRUE(Near(form_.FrameBitmap.GetPixel(300, 200), kCardColour));
    EXPECT_EQ(form_.FrameBitmap.GetPixel(600, 400), PatternAt(600, 400));

    // Erase at the old place, as callers do before moving, then paint at the new one.
    card->MoveTo({old.Left, old.Top});
    card->Erase();
    EXPECT_TRUE(ShowsBackground(form_.FrameBitmap, old));
    EXPECT_TRUE(ShowsBackground(form_.SceneBitmap, old));
    EXPECT_TRUE(card->Visible());
    card->MoveTo({600, 400});
    card->Paint();
    EXPECT_TRUE(Near(form_.FrameBitmap.GetPixel(600, 400), kCardColour));
    EXPECT_TRUE(Near(form_.SceneBitmap.GetPixel(749, 499), kCardColour));

    // The frame follows the card.
    card->SetFrame(SelectionFrames::Green);
    EXPECT_EQ(card->FrameRect(), (Rect{590, 390, 760, 510}));
}

TEST_F(CKartaTest, MissingPictureRaisesResourceMissingAndLeavesNothingLoaded) {
    try {
        MakeCard(300, 200, "brak");
        FAIL() << "no error";
    } catch (const CBlad& e) {
        EXPECT_EQ(e.Code(), CBlad::ResourceMissingCode);
        EXPECT_EQ(e.Text(), ResourceMissingText);
    }
    EXPECT_EQ(CKarta::Frames().LiveCount(), 0);
    EXPECT_FALSE(CKarta::Frames().AnyLoaded());
    EXPECT_TRUE(form_.Controls().empty());

    // With another card alive, the failed one does not take the frames away.
    auto card = MakeCard();
    EXPECT_THROW(MakeCard(0, 0, "brak"), CBlad);
    EXPECT_EQ(CKarta::Frames().LiveCount(), 1);
    EXPECT_NE(CKarta::Frames().Picture(SelectionFrames::Green), nullptr);
}

TEST_F(CKartaTest, DamagedPictureRaisesResourceMissing) {
    dir_.Write("Res/Kar/Nor/zly_b.xji", std::vector<uint8_t>{0xFF, 0xD8, 0xFF, 0x00});
    try {
        MakeCard(0, 0, "zly");
        FAIL() << "no error";
    } catch (const CBlad& e) {
        EXPECT_EQ(e.Code(), CBlad::ResourceMissingCode);
    }
}

TEST_F(CKartaTest, MissingFramePictureRaisesResourceMissing) {
    RemoveFile("Lib/GFX/ramka_blue_b.xbi");
    try {
        MakeCard();
        FAIL() << "no error";
    } catch (const CBlad& e) {
        EXPECT_EQ(e.Code(), CBlad::ResourceMissingCode);
        EXPECT_EQ(e.Text(), ResourceMissingText);
    }
    EXPECT_EQ(CKarta::Frames().LiveCount(), 0);
    EXPECT_FALSE(CKarta::Frames().AnyLoaded());
}

TEST_F(CKartaTest, FramesAreLoadedWithTheFirstCardAndFreedWithTheLast) {
    EXPECT_FALSE(CKarta::Frames().AnyLoaded());
    auto first = MakeCard();
    for (int16_t style = 1; style <= 5; ++style) {
        EXPECT_NE(CKarta::Frames().Picture(style), nullptr) << style;
    }
    // Loaded once: a second card does not need the files any more.
    RemoveFile("Lib/GFX/ramka_red_b.xbi");
    auto second = MakeCard(500, 500);
    EXPECT_EQ(CKarta::Frames().LiveCount(), 2);
    first.reset();
    EXPECT_TRUE(CKarta::Frames().AnyLoaded());
    second.reset();
    EXPECT_FALSE(CKarta::Frames().AnyLoaded());
    // Forgotten: the next card loads them again and misses the file.
    EXPECT_THROW(MakeCard(), CBlad);
}

TEST_F(CKartaTest, LoadFramesLoadsTheGroupsAsked) {
    CKarta::LoadFrames(1);
    EXPECT_NE(CKarta::Frames().Picture(SelectionFrames::Yellow), nullptr);
    EXPECT_NE(CKarta::Frames().Picture(SelectionFrames::Blue), nullptr);
    EXPECT_EQ(CKarta::Frames().Picture(SelectionFrames::Red), nullptr);
    CKarta::LoadFrames(0);
    EXPECT_NE(CKarta::Frames().Picture(SelectionFrames::Red), nullptr);
    EXPECT_NE(CKarta::Frames().Picture(SelectionFrames::Green), nullptr);
    EXPECT_NE(CKarta::Frames().Picture(SelectionFrames::Orange), nullptr);
    // The last card to go frees what an exercise loaded beforehand too.
    MakeCard();
    EXPECT_FALSE(CKarta::Frames().AnyLoaded());
}

TEST_F(CKartaTest, ZoomShowsTheLargeEnlargedPictureWhileTheWordIsSaid) {
    WriteJpeg("Res/Kar/Nor/Pow/kot_b.xji", Plain(400, 300, {230, 30, 30}));
    WriteSound("Res/Snd/kot.snd", 700);
    int vehicleDraws = 0;
    auto view = MakeView(&vehicleDraws);
    auto card = MakeCard();
    card->Paint();
    const Bitmap before = form_.FrameBitmap;
    // What the player sees at each repaint, in the middle of the layout.
    std::vector<Color> seen;
    form_.OnRepaint = [&] { seen.push_back(form_.FrameBitmap.GetPixel(640, 512)); };

    uint64_t start = NowMs();
    card->Zoom();
    EXPECT_EQ(NowMs() - start, 700u + 400u);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_TRUE(Near(seen[0], {230, 30, 30}));
    EXPECT_EQ(seen[1], PatternAt(640, 512));
    EXPECT_TRUE(form_.FrameBitmap == before);
    EXPECT_EQ(view->SourceRect(), card->CardRect());
    EXPECT_EQ(vehicleDraws, 1);
    ASSERT_EQ(Sound::Recorded().size(), 1u);
    EXPECT_EQ(Sound::Recorded()[0].Path, NativeFile("Res/Snd/kot.snd"));
    EXPECT_TRUE(Sound::Recorded()[0].Synchronous);
}

TEST_F(CKartaTest, ZoomWithoutAnEnlargedPictureReportsItAndStillSpeaks) {
    WriteSound("Res/Snd/kot.snd", 300);
    auto view = MakeView();
    auto card = MakeCard();
    uint64_t start = NowMs();
    card->Zoom();
    EXPECT_EQ(NowMs() - start, 300u + 400u);
    EXPECT_EQ(Messages(), (std::vector<std::string>{std::string(ResourceMissingText)}));
    EXPECT_EQ(Sound::Recorded().size(), 1u);
    EXPECT_FALSE(view->Showing());
    EXPECT_FALSE(view->Visible());
}

TEST_F(CKartaTest, PlayWordReportsAMissingRecording) {
    auto card = MakeCard();
    EXPECT_FALSE(card->PlayWord());
    EXPECT_TRUE(Sound::Recorded().empty());
    WriteSound("Res/Snd/kot.snd", 100);
    EXPECT_TRUE(card->PlayWord());
}

// The small layout reads the small card but still the large enlarged picture.
TEST_F(CKartaTest, SmallLayoutZoomStillUsesTheLargeEnlargedPicture) {
    ScopedScreenMode small(1);
    WriteJpeg("Res/Kar/Nor/kot_s.xji", Plain(120, 80, kCardColour));
    WriteFrames(136, 96);
    WriteJpeg("Res/Kar/Nor/Pow/kot_b.xji", Plain(40, 30, {230, 30, 30}));
    auto view = MakeView();
    auto card = MakeCard(100, 100);
    EXPECT_EQ(card->CardRect(), (Rect{100, 100, 220, 180}));
    bool shown = false;
    form_.OnRepaint = [&] { shown = shown || view->Showing(); };
    card->Zoom();
    EXPECT_TRUE(shown);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(CKartaTest, RightClickZoomsAndLeftClickReachesTheExercise) {
    WriteSound("Res/Snd/kot.snd", 200);
    auto view = MakeView();
    auto card = MakeCard();
    int clicks = 0;
    card->SetOnClick([&](platform::MouseEvent&) { ++clicks; });

    h_.headless->Click(320, 220, MouseButton::Left);
    h_.app->ProcessMessages();
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(Sound::Recorded().empty());

    h_.headless->Click(320, 220, MouseButton::Right);
    h_.app->ProcessMessages();
    EXPECT_EQ(clicks, 1);
    ASSERT_EQ(Sound::Recorded().size(), 1u);
    EXPECT_EQ(Sound::Recorded()[0].Path, NativeFile("Res/Snd/kot.snd"));
}

TEST_F(CKartaTest, ClickIgnoredWhileAnotherFormIsActive) {
    WriteSound("Res/Snd/kot.snd", 200);
    auto view = MakeView();
    auto card = MakeCard();
    int clicks = 0;
    card->SetOnClick([&](platform::MouseEvent&) { ++clicks; });
    for (MouseButton button : {MouseButton::Right, MouseButton::Left}) {
        // The press reaches the card; a message form opens before the release.
        platform::InputEvent down;
        down.type = platform::InputEvent::Type::MouseDown;
        down.button = button;
        down.x = 320;
        down.y = 220;
        h_.headless->Inject(down);
        h_.app->ProcessMessages();
        platform::Form message;
        message.SetBounds({200, 200, 600, 400});
        message.Show();
        platform::InputEvent up = down;
        up.type = platform::InputEvent::Type::MouseUp;
        h_.headless->Inject(up);
        h_.app->ProcessMessages();
        message.Hide();
    }
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(Sound::Recorded().empty());
    EXPECT_FALSE(view->Showing());
}

TEST_F(CKartaTest, FadeInHandsTheThreadToTheCallerAndEndsOnThePicture) {
    auto card = MakeCard();
    card->SetVisible(false);
    std::vector<Rect> fadeDirty;
    std::unique_ptr<CWatek> fade =
        card->StartAnimation([&](const Rect& r) { fadeDirty.push_back(r); });
    ASSERT_NE(fade, nullptr);
    fade->WaitFor();
    EXPECT_TRUE(card->Visible());
    ASSERT_FALSE(fadeDirty.empty());
    EXPECT_EQ(fadeDirty.front(), card->CardRect());
    EXPECT_TRUE(Near(form_.FrameBitmap.GetPixel(300, 200), kCardColour));
    EXPECT_TRUE(Near(form_.FrameBitmap.GetPixel(449, 299), kCardColour));
    EXPECT_EQ(form_.FrameBitmap.GetPixel(450, 300), PatternAt(450, 300));
    // The fade shows on the screen only; the scene is the caller's business.
    EXPECT_EQ(form_.SceneBitmap.GetPixel(300, 200), PatternAt(300, 200));
}

TEST_F(CKartaTest, FadeEndedEarlyStillShowsTheCard) {
    auto card = MakeCard();
    card->SetVisible(false);
    std::unique_ptr<CWatek> fade = card->StartAnimation(Recorder());
    fade->Stop();
    EXPECT_TRUE(card->Visible());
    fade.reset();
    card.reset();  // the card goes only after its fade has ended
    EXPECT_EQ(CKarta::Frames().LiveCount(), 0);
}
