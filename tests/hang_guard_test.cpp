#include "hang_guard.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace {

// Waits on a condition nobody will ever signal.
void WaitForEver() {
    std::mutex mutex;
    std::condition_variable never;
    std::unique_lock lock(mutex);
    never.wait(lock, [] { return false; });
}

TEST(HangGuardDeathTest, AWaitThatNeverEndsFailsNamingIt) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            HangGuard guard("the worker's wait", std::chrono::milliseconds(50));
            WaitForEver();
        },
        testing::ExitedWithCode(EXIT_FAILURE), "the worker's wait still running after 50 ms");
}

TEST(HangGuard, AScopeThatEndsInTimeGoesOn) {
    bool ran = false;
    {
        HangGuard guard("a short scope", std::chrono::seconds(60));
        ran = true;
    }
    EXPECT_TRUE(ran);
}

}  // namespace
