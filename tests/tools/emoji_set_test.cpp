#include "emoji_set.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>

#include "datagen.h"

namespace {

using datagen::EmojiSet;
using datagen::Painter;
using datagen::Surface;

// A 16-unit frame. "flag": red left half, blue top-right quarter. "corner": a green square
// in the top-left quarter only. "stray": blue over the whole frame and a red strip just left
// of it, as some icons carry outside their frame. "mono": the whole frame in the current
// colour, as single-colour icon sets draw.
constexpr std::string_view SetJson = R"({
  "prefix": "test", "width": 16, "height": 16,
  "icons": {
    "flag": {"body": "<path fill=\"#f00\" d=\"M0 0h8v16H0z\"/><path fill=\"#00f\" d=\"M8 0h8v8H8z\"/>"},
    "corner": {"body": "<path fill=\"#0f0\" d=\"M0 0h8v8H0z\"/>"},
    "stray": {"body": "<path fill=\"#00f\" d=\"M0 0h16v16H0z\"/><path fill=\"#f00\" d=\"M-8 0h6v16h-6z\"/>"},
    "mono": {"body": "<path fill=\"currentColor\" d=\"M0 0h16v16H0z\"/>"}
  },
  "aliases": {
    "flag-mirrored": {"parent": "flag", "hFlip": true},
    "flag-twice": {"parent": "flag-mirrored", "hFlip": true},
    "turned": {"parent": "flag", "rotate": 1}
  }
})";

constexpr uint32_t Red = 0xFFFF0000;
constexpr uint32_t Green = 0xFF00FF00;
constexpr uint32_t Blue = 0xFF0000FF;
constexpr uint32_t Black = 0xFF000000;
constexpr uint32_t Clear = 0;

uint32_t Pixel(const Surface& s, int x, int y) {
    cairo_surface_flush(s.Get());
    const unsigned char* row =
        cairo_image_surface_get_data(s.Get()) + y * cairo_image_surface_get_stride(s.Get());
    return reinterpret_cast<const uint32_t*>(row)[x];
}

Surface Drawn(const EmojiSet& set, std::string_view name, int side, double x, double y,
              double size) {
    Surface s(side, side);
    Painter cr(s);
    set.Picture(name).Draw(*cr, x, y, size);
    return s;
}

TEST(EmojiSet, AliasesFlipTheirParent) {
    const EmojiSet set = EmojiSet::FromJson(SetJson, "test");
    const Surface plain = Drawn(set, "flag", 32, 0, 0, 32);
    const Surface mirrored = Drawn(set, "flag-mirrored", 32, 0, 0, 32);
    const Surface twice = Drawn(set, "flag-twice", 32, 0, 0, 32);
    EXPECT_EQ(Pixel(plain, 4, 24), Red);
    EXPECT_EQ(Pixel(plain, 28, 4), Blue);
    EXPECT_EQ(Pixel(plain, 28, 24), Clear);
    EXPECT_EQ(Pixel(mirrored, 28, 24), Red);
    EXPECT_EQ(Pixel(mirrored, 4, 4), Blue);
    EXPECT_EQ(Pixel(mirrored, 4, 24), Clear);
    // Two flips along the chain cancel out.
    EXPECT_EQ(Pixel(twice, 4, 24), Red);
    EXPECT_EQ(Pixel(twice, 28, 24), Clear);
}

TEST(EmojiSet, UnknownAndTurnedNamesAreNotOffered) {
    const EmojiSet set = EmojiSet::FromJson(SetJson, "test");
    EXPECT_TRUE(set.Has("flag-twice"));
    EXPECT_FALSE(set.Has("turned"));
    EXPECT_FALSE(set.Has("nothing"));
    EXPECT_THROW(set.Picture("nothing"), std::runtime_error);
}

TEST(EmojiSet, TheInkedPartFillsTheBox) {
    const EmojiSet set = EmojiSet::FromJson(SetJson, "test");
    const Surface s = Drawn(set, "corner", 64, 16, 16, 32);
    EXPECT_EQ(Pixel(s, 18, 18), Green);
    EXPECT_EQ(Pixel(s, 45, 45), Green);
    EXPECT_EQ(Pixel(s, 14, 32), Clear);
    EXPECT_EQ(Pixel(s, 50, 32), Clear);
}

TEST(EmojiSet, NothingOutsideTheIconsFrameIsDrawn) {
    const EmojiSet set = EmojiSet::FromJson(SetJson, "test");
    const Surface s = Drawn(set, "stray", 64, 16, 16, 32);
    EXPECT_EQ(Pixel(s, 32, 32), Blue);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 16; ++x) {
            ASSERT_EQ(Pixel(s, x, y), Clear) << x << "," << y;
        }
    }
}

TEST(EmojiSet, TintingColoursOnlyCurrentColourShapes) {
    const EmojiSet set = EmojiSet::FromJson(SetJson, "test");
    auto drawn = [&](std::string_view name, bool tinted) {
        Surface s(32, 32);
        Painter cr(s);
        (tinted ? set.Tinted(name, 0x00FF00) : set.Picture(name)).Draw(*cr, 0, 0, 32);
        return s;
    };
    EXPECT_EQ(Pixel(drawn("mono", false), 16, 16), Black);
    EXPECT_EQ(Pixel(drawn("mono", true), 16, 16), Green);
    const Surface flag = drawn("flag", true);
    EXPECT_EQ(Pixel(flag, 4, 24), Red);
    EXPECT_EQ(Pixel(flag, 28, 4), Blue);
}

TEST(EmojiSet, BrokenJsonIsReported) {
    EXPECT_THROW(EmojiSet::FromJson("{\"icons\": 3", "broken"), std::runtime_error);
    EXPECT_THROW(EmojiSet::FromJson("{\"prefix\": \"x\"}", "no icons"), std::runtime_error);
}

}  // namespace
