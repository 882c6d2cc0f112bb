#include "exercises/cstat.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "platform/clock.h"

using namespace exercises;

namespace {

// One step of a timing script: switch the timing, or let ms pass.
struct Step {
    enum Kind { On, Off, Wait } kind;
    std::uint32_t ms = 0;
};

struct TimingCase {
    const char* name;
    std::uint32_t startTick;  // where the clock stands before the first step
    std::vector<Step> steps;
    std::int32_t seconds;
    // Test names in ctest show the case, not its bytes.
    friend void PrintTo(const TimingCase& c, std::ostream* os) { *os << c.name; }
};

class CStatTiming : public ::testing::TestWithParam<TimingCase> {};

TEST_P(CStatTiming, AddsWholeSecondsOfTimedSpans) {
    const TimingCase& c = GetParam();
    platform::ScopedManualClock clock;
    clock->Advance(c.startTick - clock->TickCount());
    CStat stat;
    for (const Step& s : c.steps) {
        if (s.kind == Step::Wait) {
            clock->Advance(s.ms);
        } else {
            stat.SetTiming(s.kind == Step::On);
        }
    }
    EXPECT_EQ(stat.Last().Seconds, c.seconds);
    EXPECT_EQ(stat.Attempts.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CStatTiming,
    ::testing::Values(
        TimingCase{
            "TruncatesToWholeSeconds", 1000, {{Step::On}, {Step::Wait, 2999}, {Step::Off}}, 2},
        TimingCase{"SecondStopAddsNothing",
                   1000,
                   {{Step::On}, {Step::Wait, 1500}, {Step::Off}, {Step::Wait, 5000}, {Step::Off}},
                   1},
        TimingCase{"SecondStartKeepsFirstTick",
                   1000,
                   {{Step::On}, {Step::Wait, 1000}, {Step::On}, {Step::Wait, 1500}, {Step::Off}},
                   2},
        TimingCase{"SpansAddUp",
                   1000,
                   {{Step::On},
                    {Step::Wait, 3000},
                    {Step::Off},
                    {Step::Wait, 60000},
                    {Step::On},
                    {Step::Wait, 2000},
                    {Step::Off}},
                   5},
        TimingCase{"StopWithoutStartAddsNothing", 1000, {{Step::Wait, 9000}, {Step::Off}}, 0},
        // The 32-bit tick runs over between start and stop.
        TimingCase{"TickWrapsMeanwhile",
                   0xFFFFFFFFu - 700,
                   {{Step::On}, {Step::Wait, 2500}, {Step::Off}},
                   2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CStat, FreshHoldsOneEmptyAttemptAndDoesNotRun) {
    CStat stat;
    ASSERT_EQ(stat.Attempts.size(), 1u);
    EXPECT_EQ(stat.Attempts[0], CStatWart{});
    EXPECT_FALSE(stat.Running);
    EXPECT_EQ(stat.AbandonedAttempts, 0);
}

TEST(CStat, NewAttemptClosesTheTimedAttemptAndTimesTheNextOne) {
    platform::ScopedManualClock clock;
    CStat stat;
    stat.SetTiming(true);
    clock->Advance(4200);
    stat.Last().Errors = 3;
    stat.NewAttempt(false);
    clock->Advance(7000);
    stat.SetTiming(false);
    ASSERT_EQ(stat.Attempts.size(), 2u);
    EXPECT_EQ(stat.Attempts[0], (CStatWart{0, 0, 3, 4}));
    EXPECT_EQ(stat.Attempts[1], (CStatWart{0, 0, 0, 7}));
    EXPECT_EQ(stat.AbandonedAttempts, 1);
}

TEST(CStat, SolvedTaskRestartedIsNotAbandoned) {
    platform::ScopedManualClock clock;
    CStat stat;
    stat.NewAttempt(true);
    EXPECT_EQ(stat.AbandonedAttempts, 0);
    EXPECT_EQ(stat.Attempts.size(), 2u);
    // A restart starts the timing even when it was stopped (a solved task stops it).
    EXPECT_TRUE(stat.Running);
}

TEST(CStat, TotalHintsSumsEveryAttempt) {
    CStat stat;
    stat.Attempts = {{1, 2, 0, 0}, {0, 0, 5, 0}, {3, 4, 1, 9}};
    EXPECT_EQ(stat.TotalHints(), 6);
}

TEST(CStat, WriteAttemptsAppendsOneEntryPerAttemptInOrder) {
    CStat stat;
    stat.Attempts = {{1, 2, 3, 4}, {0x01020304, 0, -1, 0x7FFFFFFF}};
    std::string out = "x";
    stat.WriteAttempts(out, 14);
    // Code, then errors, points, hints, seconds, each little-endian.
    const std::vector<std::uint8_t> expected = {
        'x',  //
        14,  3,    0,    0,    0,    1,    0,    0,    0,    2, 0, 0, 0, 4,    0,    0,    0,
        14,  0xFF, 0xFF, 0xFF, 0xFF, 0x04, 0x03, 0x02, 0x01, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F};
    EXPECT_EQ(std::vector<std::uint8_t>(out.begin(), out.end()), expected);
    EXPECT_EQ(out.size() - 1, 2 * AttemptEntrySize);
}

}  // namespace
