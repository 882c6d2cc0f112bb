#include "platform/user_dirs.h"

#include <cerrno>
#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

std::optional<std::filesystem::path> AbsoluteFrom(const char* value) {
    if (value == nullptr || *value == '\0') {
        return std::nullopt;
    }
    std::filesystem::path p(value);
    if (!p.is_absolute()) {
        return std::nullopt;
    }
    return p;
}

}  // namespace

std::optional<std::filesystem::path> XdgBaseDir(const char* variable,
                                                const std::filesystem::path& homeFallback) {
    if (auto base = AbsoluteFrom(std::getenv(variable))) {
        return base;
    }
    if (auto home = AbsoluteFrom(std::getenv("HOME"))) {
        return *home / homeFallback;
    }
    return std::nullopt;
}

bool MakePrivateFolders(const std::filesystem::path& dir) {
    std::filesystem::path partial;
    for (const auto& part : dir) {
        partial /= part;
        if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST) {
            return false;
        }
    }
    struct stat st {};
    return ::stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsWritableFolder(const std::filesystem::path& dir) {
    struct stat st {};
    return ::stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
           ::access(dir.c_str(), W_OK | X_OK) == 0;
}

}  // namespace platform
