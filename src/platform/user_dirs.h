#pragma once

#include <filesystem>
#include <optional>

namespace platform {

// The user's base folder named by the XDG variable (for example "XDG_CONFIG_HOME"), else
// $HOME/homeFallback (for example ".config"); nullopt when neither variable holds an absolute
// path, since a relative one would move with the working directory.
std::optional<std::filesystem::path> XdgBaseDir(const char* variable,
                                                const std::filesystem::path& homeFallback);

// Creates the missing folders of dir, private to the user as XDG asks for new folders.
// True when dir is a folder afterwards. Never throws.
bool MakePrivateFolders(const std::filesystem::path& dir);

// Whether this process may create files in the folder dir. Never throws.
bool IsWritableFolder(const std::filesystem::path& dir);

}  // namespace platform
