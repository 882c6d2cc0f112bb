#pragma once

#include <cairo.h>

#include <string_view>

#include "draw_kit.h"

// The calm outdoor scene the program's screens share: a light sky, a sun, clouds, two green
// hills and the little car the child steers. Drawn in the context's user space, so a caller
// can scale once and draw in design units.
namespace datagen::scenery {

// Sky over the whole box, fading to a pale horizon.
void Sky(cairo_t* cr, kit::Box box);
// A far and a near hill along the bottom of box; horizon is the far hill's top as a fraction
// of the box height (the near hill lies lower).
void Hills(cairo_t* cr, kit::Box box, double horizon);
void Sun(cairo_t* cr, double cx, double cy, double radius);
void Cloud(cairo_t* cr, kit::Box box);
// A small friendly car facing right, filling box (about 2 : 1).
void Car(cairo_t* cr, kit::Box box);
// A translucent white card that quiets the scene behind a group of controls.
void Card(cairo_t* cr, kit::Box box, double radius);
// Large bold heading with a white halo and a soft shadow; x is the left edge, or the centre
// when centred; y is the top of the text.
void Heading(cairo_t* cr, std::string_view text, double size, double x, double y, bool centred,
             kit::Colour colour);

}  // namespace datagen::scenery
