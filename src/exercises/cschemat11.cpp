#include "exercises/cschemat11.h"

#include "catalog/resource_names.h"

namespace exercises {

namespace {

// The rows stand as far apart as the picture cards of the card pairs.
constexpr double kRowGap = 25;

}  // namespace

CSchemat11::CSchemat11(game::ExerciseHost& host, const game::CWybor& settings)
    : TilePairs(host, settings, "S11", kRowGap) {
    // A number word's digit has the code ten higher.
    CreateTileColumns(DrawDifferentCodes(catalog::FirstNumberWordCode),
                      catalog::FirstDigitCode - catalog::FirstNumberWordCode);
}

CSchemat11::~CSchemat11() = default;

}  // namespace exercises
