#include "platform/sound.h"

#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string_view>
#include <system_error>
#include <utility>

#include "platform/file_read.h"
#include "platform/sound_driver.h"

namespace platform {
namespace {

// The service's state. The driver is shared so that a synchronous wave can wait on it
// without holding the lock (and a test swapping drivers meanwhile cannot free it).
struct Service {
    std::mutex Lock;
    std::shared_ptr<SoundDriver> Driver;
    bool Recording = false;
    std::vector<WaveRequest> Records;
};

Service& TheService() {
    static Service service;
    return service;
}

bool SilentRequested() {
    const char* value = std::getenv("VIMBARO_SOUND");
    return value != nullptr && std::string_view(value) == "silent";
}

std::shared_ptr<SoundDriver> CurrentDriver() {
    Service& s = TheService();
    std::lock_guard lock(s.Lock);
    if (!s.Driver) {
        std::unique_ptr<SoundDriver> chosen;
        if (!SilentRequested()) {
            chosen = CreateSdlSoundDriver();
        }
        if (!chosen) {
            chosen = CreateSilentSoundDriver();
        }
        s.Driver = std::move(chosen);
    }
    return s.Driver;
}

void Record(const std::string& path, bool synchronous, WaveOutcome outcome) {
    Service& s = TheService();
    std::lock_guard lock(s.Lock);
    if (s.Recording) {
        s.Records.push_back({path, synchronous, outcome});
    }
}

// Reads a whole file of at most limit bytes; nothing when it is missing, unreadable or larger.
std::optional<std::vector<uint8_t>> ReadFile(const std::string& path, std::size_t limit) {
    try {
        return ReadWholeFile(path, limit);
    } catch (const FileReadError&) {
        return std::nullopt;
    }
}

bool IsRegularFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

}  // namespace

uint64_t MicrosToCounts(uint64_t micros, uint64_t frequency) {
    return micros / 1'000'000 * frequency + micros % 1'000'000 * frequency / 1'000'000;
}

bool Sound::PlayWave(const std::string& path, bool synchronous) {
    if (!IsRegularFile(path)) {
        Record(path, synchronous, WaveOutcome::Missing);
        return false;
    }
    std::shared_ptr<SoundDriver> driver = CurrentDriver();
    WaveOutcome outcome = WaveOutcome::Undecodable;
    if (auto bytes = ReadFile(path, MaxWaveFileBytes)) {
        try {
            WaveInfo info = ParseWave(*bytes);
            outcome = driver->StartWave(*bytes, info);
        } catch (const WaveFormatError&) {
            outcome = WaveOutcome::Undecodable;
        }
    }
    Record(path, synchronous, outcome);
    if (outcome == WaveOutcome::Played && synchronous) {
        driver->WaitForWave();
    }
    return true;
}

bool Sound::IsWavePlaying() {
    return CurrentDriver()->WavePlaying();
}

bool Sound::MidiOpen(const std::string& path) {
    std::shared_ptr<SoundDriver> driver = CurrentDriver();
    auto bytes = ReadFile(path, MaxMidiFileBytes);
    if (!bytes) {
        return false;
    }
    try {
        MidiInfo info = ParseMidi(*bytes);
        return driver->OpenMidi(std::move(*bytes), info);
    } catch (const MidiFormatError&) {
        return false;
    }
}

bool Sound::MidiRewind() {
    auto driver = CurrentDriver();
    return driver->MidiIsOpen() && driver->RewindMidi();
}

bool Sound::MidiPlay() {
    auto driver = CurrentDriver();
    return driver->MidiIsOpen() && driver->PlayMidi();
}

bool Sound::MidiStop() {
    auto driver = CurrentDriver();
    return driver->MidiIsOpen() && driver->StopMidi();
}

bool Sound::MidiClose() {
    auto driver = CurrentDriver();
    if (!driver->MidiIsOpen()) {
        return false;
    }
    driver->CloseMidi();
    return true;
}

bool Sound::IsMidiPlaying() {
    return CurrentDriver()->MidiPlaying();
}

std::string Sound::DriverName() {
    return CurrentDriver()->Name();
}

bool Sound::DeviceOpen() {
    std::shared_ptr<SoundDriver> driver;
    {
        Service& s = TheService();
        std::lock_guard lock(s.Lock);
        driver = s.Driver;
    }
    // Asking must not open a device itself.
    return driver && driver->DeviceOpen();
}

void Sound::UseSilentDriverForTesting() {
    std::shared_ptr<SoundDriver> old = CreateSilentSoundDriver();
    Service& s = TheService();
    {
        std::lock_guard lock(s.Lock);
        s.Driver.swap(old);
    }
    // The old driver closes here, or later when a waiting caller lets go of it.
}

bool Sound::Started() {
    Service& s = TheService();
    std::lock_guard lock(s.Lock);
    return s.Driver != nullptr;
}

void Sound::Shutdown() {
    std::shared_ptr<SoundDriver> old;
    Service& s = TheService();
    {
        std::lock_guard lock(s.Lock);
        old.swap(s.Driver);
    }
    // Closed outside the lock: closing may wait for the audio thread.
}

void Sound::StartRecording() {
    Service& s = TheService();
    std::lock_guard lock(s.Lock);
    s.Recording = true;
    s.Records.clear();
}

void Sound::StopRecording() {
    Service& s = TheService();
    std::lock_guard lock(s.Lock);
    s.Recording = false;
}

std::vector<WaveRequest> Sound::Recorded() {
    Service& s = TheService();
    std::lock_guard lock(s.Lock);
    return s.Records;
}

}  // namespace platform
