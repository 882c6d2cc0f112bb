#pragma once

#include <cstdint>
#include <string>

#include "exercises/tile_search.h"
#include "game/cwybor.h"
#include "game/exercise_host.h"

namespace exercises {

// Finding all copies of a number picture: a number whose word holds a selected sound ("zero"
// and "cztery" hold "r", "jeden" holds "j") fades in over the thought bubble; four tiles show
// that number and four show numbers that could never be a model. The child collects the four
// copies onto the shelf; each one found flashes green first. A wrong tile is framed red and
// remarked on but counts no error. Touching tiles is judged as in the digit search.
// Named "scheme 12"; the Polish names are explained in docs/glossary.md.
class CSchemat12 : public TileSearch {
  public:
    // Whether the type has a model for a sound-group selection: "r" alone, "j" alone, or
    // "r" and "j" with or without "l".
    static bool SuitsSoundGroups(int soundGroups);

    // Throws CBlad code 1 for a missing picture.
    CSchemat12(game::ExerciseHost& host, const game::CWybor& settings);

    game::Hit HitTest(std::int32_t dx, std::int32_t dy) override;

  protected:
    // "zero" or "cztery" with "r" alone, "jeden" with "j" alone, any of the three with both.
    int DrawTarget() override;
    std::string ModelName(int target) const override;
    // A number from "dwa" to "dziewiec" but "cztery".
    int DrawOther(int target) override;
    bool CountsErrors() const override { return false; }
};

}  // namespace exercises
