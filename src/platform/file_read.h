#pragma once

#include <cstdint>
#include <filesystem>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

namespace platform {

// A file that cannot be read whole: missing, a directory, an I/O error, or above the limit.
// The message says why in the system's words where there are some.
struct FileReadError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

inline constexpr std::uintmax_t NoFileSizeLimit = std::numeric_limits<std::uintmax_t>::max();

// Reads the whole file at path into memory; a file larger than limit bytes is refused before
// it is read. Throws FileReadError.
std::vector<uint8_t> ReadWholeFile(const std::filesystem::path& path,
                                   std::uintmax_t limit = NoFileSizeLimit);

// The same, as text (bytes unchanged).
std::string ReadWholeTextFile(const std::filesystem::path& path,
                              std::uintmax_t limit = NoFileSizeLimit);

}  // namespace platform
