#include "platform/headless/headless_backend.h"

#include <chrono>

namespace platform {

HeadlessBackend::HeadlessBackend(Point screenSize) : screenSize_(screenSize) {}

void HeadlessBackend::OpenWindow(const std::string& title) {
    if (windowOpen_) {
        return;
    }
    windowOpen_ = true;
    title_ = title;
    screen_.Reset(screenSize_.X, screenSize_.Y, PixelFormat::Bgrx32);
}

void HeadlessBackend::SetTitle(const std::string& title) {
    title_ = title;
}

void HeadlessBackend::Present(const Bitmap& screen, std::span<const Rect> rects) {
    if (!windowOpen_) {
        return;
    }
    for (const Rect& r : rects) {
        screen_.CopyRect(r, screen, r);
    }
}

bool HeadlessBackend::PollEvent(InputEvent& out) {
    std::lock_guard lock(mutex_);
    if (events_.empty()) {
        return false;
    }
    out = events_.front();
    events_.pop_front();
    return true;
}

bool HeadlessBackend::WaitEvent(InputEvent& out, int timeoutMs) {
    std::unique_lock lock(mutex_);
    auto ready = [&] { return !events_.empty() || woken_; };
    if (timeoutMs < 0) {
        wake_.wait(lock, ready);
    } else {
        wake_.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready);
    }
    woken_ = false;
    if (events_.empty()) {
        return false;
    }
    out = events_.front();
    events_.pop_front();
    return true;
}

void HeadlessBackend::Wake() {
    {
        std::lock_guard lock(mutex_);
        woken_ = true;
    }
    wake_.notify_all();
}

void HeadlessBackend::Raise() {
    ++raiseCount_;
}

bool HeadlessBackend::KeyHeld(Key key) {
    if (key == Key::Char || key >= Key::Count) {
        return false;
    }
    std::lock_guard lock(mutex_);
    return held_[static_cast<size_t>(key)];
}

void HeadlessBackend::Inject(const InputEvent& event) {
    {
        std::lock_guard lock(mutex_);
        // Like a keyboard: the key is down from the moment it is pressed, not once the
        // program has read the press.
        if ((event.type == InputEvent::Type::KeyDown || event.type == InputEvent::Type::KeyUp) &&
            event.key < Key::Count) {
            held_[static_cast<size_t>(event.key)] = event.type == InputEvent::Type::KeyDown;
        }
        events_.push_back(event);
    }
    wake_.notify_all();
}

namespace {

InputEvent KeyEvent(InputEvent::Type type, Key key, char32_t ch = 0) {
    InputEvent e;
    e.type = type;
    e.key = key;
    e.ch = ch;
    return e;
}

}  // namespace

void HeadlessBackend::PressKey(Key key, char32_t ch) {
    Inject(KeyEvent(InputEvent::Type::KeyDown, key, ch));
    Inject(KeyEvent(InputEvent::Type::KeyUp, key, ch));
}

void HeadlessBackend::HoldKey(Key key) {
    Inject(KeyEvent(InputEvent::Type::KeyDown, key));
}

void HeadlessBackend::ReleaseKey(Key key) {
    Inject(KeyEvent(InputEvent::Type::KeyUp, key));
}

void HeadlessBackend::MoveMouse(int x, int y) {
    InputEvent e;
    e.type = InputEvent::Type::MouseMove;
    e.x = x;
    e.y = y;
    Inject(e);
}

void HeadlessBackend::Click(int x, int y, MouseButton button) {
    MoveMouse(x, y);
    InputEvent e;
    e.type = InputEvent::Type::MouseDown;
    e.button = button;
    e.x = x;
    e.y = y;
    Inject(e);
    e.type = InputEvent::Type::MouseUp;
    Inject(e);
}

void HeadlessBackend::TurnWheel(int notches) {
    InputEvent e;
    e.type = InputEvent::Type::MouseWheel;
    e.wheel = notches;
    Inject(e);
}

void HeadlessBackend::DoubleClick(int x, int y) {
    Click(x, y);
    InputEvent e;
    e.type = InputEvent::Type::MouseDown;
    e.button = MouseButton::Left;
    e.x = x;
    e.y = y;
    e.clicks = 2;
    Inject(e);
    e.type = InputEvent::Type::MouseUp;
    Inject(e);
}

}  // namespace platform
