#include "platform/append_file.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

std::error_code LastError() {
    return std::error_code(errno, std::generic_category());
}

}  // namespace

std::error_code AppendWhole(const std::filesystem::path& path, std::string_view bytes) {
    // Non-blocking so that a FIFO in the file's place fails instead of waiting for a reader.
    const int fd = ::open(path.c_str(),
                          O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0600);
    if (fd < 0) {
        return LastError();
    }
    std::error_code error;
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        error = LastError();
    } else if (!S_ISREG(st.st_mode)) {
        // Appending to a device or a pipe cannot be taken back.
        error = std::make_error_code(std::errc::invalid_argument);
    }
    const off_t oldLength = st.st_size;
    std::string_view rest = bytes;
    while (!error && !rest.empty()) {
        const ssize_t n = ::write(fd, rest.data(), rest.size());
        if (n < 0) {
            if (errno != EINTR) {
                error = LastError();
            }
            continue;
        }
        rest.remove_prefix(static_cast<std::size_t>(n));
    }
    // Data the disk refuses late (full, quota) shows up at the flush, not at the write.
    if (!error && ::fsync(fd) != 0 && errno != EINVAL) {
        error = LastError();
    }
    if (error && S_ISREG(st.st_mode) && rest.size() != bytes.size()) {
        static_cast<void>(::ftruncate(fd, oldLength));
    }
    if (::close(fd) != 0 && !error) {
        error = LastError();
        static_cast<void>(::truncate(path.c_str(), oldLength));
    }
    return error;
}

}  // namespace platform
