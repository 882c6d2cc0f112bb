#pragma once

#include <string>

#include "platform/bitmap.h"

// Sizes a full-screen form's two layers (what is shown and the clean scene the controls
// restore from) to the screen, black, and puts the background picture `file` (a program
// path, e.g. "Data\\Intf\\T_mini.xji") into the layout area of both. Throws what the picture
// loader throws.
void LayFormBackground(const std::string& file, platform::Bitmap& frame, platform::Bitmap& scene);
