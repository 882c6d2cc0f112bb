#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/backend.h"
#include "platform/bitmap.h"

namespace platform {

class Form;
class Timer;

// The GUI event loop. Created once on the GUI thread; forms, controls and timers belong to it.
class Application {
  public:
    explicit Application(std::unique_ptr<Backend> backend);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    static Application& Instance();
    static bool Exists();

    Point ScreenSize() { return backend_->ScreenSize(); }
    void SetTitle(const std::string& title);
    const std::string& Title() const { return title_; }

    // Runs the loop until the main form closes or Terminate is called.
    void Run(Form& mainForm);
    // Handles everything pending, without waiting.
    void ProcessMessages();
    // Runs a nested loop until done() holds (modal forms use it).
    void RunUntil(const std::function<bool()>& done);
    // Lets the one clock pass ms milliseconds while the loop runs (a manual clock jumps).
    void RunFor(uint32_t ms);
    void Terminate();
    bool Terminated() const { return terminated_; }
    Form* MainForm() const { return mainForm_; }

    // Any thread: runs fn on the GUI thread and returns once it has run; on the GUI thread
    // it runs at once. An exception thrown by fn reaches the caller.
    void Synchronize(const std::function<void()>& fn);
    // Any thread: queues fn to run on the GUI thread.
    void Post(std::function<void()> fn);
    bool IsGuiThread() const { return std::this_thread::get_id() == guiThread_; }
    // GUI thread: waits until done() holds, running only Synchronize requests meanwhile
    // (a worker the GUI thread waits for may need the GUI thread to finish).
    void WaitRunningSynchronized(const std::function<bool()>& done);
    // Any thread: lets waiting loops (WaitRunningSynchronized, RunUntil) look at their
    // condition again.
    void WakeWaiters();

    // GUI thread: whether the key is held down now, also while its press still waits to be
    // handled (a loop polling the arrow keys must not miss it). Throws std::logic_error on
    // another thread: the window system answers only there.
    bool IsKeyDown(Key key);

    // Forms, bottom to top; the top visible form is active and receives input.
    Form* ActiveForm() const;
    // Repaints every invalidated area now, without the loop (drawing loops call this).
    void PaintNow();
    // Marks a screen area for repainting.
    void InvalidateScreen(const Rect& area);
    // Brings the window to the front (a second copy of the program asked for it).
    void BringToFront();

  private:
    friend class Form;
    friend class Timer;
    struct SyncRequest;

    void AddForm(Form* form);
    void RemoveForm(Form* form);
    void RaiseForm(Form* form);
    void AddTimer(Timer* timer);
    void RemoveTimer(Timer* timer);

    void Step(bool mayWait);
    bool RunQueued();
    void Dispatch(const InputEvent& event);
    // Shows the pointer the control under the mouse asks for (the arrow elsewhere).
    void UpdateCursor();
    bool FireDueTimers();
    std::optional<uint64_t> NextTimerDue() const;
    bool HasQueued();
    void OpenWindowOnce();

    std::unique_ptr<Backend> backend_;
    std::string title_;
    std::thread::id guiThread_;
    bool terminated_ = false;
    Form* mainForm_ = nullptr;
    std::vector<Form*> forms_;
    std::vector<Timer*> timers_;
    Bitmap composed_;
    std::vector<Rect> dirty_;
    CursorShape cursor_ = CursorShape::Arrow;
    Form* mouseForm_ = nullptr;  // the form under the last mouse press, for its release

    std::mutex queueMutex_;
    std::condition_variable queueChanged_;
    std::deque<std::function<void()>> posted_;
    std::deque<std::shared_ptr<SyncRequest>> syncRequests_;
};

}  // namespace platform
