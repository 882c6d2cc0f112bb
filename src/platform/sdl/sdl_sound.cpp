#include <SDL.h>
#include <SDL_mixer.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>

#include "platform/sdl/sdl_libraries.h"
#include "platform/sound_driver.h"
#include "platform/sound_font.h"

namespace platform {
namespace {

// The mixer's functions; CreateSdlSoundDriver makes no driver when they cannot be had.
const sdl_libraries::Mixer& Mix() {
    return *sdl_libraries::OpenMixer();
}

constexpr int kWaveChannel = 0;
// A recording that has not ended this long after its length is stopped: the device is stuck.
constexpr auto kWaveGrace = std::chrono::seconds(2);
// An open audio device keeps SDL's audio thread waking every few milliseconds even when it
// plays nothing, so the device is closed once nothing has played for this long; the next
// sound opens it again.
constexpr auto kIdleBeforeClosing = std::chrono::seconds(2);

struct ChunkDeleter {
    void operator()(Mix_Chunk* chunk) const { Mix().FreeChunk(chunk); }
};
struct MusicDeleter {
    void operator()(Mix_Music* music) const { Mix().FreeMusic(music); }
};

// Opens SDL's audio and the mixer on it; false (with audio shut again) when it fails.
bool OpenMixerOnCurrentDriver() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    if (Mix().OpenAudioDevice(44100, AUDIO_S16SYS, 2, 1024, nullptr,
                              SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE) ==
        0) {
        return true;
    }
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
}

bool OpenMixer() {
    if (OpenMixerOnCurrentDriver()) {
        return true;
    }
    // No usable sound card: SDL's dummy device still runs the mixer in real time.
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    bool opened = OpenMixerOnCurrentDriver();
    SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    return opened;
}

class SdlSoundDriver;
std::atomic<SdlSoundDriver*> theDriver{nullptr};

// SDL_mixer with one channel for the recordings and its music stream for the tune. The
// channel-finished callback runs on the audio thread with the audio locked, so it only
// counts and signals; it never calls the mixer. No lock of ours is held while calling it.
// A thread of the driver's own closes the device while nothing plays (a paused tune keeps
// it open, since its place would be lost); every operation that needs it opens it again.
class SdlSoundDriver final : public SoundDriver {
  public:
    // The mixer is open on the device when this is called.
    SdlSoundDriver() {
        const char* current = SDL_GetCurrentAudioDriver();
        name_ = current != nullptr && std::strcmp(current, "dummy") == 0 ? "sdl-dummy" : "sdl";
        Mix().Init(MIX_INIT_MID);
        std::string fonts = FindSoundFonts();
        if (!fonts.empty()) {
            Mix().SetSoundFonts(fonts.c_str());
        }
        theDriver.store(this);
        SetUpOpenDevice();
        closer_ = std::thread([this] { CloseWhileIdle(); });
    }

    ~SdlSoundDriver() override {
        {
            std::lock_guard ops(ops_);
            shutdown_ = true;
        }
        deviceChanged_.notify_all();
        closer_.join();
        std::lock_guard ops(ops_);
        CloseDeviceLocked();
        theDriver.store(nullptr);
        Mix().Quit();
    }

    bool DeviceOpen() override {
        std::lock_guard ops(ops_);
        return deviceOpen_;
    }

    SdlSoundDriver(const SdlSoundDriver&) = delete;
    SdlSoundDriver& operator=(const SdlSoundDriver&) = delete;

    std::string Name() const override { return name_; }

    WaveOutcome StartWave(const std::vector<uint8_t>& bytes, const WaveInfo& info) override {
        std::lock_guard ops(ops_);
        if (WavePlaying()) {
            return WaveOutcome::Dropped;
        }
        if (!OpenDeviceLocked()) {
            return WaveOutcome::Dropped;
        }
        // The previous recording has ended; its chunk may go now (never in the callback).
        chunk_.reset();
        SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
        chunk_.reset(Mix().LoadWAV_RW(rw, 1));
        if (!chunk_) {
            return WaveOutcome::Undecodable;
        }
        {
            std::lock_guard lock(state_);
            ++started_;
            expected_ = std::chrono::microseconds(info.DurationMicros);
        }
        if (Mix().PlayChannel(kWaveChannel, chunk_.get(), 0) < 0) {
            std::lock_guard lock(state_);
            --started_;
            return WaveOutcome::Dropped;
        }
        return WaveOutcome::Played;
    }

    void WaitForWave() override {
        std::unique_lock lock(state_);
        auto deadline = std::chrono::steady_clock::now() + expected_ + kWaveGrace;
        if (!ended_.wait_until(lock, deadline, [this] { return finished_ >= started_; })) {
            lock.unlock();
            Mix().HaltChannel(kWaveChannel);
        }
    }

    bool WavePlaying() override {
        std::lock_guard lock(state_);
        return finished_ < started_;
    }

    bool OpenMidi(std::vector<uint8_t> bytes, const MidiInfo& /*info*/) override {
        std::lock_guard ops(ops_);
        CloseMidiLocked();
        // The bytes stay alive with the music: a decoder may read them while it plays, and
        // the music is made again from them when the device opens again.
        midiBytes_ = std::move(bytes);
        if (!OpenDeviceLocked() || !LoadMusicLocked()) {
            midiBytes_.clear();
            return false;
        }
        tune_ = Tune::AtStart;
        return true;
    }

    bool MidiIsOpen() override {
        std::lock_guard ops(ops_);
        return !midiBytes_.empty();
    }

    void CloseMidi() override {
        std::lock_guard ops(ops_);
        CloseMidiLocked();
    }

    bool RewindMidi() override {
        std::lock_guard ops(ops_);
        if (midiBytes_.empty()) {
            return false;
        }
        if (tune_ != Tune::AtStart) {
            if (deviceOpen_) {
                Mix().HaltMusic();
            }
            tune_ = Tune::AtStart;
        }
        return true;
    }

    bool PlayMidi() override {
        std::lock_guard ops(ops_);
        if (midiBytes_.empty()) {
            return false;
        }
        NoteTuneEnd();
        if (tune_ == Tune::AtStart) {
            if (!OpenDeviceLocked() || Mix().PlayMusic(music_.get(), 0) != 0) {
                return false;
            }
            tune_ = Tune::Playing;
            deviceChanged_.notify_all();
        } else if (tune_ == Tune::Paused) {
            Mix().ResumeMusic();
            tune_ = Tune::Playing;
        }
        return true;
    }

    bool StopMidi() override {
        std::lock_guard ops(ops_);
        if (midiBytes_.empty()) {
            return false;
        }
        NoteTuneEnd();
        if (tune_ == Tune::Playing) {
            Mix().PauseMusic();
            tune_ = Tune::Paused;
        }
        return true;
    }

    bool MidiPlaying() override {
        std::lock_guard ops(ops_);
        NoteTuneEnd();
        return !midiBytes_.empty() && tune_ == Tune::Playing;
    }

  private:
    enum class Tune { AtStart, Playing, Paused, Ended };

    static void SDLCALL OnChannelFinished(int channel) {
        SdlSoundDriver* driver = theDriver.load();
        if (driver != nullptr && channel == kWaveChannel) {
            {
                std::lock_guard lock(driver->state_);
                ++driver->finished_;
            }
            driver->ended_.notify_all();
        }
    }

    void NoteTuneEnd() {
        if (tune_ == Tune::Playing && Mix().PlayingMusic() == 0) {
            tune_ = Tune::Ended;
        }
    }

    void CloseMidiLocked() {
        if (music_) {
            Mix().HaltMusic();
            music_.reset();
        }
        midiBytes_.clear();
        tune_ = Tune::AtStart;
    }

    bool LoadMusicLocked() {
        SDL_RWops* rw = SDL_RWFromConstMem(midiBytes_.data(), static_cast<int>(midiBytes_.size()));
        music_.reset(Mix().LoadMUSType_RW(rw, MUS_MID, 1));
        return music_ != nullptr;
    }

    // What an open device needs: one channel and our end-of-recording signal.
    void SetUpOpenDevice() {
        Mix().AllocateChannels(1);
        Mix().ChannelFinished(&SdlSoundDriver::OnChannelFinished);
        deviceOpen_ = true;
    }

    // Opens the device (and makes the open tune again) unless it is open already.
    bool OpenDeviceLocked() {
        ++activity_;
        if (deviceOpen_) {
            return true;
        }
        if (!OpenMixer()) {
            return false;
        }
        SetUpOpenDevice();
        if (!midiBytes_.empty() && !LoadMusicLocked()) {
            CloseMidiLocked();
        }
        deviceChanged_.notify_all();
        return true;
    }

    void CloseDeviceLocked() {
        if (!deviceOpen_) {
            return;
        }
        // Clearing the callback takes the audio lock: no callback runs once it returns.
        Mix().ChannelFinished(nullptr);
        Mix().HaltChannel(-1);
        Mix().HaltMusic();
        chunk_.reset();
        music_.reset();  // made again from its bytes when the device opens again
        Mix().CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        deviceOpen_ = false;
    }

    // Nothing plays and nothing waits to go on from where it stopped.
    bool IdleLocked() {
        NoteTuneEnd();
        return !WavePlaying() && tune_ != Tune::Playing && tune_ != Tune::Paused;
    }

    // The closer thread: closes the device once it has stood idle for a while, with no
    // operation in between.
    void CloseWhileIdle() {
        std::unique_lock lock(ops_);
        while (!shutdown_) {
            if (!deviceOpen_) {
                deviceChanged_.wait(lock);
                continue;
            }
            const uint64_t seen = activity_;
            const bool idle = IdleLocked();
            deviceChanged_.wait_for(lock, kIdleBeforeClosing);
            if (!shutdown_ && idle && activity_ == seen && IdleLocked()) {
                CloseDeviceLocked();
            }
        }
    }

    std::string name_;
    std::mutex ops_;                         // one mixer operation at a time
    std::condition_variable deviceChanged_;  // with ops_: opened, shut down, tune started
    bool deviceOpen_ = false;
    bool shutdown_ = false;
    uint64_t activity_ = 0;  // operations that needed the device
    std::thread closer_;
    std::unique_ptr<Mix_Chunk, ChunkDeleter> chunk_;
    std::unique_ptr<Mix_Music, MusicDeleter> music_;
    std::vector<uint8_t> midiBytes_;
    Tune tune_ = Tune::AtStart;

    std::mutex state_;  // shared with the audio thread
    std::condition_variable ended_;
    uint64_t started_ = 0;
    uint64_t finished_ = 0;
    std::chrono::microseconds expected_{0};
};

}  // namespace

std::unique_ptr<SoundDriver> CreateSdlSoundDriver() {
    if (sdl_libraries::OpenMixer() == nullptr || !OpenMixer()) {
        return nullptr;
    }
    return std::make_unique<SdlSoundDriver>();
}

}  // namespace platform
