#include "exercises/cschemat2.h"

#include "catalog/resource_names.h"
#include "catalog/screen_geometry.h"

using namespace catalog;

namespace exercises {

using platform::Point;
using platform::Rect;

namespace {

// The bottom left of the layout, a tile and a little more high.
Point ProvisionalSlot(const Rect& firstTile) {
    const ScreenGeometry& g = Geometry();
    return {g.MapX(40), g.LayoutRect.Top + g.DesignHeight - g.MapLength(10) - firstTile.Height()};
}

std::int32_t PlacementBottom(Point slot, const Rect& firstTile) {
    return slot.Y - firstTile.Width() - Geometry().MapLength(5);
}

const OrderingExercise::Rules kLetterRules{
    .InstructionPrefix = "S2",
    .SymbolCount = static_cast<int>(AlphabetLetters.size()),
    // From "b" to "s": the run ends at "z" at the latest and never holds "a".
    .ConsecutiveStarts = 17,
    .TileName = CSchemat2::LetterTile,
    .ProvisionalSlot = ProvisionalSlot,
    .PlacementBottom = PlacementBottom,
    .StopsTimingWhenSolved = false,
    .ScalesVehicleStartRoom = true,
};

}  // namespace

CSchemat2::CSchemat2(game::ExerciseHost& host, const game::CWybor& settings, bool ascending,
                     bool randomNumbers)
    : OrderingExercise(host, settings, ascending, randomNumbers, kLetterRules) {}

std::string CSchemat2::LetterTile(int n) {
    if (n < 0 || n >= static_cast<int>(AlphabetLetters.size())) {
        return "-";
    }
    return std::string(AlphabetLetters[static_cast<size_t>(n)]);
}

}  // namespace exercises
