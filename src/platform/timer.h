#pragma once

#include <cstdint>
#include <functional>

namespace platform {

// A GUI-thread timer with a millisecond interval. It fires again every Interval ms while
// enabled; a late tick is not caught up. Setting Enabled or Interval restarts the count.
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
    // A free number the owner may use (the old component's Tag).
    int Tag = 0;
    std::function<void()> OnTimer;

  private:
    friend class Application;
    void Restart();

    uint32_t interval_ = 1000;
    bool enabled_ = false;
    uint64_t due_ = 0;  // counter value of the next tick
};

}  // namespace platform
