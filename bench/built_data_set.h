#pragma once

#include <filesystem>

#include "media/data_paths.h"
#include "platform/install_dirs.h"

// The data set the build makes lies beside the bench folder, not beside the benchmark
// program: use it when the usual places hold none.
inline void UseTheBuiltDataSet() {
    const std::filesystem::path built = platform::ExecutableDir().parent_path() / "Data";
    if (!std::filesystem::is_directory(media::DataRoot() / "Intf") &&
        std::filesystem::is_directory(built / "Intf")) {
        media::SetDataRootForTesting(built);
    }
}
