#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

namespace platform {

enum class InstanceState { First, AnotherRunning };

// Keeps a second copy of the program from running. The first copy holds an exclusive lock on
// "<runtime>/<name>.lock" and listens on the local socket "<runtime>/<name>.sock", through which
// a later copy asks it to come to the front. The system drops the lock when the process ends,
// however it ends, so a crashed copy never blocks the next start. <runtime> is
// $XDG_RUNTIME_DIR, or else a private folder of the user's under the temporary directory.
class InstanceGuard {
  public:
    InstanceGuard() = default;
    // Stops the listener, removes the socket and releases the lock. Never throws.
    ~InstanceGuard();
    InstanceGuard(const InstanceGuard&) = delete;
    InstanceGuard& operator=(const InstanceGuard&) = delete;

    // Takes the lock for name (a plain file name; anything else throws std::invalid_argument).
    // First: this is the only copy; the lock is held until destruction and the listener runs.
    // AnotherRunning: another copy holds it. When no private runtime folder can be had there is
    // nothing to guard with, and the program is let run: First, without a listener.
    InstanceState Acquire(std::string_view name);
    // Whether Acquire returned First and the lock is held.
    bool Holds() const { return lockFd_ >= 0; }

    // Called on the listener thread when a later copy asks this one to come to the front. The
    // handler should only pass the request on: it must not wait for the thread that destroys
    // the guard, nor destroy the guard itself. The asking copy gets its answer once it returns.
    void SetActivateHandler(std::function<void()> handler);

    // Asks the copy holding name to come to the front and waits up to timeout for its answer.
    // False when nobody listens or nobody answered in time.
    static bool AskRunningCopyToActivate(
        std::string_view name, std::chrono::milliseconds timeout = std::chrono::seconds(2));

    // The folder holding the lock and socket files, created if needed; nullopt when no folder
    // is private to the user.
    static std::optional<std::filesystem::path> RuntimeDirectory();

  private:
    void StartListener();
    void Listen();
    void Serve(int client);
    void Release() noexcept;
    void CloseListener() noexcept;

    int lockFd_ = -1;
    int listenFd_ = -1;
    int stopRead_ = -1;  // self-pipe that wakes the listener when the guard goes
    int stopWrite_ = -1;
    std::filesystem::path socketPath_;
    std::thread listener_;
    std::mutex handlerMutex_;
    std::function<void()> handler_;
};

}  // namespace platform
