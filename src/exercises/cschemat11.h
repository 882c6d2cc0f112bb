#pragma once

#include "exercises/pair_columns.h"
#include "game/cwybor.h"
#include "game/exercise_host.h"

namespace exercises {

// Pairing number pictures with digits: the left column shows five different number
// pictures ("zero" ... "dziewiec"), the right column the digits of the same numbers in
// another order; the child joins each number picture with its digit. A tile's number is its
// symbol code: 40 ... 49 on the left, the partner's code + 10 (50 ... 59) on the right.
// The Polish names are explained in docs/glossary.md.
class CSchemat11 : public TilePairs {
  public:
    // Draws five different numbers and lays out both columns. Throws CBlad code 1 when a
    // tile picture is missing.
    CSchemat11(game::ExerciseHost& host, const game::CWybor& settings);
    ~CSchemat11() override;
};

}  // namespace exercises
