#pragma once

#include <string>

#include "exercises/cstat.h"

namespace exercises {

// What the series totals and the statistics file read of one exercise. The exercise base
// implements it over its Stat, Solved and InstructionName.
class ScoredExercise {
  public:
    virtual ~ScoredExercise() = default;
    virtual const CStat& GetStat() const = 0;
    // Whether the current task is solved.
    virtual bool IsSolved() const = 0;
    // The instruction sound's name, which also tells the exercise type (TypeCode).
    virtual const std::string& GetInstructionName() const = 0;
};

}  // namespace exercises
