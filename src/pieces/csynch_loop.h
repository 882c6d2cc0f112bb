#pragma once

#include <cstdint>

namespace pieces {

// Paces a frame-by-frame loop: each WaitTick returns one period after the previous one
// returned. A late pass is not caught up. Each pacer belongs to one thread.
// Named "synchronised loop"; see docs/glossary.md.
class CSynchLoop {
  public:
    explicit CSynchLoop(uint32_t periodMs = 20);

    // Blocks until one period has passed since the previous WaitTick returned; the first
    // call returns at once.
    void WaitTick();
    uint32_t Period() const { return period_; }

  private:
    uint64_t frequency_;
    uint64_t periodCounts_;
    uint64_t last_ = 0;
    bool first_ = true;
    uint32_t period_;
};

}  // namespace pieces
