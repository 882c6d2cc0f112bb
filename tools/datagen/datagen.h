#pragma once

#include <cairo.h>

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "catalog/resource_catalog.h"

// The data-set generator: each maker writes the catalogue entries of the groups it owns
// through one Output, which encodes the files and collects thumbnails for the contact sheets.
namespace datagen {

struct Context {
    std::filesystem::path DataDir;  // the Data folder being written
    // Holds <set>/icons.json for the icon sets the cards are drawn from: fluent-emoji-flat,
    // noto, openmoji and game-icons.
    std::filesystem::path EmojiDir;
    std::filesystem::path SheetDir;  // where the contact sheets go
};

// Owns a cairo surface (CAIRO_FORMAT_ARGB32, premultiplied alpha).
class Surface {
  public:
    Surface(int width, int height);
    Surface(Surface&& other) noexcept;
    Surface& operator=(Surface&& other) noexcept;
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    ~Surface();

    cairo_surface_t* Get() const { return surface_; }
    int Width() const;
    int Height() const;

  private:
    cairo_surface_t* surface_ = nullptr;
};

// A cairo context drawing on a Surface, released with it.
class Painter {
  public:
    explicit Painter(const Surface& surface);
    Painter(const Painter&) = delete;
    Painter& operator=(const Painter&) = delete;
    ~Painter();
    cairo_t* operator*() const { return cr_; }

  private:
    cairo_t* cr_;
};

// The contact sheets a person reviews the set with.
enum class Sheet { Cards, Tiles, Buttons, Backgrounds, Figure };

// Safe to use from several threads at once.
class Output {
  public:
    explicit Output(const Context& context);

    // An opaque picture as baseline JPEG (transparent parts come out white).
    void Jpeg(const catalog::ResourceEntry& entry, const Surface& picture, Sheet sheet);
    // A word card that shows the written word (no fitting picture): a JPEG marked as such
    // (TextCardComment in text_card.h) so the checker can count the real pictures.
    void TextCardJpeg(const catalog::ResourceEntry& entry, const Surface& picture);
    // A picture as a 24-bit BMP composited over white.
    void Bmp(const catalog::ResourceEntry& entry, const Surface& picture, Sheet sheet);
    // Both halves of a pair from one picture with transparency: entry must be a pair half
    // (either one); the other half is looked up through entry.Partner.
    void Pair(const catalog::ResourceEntry& entry, const Surface& picture, Sheet sheet);
    // Mono 16-bit PCM as RIFF WAVE.
    void Wave(const catalog::ResourceEntry& entry, std::span<const int16_t> samples,
              int sampleRate);
    // Any other file, byte for byte.
    void Bytes(const catalog::ResourceEntry& entry, std::span<const uint8_t> bytes);

    // Writes one PNG per sheet into Context::SheetDir.
    void WriteSheets();
    int FilesWritten() const { return files_; }

  private:
    std::filesystem::path Prepare(const catalog::ResourceEntry& entry);
    void Thumbnail(Sheet sheet, const catalog::ResourceEntry& entry, const Surface& picture);

    Context context_;
    int files_ = 0;
    struct Thumb {
        std::string Label;
        Surface Picture;
    };
    std::vector<std::vector<Thumb>> sheets_;
};

// The makers. Each gets the entries of its groups, in catalogue order, and throws
// std::runtime_error when it cannot make one.
void MakeCards(const std::vector<const catalog::ResourceEntry*>& entries, Output& out,
               const Context& ctx);
void MakeSpeech(const std::vector<const catalog::ResourceEntry*>& entries, Output& out,
                const Context& ctx);
void MakeTune(const std::vector<const catalog::ResourceEntry*>& entries, Output& out,
              const Context& ctx);
void MakeInterface(const std::vector<const catalog::ResourceEntry*>& entries, Output& out,
                   const Context& ctx);
void MakeGamePictures(const std::vector<const catalog::ResourceEntry*>& entries, Output& out,
                      const Context& ctx);

}  // namespace datagen
