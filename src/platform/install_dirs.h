#pragma once

#include <filesystem>
#include <string>

namespace platform {

// The data directory of an installed copy, fixed when the program is built.
std::string InstalledDataDir();

// The directory that holds the running executable; empty when it cannot be found.
std::filesystem::path ExecutableDir();

}  // namespace platform
