#include "platform/install_dirs.h"

#include <system_error>

#ifndef VIMBARO_INSTALLED_DATA_DIR
#error "VIMBARO_INSTALLED_DATA_DIR must be defined by the build"
#endif

namespace platform {

std::string InstalledDataDir() {
    return VIMBARO_INSTALLED_DATA_DIR;
}

std::filesystem::path ExecutableDir() {
    // Linux names the running binary through this link; elsewhere it is simply absent.
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) {
        return {};
    }
    return exe.parent_path();
}

}  // namespace platform
