#include "platform/file_read.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

namespace platform {

namespace {

template <class Buffer>
Buffer ReadWhole(const std::filesystem::path& path, std::uintmax_t limit) {
    if (limit != NoFileSizeLimit) {
        std::error_code ec;
        const auto size = std::filesystem::file_size(path, ec);
        if (ec) {
            throw FileReadError(ec.message());
        }
        if (size > limit) {
            throw FileReadError("too large");
        }
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw FileReadError(std::strerror(errno));
    }
    Buffer bytes;
    char chunk[64 * 1024];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        bytes.insert(bytes.end(), chunk, chunk + in.gcount());
        // The file may have grown since its size was asked.
        if (bytes.size() > limit) {
            throw FileReadError("too large");
        }
    }
    // A directory opens fine and fails on the first read.
    if (in.bad() || !in.eof()) {
        throw FileReadError("cannot be read");
    }
    return bytes;
}

}  // namespace

std::vector<uint8_t> ReadWholeFile(const std::filesystem::path& path, std::uintmax_t limit) {
    return ReadWhole<std::vector<uint8_t>>(path, limit);
}

std::string ReadWholeTextFile(const std::filesystem::path& path, std::uintmax_t limit) {
    return ReadWhole<std::string>(path, limit);
}

}  // namespace platform
