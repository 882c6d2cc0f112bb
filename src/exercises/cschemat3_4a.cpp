#include "exercises/cschemat3_4a.h"

#include "catalog/resource_names.h"
#include "exercises/draws.h"
#include "game/cgrupa.h"

using namespace catalog;

namespace exercises {

namespace {
// Tiles keep 110 design pixels from the play area's right and bottom edges, and the
// vehicle's width and height plus a tenth from the tiles before them on every side.
constexpr double kMargin = 110;
constexpr double kRoom = 1.1;

constexpr int kSelectsR = game::SoundGroupR;
constexpr int kSelectsJ = game::SoundGroupJ;
}  // namespace

bool CSchemat3_4a::SuitsSoundGroups(int soundGroups) {
    return (soundGroups & (kSelectsR | kSelectsJ)) != 0;
}

CSchemat3_4a::CSchemat3_4a(game::ExerciseHost& host, const game::CWybor& settings)
    : TileSearch(host, settings, {"S3_4a", kMargin, {kRoom, kRoom}, true}) {
    Construct();
}

int CSchemat3_4a::DrawTarget() {
    int digit = 0;
    switch (SelectedSoundGroups() & (kSelectsR | kSelectsJ)) {
        case kSelectsR:
            digit = DrawNonZero(3) == 1 ? 0 : 4;
            break;
        case kSelectsJ:
            digit = 1;
            break;
        default: {
            // Both sounds; the game only builds this type with one of them selected, so a
            // selection with neither is taken as both rather than left without a model.
            constexpr int kDigits[] = {0, 1, 4};
            digit = kDigits[DrawNonZero(4) - 1];
            break;
        }
    }
    return FirstDigitCode + digit;
}

std::string CSchemat3_4a::ModelName(int target) const {
    return std::string(SymbolName(target));
}

int CSchemat3_4a::DrawOther(int target) {
    int code = 0;
    do {
        code = FirstDigitCode - 1 + DrawNonZero(11);
    } while (code == target);
    return code;
}

game::Hit CSchemat3_4a::HitTest(std::int32_t dx, std::int32_t dy) {
    return HitChoosableFirst(dx, dy);
}

}  // namespace exercises
