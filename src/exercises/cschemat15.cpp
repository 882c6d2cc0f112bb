#include "exercises/cschemat15.h"

#include "catalog/resource_names.h"
#include "exercises/draws.h"

using namespace catalog;

namespace exercises {

namespace {
// Tiles keep 100 design pixels from the play area's right and bottom edges, and the
// vehicle's width and height plus a tenth from the tiles before them on the left and upper
// side (its plain size on the other sides).
constexpr double kMargin = 100;
constexpr double kRoomBefore = 1.1;
}  // namespace

CSchemat15::CSchemat15(game::ExerciseHost& host, const game::CWybor& settings)
    : TileSearch(host, settings, {"S15", kMargin, {kRoomBefore, 1.0}, false}) {
    Construct();
}

int CSchemat15::DrawTarget() {
    return DrawTargetSound(SelectedSoundGroups());
}

std::string CSchemat15::ModelName(int target) const {
    return std::string(SymbolName(target)) + std::string(RedTileSuffix);
}

int CSchemat15::DrawOther(int target) {
    // Every selection offers distractor letters, so this ends.
    int code = 0;
    do {
        code = DrawSoundOrDistractor(SelectedSoundGroups());
    } while (code == target || ExcludedDistractor(target, code));
    return code;
}

}  // namespace exercises
