#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/image_codec.h"

namespace {

// A photo-like picture: soft colour gradients, a few blurred shapes and grain, so the
// encoder produces the kind of coefficients a real card or background has.
platform::Bitmap PhotoLike(int width, int height) {
    platform::Bitmap b(width, height, platform::PixelFormat::Bgr24);
    uint32_t seed = 12345;
    auto noise = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<int>(seed >> 28) - 8;
    };
    auto clamp = [](double v) { return static_cast<uint8_t>(std::fmin(255.0, std::fmax(0.0, v))); };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            double fx = static_cast<double>(x) / width, fy = static_cast<double>(y) / height;
            double blob = std::exp(-((fx - 0.4) * (fx - 0.4) + (fy - 0.5) * (fy - 0.5)) * 12.0);
            double ripple = 20.0 * std::sin(x * 0.07 + std::sin(y * 0.05) * 3.0);
            b.SetPixel(x, y,
                       {clamp(60 + 150 * fy + 90 * blob + ripple + noise()),
                        clamp(120 + 80 * fx - 40 * blob + ripple * 0.5 + noise()),
                        clamp(200 - 140 * fy + 30 * blob + noise())});
        }
    }
    return b;
}

void BM_DecodeJpeg1280x960(benchmark::State& state) {
    const std::vector<uint8_t> file = platform::EncodeJpeg(PhotoLike(1280, 960), 85);
    for (auto _ : state) {
        platform::Bitmap picture = platform::DecodeJpeg(file);
        benchmark::DoNotOptimize(picture.Row(0));
    }
    state.SetItemsProcessed(state.iterations() * 1280 * 960);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(file.size()));
    state.counters["file_kB"] = static_cast<double>(file.size()) / 1024.0;
}

}  // namespace

BENCHMARK(BM_DecodeJpeg1280x960)->Unit(benchmark::kMillisecond);
