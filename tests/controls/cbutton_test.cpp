#include "controls/cbutton.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "control_fixture.h"
#include "media/cblad.h"
#include "platform/action.h"

using namespace media;
using namespace controls;

using platform::Bitmap;
using platform::Color;
using platform::Rect;

namespace {

constexpr Color kHover{200, 30, 30};
constexpr Color kNormal{30, 160, 40};
constexpr Color kPressed{20, 40, 200};
constexpr Color kDisabled{120, 120, 120};

constexpr int kLeft = 100;
constexpr int kTop = 200;
// A point inside every look and one on the clear border.
constexpr int kInX = kLeft + 15;
constexpr int kInY = kTop + 12;
constexpr int kEdgeX = kLeft + 1;
constexpr int kEdgeY = kTop + 1;

// The next button "dalej" of the large layout. The hover look is larger than the others,
// so the button's size shows which look sets it.
class CButtonTest : public ControlTest {
  protected:
    CButtonTest() {
        WriteLook("dalej_a_b", 40, 30, kHover);
        WriteLook("dalej_d_b", 36, 26, kNormal);
        WriteLook("dalej_c_b", 36, 26, kPressed);
        WriteLook("dalej_na_b", 36, 26, kDisabled);
        action_.OnExecute = [this] { ++executed_; };
    }
    std::unique_ptr<CButton> Make(AddDirtyRectFn invalidate = {}) {
        return std::make_unique<CButton>(
            form_,
            DrawContext{form_.FrameBitmap, form_.SceneBitmap, nullptr, std::move(invalidate)},
            &action_, "dalej", platform::Point{kLeft, kTop});
    }

    platform::Action action_;
    int executed_ = 0;
};

}  // namespace

TEST_F(CButtonTest, ConstructionSizesToTheHoverLookAndDrawsTheNormalLook) {
    auto button = Make(Recorder());
    EXPECT_EQ(button->Bounds(), (Rect{kLeft, kTop, kLeft + 40, kTop + 30}));
    EXPECT_TRUE(button->Visible());
    EXPECT_TRUE(button->Enabled());
    EXPECT_FALSE(button->Pressed());
    EXPECT_EQ(FrameAt(kInX, kInY), kNormal);
    EXPECT_EQ(FrameAt(kEdgeX, kEdgeY), PatternAt(kEdgeX, kEdgeY));
    // The button draws into the frame only; the scene stays what it is composed over.
    EXPECT_TRUE(form_.SceneBitmap == form_.BackgroundBitmap);
    EXPECT_EQ(dirty_, (std::vector<Rect>{button->Bounds()}));
    EXPECT_EQ(button->Cursor(), platform::CursorShape::Arrow);
}

TEST_F(CButtonTest, SmallLayoutLoadsTheSmallLooks) {
    ScopedScreenMode small(1);
    WriteLook("dalej_a_s", 20, 16, kHover);
    WriteLook("dalej_d_s", 20, 16, kNormal);
    WriteLook("dalej_c_s", 20, 16, kPressed);
    WriteLook("dalej_na_s", 20, 16, kDisabled);
    for (const char* big : {"dalej_a_b", "dalej_d_b", "dalej_c_b", "dalej_na_b"}) {
        RemoveFile(std::string("Lib/BUTT/") + big + "_W.xbi");
    }
    auto button = Make();
    EXPECT_EQ(button->Bounds(), (Rect{kLeft, kTop, kLeft + 20, kTop + 16}));
}

TEST_F(CButtonTest, AnyMissingPictureEndsConstructionWithResourceMissingAndNoControlLeft) {
    const char* const names[] = {"dalej_a_b_W", "dalej_a_b_B", "dalej_d_b_W",  "dalej_d_b_B",
                                 "dalej_c_b_W", "dalej_c_b_B", "dalej_na_b_W", "dalej_na_b_B"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        WithoutLibraryPicture(name, [&] {
            const Bitmap frameBefore = form_.FrameBitmap;
            auto [code, text] = CBladFrom([&] { Make(); });
            EXPECT_EQ(code, CBlad::ResourceMissingCode);
            EXPECT_EQ(text, ResourceMissingText);
            EXPECT_FALSE(FormHasControls());
            EXPECT_TRUE(form_.FrameBitmap == frameBefore);
        });
    }
}

TEST_F(CButtonTest, LooksThatDoNotMakeAPairAlsoGiveResourceMissing) {
    WriteBmp("Lib/BUTT/dalej_c_b_B.xbi", Plain(10, 10, {0, 0, 0}));
    auto [code, text] = CBladFrom([&] { Make(); });
    EXPECT_EQ(code, CBlad::ResourceMissingCode);
    EXPECT_EQ(text, ResourceMissingText);
    EXPECT_FALSE(FormHasControls());
}

TEST_F(CButtonTest, MouseShowsHoverPressedAndNormalAndClicksOnRelease) {
    auto button = Make();
    Move(kInX, kInY);
    EXPECT_EQ(FrameAt(kInX, kInY), kHover);
    EXPECT_EQ(ScreenAt(kInX, kInY), kHover);
    EXPECT_EQ(button->Cursor(), platform::CursorShape::Hand);

    Down(kInX, kInY);
    EXPECT_TRUE(button->Pressed());
    EXPECT_EQ(FrameAt(kInX, kInY), kPressed);
    EXPECT_EQ(ScreenAt(kInX, kInY), kPressed);
    EXPECT_EQ(executed_, 0);

    Up(kInX, kInY);
    EXPECT_FALSE(button->Pressed());
    EXPECT_EQ(FrameAt(kInX, kInY), kNormal);
    EXPECT_EQ(ScreenAt(kInX, kInY), kNormal);
    EXPECT_EQ(executed_, 1);

    Move(600, 600);
    EXPECT_EQ(FrameAt(kInX, kInY), kNormal);
    EXPECT_EQ(button->Cursor(), platform::CursorShape::Arrow);
}

TEST_F(CButtonTest, ReleaseAwayFromTheButtonDoesNotClick) {
    auto button = Make();
    Move(kInX, kInY);
    Down(kInX, kInY);
    Move(600, 600);
    // Still held: the pressed look stays while the pointer is away.
    EXPECT_EQ(FrameAt(kInX, kInY), kPressed);
    Up(600, 600);
    EXPECT_FALSE(button->Pressed());
    EXPECT_EQ(FrameAt(kInX, kInY), kNormal);
    EXPECT_EQ(executed_, 0);
}

TEST_F(CButtonTest, RightButtonNeitherPressesNorClicks) {
    auto button = Make();
    h_.headless->Click(kInX, kInY, platform::MouseButton::Right);
    h_.app->ProcessMessages();
    EXPECT_FALSE(button->Pressed());
    EXPECT_EQ(executed_, 0);
}

TEST_F(CButtonTest, DisabledButtonShowsTheDisabledLookAndIgnoresTheMouse) {
    auto button = Make();
    button->SetEnabled(false);
    EXPECT_EQ(FrameAt(kInX, kInY), kNormal);  // no redraw by itself
    button->Redraw();
    EXPECT_EQ(FrameAt(kInX, kInY), kDisabled);

    h_.headless->Click(kInX, kInY);
    h_.app->ProcessMessages();
    EXPECT_EQ(executed_, 0);
    EXPECT_EQ(FrameAt(kInX, kInY), kDisabled);
    EXPECT_EQ(button->Cursor(), platform::CursorShape::Arrow);

    // The scanning highlight passes it by as well.
    button->HighlightOn();
    EXPECT_EQ(FrameAt(kInX, kInY), kDisabled);
    EXPECT_EQ(button->Cursor(), platform::CursorShape::Arrow);
}

TEST_F(CButtonTest, ButtonDisabledWhileHeldShowsTheDisabledLook) {
    auto button = Make();
    Move(kInX, kInY);
    Down(kInX, kInY);
    button->SetEnabled(false);
    button->Redraw();
    EXPECT_TRUE(button->Pressed());
    EXPECT_EQ(FrameAt(kInX, kInY), kDisabled);
}

TEST_F(CButtonTest, HighlightLooksLikeHoverReportsTheRectangleAndRepaints) {
    auto button = Make(Recorder());
    dirty_.clear();
    const int repaints = form_.Repaints;
    button->HighlightOn();
    EXPECT_EQ(FrameAt(kInX, kInY), kHover);
    EXPECT_EQ(ScreenAt(kInX, kInY), kHover);
    EXPECT_EQ(button->Cursor(), platform::CursorShape::Hand);
    EXPECT_EQ(dirty_, (std::vector<Rect>{button->Bounds()}));
    EXPECT_EQ(form_.Repaints, repaints + 1);

    button->HighlightOff();
    EXPECT_EQ(FrameAt(kInX, kInY), kNormal);
    EXPECT_EQ(ScreenAt(kInX, kInY), kNormal);
    EXPECT_EQ(button->Cursor(), platform::CursorShape::Arrow);
    EXPECT_EQ(form_.Repaints, repaints + 2);
}

TEST_F(CButtonTest, UnderAnotherFormTheMouseIsIgnoredButTheHighlightStillWorks) {
    auto button = Make();
    Move(kInX, kInY);
    Down(kInX, kInY);
    // A modal form opens while the button is held; the release still reaches the button's
    // form but must not run the action.
    PictureTestForm modal({200, 100});
    modal.Show();
    Up(kInX, kInY);
    EXPECT_EQ(executed_, 0);

    button->Redraw();
    button->HighlightOn();
    EXPECT_EQ(FrameAt(kInX, kInY), kHover);
    button->HighlightOff();
    EXPECT_NE(FrameAt(kInX, kInY), kHover);
}

TEST_F(CButtonTest, HiddenButtonDrawsAndReportsNothing) {
    auto button = Make(Recorder());
    button->SetVisible(false);
    form_.FrameBitmap = form_.BackgroundBitmap;
    dirty_.clear();
    button->Redraw();
    button->HighlightOn();
    EXPECT_TRUE(form_.FrameBitmap == form_.BackgroundBitmap);
    EXPECT_TRUE(dirty_.empty());
}

TEST_F(CButtonTest, ClickRunsTheBoundActionAndWithoutOneNothing) {
    auto button = Make();
    button->Click();
    EXPECT_EQ(executed_, 1);
    CButton unbound(form_, Context(), nullptr, "dalej", {kLeft, kTop});
    unbound.Click();
    EXPECT_EQ(executed_, 1);
}
