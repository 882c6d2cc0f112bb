#pragma once

#include <string>

#include "exercises/tile_search.h"
#include "game/cwybor.h"
#include "game/exercise_host.h"

namespace exercises {

// Finding all copies of a letter: the red letter of a selected trained sound fades in over
// the thought bubble; four tiles show that letter and four show other letters, never one
// that could be mistaken for it. The child collects the four copies onto the shelf; found
// ones do not flash green. The vehicle stops at the first tile it touches, the model
// included.
// Named "scheme 15"; the Polish names are explained in docs/glossary.md.
class CSchemat15 : public TileSearch {
  public:
    // Throws CBlad code 1 for a missing picture.
    CSchemat15(game::ExerciseHost& host, const game::CWybor& settings);

  protected:
    // One of the selected trained sounds.
    int DrawTarget() override;
    // The red picture of the letter.
    std::string ModelName(int target) const override;
    // A selected sound or a distractor letter that may stand beside the target.
    int DrawOther(int target) override;
};

}  // namespace exercises
