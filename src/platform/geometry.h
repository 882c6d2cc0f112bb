#pragma once

#include <algorithm>
#include <cstdint>

namespace platform {

struct Point {
    int32_t X = 0;
    int32_t Y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// A rectangle with exclusive right and bottom edges, as the old canvas used them.
struct Rect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;

    int32_t Width() const { return Right - Left; }
    int32_t Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool Contains(int32_t x, int32_t y) const {
        return x >= Left && x < Right && y >= Top && y < Bottom;
    }
    Rect Offset(int32_t dx, int32_t dy) const {
        return {Left + dx, Top + dy, Right + dx, Bottom + dy};
    }
    Rect Intersect(const Rect& o) const {
        Rect r{std::max(Left, o.Left), std::max(Top, o.Top), std::min(Right, o.Right),
               std::min(Bottom, o.Bottom)};
        if (r.IsEmpty()) {
            return {};
        }
        return r;
    }
    Rect Union(const Rect& o) const {
        if (IsEmpty()) {
            return o;
        }
        if (o.IsEmpty()) {
            return *this;
        }
        return {std::min(Left, o.Left), std::min(Top, o.Top), std::max(Right, o.Right),
                std::max(Bottom, o.Bottom)};
    }
    static Rect FromSize(int32_t x, int32_t y, int32_t w, int32_t h) {
        return {x, y, x + w, y + h};
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// A colour as red, green, blue; pixels are stored blue first, as in the old bitmaps.
struct Color {
    uint8_t R = 0;
    uint8_t G = 0;
    uint8_t B = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

}  // namespace platform
