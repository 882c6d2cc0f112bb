#include "media/blend_row_vector.h"

#include <cstdint>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define VIMBARO_VECTOR_BLEND 1
#endif

namespace media {

#ifdef VIMBARO_VECTOR_BLEND

namespace {

// SSSE3 (byte shuffles) is on every x86-64 processor of the last fifteen years; the row
// routine is picked only where the processor reports it.
#define VIMBARO_SSSE3 __attribute__((target("ssse3")))

// Four pixels of the picture in four-byte lanes, the fourth byte zero.
template <int ColourBpp>
VIMBARO_SSSE3 inline __m128i LoadColour(const uint8_t* colour) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(colour));
    if constexpr (ColourBpp == 3) {
        const __m128i spread = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
        return _mm_shuffle_epi8(bytes, spread);
    } else {
        return _mm_and_si128(bytes, _mm_set1_epi32(0x00FFFFFF));
    }
}

// (d * k) >> 8 for the sixteen bytes of d, k in 16-bit lanes (low and high eight bytes).
VIMBARO_SSSE3 inline __m128i Scale(__m128i d, __m128i kLow, __m128i kHigh) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i low = _mm_srli_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(d, zero), kLow), 8);
    const __m128i high = _mm_srli_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(d, zero), kHigh), 8);
    return _mm_packus_epi16(low, high);
}

// The weights and rule of one row, four pixels at a time.
struct Blend4 {
    bool inPlace;
    int opacity;
    __m128i weightScale, one, fourthBytes, perPixel;

    VIMBARO_SSSE3 Blend4(bool inPlace_, int opacity_)
        : inPlace(inPlace_),
          opacity(opacity_),
          weightScale(_mm_set1_epi16(static_cast<int16_t>(opacity_ + 1))),
          one(_mm_set1_epi16(1)),
          fourthBytes(_mm_set1_epi32(static_cast<int>(0xFF000000u))),
          perPixel(_mm_setr_epi8(0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3)) {}

    // The scalar rule b ± ((|c - b| * k) >> 8): only one of the two saturated differences
    // is non-zero per byte, and the result stays between b and c. The weight
    // k = ((m * (opacity + 1)) >> 8) + 1 fits 16 bits, and so does |c - b| * k. The fourth
    // byte of dest is kept; clear pixels of an in-place blend are not written.
    template <int ColourBpp>
    VIMBARO_SSSE3 void Run(uint8_t* d, const uint8_t* background, const uint8_t* colour,
                           const uint8_t* mask) const {
        uint32_t m4;
        std::memcpy(&m4, mask, 4);
        if (m4 == 0 && inPlace) {
            return;
        }
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(background));
        const __m128i keep = _mm_and_si128(
            inPlace ? b : _mm_loadu_si128(reinterpret_cast<const __m128i*>(d)), fourthBytes);
        const __m128i c =
            _mm_or_si128(LoadColour<ColourBpp>(colour), _mm_and_si128(b, fourthBytes));
        __m128i out = c;
        if (m4 != 0xFFFFFFFFu || opacity != 255) {
            const __m128i m = _mm_shuffle_epi8(_mm_cvtsi32_si128(static_cast<int>(m4)), perPixel);
            const __m128i zero = _mm_setzero_si128();
            const __m128i kLow = _mm_add_epi16(
                _mm_srli_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(m, zero), weightScale), 8), one);
            const __m128i kHigh = _mm_add_epi16(
                _mm_srli_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(m, zero), weightScale), 8), one);
            const __m128i up = Scale(_mm_subs_epu8(c, b), kLow, kHigh);
            const __m128i down = Scale(_mm_subs_epu8(b, c), kLow, kHigh);
            out = _mm_sub_epi8(_mm_add_epi8(b, up), down);
        }
        out = _mm_or_si128(_mm_andnot_si128(fourthBytes, out), keep);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d), out);
    }
};

// Sixteen pixels at a time, where a whole run of clear pixels (blended in place) needs no
// work at all; then four at a time; the last few by the scalar rule.
template <int ColourBpp>
VIMBARO_SSSE3 void BlendRowSsse3(uint8_t* dest, const uint8_t* background, const uint8_t* colour,
                                 const uint8_t* mask, int n, int opacity) {
    const Blend4 blend(dest == background, opacity);
    // A 16-byte load of 24-bit pixels reaches two pixels past the four it uses.
    const int lookAhead = ColourBpp == 3 ? 2 : 0;
    int i = 0;
    for (; i + 16 + lookAhead <= n; i += 16) {
        const __m128i m = _mm_loadu_si128(reinterpret_cast<const __m128i*>(mask + i));
        if (blend.inPlace && _mm_movemask_epi8(_mm_cmpeq_epi8(m, _mm_setzero_si128())) == 0xFFFF) {
            continue;
        }
        for (int j = i; j < i + 16; j += 4) {
            blend.Run<ColourBpp>(dest + 4 * j, background + 4 * j, colour + ColourBpp * j,
                                 mask + j);
        }
    }
    for (; i + 4 + lookAhead <= n; i += 4) {
        blend.Run<ColourBpp>(dest + 4 * i, background + 4 * i, colour + ColourBpp * i, mask + i);
    }
    for (; i < n; ++i) {
        const unsigned k = BlendWeight(mask[i], opacity);
        if (k != 1 || !blend.inPlace) {
            BlendPixel(dest + 4 * i, background + 4 * i, colour + ColourBpp * i, k);
        }
    }
}

}  // namespace

BlendRowFn PickVectorBlendRow(int destBpp, int backgroundBpp, int colourBpp, int maskBpp) {
    static const bool ssse3 = __builtin_cpu_supports("ssse3");
    if (!ssse3 || destBpp != 4 || backgroundBpp != 4 || maskBpp != 1) {
        return nullptr;
    }
    switch (colourBpp) {
        case 3:
            return &BlendRowSsse3<3>;
        case 4:
            return &BlendRowSsse3<4>;
        default:
            return nullptr;
    }
}

#else

BlendRowFn PickVectorBlendRow(int, int, int, int) {
    return nullptr;
}

#endif

}  // namespace media
