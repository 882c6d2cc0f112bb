#include "platform/settings_store.h"

#include <cerrno>
#include <charconv>
#include <string>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/user_dirs.h"

namespace platform {

namespace {

constexpr std::string_view Bom = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && IsBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

char FoldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Value names compare like the registry's: letter case does not matter.
bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i])) {
            return false;
        }
    }
    return true;
}

// Well-formed UTF-8 with no control characters other than tab: anything else is damage,
// and keeping it would only carry the damage into the next save.
bool IsCleanText(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            if ((c < 0x20 && c != '\t') || c == 0x7F) {
                return false;
            }
            ++i;
            continue;
        }
        std::size_t extra = 0;
        uint32_t cp = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
            cp = c & 0x1Fu;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            cp = c & 0x0Fu;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            cp = c & 0x07u;
        } else {
            return false;
        }
        if (s.size() - i <= extra) {
            return false;
        }
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto cc = static_cast<unsigned char>(s[i + k]);
            if ((cc & 0xC0) != 0x80) {
                return false;
            }
            cp = (cp << 6) | (cc & 0x3Fu);
        }
        // Overlong forms, surrogates and code points past U+10FFFF.
        const bool overlong = (extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000);
        if (overlong || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) {
            return false;
        }
        i += extra + 1;
    }
    return true;
}

bool IsValidName(std::string_view name) {
    if (name.empty() || name.find('=') != std::string_view::npos || Trim(name) != name) {
        return false;
    }
    // A name that starts like a comment would not read back as a value.
    if (name.front() == '#' || name.front() == ';') {
        return false;
    }
    return IsCleanText(name);
}

std::optional<uint32_t> ParseDword(std::string_view text) {
    // Plain decimal digits only: no sign, no hex, nothing after the number.
    if (text.empty() || text.front() < '0' || text.front() > '9') {
        return std::nullopt;
    }
    uint32_t value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value, 10);
    if (ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

class Fd {
  public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() { Close(); }
    int Get() const { return fd_; }
    // Closes now and reports whether the close succeeded (a failed close can mean lost data).
    bool Close() {
        if (fd_ < 0) {
            return true;
        }
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc == 0;
    }

  private:
    int fd_;
};

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

std::optional<std::filesystem::path> SettingsStore::DefaultPath() {
    if (auto config = XdgBaseDir("XDG_CONFIG_HOME", ".config")) {
        return *config / "vimbaro" / "options";
    }
    return std::nullopt;
}

SettingsStore SettingsStore::Open() {
    if (auto path = DefaultPath()) {
        return SettingsStore(std::move(*path));
    }
    return SettingsStore();
}

SettingsStore::SettingsStore(std::filesystem::path path) : path_(std::move(path)) {
    // Non-blocking so that a FIFO put in the file's place cannot hang the start.
    Fd fd(::open(path_.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.Get() < 0) {
        return;
    }
    struct stat st {};
    if (::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        return;
    }
    exists_ = true;
    // Read at most one byte past the limit: enough to tell an oversized file.
    std::string text(MaxFileSize + 1, '\0');
    std::size_t got = 0;
    while (got < text.size()) {
        const ssize_t n = ::read(fd.Get(), text.data() + got, text.size() - got);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    if (got > MaxFileSize) {
        return;
    }
    text.resize(got);
    Parse(text);
}

void SettingsStore::Parse(std::string_view text) {
    lines_.clear();
    if (text.size() > MaxFileSize) {
        return;
    }
    while (!text.empty()) {
        const std::size_t eol = text.find('\n');
        std::string_view line = text.substr(0, eol);
        text = (eol == std::string_view::npos) ? std::string_view() : text.substr(eol + 1);
        // Byte-order marks go wherever a line starts, not only at the top: a file pasted
        // together from two edits carries one mid-file, and a mark kept on the first line
        // would vanish on the next read, so the saved text would not read back the same.
        while (line.starts_with(Bom)) {
            line.remove_prefix(Bom.size());
        }
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (!IsCleanText(line)) {
            continue;
        }
        Line parsed{std::string(line), {}, {}};
        const std::string_view trimmed = Trim(line);
        const std::size_t eq = trimmed.find('=');
        const bool comment = !trimmed.empty() && (trimmed.front() == '#' || trimmed.front() == ';');
        if (!comment && eq != std::string_view::npos) {
            parsed.Name = std::string(Trim(trimmed.substr(0, eq)));
            parsed.Value = std::string(Trim(trimmed.substr(eq + 1)));
        }
        lines_.push_back(std::move(parsed));
    }
}

const SettingsStore::Line* SettingsStore::Find(std::string_view name) const {
    // The last line wins, as a hand-added line further down is meant to override.
    for (auto it = lines_.rbegin(); it != lines_.rend(); ++it) {
        if (!it->Name.empty() && SameName(it->Name, name)) {
            return &*it;
        }
    }
    return nullptr;
}

std::optional<uint32_t> SettingsStore::ReadDword(std::string_view name) const {
    const Line* line = Find(name);
    if (line == nullptr) {
        return std::nullopt;
    }
    return ParseDword(line->Value);
}

bool SettingsStore::WriteDword(std::string_view name, uint32_t value) {
    if (!IsValidName(name)) {
        return false;
    }
    std::string valueText = std::to_string(value);
    Line fresh{std::string(name) + "=" + valueText, std::string(name), valueText};
    // The first line of that name takes the value; later duplicates would shadow it, so they go.
    bool placed = false;
    std::vector<Line> kept;
    kept.reserve(lines_.size() + 1);
    for (auto& line : lines_) {
        if (!line.Name.empty() && SameName(line.Name, name)) {
            if (!placed) {
                kept.push_back(fresh);
                placed = true;
            }
            continue;
        }
        kept.push_back(std::move(line));
    }
    if (!placed) {
        kept.push_back(std::move(fresh));
    }
    lines_ = std::move(kept);
    return true;
}

std::string SettingsStore::Serialize() const {
    std::string out;
    for (const auto& line : lines_) {
        out += line.Text;
        out += '\n';
    }
    return out;
}

bool SettingsStore::Save() {
    if (path_.empty() || !path_.has_filename()) {
        return false;
    }
    try {
        const std::string text = Serialize();
        const std::filesystem::path dir =
            path_.has_parent_path() ? path_.parent_path() : std::filesystem::path(".");
        if (!MakePrivateFolders(dir)) {
            return false;
        }
        std::string tempName = (dir / ("." + path_.filename().string() + ".XXXXXX")).string();
        Fd fd(::mkostemp(tempName.data(), O_CLOEXEC));
        if (fd.Get() < 0) {
            return false;
        }
        const bool written = WriteAll(fd.Get(), text) && ::fsync(fd.Get()) == 0;
        if (!fd.Close() || !written || ::rename(tempName.c_str(), path_.c_str()) != 0) {
            ::unlink(tempName.c_str());
            return false;
        }
        // Make the rename itself durable; the data is safe already if this fails.
        Fd dirFd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (dirFd.Get() >= 0) {
            ::fsync(dirFd.Get());
        }
        exists_ = true;
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace platform
