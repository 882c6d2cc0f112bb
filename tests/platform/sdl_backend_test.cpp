#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "media/scoped_temp_dir.h"
#include "platform/backend.h"
#include "scoped_env.h"

namespace {

// A display that does not answer must end start-up with an error. Running on with a window
// nobody sees would also keep every later start handing over to this invisible copy.
TEST(SdlBackend, UnreachableDisplayIsAnErrorNotAnInvisibleWindow) {
    if (std::filesystem::exists("/dev/dri")) {
        GTEST_SKIP() << "a graphics device could serve as a display here";
    }
    ScopedEnv display("DISPLAY", ":59713");
    ScopedEnv wayland("WAYLAND_DISPLAY", nullptr);
    ScopedEnv driver("SDL_VIDEODRIVER", nullptr);
    EXPECT_THROW(platform::CreateSdlBackend(), std::runtime_error);
}

// Asked for by name, the driver without a screen is used (tests and the no-display start).
TEST(SdlBackend, DriverWithoutScreenServesWhenAskedFor) {
    ScopedEnv driver("SDL_VIDEODRIVER", "dummy");
    EXPECT_NE(platform::CreateSdlBackend(), nullptr);
}

// A private X server for one test, so real key presses can reach a real SDL window without
// touching the user's display. Started() is false when the tools are not installed.
class PrivateXServer {
  public:
    PrivateXServer() {
        if (std::system("command -v Xvfb >/dev/null && command -v xdotool >/dev/null") != 0) {
            return;
        }
        const std::string number = (dir_.Path() / "display").string();
        const std::string pid = (dir_.Path() / "pid").string();
        // The server picks a free display number and writes it once it accepts clients.
        const std::string start = "Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>'" +
                                  number + "' >/dev/null 2>&1 & echo $! >'" + pid + "'";
        if (std::system(start.c_str()) != 0) {
            return;
        }
        std::ifstream(pid) >> pid_;
        for (int attempt = 0; attempt < 200 && display_.empty(); ++attempt) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            std::string n;
            if (std::ifstream(number) >> n) {
                display_ = ":" + n;
            }
        }
    }
    ~PrivateXServer() {
        if (!pid_.empty()) {
            std::system(("kill " + pid_ + " 2>/dev/null").c_str());
        }
    }
    PrivateXServer(const PrivateXServer&) = delete;
    PrivateXServer& operator=(const PrivateXServer&) = delete;

    bool Started() const { return !display_.empty(); }
    const std::string& Display() const { return display_; }

  private:
    ScopedTempDir dir_;
    std::string pid_;
    std::string display_;
};

// Asks until the condition holds; false when it never did (a bound, so a fault fails the
// test rather than hanging it).
bool Eventually(const std::function<bool()>& done) {
    for (int attempt = 0; attempt < 500; ++attempt) {
        if (done()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

// A real SDL window on a private X server, focused, with xdotool to press keys and buttons.
class SdlOnPrivateX : public testing::Test {
  protected:
    void SetUp() override {
        if (!x_.Started()) {
            GTEST_SKIP() << "Xvfb and xdotool are needed";
        }
        display_.emplace("DISPLAY", x_.Display().c_str());
        wayland_.emplace("WAYLAND_DISPLAY", nullptr);
        driver_.emplace("SDL_VIDEODRIVER", "x11");
        backend_ = platform::CreateSdlBackend();
        backend_->OpenWindow("vimbaro-input");
        backend_->Raise();
        ASSERT_TRUE(Eventually([&] {
            Read();
            return Xdotool("search --name '^vimbaro-input$' windowfocus --sync");
        }));
        Read();
    }
    void TearDown() override { backend_.reset(); }

    static bool Xdotool(const std::string& args) {
        return std::system(("xdotool " + args + " >/dev/null 2>&1").c_str()) == 0;
    }
    // Takes in every pending event, keeping them in events_.
    void Read() {
        platform::InputEvent e;
        while (backend_->PollEvent(e)) {
            events_.push_back(e);
        }
    }
    // Waits until an event of that type has arrived and hands back the first one.
    std::optional<platform::InputEvent> First(platform::InputEvent::Type type) {
        std::optional<platform::InputEvent> found;
        Eventually([&] {
            Read();
            for (const auto& e : events_) {
                if (e.type == type) {
                    found = e;
                    return true;
                }
            }
            return false;
        });
        return found;
    }

    PrivateXServer x_;
    std::optional<ScopedEnv> display_, wayland_, driver_;
    std::unique_ptr<platform::Backend> backend_;
    std::vector<platform::InputEvent> events_;
};

// The arrow keys are polled, not followed by events: the window system's own key state must
// say which are held, from the press to the release, whether or not the events were read.
TEST_F(SdlOnPrivateX, AHeldArrowKeyReadsDownUntilItIsReleased) {
    using platform::Key;
    // Held, with every event read, and only that key.
    ASSERT_TRUE(Xdotool("keydown Right"));
    EXPECT_TRUE(Eventually([&] {
        Read();
        return backend_->KeyHeld(Key::Right);
    }));
    Read();
    EXPECT_TRUE(backend_->KeyHeld(Key::Right));
    EXPECT_FALSE(backend_->KeyHeld(Key::Left));
    EXPECT_FALSE(backend_->KeyHeld(Key::Down));

    // Held while nobody reads the events: the question itself takes the press in.
    ASSERT_TRUE(Xdotool("keydown Up"));
    EXPECT_TRUE(Eventually([&] { return backend_->KeyHeld(Key::Up); }));
    EXPECT_TRUE(backend_->KeyHeld(Key::Right));

    ASSERT_TRUE(Xdotool("keyup Right keyup Up"));
    EXPECT_TRUE(Eventually([&] {
        Read();
        return !backend_->KeyHeld(Key::Right) && !backend_->KeyHeld(Key::Up);
    }));
}

// What the window system sends arrives as the program's own events: the keys it knows, a
// letter as its character, both buttons where the pointer stands, the wheel's direction.
TEST_F(SdlOnPrivateX, WindowSystemInputArrivesAsTheProgramsEvents) {
    using platform::InputEvent;
    using platform::Key;
    using platform::MouseButton;
    using Type = InputEvent::Type;
    struct Case {
        const char* what;
        std::string press;  // xdotool arguments
        Type type;
        Key key;
        char32_t ch;
        MouseButton button;
        int wheel;
    };
    const Case cases[] = {
        {"Escape", "key Escape", Type::KeyDown, Key::Escape, 0, MouseButton::None, 0},
        {"Enter", "key Return", Type::KeyUp, Key::Enter, 0, MouseButton::None, 0},
        {"letter k", "key k", Type::KeyDown, Key::Char, U'k', MouseButton::None, 0},
        {"left button", "mousemove --window %1 40 30 click 1", Type::MouseUp, Key::Unknown, 0,
         MouseButton::Left, 0},
        {"right button", "mousemove --window %1 40 30 click 3", Type::MouseDown, Key::Unknown, 0,
         MouseButton::Right, 0},
        {"wheel away", "click 4", Type::MouseWheel, Key::Unknown, 0, MouseButton::None, 1},
        {"wheel towards", "click 5", Type::MouseWheel, Key::Unknown, 0, MouseButton::None, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        events_.clear();
        ASSERT_TRUE(Xdotool("search --name '^vimbaro-input$' " + c.press));
        const std::optional<InputEvent> e = First(c.type);
        ASSERT_TRUE(e.has_value());
        EXPECT_EQ(e->key, c.key);
        EXPECT_EQ(e->ch, c.ch);
        EXPECT_EQ(e->button, c.button);
        EXPECT_EQ(e->wheel, c.wheel);
        if (c.button != MouseButton::None) {
            EXPECT_EQ(e->x, 40);  // the window fills the screen from its corner
            EXPECT_EQ(e->y, 30);
        }
    }
}

}  // namespace
