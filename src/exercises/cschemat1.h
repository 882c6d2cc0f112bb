#pragma once

#include "exercises/ordering_exercise.h"
#include "game/cwybor.h"
#include "game/exercise_host.h"

namespace exercises {

// Number ordering: six number-word tiles, either six consecutive numbers from 1 ... 4 on or
// six different random numbers 0 ... 9, to be put on the track from the smallest up
// (ascending) or from the largest down. Solving stops the timing of the attempt at once.
// Named "scheme 1"; the Polish names are explained in docs/glossary.md.
class CSchemat1 : public OrderingExercise {
  public:
    // Throws CBlad code 1 when a tile or the instruction picture is missing.
    CSchemat1(game::ExerciseHost& host, const game::CWybor& settings, bool ascending,
              bool randomNumbers);
};

}  // namespace exercises
