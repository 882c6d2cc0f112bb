#include "media/blend_masked.h"

#include "media/blend_row_vector.h"

#include <algorithm>
#include <cstdint>

namespace media {

using platform::Bitmap;
using platform::PixelFormat;

namespace {

template <int DestBpp, int BgBpp, int ColourBpp, int MaskBpp>
void BlendRow(uint8_t* dest, const uint8_t* background, const uint8_t* colour, const uint8_t* mask,
              int n, int opacity) {
    // Blending in place, clear pixels need no write at all.
    const bool inPlace = DestBpp == BgBpp && dest == background;
    for (int i = 0; i < n; ++i) {
        const unsigned k = BlendWeight(*mask, opacity);
        if (k != 1 || !inPlace) {
            BlendPixel(dest, background, colour, k);
        }
        dest += DestBpp;
        background += BgBpp;
        colour += ColourBpp;
        mask += MaskBpp;
    }
}

template <int D, int B, int C>
BlendRowFn PickMask(int maskBpp) {
    switch (maskBpp) {
        case 1:
            return &BlendRow<D, B, C, 1>;
        case 3:
            return &BlendRow<D, B, C, 3>;
        case 4:
            return &BlendRow<D, B, C, 4>;
        default:
            return nullptr;
    }
}

template <int D, int B>
BlendRowFn PickColour(int colourBpp, int maskBpp) {
    switch (colourBpp) {
        case 3:
            return PickMask<D, B, 3>(maskBpp);
        case 4:
            return PickMask<D, B, 4>(maskBpp);
        default:
            return nullptr;
    }
}

template <int D>
BlendRowFn PickBackground(int backgroundBpp, int colourBpp, int maskBpp) {
    switch (backgroundBpp) {
        case 3:
            return PickColour<D, 3>(colourBpp, maskBpp);
        case 4:
            return PickColour<D, 4>(colourBpp, maskBpp);
        default:
            return nullptr;
    }
}

bool IsColourFormat(const Bitmap& b) {
    return b.Format() == PixelFormat::Bgr24 || b.Format() == PixelFormat::Bgrx32;
}

}  // namespace

BlendRowFn PickBlendRow(int destBpp, int backgroundBpp, int colourBpp, int maskBpp) {
    if (BlendRowFn vector = PickVectorBlendRow(destBpp, backgroundBpp, colourBpp, maskBpp)) {
        return vector;
    }
    switch (destBpp) {
        case 3:
            return PickBackground<3>(backgroundBpp, colourBpp, maskBpp);
        case 4:
            return PickBackground<4>(backgroundBpp, colourBpp, maskBpp);
        default:
            return nullptr;
    }
}

void BlendMasked(Bitmap& dest, int destX, int destY, const Bitmap& colour, const Bitmap& mask,
                 const platform::Rect& clip, const Bitmap& background, int bgX, int bgY,
                 int opacity) {
    if (!IsColourFormat(dest) || !IsColourFormat(background) || !IsColourFormat(colour)) {
        return;
    }
    if (colour.Width() != mask.Width() || colour.Height() != mask.Height()) {
        return;
    }
    // 64-bit sums: offsets near the ends of the int range must not wrap.
    const int64_t dx = destX, dy = destY, bx = bgX, by = bgY;
    const int64_t x0 = std::max({int64_t{0}, -bx, -dx, int64_t{clip.Left}});
    const int64_t x1 = std::min(
        {int64_t{colour.Width()}, dest.Width() - dx, background.Width() - bx, int64_t{clip.Right}});
    const int64_t y0 = std::max({int64_t{0}, -by, -dy, int64_t{clip.Top}});
    const int64_t y1 = std::min({int64_t{colour.Height()}, dest.Height() - dy,
                                 background.Height() - by, int64_t{clip.Bottom}});
    if (x0 >= x1 || y0 >= y1) {
        return;
    }
    BlendRowFn row = PickBlendRow(dest.BytesPerPixel(), background.BytesPerPixel(),
                                  colour.BytesPerPixel(), mask.BytesPerPixel());
    if (row == nullptr) {
        return;
    }
    const int n = static_cast<int>(x1 - x0);
    const int rows = static_cast<int>(y1 - y0);
    const int px0 = static_cast<int>(x0), py0 = static_cast<int>(y0);
    const int destLeft = static_cast<int>(dx + x0), destTop = static_cast<int>(dy + y0);
    const Bitmap* source = &background;
    int srcLeft = static_cast<int>(bx + x0), srcTop = static_cast<int>(by + y0);
    Bitmap shifted;
    if (&background == &dest && (bx != dx || by != dy)) {
        // Blending one bitmap into a shifted place of itself would read pixels it has
        // already written: take the background area aside first.
        shifted.Reset(n, rows, background.Format());
        shifted.CopyRect(shifted.Bounds(), background,
                         platform::Rect::FromSize(srcLeft, srcTop, n, rows));
        source = &shifted;
        srcLeft = 0;
        srcTop = 0;
    }
    opacity = ClampOpacity(opacity);
    for (int r = 0; r < rows; ++r) {
        row(dest.Pixel(destLeft, destTop + r), source->Pixel(srcLeft, srcTop + r),
            colour.Pixel(px0, py0 + r), mask.Pixel(px0, py0 + r), n, opacity);
    }
}

}  // namespace media
