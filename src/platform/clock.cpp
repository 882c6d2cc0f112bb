#include "platform/clock.h"

#include <time.h>

#include <cerrno>

namespace platform {
namespace {

uint64_t MonotonicNanos() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<uint64_t>(ts.tv_sec) * 1'000'000'000u + static_cast<uint64_t>(ts.tv_nsec);
}

RealClock realClock;
std::atomic<Clock*> current{&realClock};

}  // namespace

uint32_t RealClock::TickCount() { return static_cast<uint32_t>(MonotonicNanos() / 1'000'000); }

uint64_t RealClock::Counter() { return MonotonicNanos(); }

void RealClock::Sleep(uint32_t ms) {
    SleepUntilCounter(MonotonicNanos() + uint64_t{ms} * 1'000'000);
}

void RealClock::SleepUntilCounter(uint64_t target) {
    // An absolute deadline on the monotonic clock: precise, and immune to early wake-ups.
    timespec ts{static_cast<time_t>(target / 1'000'000'000),
                static_cast<long>(target % 1'000'000'000)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) == EINTR) {
    }
}

void ManualClock::SleepUntilCounter(uint64_t target) {
    uint64_t now = micros_.load();
    while (now < target && !micros_.compare_exchange_weak(now, target)) {
    }
}

Clock& GetClock() { return *current.load(); }

void SetClock(Clock* clock) { current.store(clock ? clock : &realClock); }

}  // namespace platform
