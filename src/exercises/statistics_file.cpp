#include "exercises/statistics_file.h"

#include <iostream>
#include <string>
#include <system_error>

#include "media/data_paths.h"
#include "platform/append_file.h"
#include "platform/install_dirs.h"
#include "platform/user_dirs.h"

namespace fs = std::filesystem;

namespace exercises {

namespace {

constexpr std::string_view FileName = "st.bin";

bool SamePlace(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) {
        return true;
    }
    // Compared as folders, so that a trailing separator does not make a difference.
    return (a / "").lexically_normal() == (b / "").lexically_normal();
}

void ReportFailure(const fs::path& file, const std::string& reason) {
    std::cerr << "vimbaro: cannot write the statistics file " << file.string() << ": " << reason
              << std::endl;
}

// "st-<stamp>.bin" beside file, or "st-<stamp>-2.bin" and so on when that is taken.
fs::path AsideName(const fs::path& file, std::string_view stamp) {
    const std::string base = "st-" + std::string(stamp);
    fs::path candidate = file.parent_path() / (base + ".bin");
    std::error_code ec;
    for (int n = 2; fs::symlink_status(candidate, ec).type() != fs::file_type::not_found; ++n) {
        candidate = file.parent_path() / (base + "-" + std::to_string(n) + ".bin");
    }
    return candidate;
}

}  // namespace

fs::path ChooseStatisticsFilePath(const fs::path& dataRoot, const fs::path& installedDataDir,
                                  bool dataRootWritable, const std::optional<fs::path>& dataHome) {
    const bool portable = !SamePlace(dataRoot, installedDataDir);
    if ((portable && dataRootWritable) || !dataHome) {
        // Without a user data folder the data folder is the only place left; a failure to
        // write there is reported like any other.
        return dataRoot / FileName;
    }
    return *dataHome / "vimbaro" / FileName;
}

fs::path StatisticsFilePath() {
    const fs::path root = media::DataRoot();
    return ChooseStatisticsFilePath(root, platform::InstalledDataDir(),
                                    platform::IsWritableFolder(root),
                                    platform::XdgBaseDir("XDG_DATA_HOME", ".local/share"));
}

bool AppendStatisticsRecord(const fs::path& file, std::string_view record, std::string_view stamp) {
    try {
        const fs::path folder = file.parent_path();
        if (!folder.empty() && !platform::MakePrivateFolders(folder)) {
            ReportFailure(file, "its folder cannot be created");
            return false;
        }
        std::error_code ec;
        const std::uintmax_t length = fs::file_size(file, ec);
        if (!ec && length > StatisticsFileLimit) {
            // A full file keeps its series under a dated name; the new one starts empty.
            const fs::path aside = AsideName(file, stamp);
            fs::rename(file, aside, ec);
            if (ec) {
                ReportFailure(file, "it is full and cannot be moved aside: " + ec.message());
                return false;
            }
            std::cerr << "vimbaro: the statistics file was full and is now " << aside.string()
                      << std::endl;
        }
        if (const std::error_code error = platform::AppendWhole(file, record)) {
            ReportFailure(file, error.message());
            return false;
        }
        return true;
    } catch (const std::exception& e) {
        ReportFailure(file, e.what());
        return false;
    }
}

}  // namespace exercises
