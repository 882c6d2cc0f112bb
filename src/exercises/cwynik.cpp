#include "exercises/cwynik.h"

#include <cstdio>

#include "exercises/little_endian.h"
#include "exercises/scored_exercise.h"
#include "exercises/statistics_file.h"
#include "exercises/type_codes.h"
#include "game/cwybor.h"
#include "platform/calendar.h"

namespace exercises {

namespace {

// Calls visit for every exercise that exists, in series order.
template <typename Visit>
void ForEachExercise(const std::vector<ScoredExercise*>* exercises, Visit visit) {
    if (exercises == nullptr) {
        return;
    }
    for (const ScoredExercise* e : *exercises) {
        if (e != nullptr) {
            visit(*e);
        }
    }
}

std::string TwoDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

}  // namespace

std::int16_t CWynik::SolvedCount() const {
    // Wraps at 16 bits, as the file's field does.
    std::uint16_t sum = 0;
    ForEachExercise(Exercises, [&sum](const ScoredExercise& e) {
        const CStat& stat = e.GetStat();
        const auto attempts = static_cast<std::uint16_t>(stat.Attempts.size());
        const auto abandoned = static_cast<std::uint16_t>(stat.AbandonedAttempts);
        const std::uint16_t open = e.IsSolved() ? 0 : 1;
        sum = static_cast<std::uint16_t>(sum + attempts - abandoned - open);
    });
    return static_cast<std::int16_t>(sum);
}

std::int32_t CWynik::UnsolvedCount() const {
    std::int32_t sum = 0;
    ForEachExercise(Exercises, [&sum](const ScoredExercise& e) {
        sum += e.GetStat().AbandonedAttempts + (e.IsSolved() ? 0 : 1);
    });
    return sum;
}

std::int32_t CWynik::HintCount() const {
    std::int32_t sum = 0;
    ForEachExercise(Exercises,
                    [&sum](const ScoredExercise& e) { sum += e.GetStat().TotalHints(); });
    return sum;
}

std::int32_t CWynik::LastErrorsSum() const {
    std::int32_t sum = 0;
    ForEachExercise(Exercises,
                    [&sum](const ScoredExercise& e) { sum += e.GetStat().Last().Errors; });
    return sum;
}

std::int16_t CWynik::NotStartedCount() const {
    std::uint16_t count = 0;
    if (Exercises != nullptr) {
        for (const ScoredExercise* e : *Exercises) {
            count = static_cast<std::uint16_t>(count + (e == nullptr ? 1 : 0));
        }
    }
    return static_cast<std::int16_t>(count);
}

std::int16_t CWynik::AttemptCount() const {
    std::uint16_t sum = 0;
    ForEachExercise(Exercises, [&sum](const ScoredExercise& e) {
        sum = static_cast<std::uint16_t>(sum + e.GetStat().Attempts.size());
    });
    return static_cast<std::int16_t>(sum);
}

std::string CWynik::StampTime(bool end) {
    return StampTime(end, platform::LocalCalendarTime());
}

std::string CWynik::StampTime(bool end, const platform::CalendarTime& now) {
    const std::string date = std::to_string(now.Year) + TwoDigits(now.Month) + TwoDigits(now.Day);
    const std::string time = TwoDigits(now.Hour) + TwoDigits(now.Minute);
    const std::int32_t dateNumber = now.Year * 10000 + now.Month * 100 + now.Day;
    const auto timeNumber = static_cast<std::int16_t>(now.Hour * 100 + now.Minute);
    (end ? EndDate : StartDate) = dateNumber;
    (end ? EndTime : StartTime) = timeNumber;
    return date + time;
}

std::string CWynik::SeriesRecord() const {
    std::string entries;
    ForEachExercise(Exercises, [&entries](const ScoredExercise& e) {
        e.GetStat().WriteAttempts(entries, TypeCode(e.GetInstructionName()));
    });
    std::string record;
    record.reserve(SeriesHeaderSize + entries.size());
    PutLittleEndian(record, StartDate);
    PutLittleEndian(record, StartTime);
    PutLittleEndian(record, EndDate);
    PutLittleEndian(record, EndTime);
    // The settings as they are now; a score without settings records zeros, not made-up ones.
    const bool known = SeriesSettings != nullptr;
    PutLittleEndian(record, known ? SeriesSettings->ilosc : std::int16_t{0});
    PutLittleEndian(record, known ? SeriesSettings->poziom : std::int16_t{0});
    PutLittleEndian(record, known ? SeriesSettings->gloski : std::int16_t{0});
    PutLittleEndian(record, SolvedCount());
    PutLittleEndian(record, LastErrorsSum());
    PutLittleEndian(record, HintCount());
    // The number of entries that follow, so a reader can always step over them (the 16-bit
    // AttemptCount would stop matching past 65535 attempts).
    PutLittleEndian(record, static_cast<std::uint32_t>(entries.size() / AttemptEntrySize));
    record += entries;
    return record;
}

bool CWynik::WriteStatistics(const std::filesystem::path& file) const {
    const std::string stamp =
        std::to_string(EndDate) + "-" + TwoDigits(EndTime / 100) + TwoDigits(EndTime % 100);
    return AppendStatisticsRecord(file, SeriesRecord(), stamp);
}

}  // namespace exercises
