#include "exercises/cwynik.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "exercises/fake_exercise.h"
#include "exercises/statistics_file.h"
#include "exercises/type_codes.h"
#include "game/cwybor.h"
#include "platform/calendar.h"

using namespace exercises;

namespace {

std::vector<std::uint8_t> Bytes(const std::string& s) {
    return {s.begin(), s.end()};
}

// How the child went through one task: the Solved value at each restart, then whether the
// task stands solved at the end. Absent means the exercise was never created.
struct TaskPlay {
    bool created = true;
    std::vector<bool> restarts;
    bool solvedAtEnd = false;
};

struct TotalsCase {
    const char* name;
    std::vector<TaskPlay> tasks;
    std::int16_t solved;
    std::int32_t unsolved;
    std::int16_t notStarted;
    std::int16_t attempts;
    // Test names in ctest show the case, not its bytes.
    friend void PrintTo(const TotalsCase& c, std::ostream* os) { *os << c.name; }
};

class CWynikTotals : public ::testing::TestWithParam<TotalsCase> {};

TEST_P(CWynikTotals, CountAttemptsThatEndedSolvedAndUnsolved) {
    const TotalsCase& c = GetParam();
    std::vector<std::unique_ptr<FakeExercise>> owned;
    std::vector<ScoredExercise*> list;
    for (const TaskPlay& t : c.tasks) {
        if (!t.created) {
            list.push_back(nullptr);
            continue;
        }
        auto e = std::make_unique<FakeExercise>();
        for (bool solved : t.restarts) {
            e->Stat.NewAttempt(solved);
        }
        e->Solved = t.solvedAtEnd;
        list.push_back(e.get());
        owned.push_back(std::move(e));
    }
    const game::CWybor settings;
    const CWynik score(&settings, &list);
    EXPECT_EQ(score.SolvedCount(), c.solved);
    EXPECT_EQ(score.UnsolvedCount(), c.unsolved);
    EXPECT_EQ(score.NotStartedCount(), c.notStarted);
    EXPECT_EQ(score.AttemptCount(), c.attempts);
    // The record carries one entry per attempt of the created exercises only.
    const std::string record = score.SeriesRecord();
    EXPECT_EQ(record.size(), SeriesHeaderSize + AttemptEntrySize * std::size_t(c.attempts));
}

const TaskPlay NotCreated{false, {}, false};

INSTANTIATE_TEST_SUITE_P(
    Cases, CWynikTotals,
    ::testing::Values(
        TotalsCase{"FreshLeftUnsolved", {{true, {}, false}}, 0, 1, 0, 1},
        TotalsCase{"TwoRestartsThenSolved", {{true, {false, false}, true}}, 1, 2, 0, 3},
        TotalsCase{"SolvedRestartedSolvedAgain", {{true, {true}, true}}, 2, 0, 0, 2},
        TotalsCase{"SolvedThenRestartedLeftOpen", {{true, {true}, false}}, 1, 1, 0, 2},
        TotalsCase{"StoppedDuringTheFourthOfTen",
                   {{true, {}, true},
                    {true, {false}, true},
                    {true, {}, true},
                    {true, {}, false},
                    NotCreated,
                    NotCreated,
                    NotCreated,
                    NotCreated,
                    NotCreated,
                    NotCreated},
                   3,
                   2,
                   6,
                   5},
        TotalsCase{"NothingCreated", {NotCreated, NotCreated}, 0, 0, 2, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CWynik, HintsAndLastErrorsSkipNullEntries) {
    FakeExercise a, b;
    a.Stat.Attempts = {{0, 2, 9, 0}, {0, 1, 4, 0}};
    b.Stat.Attempts = {{0, 3, 5, 0}};
    std::vector<ScoredExercise*> list = {&a, nullptr, &b};
    const CWynik score(nullptr, &list);
    EXPECT_EQ(score.HintCount(), 6);
    // Errors of the earlier attempts do not count, only each current one.
    EXPECT_EQ(score.LastErrorsSum(), 9);
}

TEST(CWynik, CountsWrapAtSixteenBitsButTheRecordStillMatchesItsEntries) {
    FakeExercise e;
    e.Stat.Attempts.resize(65536 + 3);
    e.Solved = true;
    std::vector<ScoredExercise*> list = {&e};
    const CWynik score(nullptr, &list);
    EXPECT_EQ(score.AttemptCount(), 3);
    EXPECT_EQ(score.SolvedCount(), 3);
    const std::string record = score.SeriesRecord();
    const std::uint32_t field = std::uint32_t(std::uint8_t(record[28])) |
                                std::uint32_t(std::uint8_t(record[29])) << 8 |
                                std::uint32_t(std::uint8_t(record[30])) << 16 |
                                std::uint32_t(std::uint8_t(record[31])) << 24;
    EXPECT_EQ(field, 65539u);
    EXPECT_EQ(record.size(), SeriesHeaderSize + AttemptEntrySize * field);
}

TEST(CWynik, SeriesRecordMatchesTheFileLayoutByteForByte) {
    game::CWybor settings;
    settings.ilosc = game::QuantityMedium;
    settings.poziom = 4;
    settings.gloski = 5;
    FakeExercise a("S2b");
    a.Stat.Attempts = {{1, 1, 2, 40}, {5, 0, 1, 300}};
    a.Stat.AbandonedAttempts = 1;
    a.Solved = true;
    FakeExercise b("S1722");
    b.Stat.Attempts = {{0, 2, 7, 65537}};
    std::vector<ScoredExercise*> list = {&a, nullptr, &b};
    CWynik score(&settings, &list);
    score.StartDate = 20240507;
    score.StartTime = 930;
    score.EndDate = 20240507;
    score.EndTime = 1005;

    const std::vector<std::uint8_t> expected = {
        0x7b, 0xd8, 0x34, 0x01,  // start date 20240507
        0xa2, 0x03,              // start time 930
        0x7b, 0xd8, 0x34, 0x01,  // end date
        0xed, 0x03,              // end time 1005
        0x02, 0x00,              // quantity
        0x04, 0x00,              // level
        0x05, 0x00,              // sound groups
        0x01, 0x00,              // solved: (2 - 1 - 0) + (1 - 0 - 1)
        0x08, 0x00, 0x00, 0x00,  // last errors: 1 + 7
        0x03, 0x00, 0x00, 0x00,  // hints: 1 + 0 + 2
        0x03, 0x00, 0x00, 0x00,  // attempts
        // "S2b" is type 10: code, errors, points, hints, seconds.
        10, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 40, 0, 0, 0,       //
        10, 1, 0, 0, 0, 5, 0, 0, 0, 0, 0, 0, 0, 0x2c, 0x01, 0, 0,  //
        // "S1722" is type 9.
        9, 7, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0x01, 0x00, 0x01, 0x00};
    EXPECT_EQ(Bytes(score.SeriesRecord()), expected);
}

TEST(CWynik, RecordTakesTheSettingsAsTheyAreWhenWritten) {
    game::CWybor settings;
    std::vector<ScoredExercise*> list;
    const CWynik score(&settings, &list);
    settings.poziom = 8;
    EXPECT_EQ(score.SeriesRecord()[14], 8);
}

TEST(CWynik, StampTimeFillsStartOrEndAndPadsTheText) {
    CWynik score(nullptr, nullptr);
    EXPECT_EQ(score.StampTime(false, {2024, 3, 7, 9, 5}), "202403070905");
    EXPECT_EQ(score.StartDate, 20240307);
    EXPECT_EQ(score.StartTime, 905);
    EXPECT_EQ(score.EndDate, 0);
    EXPECT_EQ(score.StampTime(true, {2025, 12, 31, 23, 59}), "202512312359");
    EXPECT_EQ(score.EndDate, 20251231);
    EXPECT_EQ(score.EndTime, 2359);
    EXPECT_EQ(score.StartDate, 20240307);
}

TEST(CWynik, StampTimeNowGivesAPlausibleLocalDate) {
    CWynik score(nullptr, nullptr);
    const std::string text = score.StampTime(true);
    ASSERT_EQ(text.size(), 12u);
    EXPECT_EQ(text.substr(0, 8), std::to_string(score.EndDate));
    EXPECT_GE(score.EndDate, 20240101);
    EXPECT_LT(score.EndTime % 100, 60);
    EXPECT_LT(score.EndTime, 2400);
}

struct CodeCase {
    const char* name;
    std::uint8_t code;
};

TEST(TypeCode, EveryNameOfTheTableAndNoOther) {
    const CodeCase cases[] = {
        {"S1", 1},
        {"S1a", 1},
        {"S1b", 1},
        {"S1_2", 2},
        {"S1_6", 3},
        {"S1_8", 4},
        {"S10", 5},
        {"S11", 6},
        {"S12", 7},
        {"S15", 8},
        {"S171", 9},
        {"S1721", 9},
        {"S1722", 9},
        {"S2a", 10},
        {"S2b", 10},
        {"S3", 11},
        {"S3_11", 12},
        {"S3_4a", 13},
        {"S4a", 14},
        {"S4b", 14},
        {"S4_4", 15},
        {"S5", 16},
        {"S6", 17},
        {"S9", 18},
        {"S2_1", 19},
        // Whole names only, letter case kept.
        {"S2", 99},
        {"S4", 99},
        {"S17", 99},
        {"S1c", 99},
        {"s1", 99},
        {"S1 ", 99},
        {"", 99},
        {"S172", 99},
        {"S3_4", 99},
    };
    for (const CodeCase& c : cases) {
        EXPECT_EQ(int{TypeCode(c.name)}, int{c.code}) << c.name;
    }
}

}  // namespace
