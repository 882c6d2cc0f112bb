#pragma once

#include <filesystem>
#include <string>

#include "platform/bitmap.h"

namespace media {

// The three picture libraries hand out interface bitmaps by name. Each is a folder of BMP
// files under the data root, one file per name:
//
//   <data root>/Lib/GFX/<name>.xbi    selection frames ("ramka_yellow_s" ...) and the
//                                     letter, digit and sign tiles ("<tile>_s" ...)
//   <data root>/Lib/BUTT/<name>.xbi   push and check buttons, slider and menu labels, each as
//                                     a pair: "<picture><state>_s_W" and "..._s_B"
//   <data root>/Lib/POW/<name>.xbi    enlarged letter and digit tiles ("<tile>_s" ...)
//
// The name is the whole file name without ".xbi", size and pair suffixes included; the
// data-set generator fills the folders.
enum class Library { Gfx, Butt, Pow };

// The library's folder under the current data root.
std::filesystem::path LibraryFolder(Library library);

// A name a library may be asked for: not empty, no separator, no "..", no NUL, so it can
// never reach outside its folder.
bool IsValidPictureName(const std::string& name);

// Fills out with the named picture and returns true; returns false, leaving out as it was,
// when the library holds no such picture or it cannot be read. Never throws.
bool OpenLibraryBMP(Library library, const std::string& name, platform::Bitmap& out);

// The three libraries' exports.
bool OtworzBMP(const std::string& name, platform::Bitmap& out);
bool BOtworzBMP(const std::string& name, platform::Bitmap& out);
bool OtworzPowBMP(const std::string& name, platform::Bitmap& out);

// Loads a library picture for a caller that cannot go on without it: throws CBlad code 1
// with ResourceMissingText, or code 100 "Brak Bitmapy w dll" for the button library (the
// button or form that asked turns that into code 1).
platform::Bitmap LoadLibraryPicture(Library library, const std::string& name);

}  // namespace media
