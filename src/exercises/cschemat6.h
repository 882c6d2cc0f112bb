#pragma once

#include "exercises/pair_columns.h"
#include "game/cwybor.h"
#include "game/exercise_host.h"

namespace exercises {

// Pairing pictures: the left column shows five picture cards of different words of the
// selected sounds, the right column the second picture of each of the same words in another
// order; the child joins each picture with the other picture of its word.
// The Polish names are explained in docs/glossary.md.
class CSchemat6 : public CardPairs {
  public:
    // The card set of the second pictures.
    static constexpr const char* kSecondCardFolder = "Data//Res//Kar//Kon//";

    // Draws five different words of the selected sounds and lays out both columns. Throws
    // CBlad code 1 when a picture is missing.
    CSchemat6(game::ExerciseHost& host, const game::CWybor& settings);
    ~CSchemat6() override;
};

}  // namespace exercises
