#pragma once

#include "exercises/cschemat3.h"
#include "game/cwybor.h"
#include "game/exercise_host.h"

namespace exercises {

// Completing the equation with digits: finding the result written with digits. At level III
// the result is hidden, at level IV the second operand; the ten answer tiles show the digits
// 0 ... 9. A tile's number is the symbol code of its digit (50 ... 59) or of its sign.
class CSchemat4_4 : public CSchemat3 {
  public:
    CSchemat4_4(game::ExerciseHost& host, const game::CWybor& settings);
};

}  // namespace exercises
