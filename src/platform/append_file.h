#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace platform {

// Appends bytes to the file at path (created, private to the user, when missing) as one whole:
// when the write stops part-way, the file is cut back to the length it had before, so a reader
// never meets half a record. Returns the error that stopped it, or an empty error code.
// Never throws.
std::error_code AppendWhole(const std::filesystem::path& path, std::string_view bytes);

}  // namespace platform
