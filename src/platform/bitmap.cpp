#include "platform/bitmap.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace platform {

int BytesPerPixel(PixelFormat format) {
    switch (format) {
        case PixelFormat::Grey8:
            return 1;
        case PixelFormat::Bgr24:
            return 3;
        case PixelFormat::Bgrx32:
            return 4;
    }
    return 3;
}

Bitmap::Bitmap(int width, int height, PixelFormat format) {
    Reset(width, height, format);
}

void Bitmap::Reset(int width, int height, PixelFormat format) {
    // Pictures come from files: refuse sizes that would overflow or exhaust memory.
    constexpr int64_t kMaxPixels = int64_t{1} << 28;
    if (width < 0 || height < 0 || int64_t{width} * height > kMaxPixels) {
        throw std::length_error("bitmap size out of range");
    }
    width_ = width;
    height_ = height;
    format_ = format;
    stride_ = (width * platform::BytesPerPixel(format) + 3) & ~3;
    pixels_.assign(static_cast<size_t>(stride_) * height, 0);
}

void Bitmap::ConvertTo(PixelFormat format) {
    if (format == format_) {
        return;
    }
    Bitmap out(width_, height_, format);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            out.SetPixel(x, y, GetPixel(x, y));
        }
    }
    *this = std::move(out);
}

Color Bitmap::GetPixel(int x, int y) const {
    const uint8_t* p = Pixel(x, y);
    if (format_ == PixelFormat::Grey8) {
        return {p[0], p[0], p[0]};
    }
    return {p[2], p[1], p[0]};
}

void Bitmap::SetPixel(int x, int y, Color c) {
    uint8_t* p = Pixel(x, y);
    if (format_ == PixelFormat::Grey8) {
        // The grey palette maps index i to grey i; other colours take their blue byte,
        // which is the byte that measures opacity in masks.
        p[0] = c.B;
        return;
    }
    p[0] = c.B;
    p[1] = c.G;
    p[2] = c.R;
}

void Bitmap::FillRect(const Rect& r, Color c) {
    Rect clip = r.Intersect(Bounds());
    for (int y = clip.Top; y < clip.Bottom; ++y) {
        for (int x = clip.Left; x < clip.Right; ++x) {
            SetPixel(x, y, c);
        }
    }
}

void Bitmap::CopyRect(const Rect& dest, const Bitmap& src, const Rect& srcRect) {
    // Clipping in 64 bits: rectangles near the ends of the int range must not overflow.
    int64_t w =
        std::min<int64_t>(int64_t{dest.Right} - dest.Left, int64_t{srcRect.Right} - srcRect.Left);
    int64_t h =
        std::min<int64_t>(int64_t{dest.Bottom} - dest.Top, int64_t{srcRect.Bottom} - srcRect.Top);
    int64_t sx = srcRect.Left, sy = srcRect.Top, dx = dest.Left, dy = dest.Top;
    // Clip against both bitmaps, shifting the other side along.
    int64_t skipX = std::max<int64_t>({0, -sx, -dx});
    int64_t skipY = std::max<int64_t>({0, -sy, -dy});
    sx += skipX, dx += skipX, w -= skipX;
    sy += skipY, dy += skipY, h -= skipY;
    w = std::min<int64_t>({w, src.width_ - sx, width_ - dx});
    h = std::min<int64_t>({h, src.height_ - sy, height_ - dy});
    if (w <= 0 || h <= 0) {
        return;
    }
    if (src.format_ == format_) {
        int bpp = BytesPerPixel();
        for (int row = 0; row < h; ++row) {
            std::memmove(Pixel(int(dx), int(dy + row)), src.Pixel(int(sx), int(sy + row)),
                         static_cast<size_t>(w) * bpp);
        }
        return;
    }
    if (format_ != PixelFormat::Grey8 && src.format_ != PixelFormat::Grey8) {
        // Between the two colour formats only the blue, green and red bytes move (the fourth
        // byte of Bgrx32 is left as it is); the screen is copied this way on every repaint.
        const int srcBpp = src.BytesPerPixel();
        const int destBpp = BytesPerPixel();
        for (int row = 0; row < h; ++row) {
            const uint8_t* from = src.Pixel(int(sx), int(sy + row));
            uint8_t* to = Pixel(int(dx), int(dy + row));
            for (int col = 0; col < w; ++col, from += srcBpp, to += destBpp) {
                to[0] = from[0];
                to[1] = from[1];
                to[2] = from[2];
            }
        }
        return;
    }
    for (int row = 0; row < h; ++row) {
        for (int col = 0; col < w; ++col) {
            SetPixel(int(dx + col), int(dy + row), src.GetPixel(int(sx + col), int(sy + row)));
        }
    }
}

void Bitmap::Draw(int x, int y, const Bitmap& src) {
    CopyRect(Rect::FromSize(x, y, src.width_, src.height_), src, src.Bounds());
}

void Bitmap::DrawTransparent(int x, int y, const Bitmap& src, Color key) {
    Rect area = Rect::FromSize(x, y, src.width_, src.height_).Intersect(Bounds());
    for (int dy = area.Top; dy < area.Bottom; ++dy) {
        for (int dx = area.Left; dx < area.Right; ++dx) {
            Color c = src.GetPixel(dx - x, dy - y);
            if (!(c == key)) {
                SetPixel(dx, dy, c);
            }
        }
    }
}

bool operator==(const Bitmap& a, const Bitmap& b) {
    if (a.width_ != b.width_ || a.height_ != b.height_ || a.format_ != b.format_) {
        return false;
    }
    size_t rowBytes = static_cast<size_t>(a.width_) * a.BytesPerPixel();
    for (int y = 0; y < a.height_; ++y) {
        if (std::memcmp(a.Row(y), b.Row(y), rowBytes) != 0) {
            return false;
        }
    }
    return true;
}

}  // namespace platform
