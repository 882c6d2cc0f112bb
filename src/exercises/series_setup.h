#pragma once

#include "game/series_parts.h"

namespace exercises {

// What the game form needs from the exercise types: which exercise each level and draw number
// stands for (the curriculum's level table), and the score of the series over its exercises.
game::SeriesParts MakeSeriesParts();

}  // namespace exercises
