#pragma once

#include "exercises/pair_columns.h"
#include "game/cwybor.h"
#include "game/exercise_host.h"

namespace exercises {

// Digit pairs: two columns of five digit tiles show the same five digits, the right column
// in another order; the child joins each digit with its twin. A tile's number is its digit's
// symbol code (50 ... 59).
// The Polish names are explained in docs/glossary.md.
class CSchemat1_8 : public TilePairs {
  public:
    // Draws five different digits and lays out both columns. Throws CBlad code 1 when a tile
    // picture is missing.
    CSchemat1_8(game::ExerciseHost& host, const game::CWybor& settings);
    ~CSchemat1_8() override;
};

}  // namespace exercises
