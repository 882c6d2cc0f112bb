#include "exercises/series_score.h"

#include "exercises/score_digits.h"
#include "exercises/statistics_file.h"

namespace exercises {

SeriesScoreOfForm::SeriesScoreOfForm(game::ExerciseHost& host, const game::CWybor& settings,
                                     const std::vector<std::unique_ptr<game::Exercise>>& series)
    : host_(host), settings_(settings), series_(series), wynik_(&settings_, &scored_) {}

void SeriesScoreOfForm::Refresh() const {
    scored_.clear();
    for (const auto& exercise : series_) {
        // Every exercise type derives from the base, which is both.
        scored_.push_back(dynamic_cast<ScoredExercise*>(exercise.get()));
    }
}

void SeriesScoreOfForm::DrawScore() {
    Refresh();
    exercises::DrawScore(host_.Context(), wynik_.SolvedCount());
}

game::SeriesTotals SeriesScoreOfForm::Totals() const {
    Refresh();
    return {wynik_.SolvedCount(), wynik_.UnsolvedCount(), wynik_.HintCount(),
            wynik_.NotStartedCount()};
}

bool SeriesScoreOfForm::WriteStatistics() {
    Refresh();
    return wynik_.WriteStatistics(StatisticsFilePath());
}

}  // namespace exercises
