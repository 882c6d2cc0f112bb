#include "platform/timer.h"

#include "platform/application.h"
#include "platform/clock.h"

namespace platform {

Timer::Timer() {
    if (Application::Exists()) {
        Application::Instance().AddTimer(this);
    }
}

Timer::Timer(uint32_t intervalMs, std::function<void()> onTimer) : Timer() {
    interval_ = intervalMs;
    OnTimer = std::move(onTimer);
}

Timer::~Timer() {
    if (Application::Exists()) {
        Application::Instance().RemoveTimer(this);
    }
}

void Timer::SetInterval(uint32_t ms) {
    interval_ = ms;
    Restart();
}

void Timer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Restart();
}

void Timer::Restart() {
    Clock& clock = GetClock();
    due_ = clock.Counter() + uint64_t{interval_} * clock.CounterFrequency() / 1000;
}

}  // namespace platform
