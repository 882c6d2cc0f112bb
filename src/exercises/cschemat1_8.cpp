#include "exercises/cschemat1_8.h"

#include "catalog/resource_names.h"

namespace exercises {

namespace {

// Tiles stand closer together than cards.
constexpr double kRowGap = 10;

}  // namespace

CSchemat1_8::CSchemat1_8(game::ExerciseHost& host, const game::CWybor& settings)
    : TilePairs(host, settings, "S1_8", kRowGap) {
    // Each digit's twin is the same digit.
    CreateTileColumns(DrawDifferentCodes(catalog::FirstDigitCode), 0);
}

CSchemat1_8::~CSchemat1_8() = default;

}  // namespace exercises
