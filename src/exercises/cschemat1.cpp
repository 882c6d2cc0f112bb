#include "exercises/cschemat1.h"

#include <string>

#include "catalog/resource_names.h"
#include "catalog/screen_geometry.h"

using namespace catalog;

namespace exercises {

using platform::Point;
using platform::Rect;

namespace {

std::string NumberWordTile(int n) {
    return std::string(SymbolName(FirstNumberWordCode + n));
}

// The bottom left of the layout, a tile high.
Point ProvisionalSlot(const Rect& firstTile) {
    const ScreenGeometry& g = Geometry();
    return {g.MapX(38), g.LayoutRect.Top + g.DesignHeight - firstTile.Height()};
}

std::int32_t PlacementBottom(Point slot, const Rect& /*firstTile*/) {
    return slot.Y - Geometry().MapLength(110);
}

const OrderingExercise::Rules kNumberRules{
    .InstructionPrefix = "S1",
    .SymbolCount = 10,
    .ConsecutiveStarts = 4,
    .TileName = NumberWordTile,
    .ProvisionalSlot = ProvisionalSlot,
    .PlacementBottom = PlacementBottom,
    .StopsTimingWhenSolved = true,
    .ScalesVehicleStartRoom = false,
};

}  // namespace

CSchemat1::CSchemat1(game::ExerciseHost& host, const game::CWybor& settings, bool ascending,
                     bool randomNumbers)
    : OrderingExercise(host, settings, ascending, randomNumbers, kNumberRules) {}

}  // namespace exercises
