#include "media/blend_masked.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>

using namespace media;

using platform::Bitmap;
using platform::Color;
using platform::PixelFormat;
using platform::Rect;

namespace {

// Reference blend of one channel, written straight from the rule.
uint8_t Expected(int b, int c, int m, int opacity) {
    opacity = std::clamp(opacity, 0, 255);
    if (opacity == 0) {
        return static_cast<uint8_t>(b);
    }
    int k = opacity == 255 ? m + 1 : ((m * (opacity + 1)) >> 8) + 1;
    if (k == 1) {
        return static_cast<uint8_t>(b);
    }
    if (k == 256) {
        return static_cast<uint8_t>(c);
    }
    return static_cast<uint8_t>(b < c ? b + (((c - b) * k) >> 8) : b - (((b - c) * k) >> 8));
}

// A picture whose every pixel differs, with a mask of every kind of opacity.
void MakePicture(int w, int h, Bitmap& colour, Bitmap& mask) {
    colour.Reset(w, h, PixelFormat::Bgr24);
    mask.Reset(w, h, PixelFormat::Grey8);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            colour.SetPixel(x, y, {uint8_t(10 * x), uint8_t(200 - 7 * y), uint8_t(x * y)});
            const uint8_t masks[] = {0, 255, 128, 1, 254, 77};
            mask.Pixel(x, y)[0] = masks[(x + 2 * y) % 6];
        }
    }
}

Bitmap Background(int w, int h, PixelFormat format) {
    Bitmap b(w, h, format);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            b.SetPixel(x, y, {uint8_t(255 - 3 * x), uint8_t(5 * y), 90});
            if (format == PixelFormat::Bgrx32) {
                b.Pixel(x, y)[3] = 0xA5;
            }
        }
    }
    return b;
}

}  // namespace

TEST(BlendPixel, FollowsTheWeightRule) {
    struct Case {
        uint8_t m;
        int opacity;
        unsigned k;
    } cases[] = {
        {128, 255, 129}, {0, 255, 1},     {255, 255, 256}, {255, 0, 1},
        {128, 0, 1},     {255, 128, 129}, {100, 127, 51},  {1, 255, 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BlendWeight(c.m, c.opacity), c.k) << int(c.m) << " " << c.opacity;
    }
    EXPECT_EQ(ClampOpacity(300), 255);
    EXPECT_EQ(ClampOpacity(-5), 0);

    const uint8_t black[3] = {0, 0, 0}, white[3] = {255, 255, 255};
    uint8_t out[3];
    BlendPixel(out, black, white, BlendWeight(128, 255));
    EXPECT_EQ(out[0], 128);
}

TEST(BlendPixel, StaysBetweenBackgroundAndColour) {
    for (int b = 0; b < 256; b += 15) {
        for (int c = 0; c < 256; c += 17) {
            for (int m = 0; m < 256; m += 5) {
                const uint8_t bg[3] = {uint8_t(b), uint8_t(c), uint8_t(b)};
                const uint8_t co[3] = {uint8_t(c), uint8_t(b), uint8_t(255 - c)};
                uint8_t out[3];
                BlendPixel(out, bg, co, BlendWeight(uint8_t(m), 255));
                EXPECT_EQ(out[0], Expected(b, c, m, 255));
                EXPECT_EQ(out[1], Expected(c, b, m, 255));
                EXPECT_GE(out[0], std::min(b, c));
                EXPECT_LE(out[0], std::max(b, c));
            }
        }
    }
}

TEST(BlendMasked, MatchesTheRuleForEveryFormatAndOpacity) {
    Bitmap colour, mask;
    MakePicture(7, 5, colour, mask);
    for (PixelFormat destFormat : {PixelFormat::Bgr24, PixelFormat::Bgrx32}) {
        for (PixelFormat bgFormat : {PixelFormat::Bgr24, PixelFormat::Bgrx32}) {
            for (PixelFormat maskFormat :
                 {PixelFormat::Grey8, PixelFormat::Bgr24, PixelFormat::Bgrx32}) {
                for (int opacity : {-5, 0, 1, 128, 254, 255, 300}) {
                    Bitmap m = mask;
                    m.ConvertTo(maskFormat);
                    Bitmap bg = Background(9, 8, bgFormat);
                    Bitmap dest = Background(10, 10, destFormat);
                    const Bitmap before = dest;
                    BlendMasked(dest, 2, 3, colour, m, colour.Bounds(), bg, 1, 2, opacity);
                    for (int y = 0; y < dest.Height(); ++y) {
                        for (int x = 0; x < dest.Width(); ++x) {
                            const int px = x - 2, py = y - 3;
                            const uint8_t* d = dest.Pixel(x, y);
                            if (!colour.Bounds().Contains(px, py)) {
                                EXPECT_EQ(dest.GetPixel(x, y), before.GetPixel(x, y));
                                continue;
                            }
                            const uint8_t* b = bg.Pixel(px + 1, py + 2);
                            const uint8_t* c = colour.Pixel(px, py);
                            const int mv = mask.Pixel(px, py)[0];
                            for (int i = 0; i < 3; ++i) {
                                ASSERT_EQ(d[i], Expected(b[i], c[i], mv, opacity))
                                    << x << "," << y << " opacity " << opacity;
                            }
                            if (destFormat == PixelFormat::Bgrx32) {
                                ASSERT_EQ(d[3], 0xA5);  // the fourth byte is left alone
                            }
                        }
                    }
                }
            }
        }
    }
}

TEST(BlendMasked, ClipsToDestBackgroundAndClipRect) {
    Bitmap colour, mask;
    MakePicture(20, 4, colour, mask);
    mask.Fill({255, 255, 255});
    const Bitmap bg = Background(40, 4, PixelFormat::Bgr24);

    // Placed at destX = -10: columns left of 0 are not there, reading starts at column 10.
    Bitmap dest(30, 4, PixelFormat::Bgr24);
    BlendMasked(dest, -10, 0, colour, mask, colour.Bounds(), bg, 0, 0, 255);
    for (int x = 0; x < 30; ++x) {
        EXPECT_EQ(dest.GetPixel(x, 1), x < 10 ? colour.GetPixel(x + 10, 1) : Color{}) << x;
    }

    // Only picture pixels inside the clip rectangle are written.
    Bitmap clipped(30, 4, PixelFormat::Bgr24);
    const Rect clip{3, 1, 6, 3};
    BlendMasked(clipped, 0, 0, colour, mask, clip, bg, 0, 0, 255);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 30; ++x) {
            EXPECT_EQ(clipped.GetPixel(x, y),
                      clip.Contains(x, y) ? colour.GetPixel(x, y) : Color{});
        }
    }

    // A background narrower than the picture limits the columns as well.
    Bitmap narrowBg(5, 4, PixelFormat::Bgr24), wide(30, 4, PixelFormat::Bgr24);
    BlendMasked(wide, 0, 0, colour, mask, colour.Bounds(), narrowBg, 2, 0, 255);
    EXPECT_EQ(wide.GetPixel(2, 0), colour.GetPixel(2, 0));
    EXPECT_EQ(wide.GetPixel(3, 0), Color{});
}

TEST(BlendMasked, ShiftedIntoItsOwnBackgroundReadsTheOriginalPixels) {
    Bitmap colour, mask;
    MakePicture(12, 6, colour, mask);
    for (auto [dx, dy, bx, by] : {std::array{0, 0, 0, 0}, std::array{3, 1, 0, 0},
                                  std::array{0, 0, 2, 2}, std::array{1, 2, 4, 1}}) {
        const Bitmap original = Background(16, 10, PixelFormat::Bgrx32);
        Bitmap separate = original;
        BlendMasked(separate, dx, dy, colour, mask, colour.Bounds(), original, bx, by, 255);
        Bitmap self = original;
        BlendMasked(self, dx, dy, colour, mask, colour.Bounds(), self, bx, by, 255);
        EXPECT_TRUE(self == separate) << dx << "," << dy << " over " << bx << "," << by;
    }
}

TEST(BlendMasked, IgnoresBadInput) {
    Bitmap colour, mask;
    MakePicture(6, 6, colour, mask);
    const Bitmap bg = Background(8, 8, PixelFormat::Bgr24);
    const Bitmap untouched = Background(8, 8, PixelFormat::Bgr24);
    Bitmap dest = untouched;

    Bitmap smallMask(5, 6, PixelFormat::Grey8);
    BlendMasked(dest, 0, 0, colour, smallMask, colour.Bounds(), bg, 0, 0, 255);
    Bitmap greyColour = colour;
    greyColour.ConvertTo(PixelFormat::Grey8);
    BlendMasked(dest, 0, 0, greyColour, mask, colour.Bounds(), bg, 0, 0, 255);
    Bitmap greyBg = bg;
    greyBg.ConvertTo(PixelFormat::Grey8);
    BlendMasked(dest, 0, 0, colour, mask, colour.Bounds(), greyBg, 0, 0, 255);
    for (auto [dx, dy, bx, by] : {std::array{INT_MIN, 0, 0, 0}, std::array{INT_MAX, 0, 0, 0},
                                  std::array{0, INT_MIN, 0, INT_MAX},
                                  std::array{0, 0, INT_MIN, INT_MIN}, std::array{8, 0, 0, 0}}) {
        BlendMasked(dest, dx, dy, colour, mask, colour.Bounds(), bg, bx, by, 255);
    }
    BlendMasked(dest, 0, 0, colour, mask, Rect{4, 4, 2, 2}, bg, 0, 0, 255);
    EXPECT_TRUE(dest == untouched);

    Bitmap greyDest(8, 8, PixelFormat::Grey8);
    BlendMasked(greyDest, 0, 0, colour, mask, colour.Bounds(), bg, 0, 0, 255);
    EXPECT_TRUE(greyDest == Bitmap(8, 8, PixelFormat::Grey8));
}

// The rows go through vector instructions where the processor has them: random pictures,
// masks with runs of clear and opaque pixels and soft edges between, at random places, sizes
// and opacities, in place and not, must still give every byte the rule gives.
TEST(BlendMasked, RandomBlendsMatchTheRuleByteForByte) {
    std::mt19937 random(20261211);
    auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int round = 0; round < 400; ++round) {
        const int w = 1 + below(70), h = 1 + below(4);
        Bitmap colour(w, h, below(2) != 0 ? PixelFormat::Bgr24 : PixelFormat::Bgrx32);
        Bitmap mask(w, h, PixelFormat::Grey8);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                colour.SetPixel(x, y, {uint8_t(random()), uint8_t(random()), uint8_t(random())});
                const int kind = below(8);
                mask.Pixel(x, y)[0] = kind < 3 ? 0 : kind < 6 ? 255 : uint8_t(random());
            }
        }
        const PixelFormat destFormat = below(4) != 0 ? PixelFormat::Bgrx32 : PixelFormat::Bgr24;
        const bool inPlace = below(2) != 0;
        const int opacity = below(3) == 0 ? below(300) - 20 : 255;
        Bitmap dest(w + 8, h + 2, destFormat);
        for (int y = 0; y < dest.Height(); ++y) {
            for (int x = 0; x < dest.Width(); ++x) {
                for (int i = 0; i < dest.BytesPerPixel(); ++i) {
                    dest.Pixel(x, y)[i] = uint8_t(random());
                }
            }
        }
        const Bitmap before = dest;
        const Bitmap bg = inPlace ? dest : Background(w + 8, h + 2, PixelFormat::Bgrx32);
        const int dx = below(8), dy = below(2);
        if (inPlace) {
            BlendMasked(dest, dx, dy, colour, mask, colour.Bounds(), dest, dx, dy, opacity);
        } else {
            BlendMasked(dest, dx, dy, colour, mask, colour.Bounds(), bg, dx, dy, opacity);
        }
        for (int y = 0; y < dest.Height(); ++y) {
            for (int x = 0; x < dest.Width(); ++x) {
                const uint8_t* d = dest.Pixel(x, y);
                const uint8_t* old = before.Pixel(x, y);
                if (!colour.Bounds().Contains(x - dx, y - dy)) {
                    ASSERT_TRUE(std::equal(d, d + dest.BytesPerPixel(), old)) << round;
                    continue;
                }
                const uint8_t* b = bg.Pixel(x, y);
                const uint8_t* c = colour.Pixel(x - dx, y - dy);
                const int m = mask.Pixel(x - dx, y - dy)[0];
                for (int i = 0; i < 3; ++i) {
                    ASSERT_EQ(d[i], Expected(b[i], c[i], m, opacity))
                        << "round " << round << " at " << x << "," << y << " byte " << i;
                }
                if (destFormat == PixelFormat::Bgrx32) {
                    ASSERT_EQ(d[3], old[3]) << "round " << round;  // left alone
                }
            }
        }
    }
}
