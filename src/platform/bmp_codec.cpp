// BMP reading and writing for platform/image_codec.h.

#include <array>
#include <bit>
#include <cstring>
#include <string>

#include "platform/image_codec.h"

namespace platform {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitFields = 3;
// Same ceiling as Bitmap::Reset; checked first so a hostile header never reaches the allocator.
constexpr int64_t kMaxPixels = int64_t{1} << 28;

[[noreturn]] void Fail(const std::string& what) {
    throw ImageDecodeError("BMP: " + what);
}

// Little-endian field readers; callers check the bounds first.
uint16_t U16(std::span<const uint8_t> d, size_t at) {
    return static_cast<uint16_t>(d[at] | (d[at + 1] << 8));
}
uint32_t U32(std::span<const uint8_t> d, size_t at) {
    return uint32_t{d[at]} | (uint32_t{d[at + 1]} << 8) | (uint32_t{d[at + 2]} << 16) |
           (uint32_t{d[at + 3]} << 24);
}

struct BmpHeader {
    int64_t width = 0;
    int64_t height = 0;  // always positive; topDown carries the sign
    bool topDown = false;
    int bitCount = 0;
    uint32_t compression = kBiRgb;
    uint32_t sizeImage = 0;
    uint32_t colorsUsed = 0;
    size_t paletteOffset = 0;
    size_t paletteEntrySize = 4;
    std::array<uint32_t, 3> masks{0x00FF0000u, 0x0000FF00u, 0x000000FFu};  // red, green, blue
};

BmpHeader ReadHeader(std::span<const uint8_t> data) {
    if (data.size() < kFileHeaderSize + 4) {
        Fail("file too short");
    }
    if (data[0] != 'B' || data[1] != 'M') {
        Fail("not a bitmap file");
    }
    uint32_t headerSize = U32(data, 14);
    bool known = headerSize == kCoreHeaderSize || headerSize == kInfoHeaderSize ||
                 headerSize == 52 || headerSize == 56 || headerSize == 108 || headerSize == 124;
    if (!known) {
        Fail("unknown header size " + std::to_string(headerSize));
    }
    if (data.size() - kFileHeaderSize < headerSize) {
        Fail("header truncated");
    }
    BmpHeader h;
    h.paletteOffset = kFileHeaderSize + headerSize;
    if (headerSize == kCoreHeaderSize) {
        h.width = U16(data, 18);
        h.height = U16(data, 20);
        h.bitCount = U16(data, 24);
        h.paletteEntrySize = 3;
    } else {
        int32_t width = static_cast<int32_t>(U32(data, 18));
        int32_t height = static_cast<int32_t>(U32(data, 22));
        h.width = width;
        // 64-bit so that negating INT32_MIN is defined.
        h.topDown = height < 0;
        h.height = h.topDown ? -int64_t{height} : int64_t{height};
        h.bitCount = U16(data, 28);
        h.compression = U32(data, 30);
        h.sizeImage = U32(data, 34);
        h.colorsUsed = U32(data, 46);
        if (h.compression == kBiBitFields) {
            // The masks are part of the larger headers and follow the 40-byte one.
            size_t at = kFileHeaderSize + kInfoHeaderSize;
            if (data.size() < at + 12) {
                Fail("bit field masks truncated");
            }
            for (size_t i = 0; i < 3; ++i) {
                h.masks[i] = U32(data, at + 4 * i);
            }
            if (headerSize == kInfoHeaderSize) {
                h.paletteOffset += 12;
            }
        }
    }
    return h;
}

void Validate(const BmpHeader& h) {
    if (h.width <= 0 || h.height <= 0) {
        Fail("bad dimensions");
    }
    if (h.width * h.height > kMaxPixels) {
        Fail("picture too large");
    }
    switch (h.bitCount) {
        case 1:
        case 4:
        case 8:
        case 24:
        case 32:
            break;
        default:
            Fail("unsupported bit depth " + std::to_string(h.bitCount));
    }
    if (h.compression == kBiBitFields) {
        if (h.bitCount != 32) {
            Fail("bit fields need 32 bits per pixel");
        }
    } else if (h.compression != kBiRgb) {
        Fail("compressed bitmaps are not supported");
    }
}

// The palette lies between the header and the pixel data; a short palette leaves the
// missing entries black.
std::vector<Color> ReadPalette(std::span<const uint8_t> data, const BmpHeader& h,
                               size_t pixelOffset) {
    size_t capacity = size_t{1} << h.bitCount;
    size_t count = h.colorsUsed == 0 ? capacity : std::min<size_t>(h.colorsUsed, capacity);
    size_t room = (pixelOffset - h.paletteOffset) / h.paletteEntrySize;
    count = std::min(count, room);
    if (count == 0) {
        Fail("palette missing");
    }
    std::vector<Color> palette(count);
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* e = data.data() + h.paletteOffset + i * h.paletteEntrySize;
        palette[i] = {e[2], e[1], e[0]};
    }
    return palette;
}

bool IsIdentityGrey(const std::vector<Color>& palette) {
    if (palette.size() != 256) {
        return false;
    }
    for (size_t i = 0; i < palette.size(); ++i) {
        if (palette[i] != Color{uint8_t(i), uint8_t(i), uint8_t(i)}) {
            return false;
        }
    }
    return true;
}

int PaletteIndex(const uint8_t* row, int x, int bitCount) {
    switch (bitCount) {
        case 1:
            return (row[x >> 3] >> (7 - (x & 7))) & 1;
        case 4:
            return (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F;
        default:
            return row[x];
    }
}

// Scales a masked channel to 0..255 whatever its width.
uint8_t Channel(uint32_t pixel, uint32_t mask) {
    if (mask == 0) {
        return 0;
    }
    int shift = std::countr_zero(mask);
    uint64_t maxValue = mask >> shift;
    uint64_t value = (pixel & mask) >> shift;
    return static_cast<uint8_t>(value * 255 / maxValue);
}

void PutLE16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
void PutLE32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<uint8_t>(v >> (8 * i)));
    }
}

}  // namespace

Bitmap DecodeBmp(std::span<const uint8_t> data) {
    BmpHeader h = ReadHeader(data);
    Validate(h);

    uint32_t pixelOffset = U32(data, 10);
    if (pixelOffset < h.paletteOffset || pixelOffset > data.size()) {
        Fail("bad pixel data offset");
    }
    uint64_t stride = ((static_cast<uint64_t>(h.width) * h.bitCount + 31) / 32) * 4;
    uint64_t needed = stride * static_cast<uint64_t>(h.height);
    if (h.sizeImage != 0 && h.sizeImage < needed) {
        Fail("image size field smaller than the pixel data");
    }
    if (data.size() - pixelOffset < needed) {
        Fail("pixel data truncated");
    }

    int width = static_cast<int>(h.width);
    int height = static_cast<int>(h.height);
    auto sourceRow = [&](int y) {
        int fileRow = h.topDown ? y : height - 1 - y;
        return data.data() + pixelOffset + static_cast<size_t>(fileRow) * stride;
    };

    Bitmap out;
    if (h.bitCount == 24 || (h.bitCount == 32 && h.compression == kBiRgb)) {
        out.Reset(width, height, h.bitCount == 24 ? PixelFormat::Bgr24 : PixelFormat::Bgrx32);
        size_t rowBytes = static_cast<size_t>(width) * out.BytesPerPixel();
        for (int y = 0; y < height; ++y) {
            std::memcpy(out.Row(y), sourceRow(y), rowBytes);
        }
    } else if (h.bitCount == 32) {
        out.Reset(width, height, PixelFormat::Bgrx32);
        for (int y = 0; y < height; ++y) {
            const uint8_t* src = sourceRow(y);
            uint8_t* dst = out.Row(y);
            for (int x = 0; x < width; ++x) {
                const uint8_t* q = src + 4 * static_cast<size_t>(x);
                uint32_t p = uint32_t{q[0]} | (uint32_t{q[1]} << 8) | (uint32_t{q[2]} << 16) |
                             (uint32_t{q[3]} << 24);
                dst[4 * x] = Channel(p, h.masks[2]);
                dst[4 * x + 1] = Channel(p, h.masks[1]);
                dst[4 * x + 2] = Channel(p, h.masks[0]);
                dst[4 * x + 3] = 0;
            }
        }
    } else {
        std::vector<Color> palette = ReadPalette(data, h, pixelOffset);
        if (h.bitCount == 8 && IsIdentityGrey(palette)) {
            out.Reset(width, height, PixelFormat::Grey8);
            for (int y = 0; y < height; ++y) {
                std::memcpy(out.Row(y), sourceRow(y), static_cast<size_t>(width));
            }
        } else {
            out.Reset(width, height, PixelFormat::Bgr24);
            for (int y = 0; y < height; ++y) {
                const uint8_t* src = sourceRow(y);
                for (int x = 0; x < width; ++x) {
                    size_t index = static_cast<size_t>(PaletteIndex(src, x, h.bitCount));
                    // Indexes past the palette are black rather than out of bounds.
                    out.SetPixel(x, y, index < palette.size() ? palette[index] : Color{});
                }
            }
        }
    }
    return out;
}

std::vector<uint8_t> EncodeBmp(const Bitmap& bitmap) {
    if (bitmap.Empty()) {
        throw std::invalid_argument("EncodeBmp: empty bitmap");
    }
    const bool grey = bitmap.Format() == PixelFormat::Grey8;
    const uint32_t paletteBytes = grey ? 256 * 4 : 0;
    const uint32_t rowBytes = static_cast<uint32_t>(bitmap.Width() * bitmap.BytesPerPixel());
    const uint32_t stride = (rowBytes + 3) & ~3u;
    const uint32_t imageSize = stride * static_cast<uint32_t>(bitmap.Height());
    const uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + paletteBytes;

    std::vector<uint8_t> out;
    out.reserve(pixelOffset + imageSize);
    out.push_back('B');
    out.push_back('M');
    PutLE32(out, pixelOffset + imageSize);
    PutLE32(out, 0);  // reserved
    PutLE32(out, pixelOffset);
    PutLE32(out, kInfoHeaderSize);
    PutLE32(out, static_cast<uint32_t>(bitmap.Width()));
    PutLE32(out, static_cast<uint32_t>(bitmap.Height()));  // positive: bottom-up
    PutLE16(out, 1);                                       // planes
    PutLE16(out, static_cast<uint16_t>(8 * bitmap.BytesPerPixel()));
    PutLE32(out, kBiRgb);
    PutLE32(out, imageSize);
    PutLE32(out, 3780);  // 96 dpi
    PutLE32(out, 3780);
    PutLE32(out, grey ? 256 : 0);
    PutLE32(out, 0);
    for (uint32_t i = 0; grey && i < 256; ++i) {
        uint8_t g = static_cast<uint8_t>(i);
        out.insert(out.end(), {g, g, g, 0});
    }
    for (int y = bitmap.Height() - 1; y >= 0; --y) {
        const uint8_t* row = bitmap.Row(y);
        out.insert(out.end(), row, row + rowBytes);
        out.insert(out.end(), stride - rowBytes, 0);
    }
    return out;
}

}  // namespace platform
