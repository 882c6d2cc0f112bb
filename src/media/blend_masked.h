#pragma once

#include <algorithm>
#include <cstdint>

#include "platform/bitmap.h"
#include "platform/geometry.h"

namespace media {

// The per-pixel blend of a picture over a background through an opacity mask, shared by
// CTransBitmap::Compose and BlendMasked. Integer arithmetic only: one multiply and one
// shift per channel, and no arithmetic at all for fully clear or fully opaque pixels.

// Extra opacities outside 0...255 act as the nearest end.
inline int ClampOpacity(int opacity) {
    return std::clamp(opacity, 0, 255);
}

// The picture's weight for mask byte m: 1 (background only) ... 256 (picture only).
// opacity must be clamped already; at 255 this is m + 1, at 0 it is always 1.
inline unsigned BlendWeight(uint8_t m, int opacity) {
    return ((unsigned{m} * static_cast<unsigned>(opacity + 1)) >> 8) + 1;
}

// Blends the first three bytes of background b and colour c with weight k into out.
// The result stays between b and c. out may be b itself.
inline void BlendPixel(uint8_t* out, const uint8_t* b, const uint8_t* c, unsigned k) {
    if (k == 1) {
        out[0] = b[0], out[1] = b[1], out[2] = b[2];
        return;
    }
    if (k == 256) {
        out[0] = c[0], out[1] = c[1], out[2] = c[2];
        return;
    }
    for (int i = 0; i < 3; ++i) {
        unsigned bv = b[i], cv = c[i];
        out[i] = static_cast<uint8_t>(bv < cv ? bv + (((cv - bv) * k) >> 8)
                                              : bv - (((bv - cv) * k) >> 8));
    }
}

// Blends n pixels of one row; the pointers are at the first pixel of each bitmap's run.
using BlendRowFn = void (*)(uint8_t* dest, const uint8_t* background, const uint8_t* colour,
                            const uint8_t* mask, int n, int opacity);

// The row routine for the given bytes per pixel (dest, background and colour 3 or 4, mask
// 1, 3 or 4); nullptr for any other combination.
BlendRowFn PickBlendRow(int destBpp, int backgroundBpp, int colourBpp, int maskBpp);

// Writes into dest the blend of colour (through mask) over background. Picture pixel
// (px, py) lands on dest (destX + px, destY + py) over background (bgX + px, bgY + py);
// only picture pixels inside clip (picture coordinates) are written. dest, background and
// colour are 24- or 32-bit, mask any format (its first byte per pixel is the opacity);
// colour and mask must be of one size. dest and background may be the same bitmap. The
// fourth byte of a 32-bit dest is left alone. Bad input draws nothing.
void BlendMasked(platform::Bitmap& dest, int destX, int destY, const platform::Bitmap& colour,
                 const platform::Bitmap& mask, const platform::Rect& clip,
                 const platform::Bitmap& background, int bgX, int bgY, int opacity);

}  // namespace media
