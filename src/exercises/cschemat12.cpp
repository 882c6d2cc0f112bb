#include "exercises/cschemat12.h"

#include "catalog/resource_names.h"
#include "exercises/draws.h"
#include "game/cgrupa.h"
#include "media/random.h"

using namespace catalog;

namespace exercises {

namespace {
// As in the digit search: 110 design pixels from the play area's right and bottom edges,
// the vehicle's size plus a tenth from the tiles before.
constexpr double kMargin = 110;
constexpr double kRoom = 1.1;

constexpr int kZero = FirstNumberWordCode;
constexpr int kOne = FirstNumberWordCode + 1;
constexpr int kFour = FirstNumberWordCode + 4;
}  // namespace

bool CSchemat12::SuitsSoundGroups(int soundGroups) {
    switch (soundGroups) {
        case game::SoundGroupR:
        case game::SoundGroupJ:
        case game::SoundGroupR | game::SoundGroupJ:
        case game::SoundGroupL | game::SoundGroupR | game::SoundGroupJ:
            return true;
        default:
            return false;
    }
}

CSchemat12::CSchemat12(game::ExerciseHost& host, const game::CWybor& settings)
    : TileSearch(host, settings, {"S12", kMargin, {kRoom, kRoom}, true}) {
    Construct();
}

int CSchemat12::DrawTarget() {
    switch (SelectedSoundGroups()) {
        case game::SoundGroupR:
            return DrawNonZero(3) == 1 ? kFour : kZero;
        case game::SoundGroupJ:
            return kOne;
        default: {
            // The game builds this type with "r" and "j" both selected otherwise; any other
            // selection is taken the same way rather than left without a model.
            constexpr int kNumbers[] = {kOne, kFour, kZero};
            return kNumbers[DrawNonZero(4) - 1];
        }
    }
}

std::string CSchemat12::ModelName(int target) const {
    return std::string(SymbolName(target));
}

int CSchemat12::DrawOther(int /*target*/) {
    // Never a number that can be a model.
    int value = 0;
    do {
        value = media::Random() % 10;
    } while (value < 2 || value == 4);
    return FirstNumberWordCode + value;
}

game::Hit CSchemat12::HitTest(std::int32_t dx, std::int32_t dy) {
    return HitChoosableFirst(dx, dy);
}

}  // namespace exercises
