#include <benchmark/benchmark.h>

#include "platform/bitmap.h"

// The plain row copy of a 1280x960 frame: the reference the blend figures are read against.
static void BM_CopyFrame1280x960(benchmark::State& state) {
    platform::Bitmap src(1280, 960), dst(1280, 960);
    src.Fill({30, 60, 90});
    for (auto _ : state) {
        dst.CopyRect(dst.Bounds(), src, src.Bounds());
        benchmark::DoNotOptimize(dst.Row(0));
    }
    state.SetItemsProcessed(state.iterations() * 1280 * 960);
}
BENCHMARK(BM_CopyFrame1280x960);
