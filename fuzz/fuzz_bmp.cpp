// Feeds arbitrary bytes to the BMP decoder, before and after the image-size repair that
// LoadCorrectBitmap applies, and checks that whatever decodes also survives a write and read.

#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "media/load_correct_bitmap.h"
#include "platform/image_codec.h"

using namespace media;

namespace {

void DecodeAndRoundTrip(std::span<const uint8_t> bytes) {
    platform::Bitmap bitmap;
    try {
        bitmap = platform::DecodeBmp(bytes);
    } catch (const platform::ImageDecodeError&) {
        return;
    }
    if (bitmap.Empty() || platform::DecodeBmp(platform::EncodeBmp(bitmap)) != bitmap) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::span<const uint8_t> input(data, size);
    DecodeAndRoundTrip(input);
    std::vector<uint8_t> repaired(input.begin(), input.end());
    RepairBmpHeader(repaired);
    DecodeAndRoundTrip(repaired);
    return 0;
}
