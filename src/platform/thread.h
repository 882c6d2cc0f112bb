#pragma once

#include <atomic>
#include <functional>
#include <thread>

namespace platform {

// A worker thread. A subclass overrides Execute, checks Terminated() in its loops and hands
// GUI work over with Synchronize. The subclass's destructor calls Stop() so the thread has
// ended before the subclass's members go.
class Thread {
  public:
    Thread() = default;
    virtual ~Thread();
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    // Starts Execute on a new thread (once).
    void Start();
    // Asks Execute to end; it decides when.
    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }
    bool Finished() const { return finished_; }
    // Waits for Execute to end. On the GUI thread, Synchronize requests keep running while
    // it waits, so a worker that needs the GUI thread to finish cannot deadlock it.
    void WaitFor();
    // Terminate, then WaitFor.
    void Stop();

  protected:
    virtual void Execute() = 0;
    // Runs fn on the GUI thread and returns when it has run.
    void Synchronize(const std::function<void()>& fn);

  private:
    std::thread thread_;
    std::atomic<bool> terminated_{false};
    std::atomic<bool> finished_{false};
    bool started_ = false;
};

}  // namespace platform
