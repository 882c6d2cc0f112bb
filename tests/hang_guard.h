#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

// Bounds a scope that could wait for ever (a worker that never finishes, a modal loop that
// never ends, a socket nobody answers): when the scope is still running after the limit, the
// running test fails with what hung and the test program ends, since a blocked wait cannot be
// interrupted. The limit is far above any normal run; it is not a speed check. Tests that fork
// must not hold one across the fork.
class HangGuard {
  public:
    HangGuard(std::string what, std::chrono::milliseconds limit)
        : what_(std::move(what)), watchdog_([this, limit] { Watch(limit); }) {}
    ~HangGuard() {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        changed_.notify_all();
        watchdog_.join();
    }
    HangGuard(const HangGuard&) = delete;
    HangGuard& operator=(const HangGuard&) = delete;

  private:
    void Watch(std::chrono::milliseconds limit) {
        std::unique_lock lock(mutex_);
        if (changed_.wait_for(lock, limit, [this] { return done_; })) {
            return;
        }
        const std::string message = what_ + " still running after " +
                                    std::to_string(limit.count()) +
                                    " ms: it never ends, so the test program stops here";
        ADD_FAILURE() << message;
        std::fflush(stdout);
        std::fprintf(stderr, "%s\n", message.c_str());
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE);
    }

    std::string what_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool done_ = false;
    std::thread watchdog_;  // last: starts once the rest is ready
};

// The limit for a wait in a test: a minute, far beyond any run that works.
inline constexpr std::chrono::seconds kHangLimit{60};
