#pragma once

#include <cstdint>
#include <exception>
#include <memory>
#include <string>

#include "platform/bitmap.h"

namespace media {

// The Polish names in this file are explained in docs/glossary.md.

// A picture error of CTransBitmap: an 8-bit code and, when known, the file it concerns.
class ETransBitmap : public std::exception {
  public:
    static constexpr uint8_t LoadCode = 6;
    static constexpr uint8_t SizeCode = 8;
    static constexpr uint8_t FormatCode = 14;
    static constexpr uint8_t PixelFormatCode = 17;

    explicit ETransBitmap(uint8_t code, std::string fileName = {});

    // The fixed text of a code ("CTransBitmap, Błąd berrLoad" ...), an "unknown" text for
    // codes outside 1...18.
    static std::string TextOf(uint8_t code);

    uint8_t Code() const { return code_; }
    const std::string& FileName() const { return fileName_; }
    // The code's text, followed by ", Plik: " and the file name when there is one.
    const char* what() const noexcept override { return message_.c_str(); }

  private:
    uint8_t code_;
    std::string fileName_;
    std::string message_;
};

// A picture with an 8-bit opacity mask, made from its renderings over black and over white,
// blended over any background with an optional extra opacity. The colour is the picture
// with the background taken out; the mask holds 0 (clear) ... 255 (opaque) per pixel.
class CTransBitmap {
  public:
    // Frees the result, colour and mask.
    void Clear();

    // Builds colour and mask from two BMP files (native paths), the one on black first.
    // Throws ETransBitmap: code 6 naming the file that cannot be read, 8 for a size
    // mismatch, 17 for files that are not 24 bits per pixel. Leaves the object empty on error.
    void LoadPair(const std::string& blackPath, const std::string& whitePath);
    // LoadPair that reports instead of throwing: 0 on success, the ETransBitmap code, or 1
    // for any other failure.
    uint8_t LoadPairCode(const std::string& blackPath, const std::string& whitePath) noexcept;
    // Builds colour and mask from two Bgr24 bitmaps of one size. Throws like LoadPair.
    void Build(const platform::Bitmap& black, const platform::Bitmap& white);

    // Makes the result a Bgr24 bitmap of that size (reusing an existing one) and returns it.
    platform::Bitmap& EnsureResult(int width, int height);
    // Blends the picture over background (24 or 32 bits) whose area starts at (x, y) and
    // writes it into the result, which has the picture's size. Bad input does nothing.
    void Compose(const platform::Bitmap& background, int x, int y, int opacity = 255);
    // Composes over what canvas shows in the picture's rectangle at (x, y).
    void Render(const platform::Bitmap& canvas, int x, int y, int opacity = 255);
    // Renders, copies the result onto canvas at (x, y) and frees the result.
    void Draw(platform::Bitmap& canvas, int x, int y, int opacity = 255);

    // Usable for drawing once colour and mask exist.
    bool IsUsable() const { return colour_ && mask_; }
    int Width() const { return colour_ ? colour_->Width() : 0; }
    int Height() const { return colour_ ? colour_->Height() : 0; }
    // The bitmaps, nullptr while absent. The mask is Grey8, the others Bgr24.
    const platform::Bitmap* Colour() const { return colour_.get(); }
    const platform::Bitmap* Mask() const { return mask_.get(); }
    const platform::Bitmap* Result() const { return result_.get(); }

  private:
    std::unique_ptr<platform::Bitmap> result_;
    std::unique_ptr<platform::Bitmap> colour_;
    std::unique_ptr<platform::Bitmap> mask_;
};

}  // namespace media
