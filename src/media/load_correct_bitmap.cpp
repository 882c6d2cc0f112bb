#include "media/load_correct_bitmap.h"

#include "media/cblad.h"
#include "media/data_paths.h"
#include "platform/image_codec.h"

namespace media {

namespace {

constexpr size_t kBitCountOffset = 28;
constexpr size_t kWidthOffset = 18;
constexpr size_t kHeightOffset = 22;
constexpr size_t kSizeImageOffset = 34;
constexpr size_t kHeaderSizeOffset = 14;
constexpr uint32_t kInfoHeaderSize = 40;

uint32_t GetLE32(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t{b[at]} | (uint32_t{b[at + 1]} << 8) | (uint32_t{b[at + 2]} << 16) |
           (uint32_t{b[at + 3]} << 24);
}

void PutLE32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (size_t i = 0; i < 4; ++i) {
        b[at + i] = static_cast<uint8_t>(v >> (8 * i));
    }
}

}  // namespace

void RepairBmpHeader(std::vector<uint8_t>& file) {
    if (file.size() < kSizeImageOffset + 4) {
        return;
    }
    // In a core header these offsets hold pixels, not header fields.
    if (GetLE32(file, kHeaderSizeOffset) < kInfoHeaderSize) {
        return;
    }
    uint16_t bitCount =
        static_cast<uint16_t>(file[kBitCountOffset] | (file[kBitCountOffset + 1] << 8));
    if (bitCount != 24) {
        return;
    }
    // Unsigned arithmetic wraps like the two's-complement original, without overflow.
    uint32_t width = GetLE32(file, kWidthOffset);
    uint32_t height = GetLE32(file, kHeightOffset);
    PutLE32(file, kSizeImageOffset, (3 * width + (width & 3)) * height);
}

platform::Bitmap DecodeCorrectBitmap(std::vector<uint8_t> file) {
    RepairBmpHeader(file);
    return platform::DecodeBmp(file);
}

namespace {

// Runs load; a failure is named on standard error with the file, then passes on.
template <class Load>
decltype(auto) NamingFailures(const std::string& path, Load&& load) {
    try {
        return load();
    } catch (const std::exception& e) {
        ReportResourceProblem(path, e.what());
        throw;
    }
}

}  // namespace

void LoadCorrectBitmap(platform::Bitmap& bitmap, const std::string& path) {
    NoteResourceRequest(path);
    NamingFailures(path, [&] { bitmap = DecodeCorrectBitmap(platform::ReadWholeFile(path)); });
}

platform::Bitmap LoadJpegPicture(const std::string& path) {
    NoteResourceRequest(path);
    return NamingFailures(path,
                          [&] { return platform::DecodeJpeg(platform::ReadWholeFile(path)); });
}

}  // namespace media
