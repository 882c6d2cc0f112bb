#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>
#include <memory>

#include "platform/application.h"
#include "platform/backend.h"
#include "platform/form.h"
#include "platform/timer.h"

namespace {

class BlackForm : public platform::Form {
  public:
    void Paint(platform::FormCanvas& canvas) override {
        canvas.FillRect({0, 0, ClientWidth(), ClientHeight()}, {0, 0, 0});
    }
};

}  // namespace

// Processor time the event loop uses per second of wall time while a full-screen form is
// shown and a one-second timer runs, as on the menu. Run it on a real X server (Xvfb) to
// measure the blocking wait; SDL's dummy video driver polls and reads much higher.
static void BM_IdleLoopCpuPerSecond(benchmark::State& state) {
    std::unique_ptr<platform::Application> app;
    try {
        app = std::make_unique<platform::Application>(platform::CreateSdlBackend());
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    BlackForm form;
    platform::Point screen = app->ScreenSize();
    form.SetBounds({0, 0, screen.X, screen.Y});
    form.Show();
    platform::Timer timer(1000, [] {});
    timer.SetEnabled(true);
    app->RunFor(100);  // let the window map first
    double cpuMs = 0;
    for (auto _ : state) {
        std::clock_t before = std::clock();
        app->RunFor(1000);
        cpuMs += 1000.0 * static_cast<double>(std::clock() - before) / CLOCKS_PER_SEC;
    }
    state.counters["cpu_ms_per_s"] = cpuMs / static_cast<double>(state.iterations());
    const char* driver = std::getenv("DISPLAY");
    state.SetLabel(driver != nullptr && *driver != '\0' ? "X display" : "no display");
}
BENCHMARK(BM_IdleLoopCpuPerSecond)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
