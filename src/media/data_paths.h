#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace media {

// Shown whenever a picture or library picture cannot be loaded.
inline constexpr std::string_view ResourceMissingText = "Brak Zasobów\nPrzeinstaluj Vimbaro";

// Turns one of the program's path literals ("Data\\Res\\Snd\\", "Data//Res//Kar//Nor//")
// into a native path: every run of back-slashes and slashes becomes one '/', letter case
// is kept, and a leading "Data" folder is replaced by DataRoot(). A trailing separator
// stays, so a folder literal can still be followed by a file name.
std::string NativePath(std::string_view partPath);

// Where the Data folder is: an override set by a test, else `Data` in the working
// directory, else `Data` beside the executable, else the installed data directory. A `Data`
// folder counts only when it looks like a data set (it holds `Intf` and `Lib`).
std::filesystem::path DataRoot();

// The same rule without the override, for given places (the installed one is taken as is).
std::filesystem::path ChooseDataRoot(const std::filesystem::path& workingDir,
                                     const std::filesystem::path& executableDir,
                                     const std::filesystem::path& installedDir);

// Makes DataRoot() return root; an empty path restores the normal rule.
void SetDataRootForTesting(std::filesystem::path root);

// "_s" in the 1024x768 layout, "_b" in the 1280x960 one (modes 3 and above count as big;
// before a layout is chosen the small name is used).
std::string SizeSuffix();

// "_W" for the rendering on white, "_B" for the one on black.
std::string PairSuffix(bool onWhite);

// True when path names an existing regular file; never throws.
bool FileExists(const std::filesystem::path& path);

// Tells observer the data file behind every picture or recording the program asks for,
// as a path relative to DataRoot() with '/' separators ("Res/Snd/g7.snd"), whether or not
// the file exists. Tests compare these requests with the resource catalogue. An empty
// function removes the observer.
void SetResourceRequestObserver(std::function<void(const std::string& relativePath)> observer);

// Reports fullPath to the observer when there is one and the path lies under DataRoot().
void NoteResourceRequest(const std::filesystem::path& fullPath);

}  // namespace media
