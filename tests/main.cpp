#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

// Tests never touch the user's settings or a real display and sound card.
int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    fs::path home = fs::temp_directory_path() / ("vimbaro-tests-" + std::to_string(::getpid()));
    fs::create_directories(home / "config");
    fs::create_directories(home / "data");
    fs::create_directories(home / "runtime");
    fs::permissions(home / "runtime", fs::perms::owner_all);
    setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
    setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (home / "runtime").c_str(), 1);
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ::testing::InitGoogleTest(&argc, argv);
    int rc = RUN_ALL_TESTS();
    std::error_code ec;
    fs::remove_all(home, ec);
    return rc;
}
