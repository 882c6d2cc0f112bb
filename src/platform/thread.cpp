#include "platform/thread.h"

#include "platform/application.h"

namespace platform {

Thread::~Thread() {
    Stop();
}

void Thread::Start() {
    if (started_) {
        return;
    }
    started_ = true;
    thread_ = std::thread([this] {
        try {
            Execute();
        } catch (...) {
            // A worker's failure must not end the program; the owner sees Finished().
        }
        finished_ = true;
        if (Application::Exists()) {
            Application::Instance().WakeWaiters();
        }
    });
}

void Thread::WaitFor() {
    if (!thread_.joinable()) {
        return;
    }
    if (std::this_thread::get_id() == thread_.get_id()) {
        return;  // a thread cannot wait for itself
    }
    if (Application::Exists() && Application::Instance().IsGuiThread()) {
        Application::Instance().WaitRunningSynchronized([this] { return finished_.load(); });
    }
    thread_.join();
}

void Thread::Stop() {
    Terminate();
    WaitFor();
}

void Thread::Synchronize(const std::function<void()>& fn) {
    if (Application::Exists()) {
        Application::Instance().Synchronize(fn);
    }
}

}  // namespace platform
