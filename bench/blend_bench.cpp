#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>

#include "media/blend_masked.h"
#include "platform/bitmap.h"

using namespace media;

namespace {

// A full-frame sprite layer as the screens use them: mostly clear or opaque, with soft
// anti-aliased borders a few pixels wide around each shape.
void MakeLayer(platform::Bitmap& colour, platform::Bitmap& mask) {
    const int w = colour.Width(), h = colour.Height();
    for (int y = 0; y < h; ++y) {
        uint8_t* c = colour.Row(y);
        uint8_t* m = mask.Row(y);
        for (int x = 0; x < w; ++x) {
            c[3 * x] = static_cast<uint8_t>(x);
            c[3 * x + 1] = static_cast<uint8_t>(y);
            c[3 * x + 2] = static_cast<uint8_t>(x ^ y);
            // Shapes of 160x120 cells, half of them covered; a 4-pixel ramp at each edge.
            const int cx = x % 160, cy = y % 120;
            const bool inside = ((x / 160 + y / 120) % 2) == 0;
            const int edge = std::min({cx, 159 - cx, cy, 119 - cy});
            int value = inside ? 255 : 0;
            if (inside && edge < 4) {
                value = 64 * edge + 32;
            }
            m[x] = static_cast<uint8_t>(value);
        }
    }
}

}  // namespace

// The sprite blend over a whole 1280x960 frame, in place as the forms do it; read against
// BM_CopyFrame1280x960.
static void BM_BlendMasked1280x960(benchmark::State& state) {
    platform::Bitmap frame(1280, 960, platform::PixelFormat::Bgrx32);
    platform::Bitmap colour(1280, 960, platform::PixelFormat::Bgr24);
    platform::Bitmap mask(1280, 960, platform::PixelFormat::Grey8);
    frame.Fill({30, 60, 90});
    MakeLayer(colour, mask);
    for (auto _ : state) {
        BlendMasked(frame, 0, 0, colour, mask, mask.Bounds(), frame, 0, 0, 255);
        benchmark::DoNotOptimize(frame.Row(0));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 1280 * 960);
}
BENCHMARK(BM_BlendMasked1280x960);
