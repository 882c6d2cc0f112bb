#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The program's options: named 32-bit unsigned values kept in a small UTF-8 text file of
// "name=value" lines. Names match without regard to ASCII letter case. Reading never fails:
// a damaged file reads as missing values. Lines the store does not understand are kept when
// it saves. Used from one thread at a time.
class SettingsStore {
  public:
    // Files larger than this are taken as damaged and read as empty.
    static constexpr std::size_t MaxFileSize = 64 * 1024;

    // The user's options file: $XDG_CONFIG_HOME/vimbaro/options, else
    // $HOME/.config/vimbaro/options; nullopt when neither variable holds an absolute path.
    static std::optional<std::filesystem::path> DefaultPath();
    // The store at DefaultPath(), or one that lives in memory only.
    static SettingsStore Open();

    // A store that lives in memory only: Save() always fails.
    SettingsStore() = default;
    // Reads the file at path now (a missing or unreadable file reads as empty).
    explicit SettingsStore(std::filesystem::path path);

    // Whether a stored file was there when the store was read or has been saved since.
    bool Exists() const { return exists_; }
    // The file behind the store; empty for a store in memory only.
    const std::filesystem::path& Path() const { return path_; }

    // The value under name, or nullopt when it is missing or not a decimal number that fits.
    std::optional<uint32_t> ReadDword(std::string_view name) const;
    // Sets the value under name (in memory until Save). Returns false, changing nothing, for a
    // name the file cannot hold: empty, with '=' or a control character, or with spaces at
    // either end.
    bool WriteDword(std::string_view name, uint32_t value);

    // Writes the file atomically (temporary file in the same folder, flushed to disk, renamed
    // over the old one), creating the folder. Returns false on any failure. Never throws.
    bool Save();

    // The text Save() would write.
    std::string Serialize() const;
    // Replaces the contents with those parsed from text (used for reading and by fuzzing).
    void Parse(std::string_view text);

  private:
    struct Line {
        std::string Text;   // the line as written, without its line end
        std::string Name;   // the trimmed name of a "name=value" line; empty for other lines
        std::string Value;  // the trimmed value text
    };

    // The last line holding name, or nullptr.
    const Line* Find(std::string_view name) const;

    std::filesystem::path path_;
    std::vector<Line> lines_;
    bool exists_ = false;
};

}  // namespace platform
