#include <SDL.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/backend.h"

namespace platform {
namespace {

Key TranslateKey(SDL_Keycode sym, char32_t& ch) {
    ch = 0;
    switch (sym) {
        case SDLK_LEFT:
            return Key::Left;
        case SDLK_RIGHT:
            return Key::Right;
        case SDLK_UP:
            return Key::Up;
        case SDLK_DOWN:
            return Key::Down;
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return Key::Enter;
        case SDLK_BACKSPACE:
            return Key::Backspace;
        case SDLK_ESCAPE:
            return Key::Escape;
        case SDLK_SPACE:
            return Key::Space;
        case SDLK_TAB:
            return Key::Tab;
        case SDLK_PAGEUP:
            return Key::PageUp;
        case SDLK_PAGEDOWN:
            return Key::PageDown;
        case SDLK_HOME:
            return Key::Home;
        case SDLK_END:
            return Key::End;
        default:
            break;
    }
    if ((sym >= SDLK_a && sym <= SDLK_z) || (sym >= SDLK_0 && sym <= SDLK_9)) {
        ch = static_cast<char32_t>(sym);
        return Key::Char;
    }
    return Key::Unknown;
}

MouseButton TranslateButton(Uint8 button) {
    switch (button) {
        case SDL_BUTTON_LEFT:
            return MouseButton::Left;
        case SDL_BUTTON_RIGHT:
            return MouseButton::Right;
        case SDL_BUTTON_MIDDLE:
            return MouseButton::Middle;
        default:
            return MouseButton::None;
    }
}

// How often and how far apart the window system is tried: an X server that has just started
// or is resetting after its last client refuses connections for a moment.
constexpr int kVideoAttempts = 10;
constexpr Uint32 kVideoRetryMs = 200;

// SDL's drivers that draw into memory only.
bool IsInvisibleDriver(const char* name) {
    return name != nullptr &&
           (std::strcmp(name, "offscreen") == 0 || std::strcmp(name, "dummy") == 0);
}

// Opens SDL's video on the window system. When that does not answer, SDL quietly falls back
// to a driver that shows nothing, and a program nobody can see would hold the single-copy
// lock for ever; such a driver is taken only when SDL_VIDEODRIVER names it.
void InitVideo() {
    const char* requested = SDL_getenv("SDL_VIDEODRIVER");
    const bool driverRequested = requested != nullptr && *requested != '\0';
    std::string failure;
    for (int attempt = 1;; ++attempt) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
            failure = SDL_GetError();
        } else if (driverRequested || !IsInvisibleDriver(SDL_GetCurrentVideoDriver())) {
            return;
        } else {
            SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
            failure = "the window system does not answer";
        }
        if (attempt == kVideoAttempts) {
            throw std::runtime_error("no display: " + failure);
        }
        SDL_Delay(kVideoRetryMs);
    }
}

class SdlBackend final : public Backend {
  public:
    SdlBackend() {
        // The frame goes to the window surface: no GL context, quick to map, small.
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
        InitVideo();
        wakeEvent_ = SDL_RegisterEvents(1);
    }

    ~SdlBackend() override {
        for (SDL_Cursor* cursor : {arrow_, hand_}) {
            if (cursor != nullptr) {
                SDL_FreeCursor(cursor);
            }
        }
        if (frame_ != nullptr) {
            SDL_FreeSurface(frame_);
        }
        if (window_ != nullptr) {
            SDL_DestroyWindow(window_);
        }
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    }

    Point ScreenSize() override {
        SDL_DisplayMode mode;
        if (SDL_GetDesktopDisplayMode(0, &mode) != 0) {
            return {0, 0};
        }
        return {mode.w, mode.h};
    }

    void OpenWindow(const std::string& title) override {
        if (window_ != nullptr) {
            return;
        }
        // Made at its final place and size, the window shows at once; the full-screen request
        // waits for the window manager's answer, so it is made after the first picture is up.
        Point size = ScreenSize();
        window_ = SDL_CreateWindow(title.c_str(), 0, 0, size.X, size.Y, SDL_WINDOW_BORDERLESS);
        if (window_ == nullptr) {
            throw std::runtime_error(std::string("cannot open the window: ") + SDL_GetError());
        }
        SDL_ShowCursor(SDL_ENABLE);
    }

    void SetTitle(const std::string& title) override {
        if (window_ != nullptr) {
            SDL_SetWindowTitle(window_, title.c_str());
        }
    }

    void Present(const Bitmap& screen, std::span<const Rect> rects) override {
        if (window_ == nullptr) {
            return;
        }
        SDL_Surface* surface = SDL_GetWindowSurface(window_);
        if (surface == nullptr) {
            return;
        }
        // Wrap the composed frame once; blitting converts to whatever the window uses.
        if (frame_ == nullptr || framePixels_ != screen.Row(0)) {
            if (frame_ != nullptr) {
                SDL_FreeSurface(frame_);
            }
            frame_ = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint8_t*>(screen.Row(0)),
                                                        screen.Width(), screen.Height(), 32,
                                                        screen.Stride(), SDL_PIXELFORMAT_XRGB8888);
            framePixels_ = screen.Row(0);
            if (frame_ == nullptr) {
                return;
            }
        }
        std::vector<SDL_Rect> sdlRects;
        sdlRects.reserve(rects.size());
        for (const Rect& r : rects) {
            SDL_Rect s{r.Left, r.Top, r.Width(), r.Height()};
            SDL_Rect d = s;
            SDL_BlitSurface(frame_, &s, surface, &d);
            sdlRects.push_back(s);
        }
        SDL_UpdateWindowSurfaceRects(window_, sdlRects.data(), static_cast<int>(sdlRects.size()));
        if (!fullScreen_) {
            // Full screen keeps the game above panels and task bars where a window manager
            // runs.
            fullScreen_ = true;
            SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
        }
    }

    bool PollEvent(InputEvent& out) override {
        SDL_Event e;
        while (SDL_PollEvent(&e) != 0) {
            if (Translate(e, out)) {
                return true;
            }
        }
        return false;
    }

    bool WaitEvent(InputEvent& out, int timeoutMs) override {
        SDL_Event e;
        int got = timeoutMs < 0 ? SDL_WaitEvent(&e) : SDL_WaitEventTimeout(&e, timeoutMs);
        return got != 0 && Translate(e, out);
    }

    void Wake() override {
        SDL_Event e{};
        e.type = wakeEvent_;
        SDL_PushEvent(&e);
    }

    void Raise() override {
        if (window_ != nullptr) {
            SDL_ShowWindow(window_);
            SDL_RestoreWindow(window_);
            SDL_RaiseWindow(window_);
        }
    }

    bool KeyHeld(Key key) override {
        if (key == Key::Char || key == Key::Unknown) {
            return false;
        }
        // Takes in what the window system has sent meanwhile (the events stay queued), so a
        // key pressed while the loop was busy elsewhere reads as held. Once a millisecond is
        // enough: the key poll asks for its four arrow keys one after the other.
        const Uint64 now = SDL_GetTicks64();
        if (now != lastPump_) {
            lastPump_ = now;
            SDL_PumpEvents();
        }
        int count = 0;
        const Uint8* state = SDL_GetKeyboardState(&count);
        for (int code = 0; code < count; ++code) {
            char32_t ch = 0;
            if (state[code] != 0 &&
                TranslateKey(SDL_GetKeyFromScancode(static_cast<SDL_Scancode>(code)), ch) == key) {
                return true;
            }
        }
        return false;
    }

    void SetCursor(CursorShape shape) override {
        SDL_Cursor*& cursor = shape == CursorShape::Hand ? hand_ : arrow_;
        if (cursor == nullptr) {
            cursor = SDL_CreateSystemCursor(shape == CursorShape::Hand ? SDL_SYSTEM_CURSOR_HAND
                                                                       : SDL_SYSTEM_CURSOR_ARROW);
        }
        // A window system without that pointer keeps the one it shows.
        if (cursor != nullptr) {
            SDL_SetCursor(cursor);
        }
    }

  private:
    bool Translate(const SDL_Event& e, InputEvent& out) {
        out = InputEvent{};
        switch (e.type) {
            case SDL_QUIT:
                out.type = InputEvent::Type::Quit;
                return true;
            case SDL_WINDOWEVENT:
                if (e.window.event == SDL_WINDOWEVENT_EXPOSED ||
                    e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
                    // A resized window surface must be fetched again.
                    if (frame_ != nullptr) {
                        SDL_FreeSurface(frame_);
                        frame_ = nullptr;
                    }
                    out.type = InputEvent::Type::Expose;
                    return true;
                }
                return false;
            case SDL_KEYDOWN:
            case SDL_KEYUP:
                out.type =
                    e.type == SDL_KEYDOWN ? InputEvent::Type::KeyDown : InputEvent::Type::KeyUp;
                out.key = TranslateKey(e.key.keysym.sym, out.ch);
                return out.key != Key::Unknown;
            case SDL_MOUSEMOTION:
                out.type = InputEvent::Type::MouseMove;
                out.x = e.motion.x;
                out.y = e.motion.y;
                return true;
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP:
                out.type = e.type == SDL_MOUSEBUTTONDOWN ? InputEvent::Type::MouseDown
                                                         : InputEvent::Type::MouseUp;
                out.button = TranslateButton(e.button.button);
                out.x = e.button.x;
                out.y = e.button.y;
                out.clicks = e.button.clicks;
                return out.button != MouseButton::None;
            case SDL_MOUSEWHEEL:
                out.type = InputEvent::Type::MouseWheel;
                out.wheel = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
                return out.wheel != 0;
            default:
                return false;
        }
    }

    SDL_Window* window_ = nullptr;
    bool fullScreen_ = false;
    Uint64 lastPump_ = 0;
    SDL_Surface* frame_ = nullptr;
    const uint8_t* framePixels_ = nullptr;
    Uint32 wakeEvent_ = 0;
    SDL_Cursor* arrow_ = nullptr;
    SDL_Cursor* hand_ = nullptr;
};

}  // namespace

std::unique_ptr<Backend> CreateSdlBackend() {
    return std::make_unique<SdlBackend>();
}

}  // namespace platform
