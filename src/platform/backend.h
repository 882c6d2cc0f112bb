#pragma once

#include <memory>
#include <span>
#include <string>

#include "platform/bitmap.h"
#include "platform/geometry.h"
#include "platform/input.h"

namespace platform {

// What the application needs from a window system. The SDL backend talks to a real
// display; the headless backend keeps the screen in memory and takes injected input.
class Backend {
  public:
    virtual ~Backend() = default;
    // The primary screen's size in pixels.
    virtual Point ScreenSize() = 0;
    // Opens the one full-screen, borderless window (once; later calls do nothing).
    virtual void OpenWindow(const std::string& title) = 0;
    virtual void SetTitle(const std::string& title) = 0;
    // Shows the given rectangles of the composed screen (screen-sized, Bgrx32).
    virtual void Present(const Bitmap& screen, std::span<const Rect> rects) = 0;
    // Takes one pending event without waiting.
    virtual bool PollEvent(InputEvent& out) = 0;
    // Waits up to timeoutMs (negative: without limit) for an event or a Wake.
    virtual bool WaitEvent(InputEvent& out, int timeoutMs) = 0;
    // Any thread: ends a WaitEvent early.
    virtual void Wake() = 0;
    // Brings the window in front of other windows and gives it the input focus.
    virtual void Raise() = 0;
    // GUI thread: whether the key is held down now, even when its press is still waiting
    // in the queue. Letters (Key::Char) are not told apart and read as not held.
    virtual bool KeyHeld(Key key) = 0;
    // GUI thread: the pointer's look from now on.
    virtual void SetCursor(CursorShape shape) = 0;
};

// Opens the SDL video subsystem; throws std::runtime_error when there is no usable display.
std::unique_ptr<Backend> CreateSdlBackend();

}  // namespace platform
