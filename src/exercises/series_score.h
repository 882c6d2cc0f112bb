#pragma once

#include <memory>
#include <vector>

#include "exercises/cwynik.h"
#include "exercises/scored_exercise.h"
#include "game/exercise_host.h"
#include "game/series_parts.h"

namespace exercises {

// The game form's score: CWynik over the form's list of exercises, drawn into the form's
// bitmaps and written to the statistics file.
class SeriesScoreOfForm final : public game::SeriesScore {
  public:
    SeriesScoreOfForm(game::ExerciseHost& host, const game::CWybor& settings,
                      const std::vector<std::unique_ptr<game::Exercise>>& series);

    void StampTime(bool end) override { wynik_.StampTime(end); }
    void DrawScore() override;
    game::SeriesTotals Totals() const override;
    bool WriteStatistics() override;

    const CWynik& Wynik() const { return wynik_; }

  private:
    // Renews the score's view of the form's list (entries appear as the series goes on).
    void Refresh() const;

    game::ExerciseHost& host_;
    game::CWybor settings_;
    const std::vector<std::unique_ptr<game::Exercise>>& series_;
    mutable std::vector<ScoredExercise*> scored_;
    CWynik wynik_;
};

}  // namespace exercises
