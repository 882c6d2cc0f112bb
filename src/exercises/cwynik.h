#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace game {
class CWybor;
}
namespace platform {
struct CalendarTime;
}

namespace exercises {

class ScoredExercise;

// The score of one series, owned by the game form: its totals for the score box and the
// results form, the start and end stamps, and the series record of the statistics file.
// Named "result"; see docs/glossary.md.
class CWynik {
  public:
    // Both lists belong to the game form and outlive the score; a null exercise entry is a
    // task not started yet, skipped by every total.
    CWynik(const game::CWybor* seriesSettings, const std::vector<ScoredExercise*>* exercises)
        : SeriesSettings(seriesSettings), Exercises(exercises) {}

    const game::CWybor* SeriesSettings;
    const std::vector<ScoredExercise*>* Exercises;
    std::int32_t StartDate = 0;  // year * 10000 + month * 100 + day
    std::int16_t StartTime = 0;  // hour * 100 + minute
    std::int32_t EndDate = 0;
    std::int16_t EndTime = 0;

    // Attempts that ended solved; 16-bit like the field of the file.
    std::int16_t SolvedCount() const;
    // Attempts abandoned by a restart plus tasks left unsolved.
    std::int32_t UnsolvedCount() const;
    std::int32_t HintCount() const;
    // Errors of each exercise's current attempt.
    std::int32_t LastErrorsSum() const;
    std::int16_t NotStartedCount() const;
    std::int16_t AttemptCount() const;

    // Stamps the start (or, when end, the end) of the series with the local time now and
    // returns it as text, date then time ("202405070930").
    std::string StampTime(bool end);
    std::string StampTime(bool end, const platform::CalendarTime& now);

    // The series record as the statistics file holds it.
    std::string SeriesRecord() const;
    // Appends the series record to file (see AppendStatisticsRecord). False when it was
    // not written; standard error then says why.
    bool WriteStatistics(const std::filesystem::path& file) const;
};

}  // namespace exercises
