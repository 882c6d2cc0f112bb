#include "exercises/series_setup.h"

#include "exercises/series_score.h"

namespace exercises {

game::SeriesParts MakeSeriesParts() {
    game::SeriesParts parts;
    parts.Available = [](int, int, int) { return false; };
    parts.CreateExercise = [](game::ExerciseHost&, const game::CWybor&, int,
                              int) -> std::unique_ptr<game::Exercise> { return nullptr; };
    parts.CreateScore = [](game::ExerciseHost& host, const game::CWybor& settings,
                           const std::vector<std::unique_ptr<game::Exercise>>& series) {
        return std::make_unique<SeriesScoreOfForm>(host, settings, series);
    };
    return parts;
}

}  // namespace exercises
