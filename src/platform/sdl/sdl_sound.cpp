#include <SDL.h>
#include <SDL_mixer.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>

#include "platform/sound_driver.h"
#include "platform/sound_font.h"

namespace platform {
namespace {

constexpr int kWaveChannel = 0;
// A recording that has not ended this long after its length is stopped: the device is stuck.
constexpr auto kWaveGrace = std::chrono::seconds(2);

struct ChunkDeleter {
    void operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }
};
struct MusicDeleter {
    void operator()(Mix_Music* music) const { Mix_FreeMusic(music); }
};

// Opens SDL's audio and the mixer on it; false (with audio shut again) when it fails.
bool OpenMixerOnCurrentDriver() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    if (Mix_OpenAudioDevice(44100, AUDIO_S16SYS, 2, 1024, nullptr,
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
class SdlSoundDriver final : public SoundDriver {
  public:
    SdlSoundDriver() {
        const char* current = SDL_GetCurrentAudioDriver();
        name_ = current != nullptr && std::strcmp(current, "dummy") == 0 ? "sdl-dummy" : "sdl";
        Mix_Init(MIX_INIT_MID);
        std::string fonts = FindSoundFonts();
        if (!fonts.empty()) {
            Mix_SetSoundFonts(fonts.c_str());
        }
        Mix_AllocateChannels(1);
        theDriver.store(this);
        Mix_ChannelFinished(&SdlSoundDriver::OnChannelFinished);
    }

    ~SdlSoundDriver() override {
        // Clearing the callback takes the audio lock: no callback runs once it returns.
        Mix_ChannelFinished(nullptr);
        theDriver.store(nullptr);
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
        chunk_.reset();
        music_.reset();
        Mix_CloseAudio();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    SdlSoundDriver(const SdlSoundDriver&) = delete;
    SdlSoundDriver& operator=(const SdlSoundDriver&) = delete;

    std::string Name() const override { return name_; }

    WaveOutcome StartWave(const std::vector<uint8_t>& bytes, const WaveInfo& info) override {
        std::lock_guard ops(ops_);
        if (WavePlaying()) {
            return WaveOutcome::Dropped;
        }
        // The previous recording has ended; its chunk may go now (never in the callback).
        chunk_.reset();
        SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
        chunk_.reset(Mix_LoadWAV_RW(rw, 1));
        if (!chunk_) {
            return WaveOutcome::Undecodable;
        }
        {
            std::lock_guard lock(state_);
            ++started_;
            expected_ = std::chrono::microseconds(info.DurationMicros);
        }
        if (Mix_PlayChannel(kWaveChannel, chunk_.get(), 0) < 0) {
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
            Mix_HaltChannel(kWaveChannel);
        }
    }

    bool WavePlaying() override {
        std::lock_guard lock(state_);
        return finished_ < started_;
    }

    bool OpenMidi(std::vector<uint8_t> bytes, const MidiInfo& /*info*/) override {
        std::lock_guard ops(ops_);
        CloseMidiLocked();
        // The bytes stay alive with the music: a decoder may read them while it plays.
        midiBytes_ = std::move(bytes);
        SDL_RWops* rw = SDL_RWFromConstMem(midiBytes_.data(), static_cast<int>(midiBytes_.size()));
        music_.reset(Mix_LoadMUSType_RW(rw, MUS_MID, 1));
        if (!music_) {
            midiBytes_.clear();
            return false;
        }
        tune_ = Tune::AtStart;
        return true;
    }

    bool MidiIsOpen() override {
        std::lock_guard ops(ops_);
        return music_ != nullptr;
    }

    void CloseMidi() override {
        std::lock_guard ops(ops_);
        CloseMidiLocked();
    }

    bool RewindMidi() override {
        std::lock_guard ops(ops_);
        if (!music_) {
            return false;
        }
        if (tune_ != Tune::AtStart) {
            Mix_HaltMusic();
            tune_ = Tune::AtStart;
        }
        return true;
    }

    bool PlayMidi() override {
        std::lock_guard ops(ops_);
        if (!music_) {
            return false;
        }
        NoteTuneEnd();
        if (tune_ == Tune::AtStart) {
            if (Mix_PlayMusic(music_.get(), 0) != 0) {
                return false;
            }
            tune_ = Tune::Playing;
        } else if (tune_ == Tune::Paused) {
            Mix_ResumeMusic();
            tune_ = Tune::Playing;
        }
        return true;
    }

    bool StopMidi() override {
        std::lock_guard ops(ops_);
        if (!music_) {
            return false;
        }
        NoteTuneEnd();
        if (tune_ == Tune::Playing) {
            Mix_PauseMusic();
            tune_ = Tune::Paused;
        }
        return true;
    }

    bool MidiPlaying() override {
        std::lock_guard ops(ops_);
        NoteTuneEnd();
        return music_ && tune_ == Tune::Playing;
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
        if (tune_ == Tune::Playing && Mix_PlayingMusic() == 0) {
            tune_ = Tune::Ended;
        }
    }

    void CloseMidiLocked() {
        if (music_) {
            Mix_HaltMusic();
            music_.reset();
        }
        midiBytes_.clear();
        tune_ = Tune::AtStart;
    }

    std::string name_;
    std::mutex ops_;  // one mixer operation at a time
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
    if (!OpenMixer()) {
        return nullptr;
    }
    return std::make_unique<SdlSoundDriver>();
}

}  // namespace platform
