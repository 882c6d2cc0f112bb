#pragma once

#include <cstdint>
#include <string>

#include "exercises/bar_exercise.h"
#include "game/cwybor.h"
#include "game/exercise_host.h"

namespace exercises {

// Comparing numbers: a bar at the bottom shows a digit, a question mark and a digit; above
// it a row offers the signs "=", "<" and ">". The child brings the sign that belongs in the
// gap.
// Tiles by number: 0 the right sign, hidden under the question mark; 1 and 2 the left and
// right digit; 3 "=", 4 "<", 5 ">", the only ones to choose from. A tile's number is its
// code: the digits 10 ... 19, the signs below.
// The Polish names are explained in docs/glossary.md.
class CSchemat5 : public BarExercise {
  public:
    static constexpr int TileTotal = 6;
    static constexpr std::int32_t kEquals = -1;
    static constexpr std::int32_t kGreater = -2;
    static constexpr std::int32_t kLess = -3;
    static constexpr std::int32_t kQuestion = -4;
    static constexpr std::int32_t kFirstDigit = 10;
    static constexpr std::int32_t kSignTile = 0;
    static constexpr std::int32_t kLeftDigit = 1;
    static constexpr std::int32_t kRightDigit = 2;
    static constexpr std::int32_t kFirstAnswer = 3;

    // Draws the relation and two digits that obey it and lays out the row of signs. Throws
    // CBlad code 1 when a picture is missing.
    CSchemat5(game::ExerciseHost& host, const game::CWybor& settings);

  protected:
    std::string TileName(std::int32_t code) const override;
};

}  // namespace exercises
