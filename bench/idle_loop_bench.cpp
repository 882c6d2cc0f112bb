#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "built_data_set.h"
#include "media/cmid.h"
#include "media/data_paths.h"
#include "platform/application.h"
#include "platform/backend.h"
#include "platform/form.h"
#include "platform/sound.h"
#include "platform/timer.h"
#include "resident_memory.h"

using namespace media;

namespace {

class BlackForm : public platform::Form {
  public:
    void Paint(platform::FormCanvas& canvas) override {
        canvas.FillRect({0, 0, ClientWidth(), ClientHeight()}, {0, 0, 0});
    }
};

// Wake-ups of every thread of the process so far: each is a switch into the kernel's
// scheduler, voluntary (a wait) or not.
double ContextSwitches() {
    double total = 0;
    std::error_code ec;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task", ec)) {
        std::ifstream status(task.path() / "status");
        std::string line;
        while (std::getline(status, line)) {
            if (line.starts_with("voluntary_ctxt_switches:") ||
                line.starts_with("nonvoluntary_ctxt_switches:")) {
                total += std::stod(line.substr(line.find(':') + 1));
            }
        }
    }
    return total;
}

enum class Sounds { None, AfterARecording, TunePlaying };

// Processor time and wake-ups per second of wall time while a full-screen form is shown and
// a one-second timer runs, as on the menu: with nothing to play, a little after a recording
// has played, and while the menu tune plays; and the peak resident memory meanwhile, to read
// beside SeriesOfFifteen. Run it on a real X server (Xvfb) to measure the blocking wait; SDL's
// dummy video driver polls and reads much higher.
void IdleLoop(benchmark::State& state, Sounds sounds) {
    const bool peakReset = ResetPeakResident();
    const double startMiB = StatusMiB("VmRSS");
    std::unique_ptr<platform::Application> app;
    try {
        app = std::make_unique<platform::Application>(platform::CreateSdlBackend());
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    platform::Sound::Shutdown();
    UseTheBuiltDataSet();
    BlackForm form;
    platform::Point screen = app->ScreenSize();
    form.SetBounds({0, 0, screen.X, screen.Y});
    form.Show();
    platform::Timer timer(1000, [] {});
    timer.SetEnabled(true);
    app->RunFor(100);  // let the window map first
    if (sounds == Sounds::AfterARecording) {
        const std::string praise = NativePath("Data\\Res\\Snd\\g1.snd");
        if (!platform::Sound::PlayWave(praise, true)) {
            state.SkipWithError(("no recording at " + praise).c_str());
            return;
        }
        app->RunFor(5000);  // the device is let go once nothing has played for a while
    } else if (sounds == Sounds::TunePlaying) {
        if (!platform::Sound::MidiOpen(NativePath(std::string(MenuTuneFile))) ||
            !platform::Sound::MidiPlay()) {
            state.SkipWithError("the menu tune does not play (no data set or no sound font)");
            return;
        }
        app->RunFor(500);
    }
    double cpuMs = 0;
    double switches = 0;
    for (auto _ : state) {
        const std::clock_t before = std::clock();
        const double switchesBefore = ContextSwitches();
        app->RunFor(1000);
        cpuMs += 1000.0 * static_cast<double>(std::clock() - before) / CLOCKS_PER_SEC;
        switches += ContextSwitches() - switchesBefore;
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["cpu_ms_per_s"] = cpuMs / n;
    state.counters["wakeups_per_s"] = switches / n;
    state.counters["audio_device_open"] = platform::Sound::DeviceOpen() ? 1 : 0;
    state.counters["peak_mib"] = PeakResidentMiB();
    state.counters["start_mib"] = startMiB;
    const char* display = std::getenv("DISPLAY");
    state.SetLabel(
        (display != nullptr && *display != '\0' ? "X display, sound " : "no display, sound ") +
        platform::Sound::DriverName() + (peakReset ? "" : "; peak since program start"));
    platform::Sound::MidiClose();
    platform::Sound::Shutdown();
}

}  // namespace

BENCHMARK_CAPTURE(IdleLoop, nothing_played, Sounds::None)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(IdleLoop, after_a_recording, Sounds::AfterARecording)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(IdleLoop, menu_tune_playing, Sounds::TunePlaying)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
