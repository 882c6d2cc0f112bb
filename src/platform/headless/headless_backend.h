#pragma once

#include <array>
#include <condition_variable>
#include <deque>
#include <mutex>

#include "platform/backend.h"

namespace platform {

// A window system in memory: tests inject input and read what reached the "screen".
class HeadlessBackend final : public Backend {
  public:
    explicit HeadlessBackend(Point screenSize = {1280, 1024});

    Point ScreenSize() override { return screenSize_; }
    void OpenWindow(const std::string& title) override;
    void SetTitle(const std::string& title) override;
    void Present(const Bitmap& screen, std::span<const Rect> rects) override;
    bool PollEvent(InputEvent& out) override;
    bool WaitEvent(InputEvent& out, int timeoutMs) override;
    void Wake() override;
    void Raise() override;
    bool KeyHeld(Key key) override;
    void SetCursor(CursorShape shape) override { cursor_ = shape; }

    // Input, from any thread. A key is held from its injected press to its injected release.
    void Inject(const InputEvent& event);
    void PressKey(Key key, char32_t ch = 0);  // key down and up
    void HoldKey(Key key);                    // key down only
    void ReleaseKey(Key key);                 // key up
    void MoveMouse(int x, int y);
    void Click(int x, int y, MouseButton button = MouseButton::Left);
    void DoubleClick(int x, int y);
    void TurnWheel(int notches);  // away from the user positive

    // What the window shows now (screen-sized once the window is open).
    const Bitmap& Screen() const { return screen_; }
    bool WindowOpen() const { return windowOpen_; }
    const std::string& Title() const { return title_; }
    int RaiseCount() const { return raiseCount_; }
    CursorShape Cursor() const { return cursor_; }

  private:
    Point screenSize_;
    Bitmap screen_;
    bool windowOpen_ = false;
    std::string title_;
    int raiseCount_ = 0;
    CursorShape cursor_ = CursorShape::Arrow;

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<InputEvent> events_;
    std::array<bool, static_cast<size_t>(Key::Count)> held_{};
    bool woken_ = false;
};

}  // namespace platform
