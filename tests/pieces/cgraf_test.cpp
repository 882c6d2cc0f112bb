#include "pieces/cgraf.h"

#include <gtest/gtest.h>

#include <memory>

#include "media/cblad.h"
#include "media/picture_fixture.h"

using namespace media;
using namespace pieces;

using platform::Bitmap;
using platform::Color;
using platform::Rect;
using namespace pieces;

namespace {

constexpr Color kOrange{250, 140, 0};
constexpr Color kInk{20, 40, 160};

// An instruction picture "mysl" of 60 x 40: opaque ink with a clear 10-pixel border.
class CGrafTest : public PictureTest {
  protected:
    CGrafTest() {
        Bitmap black = Plain(60, 40, {0, 0, 0});
        Bitmap white = Plain(60, 40, {255, 255, 255});
        black.FillRect({10, 10, 50, 30}, kInk);
        white.FillRect({10, 10, 50, 30}, kInk);
        WriteBmp("Res/mysl_b_B.xbi", black);
        WriteBmp("Res/mysl_b_W.xbi", white);
        WriteBmp("Lib/GFX/ramka_orange_b.xbi", Ring(80, 60, kOrange));
    }
    std::unique_ptr<CGraf> MakePicture(Bitmap* background) {
        DrawContext context = Context();
        context.Background = background;
        return std::make_unique<CGraf>(form_, context);
    }
};

}  // namespace

TEST_F(CGrafTest, LoadBuildsThePairSizesTheControlAndPaintsIt) {
    auto picture = MakePicture(&form_.BackgroundBitmap);
    picture->MoveTo({100, 700});
    dirty_.clear();
    picture->Load("Data\\Res\\", "mysl");
    EXPECT_EQ(picture->PictureRectOnScreen(), (Rect{100, 700, 160, 740}));
    EXPECT_EQ(picture->PictureRect(), (Rect{0, 0, 60, 40}));
    EXPECT_EQ(picture->Bounds(), (Rect{100, 700, 160, 740}));
    for (const Bitmap* b : {&form_.FrameBitmap, &form_.SceneBitmap}) {
        EXPECT_EQ(b->GetPixel(110, 710), kInk);
        EXPECT_EQ(b->GetPixel(105, 705), PatternAt(105, 705));  // clear part
    }
    EXPECT_EQ(dirty_, (std::vector<Rect>{{100, 700, 160, 740}}));
}

TEST_F(CGrafTest, MissingPairRaisesResourceMissingAndKeepsThePicture) {
    auto picture = MakePicture(nullptr);
    picture->Load("Data\\Res\\", "mysl");
    RemoveFile("Res/mysl_b_W.xbi");
    try {
        picture->Load("Data\\Res\\", "mysl");
        FAIL() << "no error";
    } catch (const CBlad& e) {
        EXPECT_EQ(e.Code(), CBlad::ResourceMissingCode);
        EXPECT_EQ(e.Text(), ResourceMissingText);
    }
    EXPECT_THROW(picture->Load("Data\\Res\\", "sluch"), CBlad);
    EXPECT_EQ(picture->Picture().Width(), 60);
}

TEST_F(CGrafTest, MoveToPlacesWithoutDrawing) {
    auto picture = MakePicture(nullptr);
    picture->Load("Data\\Res\\", "mysl");
    const Bitmap before = form_.FrameBitmap;
    dirty_.clear();
    EXPECT_EQ(picture->MoveTo({300, 310}), (Rect{300, 310, 360, 350}));
    EXPECT_TRUE(dirty_.empty());
    EXPECT_TRUE(form_.FrameBitmap == before);
    picture->Paint();
    EXPECT_EQ(form_.FrameBitmap.GetPixel(310, 320), kInk);
}

TEST_F(CGrafTest, PaintIntoBackgroundOnlyWhenThereIsOne) {
    auto without = MakePicture(nullptr);
    without->Load("Data\\Res\\", "mysl");
    const Bitmap background = form_.BackgroundBitmap;
    without->PaintIntoBackground();
    EXPECT_TRUE(form_.BackgroundBitmap == background);

    auto with = MakePicture(&form_.BackgroundBitmap);
    with->Load("Data\\Res\\", "mysl");
    with->MoveTo({200, 200});
    dirty_.clear();
    with->PaintIntoBackground();
    EXPECT_EQ(form_.BackgroundBitmap.GetPixel(210, 210), kInk);
    EXPECT_TRUE(dirty_.empty());
}

TEST_F(CGrafTest, HiddenPictureIsNotPainted) {
    auto picture = MakePicture(&form_.BackgroundBitmap);
    picture->SetVisible(false);
    picture->Load("Data\\Res\\", "mysl");
    CGraf::LoadHighlightFrame();
    picture->Highlight();
    picture->Unhighlight();
    EXPECT_TRUE(form_.FrameBitmap == form_.BackgroundBitmap);
    EXPECT_TRUE(dirty_.empty());
}

TEST_F(CGrafTest, HighlightFrameIsDrawnAroundAndRemovedWithoutATrace) {
    auto picture = MakePicture(&form_.BackgroundBitmap);
    picture->MoveTo({300, 300});
    picture->Load("Data\\Res\\", "mysl");
    // Not loaded yet: nothing happens.
    dirty_.clear();
    picture->Highlight();
    EXPECT_TRUE(dirty_.empty());
    EXPECT_FALSE(picture->Highlighted());

    const Bitmap frameBefore = form_.FrameBitmap;
    const Bitmap sceneBefore = form_.SceneBitmap;
    CGraf::LoadHighlightFrame();
    picture->Highlight();
    // (80 - 60) / 2 = 10 and (60 - 40) / 2 = 10.
    const Rect ring{290, 290, 370, 350};
    for (const Bitmap* b : {&form_.FrameBitmap, &form_.SceneBitmap}) {
        EXPECT_EQ(b->GetPixel(290, 290), kOrange);
        EXPECT_EQ(b->GetPixel(369, 349), kOrange);
        EXPECT_EQ(b->GetPixel(295, 320), PatternAt(295, 320));
        EXPECT_EQ(b->GetPixel(310, 310), kInk);
    }
    EXPECT_EQ(dirty_, (std::vector<Rect>{ring}));

    dirty_.clear();
    picture->Unhighlight();
    EXPECT_FALSE(picture->Highlighted());
    EXPECT_TRUE(form_.FrameBitmap == frameBefore);
    EXPECT_TRUE(form_.SceneBitmap == sceneBefore);
    EXPECT_EQ(dirty_, (std::vector<Rect>{ring, {300, 300, 360, 340}}));
}

TEST_F(CGrafTest, OrangeFrameIsSharedAndFreedWithTheLastPicture) {
    auto first = MakePicture(nullptr);
    auto second = MakePicture(nullptr);
    EXPECT_FALSE(CGraf::Frames().AnyLoaded());
    CGraf::LoadHighlightFrame();
    ASSERT_NE(CGraf::Frames().Picture(SelectionFrames::Orange), nullptr);
    first.reset();
    EXPECT_TRUE(CGraf::Frames().AnyLoaded());
    second.reset();
    EXPECT_FALSE(CGraf::Frames().AnyLoaded());
}

TEST_F(CGrafTest, MissingHighlightFrameRaisesResourceMissing) {
    auto picture = MakePicture(nullptr);
    RemoveFile("Lib/GFX/ramka_orange_b.xbi");
    try {
        CGraf::LoadHighlightFrame();
        FAIL() << "no error";
    } catch (const CBlad& e) {
        EXPECT_EQ(e.Code(), CBlad::ResourceMissingCode);
        EXPECT_EQ(e.Text(), ResourceMissingText);
    }
    EXPECT_FALSE(CGraf::Frames().AnyLoaded());
}

TEST_F(CGrafTest, ClicksReachTheExerciseOnlyWhileItsFormIsActive) {
    auto picture = MakePicture(nullptr);
    picture->MoveTo({300, 300});
    picture->Load("Data\\Res\\", "mysl");
    int clicks = 0;
    int doubleClicks = 0;
    picture->SetOnClick([&](platform::MouseEvent&) { ++clicks; });
    picture->SetOnDoubleClick([&](platform::MouseEvent&) { ++doubleClicks; });
    h_.headless->Click(320, 320);
    h_.headless->DoubleClick(320, 320);
    h_.app->ProcessMessages();
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(doubleClicks, 1);
}
