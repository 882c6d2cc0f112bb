#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace platform {

// A GUI-thread timer with a millisecond interval. It fires again every Interval ms while
// enabled; a late tick is not caught up. Setting Enabled or Interval restarts the count.
// A timer made while no application exists (or outliving one) starts working when an
// application does.
class Timer {
  public:
    Timer();
    explicit Timer(uint32_t intervalMs, std::function<void()> onTimer = {});
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    uint32_t Interval() const { return interval_; }
    void SetInterval(uint32_t ms);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    std::function<void()> OnTimer;

  private:
    friend class Application;
    // Hands the timers waiting for an application to the one that now exists.
    static void JoinApplication();
    // The application is going: its timers wait for the next one.
    static void LeaveApplication(std::vector<Timer*> timers);
    void Restart();

    uint32_t interval_ = 1000;
    bool enabled_ = false;
    uint64_t due_ = 0;  // counter value of the next tick
};

}  // namespace platform
