#pragma once

#include <cstdint>

namespace game {

// The four numbers a stopped series ends with, as the results window shows them.
struct SeriesTotals {
    int16_t Solved = 0;      // points: tasks solved
    int32_t Unsolved = 0;    // tasks begun and left unsolved, the current one included
    int32_t Hints = 0;       // hints given
    int16_t NotStarted = 0;  // tasks of the series never reached
};

}  // namespace game
