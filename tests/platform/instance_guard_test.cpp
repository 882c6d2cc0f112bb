#include "platform/instance_guard.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>

#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include "scoped_env.h"

namespace fs = std::filesystem;
using platform::InstanceGuard;
using platform::InstanceState;

namespace {

// Counts activation requests and lets a test wait for them.
struct Activations {
    std::mutex mutex;
    std::condition_variable changed;
    int count = 0;

    std::function<void()> Handler() {
        return [this] {
            std::lock_guard lock(mutex);
            ++count;
            changed.notify_all();
        };
    }
    int Count() {
        std::lock_guard lock(mutex);
        return count;
    }
};

fs::path Runtime() {
    return *InstanceGuard::RuntimeDirectory();
}

// A socket file with nobody behind it, as a killed copy leaves one.
void MakeStaleSocket(const fs::path& path) {
    int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::strncpy(addr.sun_path, path.c_str(), sizeof(addr.sun_path) - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)), 0);
    ::close(fd);
}

// Connects a raw client to the guard's socket.
int ConnectRaw(const fs::path& path) {
    int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::strncpy(addr.sun_path, path.c_str(), sizeof(addr.sun_path) - 1);
    if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

int ExitCodeOf(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Kills a child process however the test leaves.
class ChildProcess {
  public:
    explicit ChildProcess(pid_t pid) : pid_(pid) {}
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess() { Kill(); }
    void Kill() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ExitCodeOf(pid_);
            pid_ = -1;
        }
    }

  private:
    pid_t pid_;
};

}  // namespace

TEST(InstanceGuard, SecondGuardFindsTheFirstRunning) {
    InstanceGuard first;
    ASSERT_EQ(first.Acquire("guard-second"), InstanceState::First);
    EXPECT_TRUE(first.Holds());
    EXPECT_TRUE(fs::exists(Runtime() / "guard-second.sock"));

    InstanceGuard second;
    EXPECT_EQ(second.Acquire("guard-second"), InstanceState::AnotherRunning);
    EXPECT_FALSE(second.Holds());
    // Another name is another program.
    EXPECT_EQ(second.Acquire("guard-second-other"), InstanceState::First);
}

TEST(InstanceGuard, AskReachesTheFirstCopysHandler) {
    Activations activations;
    InstanceGuard first;
    first.SetActivateHandler(activations.Handler());
    ASSERT_EQ(first.Acquire("guard-ask"), InstanceState::First);

    EXPECT_TRUE(InstanceGuard::AskRunningCopyToActivate("guard-ask"));
    EXPECT_TRUE(InstanceGuard::AskRunningCopyToActivate("guard-ask"));
    // The answer comes after the handler has run.
    EXPECT_EQ(activations.Count(), 2);

    // Without a handler the copy still answers: it is alive.
    first.SetActivateHandler(nullptr);
    EXPECT_TRUE(InstanceGuard::AskRunningCopyToActivate("guard-ask"));
    EXPECT_EQ(activations.Count(), 2);
}

TEST(InstanceGuard, ReleasedOnDestructionAndStaleSocketIsNoObstacle) {
    {
        InstanceGuard first;
        ASSERT_EQ(first.Acquire("guard-release"), InstanceState::First);
    }
    EXPECT_FALSE(fs::exists(Runtime() / "guard-release.sock"));
    EXPECT_FALSE(InstanceGuard::AskRunningCopyToActivate("guard-release"));

    MakeStaleSocket(Runtime() / "guard-release.sock");
    EXPECT_FALSE(InstanceGuard::AskRunningCopyToActivate("guard-release"));
    Activations activations;
    InstanceGuard again;
    again.SetActivateHandler(activations.Handler());
    ASSERT_EQ(again.Acquire("guard-release"), InstanceState::First);
    EXPECT_TRUE(InstanceGuard::AskRunningCopyToActivate("guard-release"));
    EXPECT_EQ(activations.Count(), 1);
}

TEST(InstanceGuard, AskWithNobodyListeningFails) {
    EXPECT_FALSE(InstanceGuard::AskRunningCopyToActivate("guard-nobody"));
    EXPECT_FALSE(InstanceGuard::AskRunningCopyToActivate("../guard-nobody"));
}

TEST(InstanceGuard, AskGivesUpWhenTheFirstCopyDoesNotAnswer) {
    std::mutex mutex;
    std::condition_variable changed;
    bool entered = false;
    bool release = false;
    InstanceGuard first;
    first.SetActivateHandler([&] {
        std::unique_lock lock(mutex);
        entered = true;
        changed.notify_all();
        changed.wait(lock, [&] { return release; });
    });
    ASSERT_EQ(first.Acquire("guard-hung"), InstanceState::First);
    EXPECT_FALSE(
        InstanceGuard::AskRunningCopyToActivate("guard-hung", std::chrono::milliseconds(100)));
    {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return entered; });
        release = true;
        changed.notify_all();
    }
    // The late answer goes to a closed socket; that must not raise SIGPIPE. The copy goes on.
    first.SetActivateHandler(nullptr);
    EXPECT_TRUE(InstanceGuard::AskRunningCopyToActivate("guard-hung"));
}

TEST(InstanceGuard, ForeignRequestsAreIgnored) {
    Activations activations;
    InstanceGuard first;
    first.SetActivateHandler(activations.Handler());
    ASSERT_EQ(first.Acquire("guard-foreign"), InstanceState::First);
    const fs::path sock = Runtime() / "guard-foreign.sock";

    int wrong = ConnectRaw(sock);
    ASSERT_GE(wrong, 0);
    ASSERT_EQ(::send(wrong, "hello\n", 6, MSG_NOSIGNAL), 6);
    char buf[8];
    EXPECT_EQ(::recv(wrong, buf, sizeof(buf), 0), 0);  // closed without an answer
    ::close(wrong);

    EXPECT_TRUE(InstanceGuard::AskRunningCopyToActivate("guard-foreign"));
    EXPECT_EQ(activations.Count(), 1);
}

TEST(InstanceGuard, DestroyedWhileAClientSaysNothing) {
    auto first = std::make_unique<InstanceGuard>();
    ASSERT_EQ(first->Acquire("guard-silent"), InstanceState::First);
    int silent = ConnectRaw(Runtime() / "guard-silent.sock");
    ASSERT_GE(silent, 0);
    ASSERT_EQ(::send(silent, "activ", 5, MSG_NOSIGNAL), 5);
    // Give the listener time to take the client up and wait for the rest of the request.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    first.reset();  // must not wait for the rest
    char buf[8];
    EXPECT_LE(::recv(silent, buf, sizeof(buf), 0), 0);  // no answer, whether taken up or not
    ::close(silent);
    InstanceGuard next;
    EXPECT_EQ(next.Acquire("guard-silent"), InstanceState::First);
}

TEST(InstanceGuard, NamesMustBePlainFileNames) {
    InstanceGuard guard;
    for (const char* name : {"", ".", "..", "a/b", "/abs"}) {
        EXPECT_THROW(guard.Acquire(name), std::invalid_argument) << name;
    }
    EXPECT_FALSE(guard.Holds());
}

TEST(InstanceGuard, GuardsAcrossProcesses) {
    {
        InstanceGuard parent;
        ASSERT_EQ(parent.Acquire("guard-process"), InstanceState::First);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // The child shares nothing but the file system with the parent's guard.
            InstanceGuard probe;
            const bool refused = probe.Acquire("guard-process") == InstanceState::AnotherRunning;
            const bool asked = InstanceGuard::AskRunningCopyToActivate("guard-process");
            ::_exit(refused && asked ? 0 : 1);
        }
        EXPECT_EQ(ExitCodeOf(child), 0);
    }

    // A copy that is killed leaves its socket behind but takes its lock with it.
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(ready[0]);
        InstanceGuard holder;
        holder.SetActivateHandler([fd = ready[1]] { (void)!::write(fd, "a", 1); });
        const char state = holder.Acquire("guard-killed") == InstanceState::First ? 'F' : 'A';
        (void)!::write(ready[1], &state, 1);
        for (;;) {
            ::pause();
        }
    }
    ChildProcess holderProcess(child);
    ::close(ready[1]);
    char state = 0;
    ASSERT_EQ(::read(ready[0], &state, 1), 1);
    EXPECT_EQ(state, 'F');
    InstanceGuard blocked;
    EXPECT_EQ(blocked.Acquire("guard-killed"), InstanceState::AnotherRunning);
    EXPECT_TRUE(InstanceGuard::AskRunningCopyToActivate("guard-killed"));
    char activated = 0;
    EXPECT_EQ(::read(ready[0], &activated, 1), 1);
    EXPECT_EQ(activated, 'a');

    holderProcess.Kill();
    ::close(ready[0]);
    EXPECT_TRUE(fs::exists(Runtime() / "guard-killed.sock"));
    Activations activations;
    InstanceGuard next;
    next.SetActivateHandler(activations.Handler());
    EXPECT_EQ(next.Acquire("guard-killed"), InstanceState::First);
    EXPECT_TRUE(InstanceGuard::AskRunningCopyToActivate("guard-killed"));
    EXPECT_EQ(activations.Count(), 1);
}

TEST(InstanceGuard, RuntimeFolderFallsBackToAPrivateTemporaryFolder) {
    const fs::path tmp =
        fs::temp_directory_path() / ("vimbaro-guard-tmp-" + std::to_string(::getpid()));
    fs::create_directories(tmp);
    const fs::path shared = tmp / "shared";
    fs::create_directories(shared);
    fs::permissions(shared, fs::perms::all);
    const fs::path expected = tmp / ("vimbaro-" + std::to_string(::getuid()));
    {
        ScopedEnv tmpdir("TMPDIR", tmp.c_str());
        // A runtime folder others can enter is not used.
        ScopedEnv runtime("XDG_RUNTIME_DIR", shared.c_str());
        EXPECT_EQ(InstanceGuard::RuntimeDirectory(), expected);
        struct stat st {};
        ASSERT_EQ(::lstat(expected.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0700u);

        // Loose permissions on our own folder are tightened.
        fs::permissions(expected, fs::perms::owner_all | fs::perms::group_read |
                                      fs::perms::group_exec | fs::perms::others_exec);
        EXPECT_EQ(InstanceGuard::RuntimeDirectory(), expected);
        ASSERT_EQ(::lstat(expected.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0700u);

        // A link in its place could lead anywhere: no folder, and the program runs unguarded.
        fs::remove_all(expected);
        fs::create_directory_symlink(shared, expected);
        ScopedEnv noRuntime("XDG_RUNTIME_DIR", nullptr);
        EXPECT_EQ(InstanceGuard::RuntimeDirectory(), std::nullopt);
        InstanceGuard guard;
        EXPECT_EQ(guard.Acquire("guard-nofolder"), InstanceState::First);
        EXPECT_FALSE(guard.Holds());
        EXPECT_FALSE(InstanceGuard::AskRunningCopyToActivate("guard-nofolder"));
    }
    std::error_code ec;
    fs::remove_all(tmp, ec);
}
