#include <benchmark/benchmark.h>

#include <ctime>
#include <filesystem>
#include <memory>
#include <string>

#include "built_data_set.h"
#include "catalog/screen_geometry.h"
#include "exercises/background_rotation.h"
#include "exercises/series_setup.h"
#include "game/cgrupa.h"
#include "game/series_player.h"
#include "game/tfm_gry.h"
#include "media/data_paths.h"
#include "media/random.h"
#include "media/scoped_temp_dir.h"
#include "platform/headless_app.h"
#include "platform/input.h"
#include "platform/sound.h"
#include "resident_memory.h"

namespace {

// Processor time of the whole process so far (every thread), in milliseconds.
double CpuMs() {
    return 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

// A whole series of fifteen at level IV, every sound group, played to its end by the tests'
// series player with the arrow keys and stopped, its results saved: peak resident memory and
// processor time per exercise, to read beside IdleLoop/nothing_played (the idle menu). It runs
// on the headless backend: the player waits for the game's own timers (the automatic advance,
// the fades), which only the manual clock lets it jump over, so the figures are the work of
// the series and not its seconds of waiting.
void SeriesOfFifteen(benchmark::State& state) {
    const catalog::ScreenGeometry saved = catalog::Geometry();
    for (auto _ : state) {
        const bool peakReset = ResetPeakResident();
        const double startMiB = StatusMiB("VmRSS");
        const double cpuBefore = CpuMs();
        HeadlessApp h;
        catalog::SetScreenGeometry(catalog::SelectScreenMode(1280, 1024));
        UseTheBuiltDataSet();
        const std::filesystem::path data = media::DataRoot();
        if (!std::filesystem::is_directory(data / "Intf")) {
            state.SkipWithError("no data set (build it first)");
            break;
        }
        // The data seen through a temporary root, where the record is written.
        ScopedTempDir root;
        for (const auto& entry : std::filesystem::directory_iterator(data)) {
            if (entry.path().filename() != "st.bin") {
                std::filesystem::create_symlink(entry.path(),
                                                root.Path() / entry.path().filename());
            }
        }
        media::SetDataRootForTesting(root.Path());
        platform::Sound::UseSilentDriverForTesting();
        exercises::ResetBackgroundRotationForTesting();
        media::SeedRandom(15);

        game::CWybor settings;
        settings.ilosc = game::QuantityMany;
        settings.poziom = game::LevelIV;
        settings.gloski = game::SoundGroupL | game::SoundGroupR | game::SoundGroupJ;
        settings.scan = game::ScanOff | game::ScanTwoSwitches | game::ScanInternalCycle;
        bool ended = false;
        auto form = std::make_unique<game::CGra>(game::MenuLink{[] {}, [&ended] { ended = true; }},
                                                 settings, exercises::MakeSeriesParts());
        form->Show();
        h.app->ProcessMessages();
        const series_player::Session player{*form, [&h] { h.app->ProcessMessages(); },
                                            [&h](std::uint32_t ms) { h.app->RunFor(ms); },
                                            [&h](platform::Key key, bool down) {
                                                down ? h.headless->HoldKey(key)
                                                     : h.headless->ReleaseKey(key);
                                            }};
        const int length = static_cast<int>(form->Series().size());
        int solved = 0;
        for (int task = 0; task < length; ++task) {
            if (form->CurrentExercise() == nullptr ||
                series_player::Solve(player, series_player::Input::Keys) <= 0) {
                break;
            }
            ++solved;
            if (task + 1 < length) {
                h.app->RunFor(5100);  // the automatic advance
            }
        }
        h.headless->PressKey(platform::Key::Escape);  // stop: the results are saved
        h.headless->PressKey(platform::Key::Escape);  // and their window closed
        h.app->ProcessMessages();
        form.reset();
        const double cpu = CpuMs() - cpuBefore;
        media::SetDataRootForTesting({});
        if (solved != length || !ended || !std::filesystem::exists(root.Path() / "st.bin")) {
            state.SkipWithError(("the series was not played to its end: " + std::to_string(solved) +
                                 " of " + std::to_string(length))
                                    .c_str());
            break;
        }
        state.counters["cpu_ms_per_exercise"] = cpu / length;
        state.counters["peak_mib"] = PeakResidentMiB();
        state.counters["start_mib"] = startMiB;
        state.SetLabel(peakReset ? "headless, keys" : "headless, keys; peak since program start");
    }
    catalog::SetScreenGeometry(saved);
}

}  // namespace

BENCHMARK(SeriesOfFifteen)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
