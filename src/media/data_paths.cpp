#include "media/data_paths.h"

#include <mutex>
#include <system_error>
#include <utility>

#include "catalog/screen_geometry.h"
#include "platform/install_dirs.h"

using namespace catalog;

namespace media {

namespace fs = std::filesystem;

namespace {

fs::path& RootOverride() {
    static fs::path root;
    return root;
}

struct RequestObserver {
    std::mutex Lock;
    std::function<void(const std::string&)> Observer;
};

RequestObserver& Requests() {
    static RequestObserver requests;
    return requests;
}

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

bool IsDirectory(const fs::path& path) {
    std::error_code ec;
    return !path.empty() && fs::is_directory(path, ec);
}

// A folder called Data can be anything (an empty one, another program's): it is taken for a
// data set only when it holds the interface pictures and the picture libraries, which every
// data set has and the forms read first.
bool LooksLikeDataSet(const fs::path& dir) {
    return IsDirectory(dir / "Intf") && IsDirectory(dir / "Lib");
}

}  // namespace

std::string NativePath(std::string_view partPath) {
    std::string out;
    out.reserve(partPath.size() + 32);
    bool lastWasSeparator = false;
    for (char c : partPath) {
        if (IsSeparator(c)) {
            if (!lastWasSeparator) {
                out.push_back('/');
            }
            lastWasSeparator = true;
        } else {
            out.push_back(c);
            lastWasSeparator = false;
        }
    }
    constexpr std::string_view kData = "Data";
    if (out.starts_with(kData) && (out.size() == kData.size() || out[kData.size()] == '/')) {
        std::string root = DataRoot().generic_string();
        while (root.size() > 1 && root.back() == '/') {
            root.pop_back();
        }
        out.replace(0, kData.size(), root);
    }
    return out;
}

fs::path ChooseDataRoot(const fs::path& workingDir, const fs::path& executableDir,
                        const fs::path& installedDir) {
    for (const fs::path& dir : {workingDir, executableDir}) {
        if (!dir.empty() && LooksLikeDataSet(dir / "Data")) {
            return dir / "Data";
        }
    }
    return installedDir;
}

fs::path DataRoot() {
    if (!RootOverride().empty()) {
        return RootOverride();
    }
    std::error_code ec;
    fs::path workingDir = fs::current_path(ec);
    if (ec) {
        workingDir.clear();
    }
    return ChooseDataRoot(workingDir, platform::ExecutableDir(), platform::InstalledDataDir());
}

void SetDataRootForTesting(fs::path root) {
    RootOverride() = std::move(root);
}

std::string SizeSuffix() {
    return Geometry().ScreenMode >= 3 ? "_b" : "_s";
}

std::string PairSuffix(bool onWhite) {
    return onWhite ? "_W" : "_B";
}

bool FileExists(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

void SetResourceRequestObserver(std::function<void(const std::string& relativePath)> observer) {
    RequestObserver& requests = Requests();
    std::lock_guard<std::mutex> lock(requests.Lock);
    requests.Observer = std::move(observer);
}

void NoteResourceRequest(const fs::path& fullPath) {
    RequestObserver& requests = Requests();
    std::lock_guard<std::mutex> lock(requests.Lock);
    if (!requests.Observer) {
        return;
    }
    std::error_code fileError;
    std::error_code rootError;
    const fs::path file = fs::absolute(fullPath, fileError).lexically_normal();
    fs::path root = fs::absolute(DataRoot(), rootError).lexically_normal();
    if (fileError || rootError) {
        return;
    }
    // "/data/" would make every file below it look like "../name".
    if (!root.has_filename()) {
        root = root.parent_path();
    }
    const fs::path relative = file.lexically_relative(root);
    if (relative.empty() || *relative.begin() == ".." || relative == ".") {
        return;
    }
    requests.Observer(relative.generic_string());
}

}  // namespace media
