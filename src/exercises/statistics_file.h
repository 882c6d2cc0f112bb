#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace exercises {

// Bytes of a series record before its attempt entries.
inline constexpr std::size_t SeriesHeaderSize = 32;
// A statistics file longer than this is full: it is moved aside and a new one started.
inline constexpr std::uintmax_t StatisticsFileLimit = 1'000'000;

// Where the statistics file lives: "st.bin" beside the data when the run is portable (its data
// is not the installed data) and that folder is writable, otherwise in the user's data folder
// ($XDG_DATA_HOME/vimbaro, else ~/.local/share/vimbaro).
std::filesystem::path StatisticsFilePath();
// The same rule for given places; dataHome is the user's data folder, if there is one.
std::filesystem::path ChooseStatisticsFilePath(
    const std::filesystem::path& dataRoot, const std::filesystem::path& installedDataDir,
    bool dataRootWritable, const std::optional<std::filesystem::path>& dataHome);

// Appends one series record to file as a whole, creating the file and its folder. A file
// over StatisticsFileLimit is first renamed to "st-<stamp>.bin" beside it (a free name: an
// older file is never overwritten). False when the record was not written; standard error
// then names the file and the reason.
bool AppendStatisticsRecord(const std::filesystem::path& file, std::string_view record,
                            std::string_view stamp);

}  // namespace exercises
