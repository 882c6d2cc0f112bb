#include "platform/application.h"

#include <algorithm>
#include <atomic>
#include <stdexcept>
#include <utility>

#include "platform/clock.h"
#include "platform/form.h"
#include "platform/timer.h"

namespace platform {
namespace {
std::atomic<Application*> instance{nullptr};
constexpr size_t kMaxEventsPerStep = 64;
constexpr size_t kMaxDirtyRects = 32;
}  // namespace

struct Application::SyncRequest {
    std::function<void()> fn;
    std::exception_ptr error;
    bool done = false;
    std::mutex mutex;
    std::condition_variable finished;

    void Complete(std::exception_ptr e) {
        {
            std::lock_guard lock(mutex);
            error = std::move(e);
            done = true;
        }
        finished.notify_all();
    }

    // Runs fn and completes the request. A failure is handed over only once the catch block
    // has ended, and the waiting thread takes it out (TakeError): from then on only that
    // thread refers to the exception, so it is never released by two threads at once.
    void Run() {
        std::exception_ptr failure;
        try {
            fn();
        } catch (...) {
            failure = std::current_exception();
        }
        Complete(std::move(failure));
    }
    std::exception_ptr TakeError() {
        std::lock_guard lock(mutex);
        return std::exchange(error, nullptr);
    }
};

Application::Application(std::unique_ptr<Backend> backend)
    : backend_(std::move(backend)), guiThread_(std::this_thread::get_id()) {
    Application* expected = nullptr;
    if (!instance.compare_exchange_strong(expected, this)) {
        throw std::logic_error("only one Application may exist");
    }
    Timer::JoinApplication();
}

Application::~Application() {
    // A worker still waiting for the GUI thread must not hang once the loop is gone.
    std::deque<std::shared_ptr<SyncRequest>> pending;
    {
        std::lock_guard lock(queueMutex_);
        pending.swap(syncRequests_);
    }
    for (auto& request : pending) {
        request->Complete(std::make_exception_ptr(std::runtime_error("application closed")));
    }
    Timer::LeaveApplication(std::move(timers_));
    instance.store(nullptr);
}

Application& Application::Instance() {
    Application* app = instance.load();
    if (app == nullptr) {
        throw std::logic_error("no Application exists");
    }
    return *app;
}

bool Application::Exists() {
    return instance.load() != nullptr;
}

void Application::SetTitle(const std::string& title) {
    title_ = title;
    backend_->SetTitle(title);
}

void Application::Run(Form& mainForm) {
    mainForm_ = &mainForm;
    if (!mainForm.Visible()) {
        mainForm.Show();
    }
    while (!terminated_) {
        Step(true);
    }
}

void Application::ProcessMessages() {
    Step(false);
}

void Application::RunUntil(const std::function<bool()>& done) {
    while (!terminated_ && !done()) {
        Step(true);
    }
}

void Application::RunFor(uint32_t ms) {
    bool elapsed = false;
    Timer deadline(ms, [&] { elapsed = true; });
    deadline.SetEnabled(true);
    RunUntil([&] { return elapsed; });
}

void Application::Terminate() {
    terminated_ = true;
    backend_->Wake();
}

void Application::Synchronize(const std::function<void()>& fn) {
    if (IsGuiThread()) {
        fn();
        return;
    }
    auto request = std::make_shared<SyncRequest>();
    request->fn = fn;
    {
        std::lock_guard lock(queueMutex_);
        syncRequests_.push_back(request);
    }
    queueChanged_.notify_all();
    backend_->Wake();
    std::unique_lock lock(request->mutex);
    request->finished.wait(lock, [&] { return request->done; });
    lock.unlock();
    if (std::exception_ptr error = request->TakeError()) {
        std::rethrow_exception(error);
    }
}

void Application::Post(std::function<void()> fn) {
    {
        std::lock_guard lock(queueMutex_);
        posted_.push_back(std::move(fn));
    }
    queueChanged_.notify_all();
    backend_->Wake();
}

void Application::WakeWaiters() {
    { std::lock_guard lock(queueMutex_); }
    queueChanged_.notify_all();
    backend_->Wake();
}

void Application::WaitRunningSynchronized(const std::function<bool()>& done) {
    while (!done()) {
        std::shared_ptr<SyncRequest> request;
        {
            std::unique_lock lock(queueMutex_);
            queueChanged_.wait(lock, [&] { return !syncRequests_.empty() || done(); });
            if (syncRequests_.empty()) {
                continue;
            }
            request = syncRequests_.front();
            syncRequests_.pop_front();
        }
        request->Run();
    }
}

bool Application::HasQueued() {
    std::lock_guard lock(queueMutex_);
    return !posted_.empty() || !syncRequests_.empty();
}

bool Application::RunQueued() {
    bool ran = false;
    // Only the requests already waiting: a worker that asks again at once (a poll that
    // sleeps no real time on a virtual clock) must not keep this step from ending.
    size_t requests = 0;
    {
        std::lock_guard lock(queueMutex_);
        requests = syncRequests_.size();
    }
    for (;;) {
        std::shared_ptr<SyncRequest> request;
        std::function<void()> posted;
        {
            std::lock_guard lock(queueMutex_);
            if (requests > 0 && !syncRequests_.empty()) {
                --requests;
                request = syncRequests_.front();
                syncRequests_.pop_front();
            } else if (!posted_.empty()) {
                posted = std::move(posted_.front());
                posted_.pop_front();
            } else {
                return ran;
            }
        }
        ran = true;
        if (request) {
            request->Run();
        } else {
            posted();
        }
    }
}

void Application::Step(bool mayWait) {
    bool worked = RunQueued();
    InputEvent event;
    for (size_t n = 0; n < kMaxEventsPerStep && backend_->PollEvent(event); ++n) {
        Dispatch(event);
        worked = true;
    }
    worked = FireDueTimers() || worked;
    PaintNow();
    if (!mayWait || worked || terminated_ || HasQueued()) {
        return;
    }
    Clock& clock = GetClock();
    std::optional<uint64_t> due = NextTimerDue();
    if (clock.IsManual() && due) {
        // Nothing else can run: let virtual time jump to the next timer.
        clock.SleepUntilCounter(*due);
        return;
    }
    int timeoutMs = -1;
    if (due) {
        uint64_t now = clock.Counter();
        uint64_t freq = clock.CounterFrequency();
        timeoutMs = *due <= now ? 0 : static_cast<int>(((*due - now) * 1000 + freq - 1) / freq);
    }
    if (backend_->WaitEvent(event, timeoutMs)) {
        Dispatch(event);
    }
}

bool Application::IsKeyDown(Key key) {
    if (!IsGuiThread()) {
        throw std::logic_error("key state is asked for on the GUI thread only");
    }
    return backend_->KeyHeld(key);
}

Form* Application::ActiveForm() const {
    for (auto it = forms_.rbegin(); it != forms_.rend(); ++it) {
        if ((*it)->Visible()) {
            return *it;
        }
    }
    return nullptr;
}

void Application::Dispatch(const InputEvent& e) {
    using Type = InputEvent::Type;
    switch (e.type) {
        case Type::KeyDown:
        case Type::KeyUp: {
            if (Form* form = ActiveForm()) {
                if (e.type == Type::KeyDown) {
                    form->OnKeyDown(e.key, e.ch);
                } else {
                    form->OnKeyUp(e.key, e.ch);
                }
            }
            break;
        }
        case Type::MouseMove:
        case Type::MouseDown:
        case Type::MouseUp: {
            // A release goes to the form that saw the press, like a mouse capture.
            Form* form = ActiveForm();
            if (e.type == Type::MouseUp && mouseForm_ != nullptr) {
                form = mouseForm_;
                mouseForm_ = nullptr;
            } else if (e.type == Type::MouseDown) {
                mouseForm_ = form;
            }
            if (form != nullptr) {
                form->DispatchMouse(e);
            }
            UpdateCursor();
            break;
        }
        case Type::MouseWheel:
            if (Form* form = ActiveForm()) {
                form->OnMouseWheel(e.wheel);
            }
            break;
        case Type::Quit:
            if (mainForm_ != nullptr) {
                mainForm_->Close();
            } else {
                Terminate();
            }
            break;
        case Type::Expose:
            InvalidateScreen({0, 0, ScreenSize().X, ScreenSize().Y});
            break;
        case Type::None:
            break;
    }
}

void Application::UpdateCursor() {
    Form* form = ActiveForm();
    Control* under = form != nullptr ? form->hovered_ : nullptr;
    CursorShape wanted = under != nullptr && under->Visible() && under->Enabled()
                             ? under->Cursor()
                             : CursorShape::Arrow;
    if (wanted != cursor_) {
        cursor_ = wanted;
        backend_->SetCursor(wanted);
    }
}

void Application::AddForm(Form* form) {
    forms_.push_back(form);
}

void Application::RemoveForm(Form* form) {
    std::erase(forms_, form);
    if (mainForm_ == form) {
        mainForm_ = nullptr;
    }
    if (mouseForm_ == form) {
        mouseForm_ = nullptr;
    }
}

void Application::RaiseForm(Form* form) {
    std::erase(forms_, form);
    forms_.push_back(form);
}

void Application::OpenWindowOnce() {
    if (!composed_.Empty()) {
        return;
    }
    backend_->OpenWindow(title_);
    Point size = backend_->ScreenSize();
    composed_.Reset(size.X, size.Y, PixelFormat::Bgrx32);
    dirty_.push_back(composed_.Bounds());
}

void Application::InvalidateScreen(const Rect& area) {
    if (!area.IsEmpty()) {
        dirty_.push_back(area);
    }
}

void Application::PaintNow() {
    if (dirty_.empty()) {
        return;
    }
    OpenWindowOnce();
    std::vector<Rect> rects;
    rects.swap(dirty_);
    if (rects.size() > kMaxDirtyRects) {
        Rect all;
        for (const Rect& r : rects) {
            all = all.Union(r);
        }
        rects.assign(1, all);
    }
    for (Rect& r : rects) {
        r = r.Intersect(composed_.Bounds());
        if (r.IsEmpty()) {
            continue;
        }
        composed_.FillRect(r, {0, 0, 0});  // everything no form covers stays black
        for (Form* form : forms_) {
            if (!form->Visible()) {
                continue;
            }
            Rect area = r.Intersect(form->Bounds());
            if (area.IsEmpty()) {
                continue;
            }
            FormCanvas canvas(composed_, *form, area);
            form->Paint(canvas);
            for (Control* control : form->Controls()) {
                if (control->Visible()) {
                    control->Paint(canvas);
                }
            }
        }
    }
    std::erase_if(rects, [](const Rect& r) { return r.IsEmpty(); });
    if (!rects.empty()) {
        backend_->Present(composed_, rects);
    }
}

void Application::BringToFront() {
    backend_->Raise();
}

void Application::AddTimer(Timer* timer) {
    timers_.push_back(timer);
}

void Application::RemoveTimer(Timer* timer) {
    std::erase(timers_, timer);
}

std::optional<uint64_t> Application::NextTimerDue() const {
    std::optional<uint64_t> due;
    for (const Timer* t : timers_) {
        if (t->enabled_ && t->interval_ > 0 && (!due || t->due_ < *due)) {
            due = t->due_;
        }
    }
    return due;
}

bool Application::FireDueTimers() {
    uint64_t now = GetClock().Counter();
    std::vector<Timer*> due;
    for (Timer* t : timers_) {
        if (t->enabled_ && t->interval_ > 0 && t->due_ <= now) {
            due.push_back(t);
        }
    }
    bool fired = false;
    for (Timer* t : due) {
        // An earlier handler may have destroyed or stopped this timer.
        if (std::find(timers_.begin(), timers_.end(), t) == timers_.end() || !t->enabled_) {
            continue;
        }
        t->Restart();
        fired = true;
        if (t->OnTimer) {
            t->OnTimer();
        }
    }
    return fired;
}

}  // namespace platform
