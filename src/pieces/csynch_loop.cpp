#include "pieces/csynch_loop.h"

#include "platform/clock.h"

namespace pieces {

CSynchLoop::CSynchLoop(uint32_t periodMs)
    : frequency_(platform::GetClock().CounterFrequency()),
      periodCounts_(frequency_ * periodMs / 1000),
      period_(periodMs) {}

void CSynchLoop::WaitTick() {
    platform::Clock& clock = platform::GetClock();
    uint64_t now = clock.Counter();
    if (first_ || now >= last_ + periodCounts_) {
        first_ = false;
        last_ = now;
        return;
    }
    // One precise sleep to an absolute deadline: no 1 ms slices, no spinning.
    clock.SleepUntilCounter(last_ + periodCounts_);
    last_ = clock.Counter();
}

}  // namespace pieces
