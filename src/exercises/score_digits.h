#pragma once

#include "media/draw_context.h"

namespace exercises {

// Draws the number of solved tasks into the score box at the right edge of the layout: one
// digit centred on the box, or two digits meeting on its centre line. Numbers above 99 show
// their last two digits. The digits are composed over the scene and written into the frame
// only, so drawing a new number wipes the old one and the scene never keeps a digit. Queues
// the changed rectangle when the context has a callback. Throws media::ETransBitmap when a
// digit picture is missing or broken.
void DrawScore(const media::DrawContext& target, int solvedCount);

}  // namespace exercises
