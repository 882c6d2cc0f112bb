#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "fuzz_seed.h"
#include "platform/bmp_builder.h"
#include "platform/image_codec.h"

using platform::Bitmap;
using platform::Color;
using platform::DecodeBmp;
using platform::EncodeBmp;
using platform::ImageDecodeError;
using platform::PixelFormat;

namespace {

using Picture = std::vector<std::vector<Color>>;  // rows top-down

const Color kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255}, kWhite{255, 255, 255},
    kBlack{0, 0, 0}, kGrey{128, 128, 128};

// 3x2: the width leaves padding in every row format.
const Picture kSix = {{kRed, kGreen, kBlue}, {kWhite, kBlack, kGrey}};

std::vector<uint8_t> PaletteOf(const std::vector<Color>& colors, size_t entrySize = 4) {
    std::vector<uint8_t> out;
    for (const Color& c : colors) {
        out.insert(out.end(), {c.B, c.G, c.R});
        if (entrySize == 4) {
            out.push_back(0);
        }
    }
    return out;
}

std::vector<uint8_t> GreyPalette() {
    std::vector<Color> colors;
    for (int i = 0; i < 256; ++i) {
        colors.push_back({uint8_t(i), uint8_t(i), uint8_t(i)});
    }
    return PaletteOf(colors);
}

// Appends raw row bytes, padded to four bytes.
void AddRow(std::vector<uint8_t>& pixels, std::vector<uint8_t> row) {
    row.resize((row.size() + 3) & ~size_t{3}, 0);
    pixels.insert(pixels.end(), row.begin(), row.end());
}

std::vector<uint8_t> Bgr(const std::vector<Color>& row, bool withX = false) {
    std::vector<uint8_t> out;
    for (const Color& c : row) {
        out.insert(out.end(), {c.B, c.G, c.R});
        if (withX) {
            out.push_back(0x55);
        }
    }
    return out;
}

BmpBuilder Bmp24(const Picture& pic) {
    BmpBuilder b;
    b.width = int32_t(pic[0].size());
    b.height = int32_t(pic.size());
    for (auto row = pic.rbegin(); row != pic.rend(); ++row) {
        AddRow(b.pixels, Bgr(*row));
    }
    return b;
}

void ExpectPicture(const Bitmap& bmp, PixelFormat format, const Picture& pic) {
    ASSERT_EQ(bmp.Format(), format);
    ASSERT_EQ(bmp.Height(), int(pic.size()));
    ASSERT_EQ(bmp.Width(), int(pic[0].size()));
    for (int y = 0; y < bmp.Height(); ++y) {
        for (int x = 0; x < bmp.Width(); ++x) {
            Color c = bmp.GetPixel(x, y);
            Color e = pic[y][x];
            EXPECT_TRUE(c == e) << "at " << x << "," << y << ": " << int(c.R) << " " << int(c.G)
                                << " " << int(c.B);
        }
    }
}

Bitmap Sample(int w, int h, PixelFormat format) {
    Bitmap b(w, h, format);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            b.SetPixel(x, y, {uint8_t(x * 37 + y), uint8_t(y * 11), uint8_t(x ^ y)});
        }
    }
    return b;
}

struct DepthCase {
    const char* name;
    BmpBuilder file;
    PixelFormat format;
    Picture picture;
};

std::vector<DepthCase> DepthCases() {
    std::vector<DepthCase> cases;
    cases.push_back({"rgb24", Bmp24(kSix), PixelFormat::Bgr24, kSix});
    {
        BmpBuilder b;
        b.width = 3;
        b.height = 2;
        b.bitCount = 32;
        AddRow(b.pixels, Bgr(kSix[1], true));
        AddRow(b.pixels, Bgr(kSix[0], true));
        cases.push_back({"rgb32", b, PixelFormat::Bgrx32, kSix});
    }
    const std::vector<Color> six = {kRed, kGreen, kBlue, kWhite, kBlack, kGrey};
    {
        BmpBuilder b;
        b.width = 3;
        b.height = 2;
        b.bitCount = 8;
        b.colorsUsed = 6;
        b.palette = PaletteOf(six);
        AddRow(b.pixels, {3, 4, 5});
        AddRow(b.pixels, {0, 1, 2});
        cases.push_back({"pal8", b, PixelFormat::Bgr24, kSix});
    }
    {
        BmpBuilder b;
        b.width = 3;
        b.height = 2;
        b.bitCount = 4;
        b.colorsUsed = 6;
        b.palette = PaletteOf(six);
        AddRow(b.pixels, {0x34, 0x50});
        AddRow(b.pixels, {0x01, 0x20});
        cases.push_back({"pal4", b, PixelFormat::Bgr24, kSix});
    }
    {
        // Nine pixels: the second byte of each row holds the last one.
        const Color a{10, 20, 30}, z{200, 100, 50};
        BmpBuilder b;
        b.width = 9;
        b.height = 2;
        b.bitCount = 1;
        b.palette = PaletteOf({a, z});
        AddRow(b.pixels, {0x00, 0x80});  // bottom: only x = 8 set
        AddRow(b.pixels, {0x92, 0x00});  // top: x = 0, 3, 6 set
        Picture pic = {{z, a, a, z, a, a, z, a, a}, {a, a, a, a, a, a, a, a, z}};
        cases.push_back({"mono1", b, PixelFormat::Bgr24, pic});
    }
    {
        BmpBuilder b;
        b.width = 3;
        b.height = 2;
        b.bitCount = 8;
        b.palette = GreyPalette();
        AddRow(b.pixels, {255, 0, 128});
        AddRow(b.pixels, {7, 77, 177});
        Picture pic = {{{7, 7, 7}, {77, 77, 77}, {177, 177, 177}}, {kWhite, kBlack, kGrey}};
        cases.push_back({"grey8", b, PixelFormat::Grey8, pic});
    }
    {
        BmpBuilder b = Bmp24(kSix);
        b.headerSize = 12;
        cases.push_back({"core24", b, PixelFormat::Bgr24, kSix});
    }
    {
        BmpBuilder b;
        b.headerSize = 12;
        b.width = 3;
        b.height = 2;
        b.bitCount = 8;
        std::vector<Color> full(256, kBlack);
        std::copy(six.begin(), six.end(), full.begin());
        b.palette = PaletteOf(full, 3);
        AddRow(b.pixels, {3, 4, 5});
        AddRow(b.pixels, {0, 1, 2});
        cases.push_back({"core8", b, PixelFormat::Bgr24, kSix});
    }
    {
        BmpBuilder b = Bmp24(kSix);
        b.headerSize = 124;
        cases.push_back({"v5rgb24", b, PixelFormat::Bgr24, kSix});
    }
    {
        // Standard masks after a 40-byte header: the plain layout.
        BmpBuilder b;
        b.width = 3;
        b.height = 2;
        b.bitCount = 32;
        b.compression = 3;
        b.masks = {0x00FF0000, 0x0000FF00, 0x000000FF};
        AddRow(b.pixels, Bgr(kSix[1], true));
        AddRow(b.pixels, Bgr(kSix[0], true));
        cases.push_back({"fields32", b, PixelFormat::Bgrx32, kSix});
    }
    {
        // Red in the low byte, green as five bits, masks inside a V4 header.
        BmpBuilder b;
        b.headerSize = 108;
        b.width = 2;
        b.height = 1;
        b.bitCount = 32;
        b.compression = 3;
        b.masks = {0x000000FF, 0x00001F00, 0x00FF0000};
        AddRow(b.pixels, {0x11, 0x1F, 0x33, 0xEE, 0xFF, 0x00, 0x00, 0x00});
        cases.push_back({"fieldsV4", b, PixelFormat::Bgrx32, {{{0x11, 255, 0x33}, {255, 0, 0}}}});
    }
    return cases;
}

}  // namespace

TEST(DecodeBmp, EachBitDepthAndHeader) {
    for (const DepthCase& c : DepthCases()) {
        SCOPED_TRACE(c.name);
        std::vector<uint8_t> bytes = c.file.Build();
        SaveFuzzSeed("fuzz_bmp", std::string(c.name) + ".bmp", bytes);
        ExpectPicture(DecodeBmp(bytes), c.format, c.picture);
    }
}

TEST(DecodeBmp, TopDownMatchesBottomUp) {
    for (const DepthCase& c : DepthCases()) {
        if (c.file.headerSize == 12) {
            continue;  // the core header has no sign for the height
        }
        SCOPED_TRACE(c.name);
        BmpBuilder flipped = c.file;
        flipped.height = -c.file.height;
        flipped.pixels.clear();
        size_t stride = c.file.pixels.size() / size_t(c.file.height);
        for (int y = c.file.height - 1; y >= 0; --y) {
            auto row = c.file.pixels.begin() + std::ptrdiff_t(y * stride);
            flipped.pixels.insert(flipped.pixels.end(), row, row + std::ptrdiff_t(stride));
        }
        std::vector<uint8_t> bytes = flipped.Build();
        SaveFuzzSeed("fuzz_bmp", std::string(c.name) + "_topdown.bmp", bytes);
        EXPECT_EQ(DecodeBmp(bytes), DecodeBmp(c.file.Build()));
    }
}

TEST(DecodeBmp, ImageSizeFieldIsCheckedStrictly) {
    // kSix as 24 bits needs two rows of 12 bytes.
    struct Case {
        int64_t sizeImage;
        bool ok;
    } cases[] = {{0, true}, {24, true}, {1000, true}, {23, false}, {18, false}, {1, false}};
    for (const auto& c : cases) {
        BmpBuilder b = Bmp24(kSix);
        b.sizeImage = c.sizeImage;
        if (c.ok) {
            EXPECT_NO_THROW(DecodeBmp(b.Build())) << c.sizeImage;
        } else {
            EXPECT_THROW(DecodeBmp(b.Build()), ImageDecodeError) << c.sizeImage;
        }
    }
}

TEST(DecodeBmp, MalformedFilesAreRefused) {
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
    };
    auto with = [](auto change) {
        BmpBuilder b = Bmp24(kSix);
        change(b);
        return b.Build();
    };
    std::vector<uint8_t> badMagic = Bmp24(kSix).Build();
    badMagic[1] = 'A';
    std::vector<uint8_t> offsetPastEnd = Bmp24(kSix).Build();
    offsetPastEnd[12] = 0x01;  // pixel data offset 65536 + 54
    std::vector<Case> cases = {
        {"empty", {}},
        {"magic only", {'B', 'M'}},
        {"bad magic", badMagic},
        {"zero width", with([](BmpBuilder& b) { b.width = 0; })},
        {"negative width", with([](BmpBuilder& b) { b.width = -3; })},
        {"zero height", with([](BmpBuilder& b) { b.height = 0; })},
        {"INT_MIN height", with([](BmpBuilder& b) { b.height = INT_MIN; })},
        {"INT_MAX width", with([](BmpBuilder& b) { b.width = INT_MAX; })},
        {"huge area, tiny data",
         with([](BmpBuilder& b) { b.width = b.height = 65536, b.bitCount = 1; })},
        {"taller than data", with([](BmpBuilder& b) { b.height = 3; })},
        {"16 bits", with([](BmpBuilder& b) { b.bitCount = 16; })},
        {"0 bits", with([](BmpBuilder& b) { b.bitCount = 0; })},
        {"RLE8", with([](BmpBuilder& b) { b.bitCount = 8, b.compression = 1; })},
        {"fields at 24 bits", with([](BmpBuilder& b) { b.compression = 3; })},
        {"unknown header size", with([](BmpBuilder& b) { b.headerSize = 20; })},
        {"offset past end", offsetPastEnd},
        {"offset inside header", with([](BmpBuilder& b) { b.pixelOffset = 20; })},
        {"masks cut off",
         with([](BmpBuilder& b) { b.bitCount = 32, b.compression = 3, b.pixels.clear(); })},
        {"no palette", with([](BmpBuilder& b) { b.bitCount = 8; })},
    };
    for (const Case& c : cases) {
        EXPECT_THROW(DecodeBmp(c.bytes), ImageDecodeError) << c.name;
    }
}

TEST(DecodeBmp, EveryTruncationThrows) {
    for (const DepthCase& c : DepthCases()) {
        std::vector<uint8_t> bytes = c.file.Build();
        for (size_t n = 0; n < bytes.size(); ++n) {
            std::span<const uint8_t> prefix(bytes.data(), n);
            EXPECT_THROW(DecodeBmp(prefix), ImageDecodeError) << c.name << " cut at " << n;
        }
    }
}

TEST(DecodeBmp, IndexPastShortPaletteIsBlack) {
    BmpBuilder b;
    b.width = 2;
    b.bitCount = 8;
    b.colorsUsed = 1;
    b.palette = PaletteOf({kGreen});
    AddRow(b.pixels, {0, 200});
    ExpectPicture(DecodeBmp(b.Build()), PixelFormat::Bgr24, {{kGreen, kBlack}});
}

TEST(EncodeBmp, RoundTripsEveryFormat) {
    for (PixelFormat format : {PixelFormat::Grey8, PixelFormat::Bgr24, PixelFormat::Bgrx32}) {
        for (int width : {1, 2, 3, 5, 8}) {
            Bitmap original = Sample(width, 3, format);
            std::vector<uint8_t> bytes = EncodeBmp(original);
            Bitmap back = DecodeBmp(bytes);
            EXPECT_EQ(back, original) << int(format) << " width " << width;
        }
    }
}

TEST(EncodeBmp, WritesBottomUpWithCorrectSizes) {
    struct Case {
        PixelFormat format;
        uint16_t bits;
        uint32_t paletteBytes;
        uint32_t stride;
    } cases[] = {{PixelFormat::Grey8, 8, 1024, 8},
                 {PixelFormat::Bgr24, 24, 0, 16},
                 {PixelFormat::Bgrx32, 32, 0, 20}};
    auto u32 = [](const std::vector<uint8_t>& b, size_t at) {
        return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 |
               uint32_t(b[at + 3]) << 24;
    };
    for (const auto& c : cases) {
        Bitmap bmp(5, 2, c.format);
        bmp.SetPixel(0, 1, {9, 9, 9});  // bottom-left: first pixel in the file
        std::vector<uint8_t> bytes = EncodeBmp(bmp);
        uint32_t offset = 54 + c.paletteBytes;
        EXPECT_EQ(u32(bytes, 2), bytes.size());
        EXPECT_EQ(u32(bytes, 10), offset);
        EXPECT_EQ(u32(bytes, 18), 5u);
        EXPECT_EQ(u32(bytes, 22), 2u);
        EXPECT_EQ(bytes[28], c.bits);
        EXPECT_EQ(u32(bytes, 34), 2 * c.stride);
        ASSERT_EQ(bytes.size(), offset + 2 * c.stride);
        EXPECT_EQ(bytes[offset], 9);
        EXPECT_EQ(bytes[offset + c.stride], 0);
    }
    EXPECT_THROW(EncodeBmp(Bitmap()), std::invalid_argument);
}
