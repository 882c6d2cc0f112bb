#pragma once

#include <cstdint>

#include "exercises/pair_columns.h"
#include "game/cwybor.h"
#include "game/exercise_host.h"

namespace exercises {

// Picture pairs: two columns of five picture cards show the same five words of the
// selected sounds, the right column in another order; the child joins each card with the
// card of the same word.
// The Polish names are explained in docs/glossary.md.
class CSchemat1_2 : public CardPairs {
  public:
    static constexpr std::int32_t kCardCount = kPieceCount;

    // Draws five different words of the selected sounds and lays out both columns. Throws
    // CBlad code 1 when a picture is missing.
    CSchemat1_2(game::ExerciseHost& host, const game::CWybor& settings);
    ~CSchemat1_2() override;
};

}  // namespace exercises
