#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz_seed.h"
#include "platform/image_codec.h"

using platform::Bitmap;
using platform::Color;
using platform::DecodeJpeg;
using platform::EncodeJpeg;
using platform::ImageDecodeError;
using platform::PixelFormat;

namespace {

// Smooth gradients survive compression closely, so decoded pixels can be compared.
Bitmap Gradient(int w, int h, PixelFormat format) {
    Bitmap b(w, h, format);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            b.SetPixel(x, y, {uint8_t(40 + 4 * x), uint8_t(200 - 3 * y), uint8_t(90 + x + y)});
        }
    }
    return b;
}

int MaxDifference(const Bitmap& a, const Bitmap& b) {
    int worst = 0;
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x) {
            Color p = a.GetPixel(x, y), q = b.GetPixel(x, y);
            worst =
                std::max({worst, std::abs(p.R - q.R), std::abs(p.G - q.G), std::abs(p.B - q.B)});
        }
    }
    return worst;
}

// Offset of the first byte after the marker segment that starts with 0xFF, marker.
size_t SegmentEnd(const std::vector<uint8_t>& jpeg, uint8_t marker) {
    for (size_t i = 2; i + 3 < jpeg.size();) {
        EXPECT_EQ(jpeg[i], 0xFF);
        size_t length = size_t(jpeg[i + 2]) << 8 | jpeg[i + 3];
        if (jpeg[i + 1] == marker) {
            return i + 2 + length;
        }
        i += 2 + length;
    }
    ADD_FAILURE() << "marker not found";
    return 0;
}

size_t SegmentStart(const std::vector<uint8_t>& jpeg, uint8_t marker) {
    for (size_t i = 0; i + 1 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] == marker) {
            return i;
        }
    }
    ADD_FAILURE() << "marker not found";
    return 0;
}

}  // namespace

TEST(Jpeg, ColourRoundTripFromEachFormat) {
    for (PixelFormat format : {PixelFormat::Bgr24, PixelFormat::Bgrx32}) {
        Bitmap original = Gradient(40, 30, format);
        std::vector<uint8_t> bytes = EncodeJpeg(original, 95);
        SaveFuzzSeed("fuzz_jpeg", format == PixelFormat::Bgr24 ? "colour.jpg" : "colour32.jpg",
                     bytes);
        Bitmap back = DecodeJpeg(bytes);
        EXPECT_EQ(back.Format(), PixelFormat::Bgr24);
        EXPECT_EQ(back.Width(), 40);
        EXPECT_EQ(back.Height(), 30);
        EXPECT_LE(MaxDifference(back, original), 12);
    }
}

TEST(Jpeg, GreyPictureDecodesToGreyColours) {
    Bitmap original = Gradient(17, 9, PixelFormat::Grey8);  // odd sizes: partial blocks
    std::vector<uint8_t> bytes = EncodeJpeg(original, 95);
    SaveFuzzSeed("fuzz_jpeg", "grey.jpg", bytes);
    Bitmap back = DecodeJpeg(bytes);
    ASSERT_EQ(back.Format(), PixelFormat::Bgr24);
    ASSERT_EQ(back.Width(), 17);
    ASSERT_EQ(back.Height(), 9);
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 17; ++x) {
            Color c = back.GetPixel(x, y);
            EXPECT_EQ(c.R, c.G);
            EXPECT_EQ(c.G, c.B);
        }
    }
    EXPECT_LE(MaxDifference(back, original), 12);
}

TEST(Jpeg, EncoderWritesBaselineAndHonoursQuality) {
    Bitmap picture = Gradient(64, 64, PixelFormat::Bgr24);
    std::vector<uint8_t> low = EncodeJpeg(picture, 10);
    std::vector<uint8_t> high = EncodeJpeg(picture, 100);
    // SOF0 is the baseline frame header; progressive would be SOF2.
    EXPECT_GT(SegmentEnd(high, 0xC0), 0u);
    EXPECT_LT(low.size(), high.size());
    // Out-of-range qualities are clamped, not rejected.
    EXPECT_EQ(EncodeJpeg(picture, -5), EncodeJpeg(picture, 1));
    EXPECT_EQ(EncodeJpeg(picture, 1000), high);
    EXPECT_THROW(EncodeJpeg(Bitmap(), 85), std::invalid_argument);
}

TEST(Jpeg, MissingEndMarkerIsAnError) {
    // The decoder reads past the last row looking for the end marker; running out of data
    // there is the same premature end as a cut file, and we treat both as damage.
    std::vector<uint8_t> bytes = EncodeJpeg(Gradient(24, 16, PixelFormat::Bgr24), 90);
    bytes.resize(bytes.size() - 2);
    EXPECT_THROW(DecodeJpeg(bytes), ImageDecodeError);
}

TEST(Jpeg, DamagedFilesThrow) {
    std::vector<uint8_t> good = EncodeJpeg(Gradient(48, 40, PixelFormat::Bgr24), 90);
    size_t scanStart = SegmentEnd(good, 0xDA);
    std::vector<uint8_t> garbage(500);
    for (size_t i = 0; i < garbage.size(); ++i) {
        garbage[i] = uint8_t(i * 131 + 7);
    }
    std::vector<uint8_t> half(good.begin(), good.begin() + std::ptrdiff_t(good.size() / 2));
    std::vector<uint8_t> headerOnly(good.begin(), good.begin() + std::ptrdiff_t(scanStart));
    std::vector<uint8_t> garbageAfterSoi = garbage;
    garbageAfterSoi[0] = 0xFF;
    garbageAfterSoi[1] = 0xD8;
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
    } cases[] = {{"empty", {}},
                 {"garbage", garbage},
                 {"garbage after start marker", garbageAfterSoi},
                 {"start marker only", {0xFF, 0xD8}},
                 {"header only", headerOnly},
                 {"half", half}};
    for (const Case& c : cases) {
        EXPECT_THROW(DecodeJpeg(c.bytes), ImageDecodeError) << c.name;
    }
    // Cut anywhere in the headers or the first bytes of the scan.
    for (size_t n = 0; n < scanStart + 8; ++n) {
        std::span<const uint8_t> prefix(good.data(), n);
        EXPECT_THROW(DecodeJpeg(prefix), ImageDecodeError) << "cut at " << n;
    }
}

TEST(Jpeg, HugeDeclaredSizeIsRefusedBeforeAllocating) {
    std::vector<uint8_t> bytes = EncodeJpeg(Gradient(16, 16, PixelFormat::Bgr24), 90);
    size_t sof = SegmentStart(bytes, 0xC0);
    // Frame header: marker, length (2), precision (1), height (2), width (2).
    for (size_t at : {sof + 5, sof + 7}) {
        bytes[at] = 0xFD;
        bytes[at + 1] = 0xE8;  // 65000
    }
    EXPECT_THROW(DecodeJpeg(bytes), ImageDecodeError);
}

TEST(Jpeg, CommentIsStoredAndReadBackWithoutChangingThePicture) {
    const Bitmap picture = Gradient(16, 8, PixelFormat::Bgr24);
    const auto plain = EncodeJpeg(picture, 90);
    const auto marked = EncodeJpeg(picture, 90, "text card");
    EXPECT_EQ(platform::ReadJpegComment(plain), std::nullopt);
    EXPECT_EQ(platform::ReadJpegComment(marked), "text card");
    EXPECT_EQ(DecodeJpeg(marked), DecodeJpeg(plain));
    EXPECT_THROW(EncodeJpeg(picture, 90, std::string(70000, 'x')), std::invalid_argument);
}

TEST(Jpeg, CommentReaderSurvivesDamagedSegments) {
    auto marked = EncodeJpeg(Gradient(8, 8, PixelFormat::Bgr24), 90, "text card");
    const size_t com = SegmentStart(marked, 0xFE);
    std::vector<std::vector<uint8_t>> damaged;
    damaged.emplace_back(marked.begin(), marked.begin() + static_cast<long>(com) + 5);
    damaged.push_back(marked);
    damaged.back()[com + 2] = 0xFF;  // a length past the end of the file
    damaged.push_back(marked);
    damaged.back()[com + 3] = 1;  // a length shorter than the length field
    damaged.back()[com + 2] = 0;
    damaged.push_back({0xFF, 0xD8});
    damaged.push_back({});
    for (const auto& bytes : damaged) {
        EXPECT_EQ(platform::ReadJpegComment(bytes), std::nullopt);
    }
}
