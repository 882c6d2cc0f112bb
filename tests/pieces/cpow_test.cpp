#include "pieces/cpow.h"

#include <gtest/gtest.h>

#include <memory>

#include "media/cblad.h"
#include "media/picture_fixture.h"

using namespace media;
using namespace pieces;

using platform::Bitmap;
using platform::Color;
using platform::MouseButton;
using platform::Rect;
using namespace pieces;

namespace {

class CPowTest : public PictureTest {
  protected:
    CPowTest() {
        view_ = std::make_unique<CPow>(form_, Context(), [this] { ++vehicleDraws_; });
        // Something at rest in the scene that the view covers for a while.
        form_.SceneBitmap.FillRect({500, 400, 700, 600}, {1, 2, 3});
        form_.FrameBitmap = form_.SceneBitmap;
    }

    std::unique_ptr<CPow> view_;
    int vehicleDraws_ = 0;
};

}  // namespace

TEST_F(CPowTest, StartsHidden) {
    EXPECT_FALSE(view_->Visible());
    EXPECT_FALSE(view_->Enabled());
    EXPECT_FALSE(view_->Showing());
    EXPECT_EQ(CPow::Of(form_), view_.get());
    platform::Form other;
    EXPECT_EQ(CPow::Of(other), nullptr);
}

TEST_F(CPowTest, LibraryPictureIsCentredInTheLayoutOnTheFrameOnly) {
    // Odd sizes: each half is truncated on its own.
    WriteBmp("Lib/POW/l_b.xbi", Plain(101, 51, {10, 220, 30}));
    const Bitmap scene = form_.SceneBitmap;
    view_->ShowPicture("l_b", {5, 6, 7, 8});
    ASSERT_TRUE(view_->Showing());
    // Layout 1280 x 960 at top 32: 640 - 50 and 32 + 480 - 25.
    const Rect expected{590, 487, 691, 538};
    EXPECT_EQ(view_->ViewRect(), expected);
    EXPECT_EQ(view_->Bounds(), expected);
    EXPECT_EQ(view_->SourceRect(), (Rect{5, 6, 7, 8}));
    EXPECT_TRUE(view_->Visible());
    EXPECT_TRUE(view_->Enabled());
    EXPECT_EQ(form_.FrameBitmap.GetPixel(590, 487), (Color{10, 220, 30}));
    EXPECT_EQ(form_.FrameBitmap.GetPixel(690, 537), (Color{10, 220, 30}));
    EXPECT_EQ(form_.FrameBitmap.GetPixel(691, 537), (Color{1, 2, 3}));
    EXPECT_TRUE(form_.SceneBitmap == scene);
    EXPECT_EQ(dirty_, (std::vector<Rect>{expected}));
    EXPECT_EQ(form_.Repaints, 1);
}

TEST_F(CPowTest, NameWithDoubleSlashIsReadAsAJpegFile) {
    WriteJpeg("Res/Kar/Nor/Pow/kot_b.xji", Plain(200, 100, {200, 40, 40}));
    view_->ShowPicture("Data//Res//Kar//Nor//Pow//kot_b.xji", {});
    ASSERT_TRUE(view_->Showing());
    EXPECT_EQ(view_->ViewRect(), (Rect{540, 462, 740, 562}));
    EXPECT_TRUE(Near(form_.FrameBitmap.GetPixel(640, 512), {200, 40, 40}));
}

TEST_F(CPowTest, HidePictureRestoresTheSceneAndRedrawsTheVehicle) {
    WriteBmp("Lib/POW/l_b.xbi", Plain(300, 300, {10, 220, 30}));
    const Bitmap before = form_.FrameBitmap;
    view_->ShowPicture("l_b", {});
    dirty_.clear();
    view_->HidePicture();
    EXPECT_FALSE(view_->Showing());
    EXPECT_FALSE(view_->Visible());
    EXPECT_FALSE(view_->Enabled());
    EXPECT_TRUE(form_.FrameBitmap == before);
    EXPECT_EQ(dirty_, (std::vector<Rect>{view_->ViewRect()}));
    EXPECT_EQ(vehicleDraws_, 1);
    EXPECT_EQ(form_.Repaints, 2);

    // Hiding again does nothing.
    view_->HidePicture();
    EXPECT_EQ(vehicleDraws_, 1);
    EXPECT_EQ(form_.Repaints, 2);
}

TEST_F(CPowTest, ASecondPictureReplacesTheFirst) {
    WriteBmp("Lib/POW/big_b.xbi", Plain(400, 400, {10, 220, 30}));
    WriteBmp("Lib/POW/small_b.xbi", Plain(20, 20, {220, 10, 30}));
    const Bitmap before = form_.FrameBitmap;
    view_->ShowPicture("big_b", {});
    view_->ShowPicture("small_b", {});
    EXPECT_EQ(form_.FrameBitmap.GetPixel(640, 512), (Color{220, 10, 30}));
    // Where only the first picture was, the scene shows again.
    EXPECT_EQ(form_.FrameBitmap.GetPixel(450, 320), before.GetPixel(450, 320));
    view_->HidePicture();
    EXPECT_TRUE(form_.FrameBitmap == before);
}

TEST_F(CPowTest, MissingPictureIsReportedAndTheGameGoesOn) {
    const Bitmap before = form_.FrameBitmap;
    for (const char* name : {"brak_b", "Data//Res//Kar//Nor//Pow//brak_b.xji"}) {
        platform::MessageLog::Capture();
        EXPECT_NO_THROW(view_->ShowPicture(name, {}));
        EXPECT_EQ(Messages(), (std::vector<std::string>{std::string(ResourceMissingText)})) << name;
        EXPECT_FALSE(view_->Showing());
        // No invisible view is left to swallow the clicks meant for the cards.
        EXPECT_FALSE(view_->Visible());
        EXPECT_FALSE(view_->Enabled());
        EXPECT_TRUE(form_.FrameBitmap == before);
    }
}

TEST_F(CPowTest, ClickOnTheViewTakesItAway) {
    WriteBmp("Lib/POW/l_b.xbi", Plain(300, 300, {10, 220, 30}));
    for (MouseButton button : {MouseButton::Left, MouseButton::Right}) {
        view_->ShowPicture("l_b", {});
        h_.headless->Click(640, 512, button);
        h_.app->ProcessMessages();
        EXPECT_FALSE(view_->Showing());
    }
    EXPECT_EQ(vehicleDraws_, 2);
}
