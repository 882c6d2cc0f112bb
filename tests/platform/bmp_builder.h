#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

// Builds BMP files field by field, independently of the codec under test, so tests can
// write headers that are odd or plainly wrong.
struct BmpBuilder {
    uint32_t headerSize = 40;
    int32_t width = 1;
    int32_t height = 1;
    uint16_t bitCount = 24;
    uint32_t compression = 0;
    // Filled in by Build() when left unset (negative); any other value is written as given.
    int64_t sizeImage = -1;
    int64_t pixelOffset = -1;
    uint32_t colorsUsed = 0;
    std::vector<uint32_t> masks;   // written after a 40-byte header, or inside larger ones
    std::vector<uint8_t> palette;  // raw entries (4 or 3 bytes each)
    std::vector<uint8_t> pixels;   // raw rows, padding included, in file order

    std::vector<uint8_t> Build() const {
        std::vector<uint8_t> out;
        auto put16 = [&](uint32_t v) {
            out.push_back(uint8_t(v));
            out.push_back(uint8_t(v >> 8));
        };
        auto put32 = [&](uint32_t v) {
            put16(v & 0xFFFF);
            put16(v >> 16);
        };
        bool extraMasks = headerSize == 40 && !masks.empty();
        uint32_t offset = 14 + headerSize + (extraMasks ? 12 : 0) + uint32_t(palette.size());
        if (pixelOffset >= 0) {
            offset = uint32_t(pixelOffset);
        }
        out.push_back('B');
        out.push_back('M');
        put32(uint32_t(offset + pixels.size()));
        put32(0);
        put32(offset);
        put32(headerSize);
        if (headerSize == 12) {
            put16(uint32_t(width));
            put16(uint32_t(height));
            put16(1);
            put16(bitCount);
        } else {
            put32(uint32_t(width));
            put32(uint32_t(height));
            put16(1);
            put16(bitCount);
            put32(compression);
            put32(sizeImage >= 0 ? uint32_t(sizeImage) : uint32_t(pixels.size()));
            put32(3780);
            put32(3780);
            put32(colorsUsed);
            put32(0);
            for (uint32_t m : masks) {
                put32(m);
            }
            // Pad larger headers (the masks occupy their first bytes).
            size_t headerEnd = 14 + headerSize + (extraMasks ? 12 : 0);
            if (!extraMasks) {
                out.resize(std::max(out.size(), headerEnd), 0);
            }
        }
        out.insert(out.end(), palette.begin(), palette.end());
        out.resize(std::max<size_t>(out.size(), offset), 0);
        out.insert(out.end(), pixels.begin(), pixels.end());
        return out;
    }
};
