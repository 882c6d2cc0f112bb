#include "platform/bitmap.h"

#include <gtest/gtest.h>

#include <limits>

using platform::Bitmap;
using platform::Color;
using platform::PixelFormat;
using platform::Rect;

TEST(Bitmap, RowsArePaddedToFourBytes) {
    struct Case {
        int width;
        PixelFormat format;
        int stride;
    } cases[] = {{5, PixelFormat::Bgr24, 16},
                 {4, PixelFormat::Bgr24, 12},
                 {3, PixelFormat::Grey8, 4},
                 {1, PixelFormat::Bgrx32, 4},
                 {7, PixelFormat::Grey8, 8}};
    for (const auto& c : cases) {
        Bitmap b(c.width, 2, c.format);
        EXPECT_EQ(b.Stride(), c.stride) << c.width;
        EXPECT_EQ(b.Row(1) - b.Row(0), c.stride);
    }
}

TEST(Bitmap, CopyRectClipsBothSides) {
    Bitmap src(4, 4);
    src.Fill({10, 20, 30});
    src.SetPixel(0, 0, {1, 2, 3});
    Bitmap dst(4, 4);
    // Destination starts off the left/top edge: the source is shifted along.
    dst.CopyRect({-1, -1, 3, 3}, src, {0, 0, 4, 4});
    EXPECT_EQ(dst.GetPixel(0, 0), (Color{10, 20, 30}));
    EXPECT_EQ(dst.GetPixel(2, 2), (Color{10, 20, 30}));
    EXPECT_EQ(dst.GetPixel(3, 3), (Color{0, 0, 0}));
    // A source rectangle starting off the bitmap copies only what exists.
    Bitmap dst2(4, 4);
    dst2.CopyRect({0, 0, 4, 4}, src, {-2, 0, 2, 4});
    EXPECT_EQ(dst2.GetPixel(2, 0), (Color{1, 2, 3}));
    EXPECT_EQ(dst2.GetPixel(1, 0), (Color{0, 0, 0}));
}

TEST(Bitmap, CopyAcrossFormatsKeepsColours) {
    Bitmap src(2, 1, PixelFormat::Bgr24);
    src.SetPixel(1, 0, {200, 100, 50});
    Bitmap dst(2, 1, PixelFormat::Bgrx32);
    dst.Draw(0, 0, src);
    EXPECT_EQ(dst.GetPixel(1, 0), (Color{200, 100, 50}));
}

TEST(Bitmap, DrawTransparentLeavesKeyColourOut) {
    Bitmap src(2, 1);
    src.SetPixel(0, 0, {255, 255, 255});
    src.SetPixel(1, 0, {5, 6, 7});
    Bitmap dst(2, 1);
    dst.Fill({9, 9, 9});
    dst.DrawTransparent(0, 0, src, {255, 255, 255});
    EXPECT_EQ(dst.GetPixel(0, 0), (Color{9, 9, 9}));
    EXPECT_EQ(dst.GetPixel(1, 0), (Color{5, 6, 7}));
}

TEST(Bitmap, RefusesAbsurdSizes) {
    Bitmap b;
    EXPECT_THROW(b.Reset(-1, 5, PixelFormat::Bgr24), std::length_error);
    EXPECT_THROW(b.Reset(1 << 20, 1 << 20, PixelFormat::Bgr24), std::length_error);
}

TEST(Bitmap, CopyRectSurvivesExtremeCoordinates) {
    Bitmap src(4, 4), dst(4, 4);
    src.Fill({1, 1, 1});
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    dst.CopyRect({kMin, kMin, kMax, kMax}, src, {0, 0, 4, 4});
    dst.CopyRect({0, 0, 4, 4}, src, {kMin, 0, kMin + 4, 4});
    dst.CopyRect({kMax - 1, 0, kMax, 4}, src, {0, 0, 4, 4});
    EXPECT_EQ(dst.GetPixel(0, 0), (Color{0, 0, 0}));  // every copy lay outside
}

TEST(Bitmap, CopyRectBetweenFormatsKeepsColoursAndClips) {
    const PixelFormat formats[] = {PixelFormat::Bgr24, PixelFormat::Bgrx32, PixelFormat::Grey8};
    for (PixelFormat from : formats) {
        for (PixelFormat to : formats) {
            Bitmap src(5, 4, from);
            for (int y = 0; y < 4; ++y) {
                for (int x = 0; x < 5; ++x) {
                    const auto v = static_cast<uint8_t>(10 * x + 50 * y);
                    src.SetPixel(x, y, {v, v, v});
                }
            }
            Bitmap dst(4, 4, to);
            dst.Fill({1, 2, 3});
            if (to == PixelFormat::Bgrx32) {
                *(dst.Pixel(1, 1) + 3) = 0xAB;  // from another format, only colours move
            }
            // Two columns and one row fall outside the destination.
            dst.CopyRect({1, 1, 6, 5}, src, {0, 0, 5, 4});
            const Color untouched = dst.GetPixel(0, 0);
            EXPECT_EQ(dst.GetPixel(0, 2), untouched);
            EXPECT_EQ(dst.GetPixel(3, 0), untouched);
            EXPECT_EQ(dst.GetPixel(1, 1), src.GetPixel(0, 0));
            EXPECT_EQ(dst.GetPixel(3, 3), src.GetPixel(2, 2));
            EXPECT_EQ(dst.GetPixel(2, 3), src.GetPixel(1, 2));
            if (to == PixelFormat::Bgrx32 && from != PixelFormat::Bgrx32) {
                EXPECT_EQ(*(dst.Pixel(1, 1) + 3), 0xAB);
            }
        }
    }
}
