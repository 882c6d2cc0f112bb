#pragma once

#include <string>

#include "exercises/ordering_exercise.h"
#include "game/cwybor.h"
#include "game/exercise_host.h"

namespace exercises {

// Alphabet ordering: the letter twin of the number ordering. Six letter tiles of the 23
// letters without diacritics, either six consecutive letters from "b" ... "s" on or six
// different random ones, to be put on the track in alphabetical order (ascending) or the
// reverse. The timing of a solved attempt runs on until the game form leaves the exercise.
// Named "scheme 2"; the Polish names are explained in docs/glossary.md.
class CSchemat2 : public OrderingExercise {
  public:
    // Throws CBlad code 1 when a tile or the instruction picture is missing.
    CSchemat2(game::ExerciseHost& host, const game::CWybor& settings, bool ascending,
              bool randomNumbers);

    // The tile name of letter number n (0 "a" ... 22 "z"); "-" for any other number.
    static std::string LetterTile(int n);
};

}  // namespace exercises
