#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/file_read.h"

namespace media {

// A picture file that cannot be opened or read (missing, a directory, an I/O error).
using platform::FileReadError;

// Some BMP files of the data set carry a wrong image-size field. For a 24-bit file this writes
// (3 * biWidth + (biWidth AND 3)) * biHeight into biSizeImage, in wrapping 32-bit arithmetic;
// other depths are left alone. Buffers too short for the fields, and files with the old
// 12-byte core header (which has no such field), are left unchanged.
void RepairBmpHeader(std::vector<uint8_t>& file);

// Decodes a BMP file held in memory the way the game loads it: the copy is repaired with
// RepairBmpHeader first, so the checker and the game accept the same files.
// Throws platform::ImageDecodeError.
platform::Bitmap DecodeCorrectBitmap(std::vector<uint8_t> file);

// Fills bitmap from the BMP file at path after repairing its image-size field in memory.
// On failure bitmap is left as it was and the error passes on: FileReadError when the file
// cannot be read, platform::ImageDecodeError when it cannot be decoded.
void LoadCorrectBitmap(platform::Bitmap& bitmap, const std::string& path);

// Reads a JPEG picture file (.xji) into a Bgr24 bitmap of the same size.
// Throws FileReadError or platform::ImageDecodeError.
platform::Bitmap LoadJpegPicture(const std::string& path);

}  // namespace media
