#pragma once

#include <cairo.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>

typedef struct _RsvgHandle RsvgHandle;

namespace datagen {

// One icon, parsed once, to draw at several sizes.
class EmojiPicture {
  public:
    EmojiPicture(std::string_view name, const std::string& svg);
    // Draws the icon's inked part as large as fits the box (x, y, size, size), centred,
    // keeping its aspect: icons that leave a margin in their own frame fill the box too.
    void Draw(cairo_t* cr, double x, double y, double size) const;

  private:
    // Draws the whole frame of the icon into the square (x, y, size, size).
    void DrawFrame(cairo_t* cr, double x, double y, double size) const;
    // Finds the inked part from a trial drawing.
    void MeasureInk();

    struct Release {
        void operator()(RsvgHandle* handle) const;
    };
    std::string name_;
    std::unique_ptr<RsvgHandle, Release> handle_;
    // The inked part as fractions of the frame: left, top, right, bottom.
    double ink_[4] = {0, 0, 1, 1};
};

// One Iconify JSON icon set, held as ready-made SVG documents. Loading throws
// std::runtime_error; a loaded set is read-only and may be used from several threads.
class EmojiSet {
  public:
    explicit EmojiSet(const std::filesystem::path& file);
    // For sets built in memory (tests): the text of an Iconify JSON document.
    static EmojiSet FromJson(std::string_view json, std::string_view origin);

    // True for an icon or an alias of one.
    bool Has(std::string_view name) const;
    // The complete SVG document of an icon; throws std::runtime_error for an unknown name.
    const std::string& Svg(std::string_view name) const;
    // The icon ready to draw; throws std::runtime_error for an unknown name or bad SVG.
    EmojiPicture Picture(std::string_view name) const { return EmojiPicture(name, Svg(name)); }
    // The same for single-colour icons, whose shapes take the current colour (black unless
    // set): they come out in rgb (0xRRGGBB). Coloured icons are not changed.
    EmojiPicture Tinted(std::string_view name, uint32_t rgb) const;

  private:
    EmojiSet() = default;
    void Parse(std::string_view json, std::string_view origin);

    std::string origin_;  // for messages
    std::map<std::string, std::string, std::less<>> svg_;
};

}  // namespace datagen
