#include "controls/cbutton_check.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "control_fixture.h"
#include "media/cblad.h"
#include "platform/action.h"

using namespace media;
using namespace controls;

using platform::Bitmap;
using platform::Color;
using platform::Rect;

namespace {

constexpr Color kOn{200, 30, 30};
constexpr Color kOff{30, 160, 40};
constexpr Color kDisabledOn{20, 40, 200};
constexpr Color kDisabledOff{120, 120, 120};

constexpr int kLeft = 300;
constexpr int kTop = 150;
constexpr int kInX = kLeft + 10;
constexpr int kInY = kTop + 10;

// The level toggle "pI" of the large layout with all four looks, and the "_NA" pair of
// two-look mode in colours of its own.
class CButtonCheckTest : public ControlTest {
  protected:
    CButtonCheckTest() {
        WriteLook("pI_maxi_A_C", 30, 24, kOn);
        WriteLook("pI_maxi_A_NC", 30, 24, kOff);
        WriteLook("pI_maxi_NA_C", 30, 24, kDisabledOn);
        WriteLook("pI_maxi_NA_NC", 30, 24, kDisabledOff);
        action_.OnExecute = [this] { ++executed_; };
    }
    std::unique_ptr<CButtonCheck> Make(bool fourLooks, bool enabled, bool on) {
        return std::make_unique<CButtonCheck>(
            form_, Context(), &action_, "pI", platform::Point{kLeft, kTop},
            CButtonCheck::Setup{.FourLooks = fourLooks, .Enabled = enabled, .On = on});
    }

    platform::Action action_;
    int executed_ = 0;
};

}  // namespace

TEST_F(CButtonCheckTest, FourLookToggleShowsTheLookOfEveryStateAndFollowsEnabling) {
    struct Case {
        bool enabled;
        bool on;
        Color look;
    };
    const Case cases[] = {{true, true, kOn},
                          {true, false, kOff},
                          {false, true, kDisabledOn},
                          {false, false, kDisabledOff}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "enabled " << c.enabled << " on " << c.on);
        auto toggle = Make(true, c.enabled, c.on);
        EXPECT_EQ(toggle->Bounds(), (Rect{kLeft, kTop, kLeft + 30, kTop + 24}));
        EXPECT_EQ(toggle->State(), c.on);
        EXPECT_EQ(toggle->Enabled(), c.enabled);
        EXPECT_EQ(FrameAt(kInX, kInY), c.look);
        EXPECT_EQ(FrameAt(kLeft, kTop), PatternAt(kLeft, kTop));
    }
    auto toggle = Make(true, true, true);
    toggle->SetEnabled(false);
    toggle->Redraw();
    EXPECT_EQ(FrameAt(kInX, kInY), kDisabledOn);
    toggle->SetEnabled(true);
    toggle->Redraw();
    EXPECT_EQ(FrameAt(kInX, kInY), kOn);
}

TEST_F(CButtonCheckTest, TwoLookToggleCreatedDisabledKeepsItsDisabledLooksForEver) {
    RemoveFile("Lib/BUTT/pI_maxi_A_C_W.xbi");
    RemoveFile("Lib/BUTT/pI_maxi_A_NC_B.xbi");
    auto toggle = Make(false, false, true);
    EXPECT_EQ(FrameAt(kInX, kInY), kDisabledOn);
    toggle->SetEnabled(true);
    toggle->Redraw();
    EXPECT_EQ(FrameAt(kInX, kInY), kDisabledOn);
    toggle->Toggle();
    EXPECT_EQ(FrameAt(kInX, kInY), kDisabledOff);
}

TEST_F(CButtonCheckTest, TwoLookToggleCreatedEnabledShowsItsEnabledLooksWhenDisabled) {
    RemoveFile("Lib/BUTT/pI_maxi_NA_C_W.xbi");
    RemoveFile("Lib/BUTT/pI_maxi_NA_NC_B.xbi");
    auto toggle = Make(false, true, false);
    EXPECT_EQ(FrameAt(kInX, kInY), kOff);
    toggle->SetEnabled(false);
    toggle->SetState(true);
    EXPECT_EQ(FrameAt(kInX, kInY), kOn);
}

TEST_F(CButtonCheckTest, AnyMissingPictureEndsConstructionWithResourceMissingAndNoControlLeft) {
    struct Case {
        bool fourLooks;
        bool enabled;
        const char* missing;
    };
    const Case cases[] = {
        {true, true, "pI_maxi_A_C_W"},     {true, true, "pI_maxi_A_C_B"},
        {true, true, "pI_maxi_A_NC_W"},    {true, true, "pI_maxi_A_NC_B"},
        {true, true, "pI_maxi_NA_C_W"},    {true, true, "pI_maxi_NA_C_B"},
        {true, true, "pI_maxi_NA_NC_W"},   {true, true, "pI_maxi_NA_NC_B"},
        {false, true, "pI_maxi_A_NC_B"},   {false, false, "pI_maxi_NA_C_W"},
        {false, false, "pI_maxi_NA_NC_B"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.missing);
        WithoutLibraryPicture(c.missing, [&] {
            auto [code, text] = CBladFrom([&] { Make(c.fourLooks, c.enabled, false); });
            EXPECT_EQ(code, CBlad::ResourceMissingCode);
            EXPECT_EQ(text, ResourceMissingText);
            EXPECT_FALSE(FormHasControls());
        });
    }
}

TEST_F(CButtonCheckTest, SmallLayoutUsesTheMiniPictures) {
    ScopedScreenMode small(1);
    WriteLook("l_mini_A_C", 16, 12, kOn);
    WriteLook("l_mini_A_NC", 16, 12, kOff);
    CButtonCheck toggle(form_, Context(), nullptr, "l", {kLeft, kTop},
                        {.FourLooks = false, .On = true});
    EXPECT_EQ(toggle.Bounds(), (Rect{kLeft, kTop, kLeft + 16, kTop + 12}));
    EXPECT_EQ(FrameAt(kLeft + 5, kTop + 5), kOn);
}

TEST_F(CButtonCheckTest, ClickRunsTheActionAndLeavesTheStateToIt) {
    auto toggle = Make(true, true, false);
    h_.headless->Click(kInX, kInY);
    h_.app->ProcessMessages();
    EXPECT_EQ(executed_, 1);
    EXPECT_FALSE(toggle->State());
    EXPECT_EQ(FrameAt(kInX, kInY), kOff);

    // The handler decides, as the menu's and the options form's actions do.
    bool before = true;
    action_.OnExecute = [&] { before = toggle->Toggle(); };
    h_.headless->Click(kInX, kInY);
    h_.app->ProcessMessages();
    EXPECT_FALSE(before);
    EXPECT_TRUE(toggle->State());
    EXPECT_EQ(FrameAt(kInX, kInY), kOn);
    EXPECT_TRUE(toggle->Toggle());
    EXPECT_FALSE(toggle->State());
}

// The left button is the toggle's; the others go on to the form, where the game form and the
// switch tester take them as switches.
TEST_F(CButtonCheckTest, ClaimsTheLeftButtonAndLeavesTheOthersToTheForm) {
    auto toggle = Make(true, true, false);
    h_.headless->Click(kInX, kInY, platform::MouseButton::Left);
    h_.app->ProcessMessages();
    EXPECT_EQ(executed_, 1);
    EXPECT_TRUE(form_.FormReleases.empty());
    h_.headless->Click(kInX, kInY, platform::MouseButton::Right);
    h_.app->ProcessMessages();
    EXPECT_EQ(executed_, 1);
    EXPECT_EQ(form_.FormReleases,
              (std::vector<platform::MouseButton>{platform::MouseButton::Right}));
}

TEST_F(CButtonCheckTest, HandCursorOnlyOverAnEnabledToggle) {
    auto toggle = Make(true, true, false);
    Move(kInX, kInY);
    EXPECT_EQ(toggle->Cursor(), platform::CursorShape::Hand);
    Move(700, 700);
    EXPECT_EQ(toggle->Cursor(), platform::CursorShape::Arrow);
    toggle->SetEnabled(false);
    Move(kInX, kInY);
    EXPECT_EQ(toggle->Cursor(), platform::CursorShape::Arrow);
    h_.headless->Click(kInX, kInY);
    h_.app->ProcessMessages();
    EXPECT_EQ(executed_, 0);
}

TEST_F(CButtonCheckTest, ClicksAreIgnoredWhileAnotherFormIsActive) {
    auto toggle = Make(true, true, false);
    Down(kInX, kInY);
    PictureTestForm other({100, 100});
    other.Show();
    Up(kInX, kInY);
    EXPECT_EQ(executed_, 0);
}

TEST_F(CButtonCheckTest, RenderComposesTheCurrentLookOverTheSceneForTheOwner) {
    auto toggle = Make(true, true, true);
    // The frame differs from the scene: the render must not read it.
    form_.FrameBitmap.Fill({0, 0, 0});
    Bitmap* rendered = toggle->Render();
    ASSERT_NE(rendered, nullptr);
    EXPECT_EQ(toggle->Rendered(), rendered);
    EXPECT_EQ(rendered->Width(), 30);
    EXPECT_EQ(rendered->Height(), 24);
    EXPECT_EQ(rendered->GetPixel(10, 10), kOn);
    EXPECT_EQ(rendered->GetPixel(0, 0), PatternAt(kLeft, kTop));
    EXPECT_EQ(rendered->GetPixel(29, 23), PatternAt(kLeft + 29, kTop + 23));

    toggle->SetState(false);
    EXPECT_EQ(toggle->Render()->GetPixel(10, 10), kOff);
}

TEST_F(CButtonCheckTest, HiddenToggleDrawsNothing) {
    auto toggle = Make(true, true, false);
    toggle->SetVisible(false);
    form_.FrameBitmap = form_.BackgroundBitmap;
    toggle->Toggle();
    toggle->Redraw();
    EXPECT_TRUE(toggle->State());
    EXPECT_TRUE(form_.FrameBitmap == form_.BackgroundBitmap);
}
