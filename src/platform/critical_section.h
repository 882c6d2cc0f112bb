#pragma once

#include <mutex>

namespace platform {

// A lock the owning thread may take again, like the old critical section.
class CriticalSection {
  public:
    void Enter() { mutex_.lock(); }
    bool TryEnter() { return mutex_.try_lock(); }
    void Leave() { mutex_.unlock(); }

  private:
    std::recursive_mutex mutex_;
};

// Holds a critical section for the scope.
class ScopedLock {
  public:
    explicit ScopedLock(CriticalSection& section) : section_(section) { section_.Enter(); }
    ~ScopedLock() { section_.Leave(); }
    ScopedLock(const ScopedLock&) = delete;
    ScopedLock& operator=(const ScopedLock&) = delete;

  private:
    CriticalSection& section_;
};

}  // namespace platform
