#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

namespace platform {

// The one clock every timer, pacer, fade and sleep reads. The real clock follows the
// system's monotonic time; the manual clock only moves when told to, so tests can let
// five seconds pass in no time.
class Clock {
  public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start; 32 bits, wrapping like the old tick count.
    virtual uint32_t TickCount() = 0;
    // A high-resolution counter and its counts per second.
    virtual uint64_t Counter() = 0;
    virtual uint64_t CounterFrequency() = 0;
    // Blocks the calling thread for about ms milliseconds (the manual clock advances instead).
    virtual void Sleep(uint32_t ms) = 0;
    // Blocks until the counter reaches target (precise sleep, no busy loop).
    virtual void SleepUntilCounter(uint64_t target) = 0;
    virtual bool IsManual() const { return false; }
};

class RealClock final : public Clock {
  public:
    uint32_t TickCount() override;
    uint64_t Counter() override;
    uint64_t CounterFrequency() override { return 1'000'000'000; }
    void Sleep(uint32_t ms) override;
    void SleepUntilCounter(uint64_t target) override;
};

// Virtual time in microseconds. Sleeping advances it; so does the application loop when
// nothing is runnable before the next timer is due.
class ManualClock final : public Clock {
  public:
    explicit ManualClock(uint64_t startMs = 1000) : micros_(startMs * 1000) {}
    uint32_t TickCount() override { return static_cast<uint32_t>(micros_.load() / 1000); }
    uint64_t Counter() override { return micros_.load(); }
    uint64_t CounterFrequency() override { return 1'000'000; }
    void Sleep(uint32_t ms) override { Advance(ms); }
    void SleepUntilCounter(uint64_t target) override;
    bool IsManual() const override { return true; }

    void Advance(uint32_t ms) { micros_ += uint64_t{ms} * 1000; }

  private:
    std::atomic<uint64_t> micros_;
};

// The process-wide clock: the real one unless a test installs another.
Clock& GetClock();
// Installs clock (not owned) as the process-wide clock; nullptr restores the real one.
void SetClock(Clock* clock);

// Holds a manual clock installed for its lifetime.
class ScopedManualClock {
  public:
    ScopedManualClock() { SetClock(&clock_); }
    ~ScopedManualClock() { SetClock(nullptr); }
    ScopedManualClock(const ScopedManualClock&) = delete;
    ScopedManualClock& operator=(const ScopedManualClock&) = delete;
    ManualClock& operator*() { return clock_; }
    ManualClock* operator->() { return &clock_; }

  private:
    ManualClock clock_;
};

}  // namespace platform
