// Feeds arbitrary bytes to the JPEG decoder: it must either produce a sane picture or throw
// ImageDecodeError, never crash, hang or exhaust memory. The comment reader gets the same bytes.

#include <cstdint>
#include <cstdlib>
#include <span>

#include "platform/image_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (auto comment = platform::ReadJpegComment(std::span<const uint8_t>(data, size))) {
        if (comment->size() > size) {
            std::abort();
        }
    }
    try {
        platform::Bitmap bitmap = platform::DecodeJpeg(std::span<const uint8_t>(data, size));
        if (bitmap.Empty() || bitmap.Format() != platform::PixelFormat::Bgr24) {
            std::abort();
        }
    } catch (const platform::ImageDecodeError&) {
    }
    return 0;
}
