#include "platform/timer.h"

#include "platform/application.h"
#include "platform/clock.h"

namespace platform {

namespace {

// Timers that exist while no application does, waiting for one (GUI thread only).
std::vector<Timer*>& Waiting() {
    static std::vector<Timer*> timers;
    return timers;
}

}  // namespace

Timer::Timer() {
    if (Application::Exists()) {
        Application::Instance().AddTimer(this);
    } else {
        Waiting().push_back(this);
    }
}

void Timer::JoinApplication() {
    std::vector<Timer*> timers;
    timers.swap(Waiting());
    for (Timer* timer : timers) {
        Application::Instance().AddTimer(timer);
        // The count started when it was enabled; it runs from now, on the application's loop.
        if (timer->enabled_) {
            timer->Restart();
        }
    }
}

void Timer::LeaveApplication(std::vector<Timer*> timers) {
    Waiting().insert(Waiting().end(), timers.begin(), timers.end());
}

Timer::Timer(uint32_t intervalMs, std::function<void()> onTimer) : Timer() {
    interval_ = intervalMs;
    OnTimer = std::move(onTimer);
}

Timer::~Timer() {
    std::erase(Waiting(), this);
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
