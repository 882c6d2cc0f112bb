#pragma once

#include <functional>
#include <mutex>

#include "pieces/csynch_loop.h"
#include "platform/thread.h"

namespace game {

// The key-polling thread of the game form: every 10 ms it runs one poll of the arrow keys on
// the GUI thread (through Synchronize) until it is told to end. It holds the form's thread
// lock for its whole run, so whoever takes that lock waits until the run is over.
// Named "thread that checks the keys"; see docs/glossary.md.
class CWatekCheckKeys : public platform::Thread {
  public:
    static constexpr std::uint32_t kPeriodMs = 10;

    CWatekCheckKeys(std::mutex& threadLock, std::function<void()> poll);
    ~CWatekCheckKeys() override;

    // Polls do nothing while this is false (set at creation).
    bool Enabled = true;

  protected:
    void Execute() override;

  private:
    std::mutex& threadLock_;
    std::function<void()> poll_;
    pieces::CSynchLoop pacer_{kPeriodMs};
};

}  // namespace game
