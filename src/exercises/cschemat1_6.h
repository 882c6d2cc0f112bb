#pragma once

#include "exercises/pair_columns.h"
#include "game/cwybor.h"
#include "game/exercise_host.h"

namespace exercises {

// Associated word pairs: the left column shows the first words of five pairs of words that
// belong together, each pair from another set of the curriculum's pair sets for the level;
// the right column shows their second words in another order. The child joins each picture
// with its partner. A card's tag is the number of the set its pair came from.
// The Polish names are explained in docs/glossary.md.
class CSchemat1_6 : public CardPairs {
  public:
    // Draws five pairs of the selected sounds from five different sets and lays out both
    // columns. Throws CBlad code 9 when the sets of the level cannot give five such pairs,
    // code 1 when a picture is missing.
    CSchemat1_6(game::ExerciseHost& host, const game::CWybor& settings);
    ~CSchemat1_6() override;
};

}  // namespace exercises
