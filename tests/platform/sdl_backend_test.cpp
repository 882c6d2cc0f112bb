#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

#include "platform/backend.h"

namespace {

// Sets or clears one environment variable for the life of the object.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        if (value != nullptr) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    const char* name_;
    std::optional<std::string> old_;
};

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

}  // namespace
