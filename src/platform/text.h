#pragma once

#include <string>

#include "platform/bitmap.h"

namespace platform {

// Text drawn once into a picture: colour plus an 8-bit coverage mask of the same size.
struct TextImage {
    Bitmap Colour;  // Bgr24
    Bitmap Mask;    // Grey8: 0 transparent, 255 covered
};

// Renders one line of UTF-8 text in DejaVu Sans whose character cell is cellHeight pixels
// high. Returns an empty image when no font is installed (text is then simply not shown).
TextImage RenderText(const std::string& utf8, int cellHeight, bool bold, Color colour);

}  // namespace platform
