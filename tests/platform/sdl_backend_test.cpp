#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>

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

// The arrow keys are polled, not followed by events: the window system's own key state must
// say which are held, from the press to the release, whether or not the events were read.
TEST(SdlBackend, AHeldArrowKeyReadsDownUntilItIsReleased) {
    using platform::Key;
    PrivateXServer x;
    if (!x.Started()) {
        GTEST_SKIP() << "Xvfb and xdotool are needed";
    }
    ScopedEnv display("DISPLAY", x.Display().c_str());
    ScopedEnv wayland("WAYLAND_DISPLAY", nullptr);
    ScopedEnv driver("SDL_VIDEODRIVER", "x11");
    std::unique_ptr<platform::Backend> backend = platform::CreateSdlBackend();
    backend->OpenWindow("vimbaro-keys");
    backend->Raise();
    auto readEvents = [&] {
        platform::InputEvent e;
        while (backend->PollEvent(e)) {
        }
    };
    auto xdotool = [](const std::string& args) {
        return std::system(("xdotool " + args + " >/dev/null 2>&1").c_str()) == 0;
    };
    ASSERT_TRUE(Eventually([&] {
        readEvents();
        return xdotool("search --name '^vimbaro-keys$' windowfocus --sync");
    }));

    // Held, with every event read, and only that key.
    ASSERT_TRUE(xdotool("keydown Right"));
    EXPECT_TRUE(Eventually([&] {
        readEvents();
        return backend->KeyHeld(Key::Right);
    }));
    readEvents();
    EXPECT_TRUE(backend->KeyHeld(Key::Right));
    EXPECT_FALSE(backend->KeyHeld(Key::Left));
    EXPECT_FALSE(backend->KeyHeld(Key::Down));

    // Held while nobody reads the events: the question itself takes the press in.
    ASSERT_TRUE(xdotool("keydown Up"));
    EXPECT_TRUE(Eventually([&] { return backend->KeyHeld(Key::Up); }));
    EXPECT_TRUE(backend->KeyHeld(Key::Right));

    ASSERT_TRUE(xdotool("keyup Right keyup Up"));
    EXPECT_TRUE(Eventually([&] {
        readEvents();
        return !backend->KeyHeld(Key::Right) && !backend->KeyHeld(Key::Up);
    }));
}

}  // namespace
