#pragma once

#include <cstdint>
#include <string>

#include "exercises/bar_exercise.h"
#include "game/cwybor.h"
#include "game/exercise_host.h"

namespace exercises {

// Choosing the operation: the bar at the bottom shows a, a question mark, b, "=" and c as
// number pictures; above it lie plus and minus. The child brings the operation that makes the
// equation true.
// Tiles by number: 0 "=", 1 the operation, hidden under the question mark, 2 a, 3 b, 4 c;
// 5 plus and 6 minus, the only ones to choose from. A tile's number is its code: the numbers
// 0 ... 9 and the signs below.
// The Polish names are explained in docs/glossary.md.
class CSchemat4 : public BarExercise {
  public:
    static constexpr int TileTotal = 7;
    static constexpr std::int32_t kEquals = -1;
    static constexpr std::int32_t kPlus = -4;
    static constexpr std::int32_t kMinus = -5;
    static constexpr std::int32_t kQuestion = -6;
    static constexpr std::int32_t kEqualsTile = 0;
    static constexpr std::int32_t kOperationTile = 1;
    static constexpr std::int32_t kFirstOperand = 2;
    static constexpr std::int32_t kSecondOperand = 3;
    static constexpr std::int32_t kResult = 4;
    static constexpr std::int32_t kPlusTile = 5;
    static constexpr std::int32_t kMinusTile = 6;

    // Draws the operation and the numbers and lays out the two answers. Throws CBlad code 1
    // when a picture is missing.
    CSchemat4(game::ExerciseHost& host, const game::CWybor& settings);

  protected:
    std::string TileName(std::int32_t code) const override;
};

}  // namespace exercises
