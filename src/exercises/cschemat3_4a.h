#pragma once

#include <cstdint>
#include <string>

#include "exercises/tile_search.h"
#include "game/cwybor.h"
#include "game/exercise_host.h"

namespace exercises {

// Finding all copies of a digit: a digit whose number word holds a selected sound ("zero"
// and "cztery" hold "r", "jeden" holds "j") fades in over the thought bubble; four tiles show
// that digit and four show other digits. The child collects the four copies onto the shelf;
// each one found flashes green first. Of the tiles the vehicle touches at once, one still to
// be chosen counts before one that only stops it.
// Named "scheme 3_4a"; the Polish names are explained in docs/glossary.md.
class CSchemat3_4a : public TileSearch {
  public:
    // Whether the type has a model for a sound-group selection: "r" or "j" must be in it.
    static bool SuitsSoundGroups(int soundGroups);

    // Throws CBlad code 1 for a missing picture.
    CSchemat3_4a(game::ExerciseHost& host, const game::CWybor& settings);

    // The first touched tile still to be chosen; otherwise the last touched tile that stops
    // the vehicle; otherwise nothing.
    game::Hit HitTest(std::int32_t dx, std::int32_t dy) override;

  protected:
    // The code of 0 or 4 with "r" selected, of 1 with "j".
    int DrawTarget() override;
    std::string ModelName(int target) const override;
    // Any other digit.
    int DrawOther(int target) override;
};

}  // namespace exercises
