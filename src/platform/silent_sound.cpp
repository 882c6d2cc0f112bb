#include <algorithm>
#include <mutex>

#include "platform/clock.h"
#include "platform/sound_driver.h"

namespace platform {
namespace {

// Makes no sound, but a recording occupies the player for exactly its duration on the
// process-wide clock and the tune runs its course, so everything that depends on timing
// (dropping, blocking, the tune's end) behaves as with a sound card.
class SilentSoundDriver final : public SoundDriver {
  public:
    std::string Name() const override { return "silent"; }

    WaveOutcome StartWave(const std::vector<uint8_t>& /*bytes*/, const WaveInfo& info) override {
        Clock& clock = GetClock();
        std::lock_guard lock(lock_);
        uint64_t now = clock.Counter();
        if (now < waveEnd_) {
            return WaveOutcome::Dropped;
        }
        waveEnd_ = now + MicrosToCounts(info.DurationMicros, clock.CounterFrequency());
        return WaveOutcome::Played;
    }

    void WaitForWave() override {
        uint64_t end = 0;
        {
            std::lock_guard lock(lock_);
            end = waveEnd_;
        }
        GetClock().SleepUntilCounter(end);
    }

    bool WavePlaying() override {
        uint64_t now = GetClock().Counter();
        std::lock_guard lock(lock_);
        return now < waveEnd_;
    }

    bool OpenMidi(std::vector<uint8_t> /*bytes*/, const MidiInfo& info) override {
        std::lock_guard lock(lock_);
        midiOpen_ = true;
        midiDuration_ = info.DurationMicros;
        midiPosition_ = 0;
        midiRunning_ = false;
        return true;
    }

    bool MidiIsOpen() override {
        std::lock_guard lock(lock_);
        return midiOpen_;
    }

    void CloseMidi() override {
        std::lock_guard lock(lock_);
        midiOpen_ = false;
        midiRunning_ = false;
    }

    bool RewindMidi() override {
        std::lock_guard lock(lock_);
        midiRunning_ = false;
        midiPosition_ = 0;
        return midiOpen_;
    }

    bool PlayMidi() override {
        uint64_t now = GetClock().Counter();
        std::lock_guard lock(lock_);
        if (!midiOpen_) {
            return false;
        }
        if (!midiRunning_ && midiPosition_ < midiDuration_) {
            midiRunning_ = true;
            midiStart_ = now;
        }
        return true;
    }

    bool StopMidi() override {
        uint64_t now = GetClock().Counter();
        std::lock_guard lock(lock_);
        if (!midiOpen_) {
            return false;
        }
        midiPosition_ = PositionAt(now);
        midiRunning_ = false;
        return true;
    }

    bool MidiPlaying() override {
        uint64_t now = GetClock().Counter();
        std::lock_guard lock(lock_);
        return midiOpen_ && midiRunning_ && PositionAt(now) < midiDuration_;
    }

  private:
    // Where the tune stands, in microseconds from its start; it never runs past its end.
    uint64_t PositionAt(uint64_t now) const {
        if (!midiRunning_ || now <= midiStart_) {
            return midiPosition_;
        }
        uint64_t elapsedCounts = now - midiStart_;
        uint64_t frequency = GetClock().CounterFrequency();
        uint64_t elapsed = elapsedCounts / frequency * 1'000'000 +
                           elapsedCounts % frequency * 1'000'000 / frequency;
        return std::min(midiDuration_, midiPosition_ + std::min(elapsed, midiDuration_));
    }

    std::mutex lock_;
    uint64_t waveEnd_ = 0;  // counter value at which the current recording ends
    bool midiOpen_ = false;
    bool midiRunning_ = false;
    uint64_t midiDuration_ = 0;
    uint64_t midiPosition_ = 0;  // where the tune stood when it last started or stopped
    uint64_t midiStart_ = 0;     // counter value when it last started
};

}  // namespace

std::unique_ptr<SoundDriver> CreateSilentSoundDriver() {
    return std::make_unique<SilentSoundDriver>();
}

}  // namespace platform
