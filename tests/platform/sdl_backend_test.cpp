#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

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

}  // namespace
