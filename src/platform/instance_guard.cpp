#include "platform/instance_guard.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {

namespace {

using SteadyClock = std::chrono::steady_clock;

constexpr std::string_view Request = "activate\n";
constexpr std::string_view Answer = "ok\n";
// How long the first copy waits for a connected client to say what it wants.
constexpr auto ClientTimeout = std::chrono::seconds(1);

bool IsPlainName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

void CloseFd(int& fd) noexcept {
    if (fd >= 0) {
        ::close(fd);  // never retried on EINTR: Linux has released the descriptor already
        fd = -1;
    }
}

// A folder only this user can enter; the lock and the socket are only as safe as it is.
bool IsPrivateFolder(const std::filesystem::path& dir, bool fixMode) {
    struct stat st {};
    if (::lstat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid()) {
        return false;
    }
    if ((st.st_mode & 077) != 0) {
        return fixMode && ::chmod(dir.c_str(), 0700) == 0;
    }
    return true;
}

bool SocketAddress(const std::filesystem::path& path, sockaddr_un& addr) {
    const std::string& s = path.native();
    if (s.size() >= sizeof(addr.sun_path)) {
        return false;
    }
    std::memset(&addr, 0, sizeof(addr));
    addr.sun_family = AF_UNIX;
    std::memcpy(addr.sun_path, s.c_str(), s.size() + 1);
    return true;
}

int RemainingMs(SteadyClock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - SteadyClock::now());
    return left.count() <= 0 ? 0 : static_cast<int>(left.count());
}

// Waits for events on fd until the deadline; false on timeout or error. EINTR restarts the wait.
bool WaitFor(int fd, short events, SteadyClock::time_point deadline, int stopFd = -1) {
    for (;;) {
        pollfd fds[2] = {{fd, events, 0}, {stopFd, POLLIN, 0}};
        const int rc = ::poll(fds, stopFd >= 0 ? 2 : 1, RemainingMs(deadline));
        if (rc < 0 && errno == EINTR) {
            continue;
        }
        if (rc <= 0 || (stopFd >= 0 && fds[1].revents != 0)) {
            return false;
        }
        return (fds[0].revents & (events | POLLHUP | POLLERR)) != 0;
    }
}

// Reads one short line (at most limit bytes) from a non-blocking socket.
std::optional<std::string> ReadLine(int fd, std::size_t limit, SteadyClock::time_point deadline,
                                    int stopFd = -1) {
    std::string got;
    while (got.size() < limit) {
        if (!WaitFor(fd, POLLIN, deadline, stopFd)) {
            return std::nullopt;
        }
        char buf[32];
        const ssize_t n = ::recv(fd, buf, std::min(sizeof(buf), limit - got.size()), 0);
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK) {
                continue;
            }
            return std::nullopt;
        }
        if (n == 0) {
            return std::nullopt;
        }
        got.append(buf, static_cast<std::size_t>(n));
        if (got.back() == '\n') {
            return got;
        }
    }
    return std::nullopt;
}

// Sends all of data without raising SIGPIPE when the peer has gone.
bool SendAll(int fd, std::string_view data, SteadyClock::time_point deadline) {
    while (!data.empty()) {
        const ssize_t n = ::send(fd, data.data(), data.size(), MSG_NOSIGNAL);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            if ((errno == EAGAIN || errno == EWOULDBLOCK) && WaitFor(fd, POLLOUT, deadline)) {
                continue;
            }
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

std::optional<std::filesystem::path> InstanceGuard::RuntimeDirectory() {
    const char* xdg = std::getenv("XDG_RUNTIME_DIR");
    if (xdg != nullptr && *xdg == '/') {
        std::filesystem::path dir(xdg);
        // The session's folder is the system's; it is used as it is or not at all.
        if (IsPrivateFolder(dir, false)) {
            return dir;
        }
    }
    std::error_code ec;
    std::filesystem::path tmp = std::filesystem::temp_directory_path(ec);
    if (ec || !tmp.is_absolute()) {
        tmp = "/tmp";
    }
    std::filesystem::path dir = tmp / ("vimbaro-" + std::to_string(::getuid()));
    if (::mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST) {
        return std::nullopt;
    }
    // Someone else may have made it first; then it is theirs and not ours to use.
    if (!IsPrivateFolder(dir, true)) {
        return std::nullopt;
    }
    return dir;
}

InstanceGuard::~InstanceGuard() {
    Release();
}

InstanceState InstanceGuard::Acquire(std::string_view name) {
    if (!IsPlainName(name)) {
        throw std::invalid_argument("instance name must be a plain file name");
    }
    Release();
    const auto dir = RuntimeDirectory();
    if (!dir) {
        return InstanceState::First;
    }
    const std::string base(name);
    const std::filesystem::path lockPath = *dir / (base + ".lock");
    int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        return InstanceState::First;
    }
    int rc;
    do {
        rc = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        const bool held = errno == EWOULDBLOCK;
        CloseFd(fd);
        return held ? InstanceState::AnotherRunning : InstanceState::First;
    }
    lockFd_ = fd;
    socketPath_ = *dir / (base + ".sock");
    StartListener();
    return InstanceState::First;
}

void InstanceGuard::StartListener() {
    sockaddr_un addr{};
    if (!SocketAddress(socketPath_, addr)) {
        socketPath_.clear();
        return;
    }
    // The lock proves no live copy owns a socket left here: it is a crashed copy's.
    ::unlink(socketPath_.c_str());
    listenFd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    int pipeFds[2] = {-1, -1};
    const bool ready =
        listenFd_ >= 0 &&
        ::bind(listenFd_, reinterpret_cast<const sockaddr*>(&addr), sizeof(addr)) == 0 &&
        ::listen(listenFd_, 8) == 0 && ::pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) == 0;
    stopRead_ = pipeFds[0];
    stopWrite_ = pipeFds[1];
    if (ready) {
        try {
            listener_ = std::thread(&InstanceGuard::Listen, this);
            return;
        } catch (const std::system_error&) {
        }
    }
    // Without a listener the lock still guards; a later copy just cannot bring this one up.
    CloseListener();
}

void InstanceGuard::CloseListener() noexcept {
    CloseFd(stopRead_);
    CloseFd(stopWrite_);
    if (listenFd_ >= 0) {
        CloseFd(listenFd_);
        // Removed while the lock is still held, so it cannot be a newer copy's socket.
        ::unlink(socketPath_.c_str());
    }
    socketPath_.clear();
}

void InstanceGuard::Listen() {
    for (;;) {
        pollfd fds[2] = {{listenFd_, POLLIN, 0}, {stopRead_, POLLIN, 0}};
        const int rc = ::poll(fds, 2, -1);
        if (rc < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        if (fds[1].revents != 0) {
            return;
        }
        if ((fds[0].revents & POLLIN) == 0) {
            if (fds[0].revents != 0) {
                return;  // the listening socket broke
            }
            continue;
        }
        const int client = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (client < 0) {
            continue;  // the client gave up already, or EINTR
        }
        Serve(client);
        ::close(client);
    }
}

void InstanceGuard::Serve(int client) {
    ucred cred{};
    socklen_t len = sizeof(cred);
    if (::getsockopt(client, SOL_SOCKET, SO_PEERCRED, &cred, &len) != 0 || cred.uid != ::getuid()) {
        return;
    }
    const auto deadline = SteadyClock::now() + ClientTimeout;
    const auto request = ReadLine(client, Request.size(), deadline, stopRead_);
    if (!request || *request != Request) {
        return;
    }
    std::function<void()> handler;
    {
        std::lock_guard lock(handlerMutex_);
        handler = handler_;
    }
    if (handler) {
        try {
            handler();
        } catch (...) {
            // A failing handler must not take the listener down with it.
        }
    }
    SendAll(client, Answer, SteadyClock::now() + ClientTimeout);
}

void InstanceGuard::SetActivateHandler(std::function<void()> handler) {
    std::lock_guard lock(handlerMutex_);
    handler_ = std::move(handler);
}

bool InstanceGuard::AskRunningCopyToActivate(std::string_view name,
                                             std::chrono::milliseconds timeout) {
    if (!IsPlainName(name)) {
        return false;
    }
    try {
        const auto deadline = SteadyClock::now() + timeout;
        const auto dir = RuntimeDirectory();
        sockaddr_un addr{};
        if (!dir || !SocketAddress(*dir / (std::string(name) + ".sock"), addr)) {
            return false;
        }
        int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (fd < 0) {
            return false;
        }
        bool answered = false;
        for (;;) {
            if (::connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof(addr)) == 0) {
                const auto reply = SendAll(fd, Request, deadline)
                                       ? ReadLine(fd, Answer.size(), deadline)
                                       : std::nullopt;
                answered = reply && *reply == Answer;
                break;
            }
            // A full backlog: the first copy is busy, so try again until the time is up.
            if ((errno == EAGAIN || errno == EINTR) && RemainingMs(deadline) > 0) {
                ::usleep(10'000);
                continue;
            }
            break;  // no socket or nobody listening
        }
        CloseFd(fd);
        return answered;
    } catch (...) {
        return false;
    }
}

void InstanceGuard::Release() noexcept {
    if (listener_.joinable()) {
        const char wake = 1;
        while (::write(stopWrite_, &wake, 1) < 0 && errno == EINTR) {
        }
        try {
            listener_.join();
        } catch (...) {
            // Only possible when a handler destroys its own guard; nothing better to do.
            listener_.detach();
        }
    }
    CloseListener();
    CloseFd(lockFd_);
}

}  // namespace platform
