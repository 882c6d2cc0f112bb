#include "pieces/csynch_loop.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/clock.h"

using namespace pieces;

using namespace pieces;

namespace {

// Runs a paced loop whose body takes workMs and returns the moments each pass began.
std::vector<uint32_t> PassStarts(uint32_t periodMs, uint32_t workMs, int passes) {
    platform::ScopedManualClock clock;
    CSynchLoop pacer(periodMs);
    std::vector<uint32_t> starts;
    for (int i = 0; i < passes; ++i) {
        pacer.WaitTick();
        starts.push_back(clock->TickCount());
        clock->Advance(workMs);
    }
    return starts;
}

}  // namespace

TEST(CSynchLoop, OnePassPerPeriodAndNoCatchingUp) {
    struct Case {
        uint32_t period, work, expectedGap;
    } cases[] = {
        {10, 3, 10},   // a short body waits out the rest of the period
        {10, 15, 15},  // a long body is not followed by a burst of quick passes
        {80, 0, 80},  {2, 1, 2}, {20, 20, 20},
    };
    for (const auto& c : cases) {
        auto starts = PassStarts(c.period, c.work, 6);
        // The first call returns at once; from the second on, passes are evenly spaced.
        for (size_t i = 2; i < starts.size(); ++i) {
            EXPECT_EQ(starts[i] - starts[i - 1], c.expectedGap)
                << "period " << c.period << " work " << c.work << " pass " << i;
        }
    }
}

TEST(CSynchLoop, ReferenceIsTheEndOfThePreviousWait) {
    platform::ScopedManualClock clock;
    CSynchLoop pacer(10);
    pacer.WaitTick();
    uint32_t t0 = clock->TickCount();
    clock->Advance(25);  // one late pass
    pacer.WaitTick();    // returns at once
    EXPECT_EQ(clock->TickCount() - t0, 25u);
    pacer.WaitTick();  // a full period after the late return, not at the old schedule
    EXPECT_EQ(clock->TickCount() - t0, 35u);
}

TEST(CSynchLoop, RealClockWaitsAtLeastThePeriod) {
    CSynchLoop pacer(5);
    platform::Clock& clock = platform::GetClock();
    pacer.WaitTick();
    uint64_t before = clock.Counter();
    pacer.WaitTick();
    uint64_t elapsedUs = (clock.Counter() - before) * 1'000'000 / clock.CounterFrequency();
    EXPECT_GE(elapsedUs, 4900u);  // never early (a lower bound only: the machine may be slow)
}
