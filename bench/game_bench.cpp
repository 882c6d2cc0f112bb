#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <memory>
#include <string>

#include "built_data_set.h"
#include "catalog/screen_geometry.h"
#include "exercises/csuper_schemat.h"
#include "exercises/series_setup.h"
#include "game/cgrupa.h"
#include "game/tfm_gry.h"
#include "platform/application.h"
#include "platform/backend.h"
#include "platform/sound.h"

namespace {

// Processor time of the whole process so far, in milliseconds.
double CpuMs() {
    return 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

// A running series at level I on a real window (run under Xvfb), with sound silenced.
struct RunningSeries {
    std::unique_ptr<platform::Application> app;
    std::unique_ptr<game::TfmGry> form;
    std::string error;

    RunningSeries() {
        try {
            app = std::make_unique<platform::Application>(platform::CreateSdlBackend());
        } catch (const std::exception& e) {
            error = e.what();
            return;
        }
        platform::Sound::UseSilentDriverForTesting();
        const platform::Point screen = app->ScreenSize();
        catalog::SetScreenGeometry(catalog::SelectScreenMode(screen.X, screen.Y));
        UseTheBuiltDataSet();
        game::CWybor settings;
        settings.poziom = game::LevelI;
        settings.gloski = game::SoundGroupL;
        settings.scan = game::ScanOff | game::ScanTwoSwitches | game::ScanInternalCycle;
        try {
            form = std::make_unique<game::CGra>(game::MenuLink{[] {}, [] {}}, settings,
                                                exercises::MakeSeriesParts());
            form->Show();
            app->RunFor(500);
        } catch (const std::exception& e) {
            error = std::string("the series does not start: ") + e.what();
        }
        if (error.empty() && form->CurrentExercise() == nullptr) {
            error = "no exercise (no data set?)";
        }
    }
};

// An exercise that only carries a picture across, on the running series' form.
class DissolveOnly final : public exercises::CSuperSchemat {
  public:
    DissolveOnly(game::ExerciseHost& host, const game::CWybor& settings)
        : CSuperSchemat(host, settings) {}
    void Show(bool) override {}
    void Restart() override {}
    void Paint() override {}
    void Hint() override {}
    bool Choose(std::int32_t, std::int32_t) override { return false; }
    platform::Point VehicleStart() override { return {}; }
    void Carry(platform::Rect a, platform::Rect b) { DissolveMove(a, b); }
};

// One step of the vehicle as the key thread makes it: erase, blend, show the changed
// rectangles; against the 10 ms period of the polls.
void VehicleStep(benchmark::State& state) {
    RunningSeries series;
    if (!series.error.empty()) {
        state.SkipWithError(series.error.c_str());
        return;
    }
    pieces::CLudek& vehicle = series.form->Vehicle();
    int direction = 2;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        if (vehicle.Rectangle().Right > 1000 || vehicle.Rectangle().Left < 100) {
            direction = -direction;
        }
        vehicle.Step(direction, 0);
        series.form->Repaint();
    }
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    state.counters["share_of_10ms_period"] =
        took.count() / static_cast<double>(state.iterations()) / 10.0;
}

// One frame of the cross-dissolve that carries a card (its processor time), against its
// 20 ms period.
void DissolveFrame(benchmark::State& state) {
    RunningSeries series;
    if (!series.error.empty()) {
        state.SkipWithError(series.error.c_str());
        return;
    }
    DissolveOnly carrier(*series.form, series.form->Settings());
    const catalog::ScreenGeometry& g = catalog::Geometry();
    const platform::Rect a =
        platform::Rect::FromSize(g.MapX(190), g.MapY(138), g.MapLength(100), g.MapLength(100));
    const platform::Rect b =
        platform::Rect::FromSize(g.MapX(950), g.MapY(138), g.MapLength(100), g.MapLength(100));
    double cpu = 0;
    for (auto _ : state) {
        const double before = CpuMs();
        carrier.Carry(a, b);
        cpu += CpuMs() - before;
    }
    const double frames = 40.0 * static_cast<double>(state.iterations());
    state.counters["cpu_ms_per_frame"] = cpu / frames;
    state.counters["share_of_20ms_period"] = cpu / frames / 20.0;
}

// Processor time per second of a series left alone with the key thread polling every 10 ms
// (compare IdleLoop/nothing_played, the idle menu).
void IdleSeries(benchmark::State& state) {
    RunningSeries series;
    if (!series.error.empty()) {
        state.SkipWithError(series.error.c_str());
        return;
    }
    double cpu = 0;
    for (auto _ : state) {
        const double before = CpuMs();
        series.app->RunFor(1000);
        cpu += CpuMs() - before;
    }
    state.counters["cpu_ms_per_s"] = cpu / static_cast<double>(state.iterations());
}

}  // namespace

BENCHMARK(VehicleStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(DissolveFrame)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(IdleSeries)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
