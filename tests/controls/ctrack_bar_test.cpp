#include "controls/ctrack_bar.h"

#include <gtest/gtest.h>

#include <algorithm>

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

constexpr Color kTrack{30, 160, 40};
constexpr Color kKnob{200, 30, 30};
constexpr Color kDisabledTrack{120, 120, 120};
constexpr Color kDisabledKnob{20, 40, 200};

constexpr int kLeft = 200;
constexpr int kTop = 400;
constexpr int kLength = 253;
constexpr int kCentreLine = 30;
constexpr int kTrackStart = 23;
// Screen position of the knob's centre at knob position p.
constexpr int KnobX(int p) {
    return kLeft + kTrackStart + p;
}
constexpr int kKnobY = kTop + kCentreLine;
// A place on the track that the knob never covers vertically.
constexpr int kTrackY = kTop + 5;

// The options form's slider "track" of the large layout: a 300 x 60 track, a 20 x 30 knob,
// each with a 2-pixel clear border.
class CTrackBarTest : public ControlTest {
  protected:
    CTrackBarTest() {
        WriteLook("track_maxi_as", 300, 60, kTrack);
        WriteLook("track_maxi_nas", 300, 60, kDisabledTrack);
        WriteLook("track_maxi_ap", 20, 30, kKnob);
        WriteLook("track_maxi_nap", 20, 30, kDisabledKnob);
        action_.OnExecute = [this] { percents_.push_back(slider_->GetPercent()); };
    }
    CTrackBar& Make(int32_t length = kLength, AddDirtyRectFn invalidate = {}) {
        const CTrackBar::Track track{.UnitText = " s",
                                     .Step = 0.05f,
                                     .Length = length,
                                     .KnobCentreLine = kCentreLine,
                                     .TrackStart = kTrackStart};
        slider_ = std::make_unique<CTrackBar>(
            form_,
            DrawContext{form_.FrameBitmap, form_.SceneBitmap, nullptr, std::move(invalidate)},
            &action_, "track", platform::Point{kLeft, kTop}, track);
        return *slider_;
    }

    platform::Action action_;
    std::unique_ptr<CTrackBar> slider_;
    // What the action read from the slider, once per run.
    std::vector<int32_t> percents_;
};

}  // namespace

TEST_F(CTrackBarTest, ConstructionSizesToTheTrackAndDrawsNothing) {
    CTrackBar& slider = Make(kLength, Recorder());
    EXPECT_EQ(slider.Bounds(), (Rect{kLeft, kTop, kLeft + 300, kTop + 60}));
    EXPECT_EQ(slider.KnobWidth(), 20);
    EXPECT_EQ(slider.KnobHeight(), 30);
    EXPECT_EQ(slider.KnobPosition(), 0);
    EXPECT_EQ(slider.Travel(), kLength);
    EXPECT_TRUE(slider.Enabled());
    EXPECT_TRUE(slider.Visible());
    EXPECT_TRUE(slider.ShowHint());
    EXPECT_TRUE(form_.FrameBitmap == form_.BackgroundBitmap);
    EXPECT_TRUE(dirty_.empty());
}

TEST_F(CTrackBarTest, PercentAndKnobPositionBothTruncate) {
    struct Case {
        int32_t length;
        int32_t set;
        int32_t position;
        int32_t read;
    };
    const Case cases[] = {
        {253, 29, 73, 28},     // 73.37 px; 28.85 %
        {253, 0, 0, 0},        //
        {253, 100, 253, 100},  //
        {253, 1, 2, 0},        // 2.53 px; 0.79 %
        {253, 31, 78, 30},     // 78.43 px; 30.83 %
        {253, 99, 250, 98},    // 250.47 px; 98.81 %
        {202, 29, 58, 28},     // the small layout: truncate(253 x 0.8)
        {202, 50, 101, 50},    //
        {202, 100, 202, 100},  //
        {253, 140, 253, 100},  // beyond the track: the knob stays at an end
        {253, -5, 0, 0},       //
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "length " << c.length << " set " << c.set);
        CTrackBar& slider = Make(c.length);
        slider.SetPercent(c.set);
        EXPECT_EQ(slider.KnobPosition(), c.position);
        EXPECT_EQ(slider.GetPercent(), c.read);
    }
}

TEST_F(CTrackBarTest, TooltipShowsTheValueWithTwoDigitsAndTheUnit) {
    struct Case {
        int32_t percent;
        const char* hint;
    };
    const Case cases[] = {{28, "1.4  s"}, {31, "1.6  s"}, {1, "0.05  s"}, {100, "5  s"},
                          {0, "0  s"},    {30, "1.5  s"}, {57, "2.9  s"}};
    CTrackBar& slider = Make(100);
    for (const Case& c : cases) {
        slider.SetPercent(c.percent);
        ASSERT_EQ(slider.GetPercent(), c.percent);
        EXPECT_EQ(slider.Hint(), c.hint);
    }
}

TEST_F(CTrackBarTest, SetPercentDrawsNothingAndRedrawShowsTrackAndKnob) {
    CTrackBar& slider = Make(kLength, Recorder());
    slider.SetPercent(29);
    EXPECT_EQ(slider.Hint(), "1.4  s");
    EXPECT_TRUE(form_.FrameBitmap == form_.BackgroundBitmap);

    slider.Redraw();
    EXPECT_EQ(slider.KnobRect(), (Rect{KnobX(73) - 10, kKnobY - 15, KnobX(73) + 10, kKnobY + 15}));
    EXPECT_EQ(FrameAt(KnobX(73), kKnobY), kKnob);
    // The knob's clear border shows the track just drawn under it.
    EXPECT_EQ(FrameAt(KnobX(73) - 9, kKnobY), kTrack);
    EXPECT_EQ(FrameAt(KnobX(73) - 7, kKnobY), kKnob);
    EXPECT_EQ(FrameAt(KnobX(0), kKnobY), kTrack);
    EXPECT_EQ(FrameAt(KnobX(73), kTrackY), kTrack);
    EXPECT_EQ(FrameAt(kLeft, kTop), PatternAt(kLeft, kTop));
    // Only the frame is drawn into; the scene stays the background.
    EXPECT_TRUE(form_.SceneBitmap == form_.BackgroundBitmap);
    EXPECT_EQ(dirty_, (std::vector<Rect>{slider.Bounds()}));
}

TEST_F(CTrackBarTest, DisabledSliderShowsItsDisabledLooksAndIgnoresTheMouse) {
    CTrackBar& slider = Make();
    slider.SetPercent(50);
    const int32_t percent = slider.GetPercent();
    slider.SetEnabled(false);
    // Set enabled draws by itself.
    const int knob = KnobX(slider.KnobPosition());
    EXPECT_EQ(FrameAt(knob, kKnobY), kDisabledKnob);
    EXPECT_EQ(FrameAt(KnobX(0), kKnobY), kDisabledTrack);

    Down(knob, kKnobY);
    Move(knob + 40, kKnobY);
    Up(knob + 40, kKnobY);
    EXPECT_FALSE(slider.Dragging());
    EXPECT_EQ(slider.GetPercent(), percent);
    EXPECT_TRUE(percents_.empty());

    slider.SetEnabled(true);
    EXPECT_EQ(FrameAt(knob, kKnobY), kKnob);
    EXPECT_EQ(FrameAt(KnobX(0), kKnobY), kTrack);
}

TEST_F(CTrackBarTest, DraggingFarBeyondEitherEndStopsAtTheEndsAndReleaseRunsTheAction) {
    CTrackBar& slider = Make(kLength, Recorder());
    slider.SetPercent(29);
    slider.Redraw();
    Down(KnobX(73), kKnobY);
    EXPECT_TRUE(slider.Dragging());

    dirty_.clear();
    const int repaints = form_.Repaints;
    Move(0, 900);
    EXPECT_EQ(slider.KnobPosition(), 0);
    EXPECT_EQ(slider.Hint(), "0  s");
    EXPECT_EQ(ScreenAt(KnobX(0), kKnobY), kKnob);
    EXPECT_EQ(ScreenAt(KnobX(73), kKnobY), kTrack);
    // Reported by the move and again by the form's paint; the value shown below the track
    // while dragging reports its own place.
    ASSERT_FALSE(dirty_.empty());
    EXPECT_NE(std::find(dirty_.begin(), dirty_.end(), slider.Bounds()), dirty_.end());
    for (const Rect& r : dirty_) {
        EXPECT_TRUE(r == slider.Bounds() || r.Top >= slider.Bounds().Bottom) << r.Top;
    }
    EXPECT_EQ(form_.Repaints, repaints + 1);

    Move(1279, 10);
    EXPECT_EQ(slider.KnobPosition(), kLength);
    EXPECT_EQ(slider.Hint(), "5  s");
    EXPECT_EQ(ScreenAt(KnobX(kLength), kKnobY), kKnob);
    EXPECT_TRUE(percents_.empty());

    Up(1279, 10);
    EXPECT_FALSE(slider.Dragging());
    EXPECT_EQ(percents_, (std::vector<int32_t>{100}));

    // Back to the left end: the owner reads 0 there.
    Down(KnobX(kLength), kKnobY);
    Move(-50, kKnobY);
    Up(-50, kKnobY);
    EXPECT_EQ(percents_, (std::vector<int32_t>{100, 0}));
}

TEST_F(CTrackBarTest, ReleaseWithoutMovementRunsTheActionOnTheUnchangedValue) {
    CTrackBar& slider = Make();
    slider.SetPercent(29);
    slider.Redraw();
    h_.headless->Click(KnobX(73), kKnobY);
    h_.app->ProcessMessages();
    EXPECT_EQ(slider.KnobPosition(), 73);
    EXPECT_EQ(percents_, (std::vector<int32_t>{28}));
}

TEST_F(CTrackBarTest, ClaimsTheLeftButtonAndLeavesTheOthersToTheForm) {
    CTrackBar& slider = Make();
    slider.Redraw();
    h_.headless->Click(KnobX(73), kKnobY, platform::MouseButton::Left);
    h_.headless->Click(KnobX(73), kKnobY, platform::MouseButton::Right);
    h_.app->ProcessMessages();
    EXPECT_EQ(percents_.size(), 1u);
    EXPECT_EQ(form_.FormReleases,
              (std::vector<platform::MouseButton>{platform::MouseButton::Right}));
}

TEST_F(CTrackBarTest, KnobFollowsThePointerAtTheDistanceWhereItWasTaken) {
    CTrackBar& slider = Make();
    slider.SetPercent(29);
    slider.Redraw();
    Down(KnobX(73) + 3, kKnobY);
    Move(KnobX(73) + 13, kKnobY + 7);
    EXPECT_EQ(slider.KnobPosition(), 83);
    Up(KnobX(83) + 3, kKnobY);

    // A press beside the knob keeps the previous grab offset: the knob jumps under the
    // pointer, shifted by it, at the first movement.
    Down(KnobX(200), kTrackY);
    EXPECT_EQ(slider.KnobPosition(), 83);
    Move(KnobX(200), kTrackY);
    EXPECT_EQ(slider.KnobPosition(), 197);
    Up(KnobX(200), kTrackY);
    EXPECT_EQ(percents_.size(), 2u);
}

TEST_F(CTrackBarTest, HandCursorStrictlyInsideTheKnob) {
    CTrackBar& slider = Make();
    slider.SetPercent(29);
    const int cx = KnobX(73);
    struct Case {
        int dx;
        int dy;
        platform::CursorShape cursor;
    };
    const Case cases[] = {
        {0, 0, platform::CursorShape::Hand},   {-10, 0, platform::CursorShape::Arrow},
        {-9, 0, platform::CursorShape::Hand},  {9, 0, platform::CursorShape::Hand},
        {10, 0, platform::CursorShape::Arrow}, {0, -15, platform::CursorShape::Arrow},
        {0, -14, platform::CursorShape::Hand}, {0, 14, platform::CursorShape::Hand},
        {0, 15, platform::CursorShape::Arrow}, {100, 0, platform::CursorShape::Arrow},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dx << ", " << c.dy);
        Move(cx + c.dx, kKnobY + c.dy);
        EXPECT_EQ(slider.Cursor(), c.cursor);
    }
}

TEST_F(CTrackBarTest, PaintingTheFormReportsTheRectangle) {
    CTrackBar& slider = Make(kLength, Recorder());
    dirty_.clear();
    form_.Invalidate();
    form_.Update();
    ASSERT_FALSE(dirty_.empty());
    EXPECT_EQ(dirty_.front(), slider.Bounds());
}

TEST_F(CTrackBarTest, MissingLibraryPictureRaisesItsOwnCodeAndLeavesNoControl) {
    const char* const names[] = {"track_maxi_as_W",  "track_maxi_as_B", "track_maxi_nas_W",
                                 "track_maxi_nas_B", "track_maxi_ap_W", "track_maxi_ap_B",
                                 "track_maxi_nap_W", "track_maxi_nap_B"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        WithoutLibraryPicture(name, [&] {
            auto [code, text] = CBladFrom([&] { Make(); });
            EXPECT_EQ(code, CBlad::LibraryBitmapMissingCode);
            EXPECT_EQ(text, "Brak Bitmapy w dll");
            EXPECT_FALSE(FormHasControls());
        });
    }
}

TEST_F(CTrackBarTest, OtherConstructionFailuresGiveTheirCodes) {
    auto [zeroCode, zeroText] = CBladFrom([&] { Make(0); });
    EXPECT_EQ(zeroCode, CBlad::SliderPositionCode);
    EXPECT_EQ(zeroText, "Pozycja paska nie może zostać zainicjalizowana");
    EXPECT_FALSE(FormHasControls());

    WriteBmp("Lib/BUTT/track_maxi_ap_B.xbi", Plain(21, 30, {0, 0, 0}));
    auto [pairCode, pairText] = CBladFrom([&] { Make(); });
    EXPECT_EQ(pairCode, CBlad::ResourceMissingCode);
    EXPECT_EQ(pairText, ResourceMissingText);
    EXPECT_FALSE(FormHasControls());
}

TEST_F(CTrackBarTest, SmallLayoutUsesTheMiniPictures) {
    ScopedScreenMode small(1);
    WriteLook("track_mini_as", 240, 48, kTrack);
    WriteLook("track_mini_nas", 240, 48, kDisabledTrack);
    WriteLook("track_mini_ap", 16, 24, kKnob);
    WriteLook("track_mini_nap", 16, 24, kDisabledKnob);
    CTrackBar& slider = Make(202);
    EXPECT_EQ(slider.Bounds(), (Rect{kLeft, kTop, kLeft + 240, kTop + 48}));
    EXPECT_EQ(slider.KnobWidth(), 16);
}
