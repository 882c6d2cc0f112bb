#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/bitmap.h"

namespace platform {

// A picture file that cannot be decoded: malformed, truncated, unsupported or too large.
struct ImageDecodeError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Decodes a Windows BMP file held in memory. Accepts the 12-byte core header and the 40, 52,
// 56, 108 and 124-byte info headers; 1, 4 and 8 bits with a palette, 24 and 32 bits;
// uncompressed (and bit fields at 32 bits); bottom-up and top-down rows.
// 24 bits give Bgr24, 32 bits Bgrx32, 8 bits with the identity grey palette Grey8, every other
// palette Bgr24. A non-zero image-size field smaller than the pixel rows is refused, like the
// strict decoder the data set was made for. Throws ImageDecodeError.
Bitmap DecodeBmp(std::span<const uint8_t> data);

// Writes a bottom-up BMP with a 40-byte info header and a correct image-size field: Bgr24 as
// 24 bits, Bgrx32 as 32 bits, Grey8 as 8 bits with the identity grey palette.
// Throws std::invalid_argument for an empty bitmap.
std::vector<uint8_t> EncodeBmp(const Bitmap& bitmap);

// Decodes a JPEG file held in memory into a Bgr24 bitmap (grey pictures become grey colours).
// Damaged data is an error, a premature end of the file included: a half-drawn picture is a
// broken resource, not something to show. Pictures above 64 megapixels are refused before
// anything is allocated. Throws ImageDecodeError.
Bitmap DecodeJpeg(std::span<const uint8_t> data);

// Encodes a baseline JPEG (grey for Grey8, colour otherwise); quality is clamped to 1..100.
// Throws std::invalid_argument for an empty bitmap, std::runtime_error if encoding fails.
// A comment, when given, is stored in a COM segment ahead of the picture data (at most
// MaxJpegCommentBytes, else std::invalid_argument).
inline constexpr std::size_t MaxJpegCommentBytes = 65533;
std::vector<uint8_t> EncodeJpeg(const Bitmap& bitmap, int quality, std::string_view comment = {});

// The first COM segment's text of a JPEG file held in memory, or nullopt when there is none
// ahead of the picture data or the segments are damaged. Never throws.
std::optional<std::string> ReadJpegComment(std::span<const uint8_t> data);

}  // namespace platform
