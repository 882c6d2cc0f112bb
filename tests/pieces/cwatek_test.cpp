#include "pieces/cwatek.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "hang_guard.h"
#include "platform/form.h"
#include "platform/headless_app.h"

using namespace media;
using namespace pieces;

using namespace platform;
using namespace pieces;

namespace {

struct FadeFixture {
    HangGuard bound{"a fade's worker thread", kHangLimit};
    HeadlessApp h{{64, 64}};
    Form form;
    Control object{form};
    Bitmap source{16, 8};  // the object's own picture at (4, 2)
    Bitmap frame{64, 64};  // the form's frame bitmap
    Bitmap scene{64, 64};  // not used by the fade
    Rect a = Rect::FromSize(4, 2, 6, 3);
    Rect b = Rect::FromSize(20, 30, 6, 3);
    std::vector<Bitmap> shown;  // the frame's area B at every dirty report
    std::vector<Rect> dirty;

    FadeFixture() {
        source.Fill({200, 150, 110});
        frame.Fill({100, 100, 100});
        object.SetVisible(false);
    }
    // The fade's drawing context; its callback records what B shows at every report.
    DrawContext Context(std::function<void(int)> onReport = {}) {
        return {frame, scene, nullptr, [this, onReport](const Rect& r) {
                    dirty.push_back(r);
                    Bitmap copy(b.Width(), b.Height());
                    copy.CopyRect(copy.Bounds(), frame, b);
                    shown.push_back(std::move(copy));
                    if (onReport) {
                        onReport(static_cast<int>(dirty.size()));
                    }
                }};
    }
    Point Destination() const { return {b.Left, b.Top}; }
};

}  // namespace

TEST(CWatek, FadesTwoUnitsPerStepThenPutsTheExactPicture) {
    FadeFixture f;
    uint32_t start = GetClock().TickCount();
    CWatek fade(f.Context(), &f.object, f.source, f.a, f.Destination());
    fade.WaitFor();
    // The first report only marks B; then 40 steps, then the exact copy.
    ASSERT_EQ(f.dirty.size(), 42u);
    for (const Rect& r : f.dirty) {
        EXPECT_EQ(r, f.b);
    }
    EXPECT_EQ(f.shown[1].GetPixel(0, 0), (Color{102, 102, 102}));
    EXPECT_EQ(f.shown[6].GetPixel(2, 1), (Color{112, 112, 110}));  // blue reached 110 and stays
    // After the 40th step a byte 100 away is 20 short; the final copy closes the gap.
    EXPECT_EQ(f.shown[40].GetPixel(5, 2), (Color{180, 150, 110}));
    EXPECT_EQ(f.shown[41].GetPixel(5, 2), (Color{200, 150, 110}));
    EXPECT_EQ(f.frame.GetPixel(f.b.Left, f.b.Top), (Color{200, 150, 110}));
    EXPECT_EQ(f.frame.GetPixel(f.b.Right, f.b.Top), (Color{100, 100, 100}));  // nothing outside B
    EXPECT_TRUE(f.object.Visible());
    EXPECT_FALSE(fade.Error());
    // 40 steps paced at 80 ms; the pacer's first wait returns at once.
    EXPECT_EQ(GetClock().TickCount() - start, 39u * 80u);
}

TEST(CWatek, TerminatedAfterTheFirstStepKeepsThatStepAndShowsTheObject) {
    FadeFixture f;
    CWatek* self = nullptr;
    CWatek fade(f.Context([&](int reports) {
        if (reports == 2) {
            self->Terminate();  // on the GUI thread, right after step 1 was shown
        }
    }),
                &f.object, f.source, f.a, f.Destination(), true);
    self = &fade;
    fade.Start();
    fade.WaitFor();
    ASSERT_EQ(f.dirty.size(), 2u);
    EXPECT_EQ(f.frame.GetPixel(f.b.Left, f.b.Top), (Color{102, 102, 102}));
    EXPECT_TRUE(f.object.Visible());
}

TEST(CWatek, TerminatedBeforeStartingDrawsNothing) {
    FadeFixture f;
    CWatek fade(f.Context(), &f.object, f.source, f.a, f.Destination(), true);
    fade.Terminate();
    fade.Start();
    fade.WaitFor();
    EXPECT_TRUE(f.dirty.empty());
    EXPECT_EQ(f.frame.GetPixel(f.b.Left, f.b.Top), (Color{100, 100, 100}));
    EXPECT_TRUE(f.object.Visible());
}

// A step whose drawing fails (here the dirty report of step 3) must not leave the object
// hidden for good: the fade stops, says why on standard error, keeps the error for its owner,
// and still ends on the exact picture with the object shown. Also when every later report
// fails too.
TEST(CWatek, FailedStepStillEndsOnThePictureWithTheObjectShown) {
    for (bool keepsFailing : {false, true}) {
        SCOPED_TRACE(keepsFailing ? "fails from step 3 on" : "fails at step 3 only");
        FadeFixture f;
        testing::internal::CaptureStderr();
        CWatek fade(f.Context([keepsFailing](int reports) {
            // Report 1 marks B before the first step; report n + 1 shows step n.
            if (reports == 4 || (keepsFailing && reports > 4)) {
                throw std::runtime_error("frame bitmap lost");
            }
        }),
                    &f.object, f.source, f.a, f.Destination());
        fade.WaitFor();
        const std::string err = testing::internal::GetCapturedStderr();

        EXPECT_TRUE(f.object.Visible());
        for (int y = f.b.Top; y < f.b.Bottom; ++y) {
            for (int x = f.b.Left; x < f.b.Right; ++x) {
                ASSERT_EQ(f.frame.GetPixel(x, y), (Color{200, 150, 110})) << x << "," << y;
            }
        }
        EXPECT_EQ(f.frame.GetPixel(f.b.Right, f.b.Top), (Color{100, 100, 100}));
        EXPECT_LT(f.dirty.size(), 10u);  // no steps after the failure
        EXPECT_NE(err.find("frame bitmap lost"), std::string::npos) << err;
        ASSERT_TRUE(fade.Error());
        EXPECT_THROW(std::rethrow_exception(fade.Error()), std::runtime_error);
    }
}
