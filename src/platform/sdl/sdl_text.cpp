#include "platform/sdl/sdl_libraries.h"

#include <cstdlib>
#include <filesystem>
#include <map>
#include <mutex>
#include <vector>

#include "platform/text.h"

namespace platform {
namespace {

// SDL_ttf's functions; nothing calls them before OpenTtf has found them.
const sdl_libraries::Ttf& Ttf() {
    return *sdl_libraries::OpenTtf();
}

// DejaVu Sans from the standard font folders (Debian's fonts-dejavu-core), or from
// VIMBARO_FONT_DIR when a deployer wants another copy.
std::string FindFont(bool bold) {
    const char* name = bold ? "DejaVuSans-Bold.ttf" : "DejaVuSans.ttf";
    std::vector<std::filesystem::path> dirs;
    if (const char* own = std::getenv("VIMBARO_FONT_DIR")) {
        dirs.emplace_back(own);
    }
    for (const char* base : {"/usr/share/fonts/truetype/dejavu", "/usr/local/share/fonts",
                             "/usr/share/fonts/TTF", "/usr/share/fonts/dejavu"}) {
        dirs.emplace_back(base);
    }
    for (const auto& dir : dirs) {
        std::error_code ec;
        if (std::filesystem::exists(dir / name, ec)) {
            return (dir / name).string();
        }
    }
    return {};
}

class FontCache {
  public:
    FontCache() = default;
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;
    ~FontCache() {
        for (auto& [key, font] : fonts_) {
            if (font != nullptr) {
                Ttf().CloseFont(font);
            }
        }
        if (initialised_) {
            Ttf().Quit();
        }
    }
    TTF_Font* Get(int cellHeight, bool bold) {
        std::lock_guard lock(mutex_);
        if (!initialised_) {
            if (sdl_libraries::OpenTtf() == nullptr) {
                return nullptr;
            }
            initialised_ = Ttf().Init() == 0;
            if (!initialised_) {
                return nullptr;
            }
        }
        auto key = std::make_pair(cellHeight, bold);
        auto it = fonts_.find(key);
        if (it != fonts_.end()) {
            return it->second;
        }
        std::string path = FindFont(bold);
        TTF_Font* font = nullptr;
        if (!path.empty()) {
            // Open once to learn the cell height this size gives, then scale to fit.
            font = Ttf().OpenFont(path.c_str(), cellHeight);
            if (font != nullptr && Ttf().FontHeight(font) > 0 &&
                Ttf().FontHeight(font) != cellHeight) {
                int size = cellHeight * cellHeight / Ttf().FontHeight(font);
                Ttf().CloseFont(font);
                font = Ttf().OpenFont(path.c_str(), size > 0 ? size : 1);
            }
        }
        fonts_[key] = font;
        return font;
    }

  private:
    std::mutex mutex_;
    bool initialised_ = false;
    std::map<std::pair<int, bool>, TTF_Font*> fonts_;
};

FontCache& Fonts() {
    static FontCache cache;
    return cache;
}

}  // namespace

TextImage RenderText(const std::string& utf8, int cellHeight, bool bold, Color colour) {
    TextImage image;
    if (utf8.empty() || cellHeight <= 0) {
        return image;
    }
    TTF_Font* font = Fonts().Get(cellHeight, bold);
    if (font == nullptr) {
        return image;
    }
    SDL_Surface* rendered =
        Ttf().RenderUTF8_Blended(font, utf8.c_str(), SDL_Color{colour.R, colour.G, colour.B, 255});
    if (rendered == nullptr) {
        return image;
    }
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(rendered);
    if (argb == nullptr) {
        return image;
    }
    image.Colour.Reset(argb->w, argb->h, PixelFormat::Bgr24);
    image.Mask.Reset(argb->w, argb->h, PixelFormat::Grey8);
    SDL_LockSurface(argb);
    for (int y = 0; y < argb->h; ++y) {
        const auto* row = static_cast<const uint8_t*>(argb->pixels) + y * argb->pitch;
        for (int x = 0; x < argb->w; ++x) {
            const uint8_t* p = row + x * 4;  // B, G, R, A in memory
            image.Colour.SetPixel(x, y, {p[2], p[1], p[0]});
            image.Mask.Pixel(x, y)[0] = p[3];
        }
    }
    SDL_UnlockSurface(argb);
    SDL_FreeSurface(argb);
    return image;
}

}  // namespace platform
