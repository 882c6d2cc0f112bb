#include "exercises/score_digits.h"

#include <gtest/gtest.h>

#include <string>

#include "media/ctransbitmap.h"
#include "media/picture_fixture.h"

using namespace media;
using namespace exercises;

using platform::Bitmap;
using platform::Color;
using platform::Point;
using platform::Rect;

namespace {

// Each digit in a colour of its own.
Color DigitColour(int d) {
    return {static_cast<uint8_t>(30 + 20 * d), static_cast<uint8_t>(220 - 15 * d),
            static_cast<uint8_t>(90 + 7 * d)};
}

// Digit pictures of one size (the real ones share theirs), opaque but for a clear first
// column, which shows that a digit is composed over the scene.
class ScoreDigitsTest : public PictureTest {
  protected:
    explicit ScoreDigitsTest(Point screen = {1280, 1024}, Point digit = {41, 61})
        : PictureTest(screen), digit_(digit) {
        for (int d = 0; d <= 9; ++d) {
            Bitmap white = Plain(digit.X, digit.Y, DigitColour(d));
            Bitmap black = white;
            white.FillRect({0, 0, 1, digit.Y}, {255, 255, 255});
            black.FillRect({0, 0, 1, digit.Y}, {0, 0, 0});
            const std::string base = "Res/Wyncyf/" + std::to_string(d) + SizeSuffix();
            WriteBmp(base + "_W.xbi", white);
            WriteBmp(base + "_B.xbi", black);
        }
    }

    // The digit d drawn with its top-left corner at `at`: clear first column, then colour.
    void ExpectDigitAt(int d, Point at) const {
        SCOPED_TRACE(testing::Message() << "digit " << d << " at " << at.X << "," << at.Y);
        const Bitmap& frame = form_.FrameBitmap;
        EXPECT_EQ(frame.GetPixel(at.X, at.Y + 5), PatternAt(at.X, at.Y + 5));
        EXPECT_EQ(frame.GetPixel(at.X + 1, at.Y), DigitColour(d));
        EXPECT_EQ(frame.GetPixel(at.X + digit_.X - 1, at.Y + digit_.Y - 1), DigitColour(d));
        // Just outside: the scene.
        EXPECT_EQ(frame.GetPixel(at.X + 1, at.Y - 1), PatternAt(at.X + 1, at.Y - 1));
        EXPECT_EQ(frame.GetPixel(at.X + digit_.X, at.Y + 5), PatternAt(at.X + digit_.X, at.Y + 5));
    }

    Point digit_;
};

class ScoreDigitsSmallTest : public ScoreDigitsTest {
  protected:
    ScoreDigitsSmallTest() : ScoreDigitsTest({1024, 768}, {33, 49}) {}
};

// The large layout on 1280 x 1024 starts 32 rows down; the box centre is (1175 + 38,
// 32 + 498 + 38) = (1213, 568) and digits sit 10 pixels right and down of it.
constexpr int kCentreX = 1213;
constexpr int kCentreY = 568;
constexpr int kShift = 10;

}  // namespace

TEST_F(ScoreDigitsTest, OneDigitIsCentredOnTheBoxAndQueuedAlone) {
    const Bitmap scene = form_.SceneBitmap;
    DrawScore(Context(), 0);
    // Integer halves: 41 / 2 = 20, 61 / 2 = 30.
    const Point at{kCentreX - 20 + kShift, kCentreY - 30 + kShift};
    ExpectDigitAt(0, at);
    ASSERT_EQ(dirty_.size(), 1u);
    EXPECT_EQ(dirty_[0], Rect::FromSize(at.X, at.Y, 41, 61));
    EXPECT_TRUE(form_.SceneBitmap == scene);
}

TEST_F(ScoreDigitsTest, TwoDigitsMeetOnTheCentreLineOverlappingByTwoPixels) {
    struct Case {
        int count;
        int tens;
        int units;
    } const cases[] = {{10, 1, 0}, {47, 4, 7}, {99, 9, 9}, {105, 0, 5}, {1234, 3, 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        form_.FrameBitmap = form_.SceneBitmap;
        dirty_.clear();
        DrawScore(Context(), c.count);
        const int top = kCentreY - 30 + kShift;
        // The tens digit ends on the centre line; the units digit starts 2 pixels left of it.
        const Point tens{kCentreX - 41 + kShift, top};
        const Point units{kCentreX - 2 + kShift, top};
        ExpectDigitAt(c.units, units);
        EXPECT_EQ(form_.FrameBitmap.GetPixel(tens.X + 1, top + 3), DigitColour(c.tens));
        EXPECT_EQ(form_.FrameBitmap.GetPixel(tens.X, top + 3), PatternAt(tens.X, top + 3));
        // Under the units digit's clear column the scene shows, not the tens digit.
        EXPECT_EQ(form_.FrameBitmap.GetPixel(units.X, top + 3), PatternAt(units.X, top + 3));
        EXPECT_EQ(form_.FrameBitmap.GetPixel(units.X + 1, top + 3), DigitColour(c.units));
        ASSERT_EQ(dirty_.size(), 1u);
        EXPECT_EQ(dirty_[0], (Rect{tens.X, top, units.X + 41, top + 61}));
    }
}

TEST_F(ScoreDigitsTest, ANewNumberWipesTheOldOneAndTheSceneKeepsNoDigit) {
    const Bitmap scene = form_.SceneBitmap;
    DrawScore(Context(), 9);
    DrawScore(Context(), 10);
    EXPECT_TRUE(form_.SceneBitmap == scene);
    int changed = 0;
    for (int y = 0; y < scene.Height(); ++y) {
        for (int x = 0; x < scene.Width(); ++x) {
            const Color c = form_.FrameBitmap.GetPixel(x, y);
            if (c != scene.GetPixel(x, y)) {
                ++changed;
                ASSERT_TRUE(c == DigitColour(1) || c == DigitColour(0)) << x << "," << y;
            }
        }
    }
    // The units digit keeps 40 coloured columns; of the tens digit's 40, its last two lie
    // under the units digit.
    EXPECT_EQ(changed, (38 + 40) * 61);
}

TEST_F(ScoreDigitsTest, WithoutACallbackNothingIsQueuedAndAMissingDigitThrows) {
    DrawScore(DrawContext{form_.FrameBitmap, form_.SceneBitmap, nullptr, {}}, 3);
    ExpectDigitAt(3, {kCentreX - 20 + kShift, kCentreY - 30 + kShift});
    RemoveFile("Res/Wyncyf/7" + SizeSuffix() + "_B.xbi");
    EXPECT_THROW(DrawScore(Context(), 17), ETransBitmap);
    EXPECT_TRUE(dirty_.empty());
}

TEST_F(ScoreDigitsTest, ACountBelowZeroShowsNothingSolved) {
    for (int count : {-3, 65536 + 4, 40000}) {
        SCOPED_TRACE(count);
        form_.FrameBitmap = form_.SceneBitmap;
        DrawScore(Context(), count);
        // int16: 65540 is 4; 40000 wraps below zero.
        ExpectDigitAt(count == 65536 + 4 ? 4 : 0, {kCentreX - 20 + kShift, kCentreY - 30 + kShift});
    }
}

TEST_F(ScoreDigitsSmallTest, TheSmallLayoutTruncatesAfterTakingTheHalves) {
    // On 1024 x 768 the digits' centre is (940 + 30.4 + 8, 398.4 + 30.4 + 8) = (978.4, 436.8);
    // one digit: x = 978.4 - 16, y = 436.8 - 24, truncated.
    DrawScore(Context(), 6);
    ExpectDigitAt(6, {962, 412});
    ASSERT_EQ(dirty_.size(), 1u);
    EXPECT_EQ(dirty_[0], Rect::FromSize(962, 412, 33, 49));
    // Two digits: tens at 978.4 - 33, units at 978.4 - 1.6.
    form_.FrameBitmap = form_.SceneBitmap;
    dirty_.clear();
    DrawScore(Context(), 12);
    ExpectDigitAt(2, {976, 412});
    EXPECT_EQ(form_.FrameBitmap.GetPixel(946, 420), DigitColour(1));
    EXPECT_EQ(form_.FrameBitmap.GetPixel(945, 420), PatternAt(945, 420));
    ASSERT_EQ(dirty_.size(), 1u);
    EXPECT_EQ(dirty_[0], (Rect{945, 412, 976 + 33, 412 + 49}));
}
