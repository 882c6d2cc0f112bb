#pragma once

#include <string>
#include <utility>

#include "exercises/cstat.h"
#include "exercises/scored_exercise.h"

// An exercise reduced to what the score reads; tests set its fields directly.
class FakeExercise : public exercises::ScoredExercise {
  public:
    explicit FakeExercise(std::string name = "S5") : Name(std::move(name)) {}

    const exercises::CStat& GetStat() const override { return Stat; }
    bool IsSolved() const override { return Solved; }
    const std::string& GetInstructionName() const override { return Name; }

    exercises::CStat Stat;
    bool Solved = false;
    std::string Name;
};
