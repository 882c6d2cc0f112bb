#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/geometry.h"

namespace platform {

// Grey8 is the 8-bit grey-palette bitmap (pixel value = palette index = grey level);
// Bgr24 and Bgrx32 store blue, green, red (and a fourth byte) per pixel.
enum class PixelFormat { Grey8, Bgr24, Bgrx32 };

int BytesPerPixel(PixelFormat format);

// An in-memory picture with direct row access. Rows are stored top-down and padded to a
// multiple of four bytes, like a device-independent bitmap. A Bitmap is also the canvas
// that drawing code copies rectangles to and from.
class Bitmap {
  public:
    Bitmap() = default;
    Bitmap(int width, int height, PixelFormat format = PixelFormat::Bgr24);

    int Width() const { return width_; }
    int Height() const { return height_; }
    PixelFormat Format() const { return format_; }
    int BytesPerPixel() const { return platform::BytesPerPixel(format_); }
    // Bytes from one row to the next, fill bytes included.
    int Stride() const { return stride_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    Rect Bounds() const { return {0, 0, width_, height_}; }

    uint8_t* Row(int y) { return pixels_.data() + static_cast<size_t>(y) * stride_; }
    const uint8_t* Row(int y) const { return pixels_.data() + static_cast<size_t>(y) * stride_; }
    uint8_t* Pixel(int x, int y) { return Row(y) + x * BytesPerPixel(); }
    const uint8_t* Pixel(int x, int y) const { return Row(y) + x * BytesPerPixel(); }

    // Resizes (and reformats) the bitmap; the content becomes black.
    void Reset(int width, int height, PixelFormat format);
    void Reset(int width, int height) { Reset(width, height, format_); }
    // Converts the pixels to another format in place (grey levels become grey colours).
    void ConvertTo(PixelFormat format);

    Color GetPixel(int x, int y) const;
    void SetPixel(int x, int y, Color c);
    void Fill(Color c) { FillRect(Bounds(), c); }
    void FillRect(const Rect& r, Color c);

    // Copies src's rectangle srcRect to dest (the old canvas CopyRect, without stretching:
    // both rectangles are clipped to their bitmaps and the copy keeps srcRect's size).
    void CopyRect(const Rect& dest, const Bitmap& src, const Rect& srcRect);
    // Copies the whole of src with its top-left corner at (x, y).
    void Draw(int x, int y, const Bitmap& src);
    // Like Draw, but pixels of src equal to key are left out.
    void DrawTransparent(int x, int y, const Bitmap& src, Color key);

    friend bool operator==(const Bitmap& a, const Bitmap& b);

  private:
    int width_ = 0;
    int height_ = 0;
    PixelFormat format_ = PixelFormat::Bgr24;
    int stride_ = 0;
    std::vector<uint8_t> pixels_;
};

}  // namespace platform
