#include "media/ctransbitmap.h"

#include <gtest/gtest.h>

#include <string>

#include "fuzz_seed.h"
#include "media/scoped_temp_dir.h"
#include "platform/image_codec.h"

using namespace media;

using platform::Bitmap;
using platform::Color;
using platform::PixelFormat;

namespace {

// Colours below are written (blue, green, red), the order the pictures store them in.
Color Bgr(uint8_t b, uint8_t g, uint8_t r) {
    return {r, g, b};
}

// One-row renderings on black and on white from a list of pixel pairs.
struct Pair {
    Bitmap black, white;
};
Pair MakePair(std::initializer_list<std::pair<Color, Color>> pixels) {
    Pair p{Bitmap(static_cast<int>(pixels.size()), 1), Bitmap(static_cast<int>(pixels.size()), 1)};
    int x = 0;
    for (auto [k, w] : pixels) {
        p.black.SetPixel(x, 0, k);
        p.white.SetPixel(x++, 0, w);
    }
    return p;
}

// A 3x2 sprite: opaque red, clear, and half-covering grey pixels.
Pair SpritePair() {
    Pair p{Bitmap(3, 2), Bitmap(3, 2)};
    p.black.Fill({0, 0, 0});
    p.white.Fill({255, 255, 255});
    for (int y = 0; y < 2; ++y) {
        p.black.SetPixel(0, y, {200, 0, 0});  // opaque in both
        p.white.SetPixel(0, y, {200, 0, 0});
        p.black.SetPixel(2, y, Bgr(60, 80, 100));  // mask 127
        p.white.SetPixel(2, y, Bgr(188, 208, 228));
    }
    return p;
}

std::string SaveBmp(const ScopedTempDir& dir, const std::string& name, const Bitmap& b) {
    std::vector<uint8_t> bytes = platform::EncodeBmp(b);
    SaveFuzzSeed("fuzz_bmp", "pair_" + name, bytes);
    return dir.Write(name, bytes).string();
}

}  // namespace

TEST(ETransBitmap, BuildsItsMessageFromCodeAndFile) {
    struct Case {
        uint8_t code;
        const char* text;
    } cases[] = {
        {1, "CTransBitmap, Błąd: berrUnknown"},       {5, "CTransBitmap, Błąd: berrUnknownType"},
        {6, "CTransBitmap, Błąd berrLoad"},           {8, "CTransBitmap, Błąd berrSize"},
        {14, "CTransBitmap, Błąd berrFormat"},        {17, "CTransBitmap, Błąd berrPixelFormat"},
        {18, "CTransBitmap, Błąd berrDifferentType"}, {0, "CTransBitmap, Błąd: NIEZNANY!"},
        {19, "CTransBitmap, Błąd: NIEZNANY!"},        {255, "CTransBitmap, Błąd: NIEZNANY!"},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(ETransBitmap(c.code).what(), c.text);
        EXPECT_EQ(ETransBitmap(c.code, "Data/a_s_B.xbi").what(),
                  std::string(c.text) + ", Plik: Data/a_s_B.xbi");
    }
}

TEST(CTransBitmap, SeparatesColourAndOpacityFromThePair) {
    struct Case {
        Color black, white, colour;
        uint8_t mask;
    } cases[] = {
        // Black on black and white on white: nothing of the picture is there.
        {Bgr(0, 0, 0), Bgr(255, 255, 255), Bgr(0, 0, 0), 0},
        // The same in both renderings, white included: fully opaque.
        {Bgr(12, 34, 56), Bgr(12, 34, 56), Bgr(12, 34, 56), 255},
        {Bgr(255, 255, 255), Bgr(255, 255, 255), Bgr(255, 255, 255), 255},
        {Bgr(60, 80, 100), Bgr(188, 208, 228), Bgr(120, 160, 200), 127},
        // Brighter blue on black than on white: a = 355, mask 255, colour divided by a.
        {Bgr(200, 100, 50), Bgr(100, 90, 40), Bgr(143, 71, 35), 255},
        // Only blue measures the opacity; the quotient is capped at 255.
        {Bgr(10, 250, 0), Bgr(245, 0, 0), Bgr(127, 255, 0), 20},
    };
    for (const auto& c : cases) {
        Pair p = MakePair({{c.black, c.white}});
        CTransBitmap t;
        t.Build(p.black, p.white);
        ASSERT_TRUE(t.IsUsable());
        EXPECT_EQ(t.Colour()->GetPixel(0, 0), c.colour);
        EXPECT_EQ(t.Mask()->Format(), PixelFormat::Grey8);
        EXPECT_EQ(t.Mask()->Pixel(0, 0)[0], c.mask);
    }
}

TEST(CTransBitmap, RefusesMismatchedPairsAndEmptiesItself) {
    Pair good = SpritePair();
    Bitmap wide(4, 2), tall(3, 3), grey(3, 2, PixelFormat::Grey8), rgbx(3, 2, PixelFormat::Bgrx32);
    struct Case {
        const Bitmap& black;
        const Bitmap& white;
        uint8_t code;
    } cases[] = {
        {good.black, wide, 8},  {tall, good.white, 8}, {grey, good.white, 17},
        {good.black, rgbx, 17}, {grey, wide, 8},
    };
    for (const auto& c : cases) {
        CTransBitmap t;
        t.Build(good.black, good.white);
        t.EnsureResult(3, 2);
        try {
            t.Build(c.black, c.white);
            ADD_FAILURE() << "no error for code " << int(c.code);
        } catch (const ETransBitmap& e) {
            EXPECT_EQ(e.Code(), c.code);
        }
        EXPECT_FALSE(t.IsUsable());
        EXPECT_EQ(t.Result(), nullptr);
    }
}

TEST(CTransBitmap, EmptyPairIsUsableAndDrawsNothing) {
    CTransBitmap t;
    t.Build(Bitmap(0, 0), Bitmap(0, 0));
    EXPECT_TRUE(t.IsUsable());
    EXPECT_EQ(t.Width(), 0);
    Bitmap canvas(4, 4);
    canvas.Fill({1, 2, 3});
    const Bitmap before = canvas;
    t.Draw(canvas, 1, 1);
    EXPECT_TRUE(canvas == before);
}

TEST(CTransBitmap, RebuildsFromItsOwnBitmaps) {
    Pair p = SpritePair();
    CTransBitmap t;
    t.Build(p.black, p.white);
    const Bitmap colour = *t.Colour();
    t.Build(*t.Colour(), *t.Colour());  // the pair is read before the old bitmaps go
    EXPECT_TRUE(*t.Colour() == colour);
    EXPECT_EQ(t.Mask()->Pixel(2, 0)[0], 255);
}

TEST(CTransBitmap, LoadsPairsFromFilesAndNamesTheFileThatFails) {
    ScopedTempDir dir;
    Pair p = SpritePair();
    const std::string black = SaveBmp(dir, "sprite_s_B.xbi", p.black);
    const std::string white = SaveBmp(dir, "sprite_s_W.xbi", p.white);
    const std::string missing = (dir.Path() / "none_s_W.xbi").string();
    const std::string wide = SaveBmp(dir, "wide_s_W.xbi", Bitmap(5, 2));
    const std::string rgbx = SaveBmp(dir, "rgbx_s_W.xbi", Bitmap(3, 2, PixelFormat::Bgrx32));
    const std::string junk = dir.Write("junk_s_W.xbi", std::vector<uint8_t>{'B', 'M', 1}).string();

    CTransBitmap t;
    t.LoadPair(black, white);
    CTransBitmap built;
    built.Build(p.black, p.white);
    EXPECT_TRUE(*t.Colour() == *built.Colour());
    EXPECT_TRUE(*t.Mask() == *built.Mask());

    struct Case {
        std::string black, white;
        uint8_t code;
        std::string message;
    } cases[] = {
        {black, missing, 6, "CTransBitmap, Błąd berrLoad, Plik: " + missing},
        {missing, white, 6, "CTransBitmap, Błąd berrLoad, Plik: " + missing},
        {black, junk, 6, "CTransBitmap, Błąd berrLoad, Plik: " + junk},
        {black, wide, 8, "CTransBitmap, Błąd berrSize"},
        {black, rgbx, 17, "CTransBitmap, Błąd berrPixelFormat"},
    };
    for (const auto& c : cases) {
        t.LoadPair(black, white);
        try {
            t.LoadPair(c.black, c.white);
            ADD_FAILURE() << c.message;
        } catch (const ETransBitmap& e) {
            EXPECT_EQ(e.Code(), c.code);
            EXPECT_EQ(e.what(), c.message);
        }
        EXPECT_FALSE(t.IsUsable());
        EXPECT_EQ(t.LoadPairCode(c.black, c.white), c.code);
    }
    EXPECT_EQ(t.LoadPairCode(black, white), 0);
    EXPECT_TRUE(t.IsUsable());
}

TEST(CTransBitmap, ComposesOverTheBackgroundArea) {
    Pair p = SpritePair();
    CTransBitmap t;
    t.Build(p.black, p.white);
    Bitmap bg(6, 4, PixelFormat::Bgrx32);
    bg.Fill({10, 20, 30});
    bg.SetPixel(2, 1, {0, 0, 0});
    bg.SetPixel(4, 1, Bgr(40, 50, 60));

    t.Compose(bg, 2, 1);
    const Bitmap& r = *t.Result();
    EXPECT_EQ(r.Format(), PixelFormat::Bgr24);
    EXPECT_EQ(r.Width(), 3);
    EXPECT_EQ(r.GetPixel(0, 0), (Color{200, 0, 0}));   // opaque
    EXPECT_EQ(r.GetPixel(1, 0), (Color{10, 20, 30}));  // clear
    // Mask 127, k = 128: 40 + (80 * 128 >> 8) = 80, 50 + (110 * 128 >> 8) = 105, 60 + 70.
    EXPECT_EQ(r.GetPixel(2, 0), Bgr(80, 105, 130));

    // Opacity 0 copies the background area; -5 acts as 0 and 300 as 255.
    t.Compose(bg, 2, 1, 0);
    EXPECT_EQ(t.Result()->GetPixel(0, 0), (Color{0, 0, 0}));
    t.Compose(bg, 2, 1, -5);
    EXPECT_EQ(t.Result()->GetPixel(0, 0), (Color{0, 0, 0}));
    t.Compose(bg, 2, 1, 300);
    EXPECT_EQ(t.Result()->GetPixel(2, 0), Bgr(80, 105, 130));

    // Off the left edge: the first picture columns are skipped and keep what they had.
    t.EnsureResult(3, 2).Fill({7, 7, 7});
    t.Compose(bg, -2, 0);
    EXPECT_EQ(t.Result()->GetPixel(0, 0), (Color{7, 7, 7}));
    EXPECT_EQ(t.Result()->GetPixel(1, 0), (Color{7, 7, 7}));
    EXPECT_EQ(t.Result()->GetPixel(2, 0), Bgr(75, 90, 105));  // mask 127 over (10, 20, 30)
    // Off the right edge: only the columns over the background are written.
    t.EnsureResult(3, 2).Fill({7, 7, 7});
    t.Compose(bg, 4, 3);
    EXPECT_EQ(t.Result()->GetPixel(0, 0), (Color{200, 0, 0}));
    EXPECT_EQ(t.Result()->GetPixel(1, 0), (Color{10, 20, 30}));
    EXPECT_EQ(t.Result()->GetPixel(2, 0), (Color{7, 7, 7}));
    EXPECT_EQ(t.Result()->GetPixel(0, 1), (Color{7, 7, 7}));

    // A grey background is not composed over.
    t.EnsureResult(3, 2).Fill({7, 7, 7});
    t.Compose(Bitmap(6, 4, PixelFormat::Grey8), 0, 0);
    EXPECT_EQ(t.Result()->GetPixel(0, 0), (Color{7, 7, 7}));
}

TEST(CTransBitmap, EnsureResultReusesOrResizes) {
    CTransBitmap t;
    Bitmap& first = t.EnsureResult(4, 3);
    first.Fill({1, 1, 1});
    EXPECT_EQ(&t.EnsureResult(4, 3), &first);
    EXPECT_EQ(first.GetPixel(0, 0), (Color{1, 1, 1}));
    Bitmap& second = t.EnsureResult(2, 5);
    EXPECT_EQ(second.Width(), 2);
    EXPECT_EQ(second.Height(), 5);
    EXPECT_EQ(second.Format(), PixelFormat::Bgr24);
}

TEST(CTransBitmap, DrawsOverTheCanvasAndFreesTheResult) {
    Pair p = SpritePair();
    CTransBitmap t;
    t.Build(p.black, p.white);
    for (PixelFormat format : {PixelFormat::Bgr24, PixelFormat::Bgrx32}) {
        Bitmap canvas(5, 3, format);
        canvas.Fill({10, 20, 30});
        t.Draw(canvas, 3, 2);  // partly off the bottom and right
        EXPECT_EQ(t.Result(), nullptr);
        EXPECT_EQ(canvas.GetPixel(3, 2), (Color{200, 0, 0}));
        EXPECT_EQ(canvas.GetPixel(4, 2), (Color{10, 20, 30}));
        EXPECT_EQ(canvas.GetPixel(3, 1), (Color{10, 20, 30}));

        t.Draw(canvas, -2, 0);  // only the mask-127 column lands, on column 0
        EXPECT_EQ(canvas.GetPixel(0, 0), Bgr(75, 90, 105));
        EXPECT_EQ(canvas.GetPixel(1, 0), (Color{10, 20, 30}));

        // Render keeps the result for the caller.
        t.Render(canvas, 0, 1, 0);
        ASSERT_NE(t.Result(), nullptr);
        EXPECT_EQ(t.Result()->GetPixel(0, 0), canvas.GetPixel(0, 1));
    }
    const Bitmap untouched(4, 4);
    Bitmap canvas = untouched;
    CTransBitmap empty;
    empty.Draw(canvas, 0, 0);
    t.Draw(canvas, INT32_MAX - 1, INT32_MAX - 1);
    t.Draw(canvas, INT32_MIN, INT32_MIN);
    EXPECT_TRUE(canvas == untouched);
}
