#pragma once

#include <cstddef>
#include <functional>
#include <optional>

#include "media/draw_context.h"

namespace exercises {

// Where a shelf was drawn: its top edge and the left edge of its first middle piece.
struct ShelfPlace {
    int Top = 0;
    int MiddleLeft = 0;
};

// Draws the shelf into the frame and scene bitmaps: the left piece at left (moved further
// left by leftPieces widths of the left piece, truncated), middles middle pieces, the right
// piece; its top edge at top, or by default resting on the layout's bottom edge.
// atMiddle(k, x, top) is told where middle piece k goes before it is drawn. Throws CBlad
// code 1 for a missing piece.
ShelfPlace DrawShelf(const media::DrawContext& context, int left, std::size_t middles,
                     const std::function<void(std::size_t, int, int)>& atMiddle = {},
                     std::optional<int> top = std::nullopt, double leftPieces = 0);

}  // namespace exercises
