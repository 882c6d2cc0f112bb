#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "media/scoped_temp_dir.h"
#include "platform/bitmap.h"
#include "platform/image_codec.h"

// Every picture the main menu loads, as plain looks that pixel probes tell apart, written
// into a data folder for one layout. Looks are opaque rectangles of one colour.
namespace menu_fixture {

inline constexpr platform::Color Background{40, 60, 90};
inline constexpr platform::Color ButtonNormal{0, 0, 200};
inline constexpr platform::Color ButtonHover{0, 200, 200};
inline constexpr platform::Color ButtonPressed{200, 200, 0};
inline constexpr platform::Color ButtonDisabled{110, 110, 110};
inline constexpr platform::Color CheckOn{0, 220, 0};
inline constexpr platform::Color CheckOff{220, 0, 0};
inline constexpr platform::Color CheckDisabledOn{0, 90, 0};
inline constexpr platform::Color CheckDisabledOff{90, 0, 0};
inline constexpr platform::Color Label{200, 0, 200};

inline constexpr int ButtonWidth = 100;
inline constexpr int ButtonHeight = 50;
inline constexpr int CheckWidth = 40;
inline constexpr int CheckHeight = 30;
inline constexpr int LabelWidth = 60;
inline constexpr int LabelHeight = 40;

inline const std::vector<std::string> PushButtons{"start", "options", "info", "exit"};
inline const std::vector<std::string> CheckButtons{"m",    "s",   "d", "pI", "pII",
                                                   "pIII", "pIV", "l", "r",  "j"};
inline const std::vector<std::string> Labels{"poziom", "ilosc", "gloski"};

// JPEG keeps a plain colour within a few levels.
inline bool Near(platform::Color a, platform::Color b, int tolerance = 6) {
    return std::abs(a.R - b.R) <= tolerance && std::abs(a.G - b.G) <= tolerance &&
           std::abs(a.B - b.B) <= tolerance;
}

// A look pair of the button library: the same opaque colour over white and over black.
inline std::vector<std::string> WriteLook(const ScopedTempDir& dir,
                                          const std::filesystem::path& dataDir,
                                          const std::string& name, int w, int h,
                                          platform::Color c) {
    platform::Bitmap b(w, h, platform::PixelFormat::Bgr24);
    b.Fill(c);
    const auto bytes = platform::EncodeBmp(b);
    std::vector<std::string> written;
    for (const char* pair : {"_W", "_B"}) {
        const std::string relative = "Lib/BUTT/" + name + pair + ".xbi";
        dir.Write(dataDir / relative, bytes);
        written.push_back(relative);
    }
    return written;
}

// Writes the menu's pictures for layout mode (1 or 4) below dataDir (the folder the
// program calls "Data") and returns their paths relative to it.
inline std::vector<std::string> WriteMenuData(const ScopedTempDir& dir,
                                              const std::filesystem::path& dataDir, int mode) {
    const bool big = mode >= 3;
    const std::string size = big ? "_b" : "_s";
    const std::string layout = big ? "_maxi" : "_mini";
    std::vector<std::string> written;
    auto plain = [](int w, int h, platform::Color c) {
        platform::Bitmap b(w, h, platform::PixelFormat::Bgr24);
        b.Fill(c);
        return b;
    };
    auto write = [&](const std::string& relative, const std::vector<uint8_t>& bytes) {
        dir.Write(dataDir / relative, bytes);
        written.push_back(relative);
    };
    auto look = [&](const std::string& name, int w, int h, platform::Color c) {
        for (std::string& file : WriteLook(dir, dataDir, name, w, h, c)) {
            written.push_back(std::move(file));
        }
    };

    write("Intf/T" + size + ".xji",
          platform::EncodeJpeg(plain(big ? 1280 : 1024, big ? 960 : 768, Background), 95));
    for (const std::string& name : PushButtons) {
        look(name + "_a" + size, ButtonWidth, ButtonHeight, ButtonHover);
        look(name + "_d" + size, ButtonWidth, ButtonHeight, ButtonNormal);
        look(name + "_c" + size, ButtonWidth, ButtonHeight, ButtonPressed);
        look(name + "_na" + size, ButtonWidth, ButtonHeight, ButtonDisabled);
    }
    for (const std::string& name : CheckButtons) {
        look(name + layout + "_A_C", CheckWidth, CheckHeight, CheckOn);
        look(name + layout + "_A_NC", CheckWidth, CheckHeight, CheckOff);
        look(name + layout + "_NA_C", CheckWidth, CheckHeight, CheckDisabledOn);
        look(name + layout + "_NA_NC", CheckWidth, CheckHeight, CheckDisabledOff);
    }
    for (const std::string& name : Labels) {
        look(name + layout, LabelWidth, LabelHeight, Label);
    }
    return written;
}

// The splash picture, one size for both layouts.
inline void WriteSplash(const ScopedTempDir& dir, const std::filesystem::path& dataDir, int w,
                        int h, platform::Color c = {250, 200, 40}) {
    platform::Bitmap picture(w, h, platform::PixelFormat::Bgr24);
    picture.Fill(c);
    dir.Write(dataDir / "sph.xji", platform::EncodeJpeg(picture, 90));
}

// Points the options file at a folder of its own for one test and puts the old place back.
class ScopedConfigHome {
  public:
    explicit ScopedConfigHome(const std::filesystem::path& home) {
        if (const char* old = std::getenv("XDG_CONFIG_HOME")) {
            saved_ = old;
        }
        std::filesystem::create_directories(home);
        setenv("XDG_CONFIG_HOME", home.c_str(), 1);
    }
    ~ScopedConfigHome() {
        if (saved_) {
            setenv("XDG_CONFIG_HOME", saved_->c_str(), 1);
        } else {
            unsetenv("XDG_CONFIG_HOME");
        }
    }
    ScopedConfigHome(const ScopedConfigHome&) = delete;
    ScopedConfigHome& operator=(const ScopedConfigHome&) = delete;

  private:
    std::optional<std::string> saved_;
};

}  // namespace menu_fixture
