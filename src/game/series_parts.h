#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "game/cwybor.h"
#include "game/exercise.h"
#include "game/exercise_host.h"
#include "game/series_totals.h"

namespace game {

// The score of a series as the game form uses it: the start and end stamps, the number of
// solved tasks on the screen, the totals of the results window and the statistics record.
class SeriesScore {
  public:
    virtual ~SeriesScore() = default;
    virtual void StampTime(bool end) = 0;
    virtual void DrawScore() = 0;
    virtual SeriesTotals Totals() const = 0;
    // Appends the series to the statistics file; false when it could not be saved.
    virtual bool WriteStatistics() = 0;
};

// What the game form is handed by the layers that know the exercise types, so that it needs
// none of their headers.
struct SeriesParts {
    // Whether the curriculum can give an exercise for a level (LevelI ... LevelIV) and a draw
    // number with these sound groups now: the type is built and its condition on the sound
    // groups holds.
    std::function<bool(int level, int draw, int soundGroups)> Available;
    // The exercise for a level and a draw number; settings carry the level to use. May throw
    // CBlad (a missing picture, too few words).
    std::function<std::unique_ptr<Exercise>(ExerciseHost& host, const CWybor& settings, int level,
                                            int draw)>
        CreateExercise;
    // The score of the series over the form's list of exercises (null entries not reached).
    std::function<std::unique_ptr<SeriesScore>(
        ExerciseHost& host, const CWybor& settings,
        const std::vector<std::unique_ptr<Exercise>>& series)>
        CreateScore;
};

}  // namespace game
