#pragma once

#include <string_view>

#include "datagen.h"
#include "interface_geometry.h"

// The drawing side of MakeInterface: each function returns one finished picture at its size
// for the layout. Pictures of pairs keep transparency; backgrounds and the splash are opaque.
namespace datagen {

// Any picture of the button library: push and check buttons, labels, the slider's pieces.
Surface DrawButtonPicture(const ButtonPicture& picture, int layout);

// "T", "op", "ab", "kom", "wyn".
Surface DrawFormBackground(std::string_view form, int layout);
Surface DrawSplash();

// The about form: "abo" (about the program) or "hp" (how to play), and the "jakgrac" toggle
// whose body the pages show through (DrawButtonPicture draws it for its name).
Surface DrawAboutPage(std::string_view page, int layout);
Surface DrawAboutToggle(Look state, int layout);

}  // namespace datagen
