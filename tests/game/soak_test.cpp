// A soak of the game form: many seeded random series of the real exercise types on the
// headless app and the generated data set, every level, sound-group choice, length and input,
// and at every task a random action a child or therapist takes: solving (after hints), wrong
// choices, a restart, going back and forward, skipping, stopping early. The player keeps its
// own ledger of the play; every series must end in a results window and exactly one new
// record of the statistics file that both agree with it, without a crash or a hang.
//
// VIMBARO_SOAK_SERIES sets how many series are played, VIMBARO_SOAK_SEED the first one's
// seed (series k plays on seed + k, so one series is replayed alone by its own seed and a
// count of one).

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "exercises/cstat.h"
#include "exercises/series_setup.h"
#include "exercises/statistics_file.h"
#include "exercises/type_codes.h"
#include "game/game_session_fixture.h"
#include "game/series_player.h"
#include "game/tfm_wynik.h"
#include "hang_guard.h"
#include "platform/clock.h"
#include "platform/timer.h"

using namespace game_session;
using game::CWybor;
using game::TfmWynik;
using platform::Key;
using series_player::Input;

namespace {

// The first six series from this seed (the default slice) play every level, input and length;
// the first two (a sanitizer build's slice) are series of five, by keys and by two switches.
constexpr std::uint32_t kDefaultSeed = 60;

// A whole number from the environment, or fallback when it is unset or not a number.
std::uint32_t FromEnvironment(const char* name, std::uint32_t fallback) {
    const char* text = std::getenv(name);
    std::uint32_t value = 0;
    if (text == nullptr) {
        return fallback;
    }
    const char* end = text + std::char_traits<char>::length(text);
    const auto [stop, error] = std::from_chars(text, end, value);
    return error == std::errc{} && stop == end ? value : fallback;
}

// What one series is played with, drawn from its seed.
struct SoakSeries {
    std::uint32_t seed = 0;
    std::int16_t level = game::LevelI;
    std::int16_t soundGroups = 1;
    std::int16_t quantity = game::QuantityFew;
    Input input = Input::Keys;
    bool externalCycle = false;

    CWybor Settings() const {
        CWybor s;
        s.ilosc = quantity;
        s.poziom = level;
        s.gloski = soundGroups;
        const std::int8_t cycle = externalCycle ? game::ScanExternalCycle : game::ScanInternalCycle;
        s.scan =
            static_cast<std::int8_t>((input == Input::Keys ? game::ScanOff | game::ScanTwoSwitches
                                      : input == Input::OneSwitch ? game::ScanOneSwitch
                                                                  : game::ScanTwoSwitches) |
                                     cycle);
        s.scanTime = game::ScanTimeMin;
        return s;
    }

    std::string Describe() const {
        const char* levels[] = {"I", "II", "III", "IV"};
        const char* inputs[] = {"keys", "one switch", "two switches"};
        std::ostringstream text;
        text << "seed " << seed << ": level "
             << levels[level == game::LevelI     ? 0
                       : level == game::LevelII  ? 1
                       : level == game::LevelIII ? 2
                                                 : 3]
             << ", sound groups " << soundGroups << ", " << game::TfmGry::SeriesLength(quantity)
             << " tasks, " << inputs[static_cast<int>(input)] << ", "
             << (externalCycle ? "external" : "internal") << " cycle";
        return text.str();
    }
};

SoakSeries DrawSeries(std::uint32_t seed) {
    std::mt19937 draw(seed);
    constexpr std::array<std::int16_t, 4> levels{game::LevelI, game::LevelII, game::LevelIII,
                                                 game::LevelIV};
    constexpr std::array<std::int16_t, 3> quantities{game::QuantityFew, game::QuantityMedium,
                                                     game::QuantityMany};
    SoakSeries s;
    s.seed = seed;
    s.level = levels[draw() % levels.size()];
    s.soundGroups = static_cast<std::int16_t>(1 + draw() % 7);  // any non-empty choice
    s.quantity = quantities[draw() % quantities.size()];
    s.input = static_cast<Input>(draw() % 3);
    s.externalCycle = draw() % 2 == 0;
    return s;
}

// What the player does at a task.
enum class Action { Solve, WrongChoices, Restart, BackAndForward, Skip, Stop };

const char* ActionName(Action a) {
    switch (a) {
        case Action::Solve:
            return "solve";
        case Action::WrongChoices:
            return "wrong choices";
        case Action::Restart:
            return "restart";
        case Action::BackAndForward:
            return "back and forward";
        case Action::Skip:
            return "skip";
        case Action::Stop:
            break;
    }
    return "stop";
}

Action DrawAction(std::mt19937& draw) {
    // Weights: mostly solving, now and then a stop before the end.
    constexpr std::array<std::pair<Action, unsigned>, 6> weights{{{Action::Solve, 36},
                                                                  {Action::WrongChoices, 15},
                                                                  {Action::Restart, 15},
                                                                  {Action::BackAndForward, 15},
                                                                  {Action::Skip, 13},
                                                                  {Action::Stop, 6}}};
    unsigned roll = draw() % 100;
    for (const auto& [action, weight] : weights) {
        if (roll < weight) {
            return action;
        }
        roll -= weight;
    }
    return Action::Solve;
}

// An attempt's counts, seconds aside, as a failure shows them.
std::string Counts(const exercises::CStatWart& a) {
    return "points " + std::to_string(a.Points) + ", hints " + std::to_string(a.Hints) +
           ", errors " + std::to_string(a.Errors);
}

// The player's own account of one task.
struct TaskLedger {
    bool created = false;
    std::vector<bool> closedSolved;  // each attempt a restart closed: solved or not
    bool solved = false;             // the current attempt
    // Every attempt's points, hints and errors as the exercise showed them when the player
    // last acted on it; seconds are not kept.
    std::vector<exercises::CStatWart> seen;
    std::uint64_t shownMs = 0;        // game time the task may have been on the screen
    std::uint64_t surelyTimedMs = 0;  // game time the task was surely timed
    int timingRuns = 0;               // times its timing started: visits and restarts
    std::string instruction;

    std::size_t Attempts() const { return closedSolved.size() + 1; }
};

// A series record of the statistics file, read back field by field.
struct Record {
    std::int32_t startDate = 0;
    std::int16_t startTime = 0;
    std::int32_t endDate = 0;
    std::int16_t endTime = 0;
    std::int16_t quantity = 0, level = 0, soundGroups = 0, solved = 0;
    std::int32_t lastErrors = 0, hints = 0;
    struct Entry {
        std::uint8_t code = 0;
        exercises::CStatWart value;
    };
    std::vector<Entry> entries;
};

class RecordReader {
  public:
    explicit RecordReader(const std::string& bytes) : bytes_(bytes) {}
    template <typename T>
    T Next() {
        std::uint64_t bits = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            bits |= std::uint64_t{static_cast<std::uint8_t>(bytes_.at(at_ + i))} << (8 * i);
        }
        at_ += sizeof(T);
        return static_cast<T>(bits);
    }
    std::size_t Left() const { return bytes_.size() - at_; }

  private:
    const std::string& bytes_;
    std::size_t at_ = 0;
};

// Reads the next record; throws std::out_of_range when the bytes end early.
Record ReadRecord(RecordReader& in) {
    Record r;
    r.startDate = in.Next<std::int32_t>();
    r.startTime = in.Next<std::int16_t>();
    r.endDate = in.Next<std::int32_t>();
    r.endTime = in.Next<std::int16_t>();
    r.quantity = in.Next<std::int16_t>();
    r.level = in.Next<std::int16_t>();
    r.soundGroups = in.Next<std::int16_t>();
    r.solved = in.Next<std::int16_t>();
    r.lastErrors = in.Next<std::int32_t>();
    r.hints = in.Next<std::int32_t>();
    const auto count = in.Next<std::uint32_t>();
    for (std::uint32_t i = 0; i < count; ++i) {
        Record::Entry e;
        e.code = in.Next<std::uint8_t>();
        e.value.Errors = in.Next<std::int32_t>();
        e.value.Points = in.Next<std::int32_t>();
        e.value.Hints = in.Next<std::int32_t>();
        e.value.Seconds = in.Next<std::int32_t>();
        r.entries.push_back(e);
    }
    return r;
}

// Whether a date and time of a record are a real calendar stamp.
bool PlausibleStamp(std::int32_t date, std::int16_t time) {
    const int month = date / 100 % 100;
    const int day = date % 100;
    return date >= 20000101 && month >= 1 && month <= 12 && day >= 1 && day <= 31 && time >= 0 &&
           time / 100 < 24 && time % 100 < 60;
}

class Soak : public GameSession {
  protected:
    exercises::CSuperSchemat& Current() const {
        return dynamic_cast<exercises::CSuperSchemat&>(*form->CurrentExercise());
    }
    TaskLedger& Task() { return ledger_.at(static_cast<std::size_t>(form->CurrentIndex())); }
    static std::uint32_t Now() { return platform::GetClock().TickCount(); }

    std::string StatisticsBytes() const {
        std::ifstream in(StatisticsFile(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    // Takes down what the current task shows now.
    void Note() {
        TaskLedger& task = Task();
        const exercises::CStat& stat = Current().GetStat();
        task.seen = stat.Attempts;
        task.instruction = Current().GetInstructionName();
    }

    // Checks that the current task stands as the ledger says: the same attempts, solved or
    // not, with what the player saw of them, and that the score agrees with the ledger.
    void ExpectAsTheLedgerSays() {
        const TaskLedger& task = Task();
        ASSERT_TRUE(task.created);
        ASSERT_FALSE(form->Ended());
        const exercises::CSuperSchemat& exercise = Current();
        ASSERT_EQ(exercise.GetStat().Attempts.size(), task.Attempts());
        EXPECT_EQ(exercise.IsSolved(), task.solved);
        EXPECT_EQ(exercise.GetInstructionName(), task.instruction);
        for (std::size_t a = 0; a < task.seen.size(); ++a) {
            EXPECT_EQ(Counts(exercise.GetStat().Attempts[a]), Counts(task.seen[a]))
                << "attempt " << a;
        }
        const game::SeriesTotals totals = form->Score().Totals();
        EXPECT_EQ(totals.Solved, ExpectedSolved());
        EXPECT_EQ(totals.Unsolved, ExpectedUnsolved());
        EXPECT_EQ(totals.NotStarted, ExpectedNotStarted());
    }

    std::int16_t ExpectedSolved() const {
        int sum = 0;
        for (const TaskLedger& t : ledger_) {
            for (const bool s : t.closedSolved) {
                sum += s ? 1 : 0;
            }
            sum += t.created && t.solved ? 1 : 0;
        }
        return static_cast<std::int16_t>(sum);
    }
    std::int32_t ExpectedUnsolved() const {
        int sum = 0;
        for (const TaskLedger& t : ledger_) {
            for (const bool s : t.closedSolved) {
                sum += s ? 0 : 1;
            }
            sum += t.created && !t.solved ? 1 : 0;
        }
        return sum;
    }
    std::int16_t ExpectedNotStarted() const {
        int sum = 0;
        for (const TaskLedger& t : ledger_) {
            sum += t.created ? 0 : 1;
        }
        return static_cast<std::int16_t>(sum);
    }

    // The timing the ledger is sure of: from when an unsolved task is on the screen (shown or
    // started again) until it is left or the player last saw it unsolved.
    void OpenTiming() {
        if (!form->Ended() && form->CurrentExercise() != nullptr && !Task().solved) {
            timedSince_ = Now();
        }
    }
    void CloseTiming(std::uint32_t at) {
        if (timedSince_) {
            Task().surelyTimedMs += at - *timedSince_;
            timedSince_.reset();
        }
    }

    // A move to another task (or the end) by act: the task left was on the screen until
    // act ended, the one reached from when it began.
    template <typename Act>
    void Move(Act act) {
        const int from = form->CurrentIndex();
        const std::uint32_t began = Now();
        CloseTiming(began);
        act();
        ledger_.at(static_cast<std::size_t>(from)).shownMs += Now() - shownSince_;
        shownSince_ = began;
        if (!form->Ended() && form->CurrentExercise() != nullptr) {
            TaskLedger& task = Task();
            ++task.timingRuns;
            if (!task.created) {
                task.created = true;
                Note();
            }
            OpenTiming();
        }
    }

    // The player's view of the session, noting the last moment it saw the task unsolved.
    series_player::Session Watched() {
        series_player::Session s = Player();
        const auto look = [this] {
            if (!form->Ended() && form->CurrentExercise() != nullptr &&
                !form->CurrentExercise()->IsSolved()) {
                lastUnsolved_ = Now();
            }
        };
        s.Settle = [settle = s.Settle, look] {
            settle();
            look();
        };
        s.Wait = [wait = s.Wait, look](std::uint32_t ms) {
            wait(ms);
            look();
        };
        return s;
    }

    // Something the child does at the current task through Watched(): the task was surely
    // timed until the player last saw it unsolved.
    template <typename Act>
    void Play(Act act) {
        lastUnsolved_ = Now();
        act();
        Task().solved = Current().IsSolved();
        Note();
        if (Task().solved) {
            CloseTiming(lastUnsolved_);
        }
    }

    void SolveHere(Input input, int hints) {
        ASSERT_FALSE(Task().solved);
        int made = 0;
        Play([&] {
            for (int i = 0; i < hints; ++i) {
                form->A_Pomoc.Execute();
                h.app->ProcessMessages();
            }
            made = series_player::Solve(Watched(), input);
        });
        ASSERT_GT(made, 0);
        ASSERT_TRUE(Task().solved);
        EXPECT_GE(Current().GetStat().Last().Points, 1) << "solved without a right choice";
    }

    // Up to `most` choices at random elements, meant to be wrong: the player cannot tell
    // which are right, so it stops at the first that scores a point instead of an error.
    void ChooseAtRandom(Input input, std::mt19937& draw, int most) {
        const int choices = 1 + static_cast<int>(draw() % static_cast<unsigned>(most));
        Play([&] {
            for (int i = 0; i < choices; ++i) {
                const int points = Current().GetStat().Last().Points;
                const int errors = Current().GetStat().Last().Errors;
                if (!series_player::ChooseOne(Watched(), input, draw())) {
                    break;  // nothing to drive into or highlight from here
                }
                EXPECT_LE(Current().GetStat().Last().Errors - errors, 1)
                    << "one choice counted as several errors";
                if (Current().GetStat().Last().Points != points || Current().IsSolved()) {
                    ++luckyChoices_;
                    break;
                }
                ++wrongChoices_;
            }
        });
    }

    // 'n': the task again as a new attempt, the one closed counted solved or not.
    void RestartHere() {
        TaskLedger& task = Task();
        CloseTiming(Now());
        task.closedSolved.push_back(task.solved);
        task.solved = false;
        ++task.timingRuns;
        Press(Key::Char, U'n');
        Note();
        EXPECT_FALSE(Current().IsSolved());
        OpenTiming();
    }

    // On to the next task: Enter, or after a solution the automatic advance now and then.
    void MoveOn(bool automatic) {
        const int from = form->CurrentIndex();
        Move([&] {
            if (automatic) {
                Wait(5100);
            } else {
                Press(Key::Enter);
            }
        });
        ASSERT_EQ(form->CurrentIndex(), from + 1);
    }

    // Esc stops the series: the results window is read while it is shown, and a second Esc
    // closes it. Returns the four figures it showed.
    std::array<std::string, TfmWynik::LineCount> StopAndReadResults() {
        std::optional<std::array<std::string, TfmWynik::LineCount>> shown;
        bool notSaved = false;
        platform::Timer look(50, [&] {
            const TfmWynik* results = form->Results();
            if (shown || results == nullptr) {
                return;
            }
            shown.emplace();
            for (int line = 0; line < TfmWynik::LineCount; ++line) {
                (*shown)[static_cast<std::size_t>(line)] =
                    results->ValueLabel(static_cast<TfmWynik::Line>(line)).Text();
            }
            notSaved = results->NotSavedLabel() != nullptr;
            h.headless->PressKey(Key::Escape);
        });
        look.SetEnabled(true);
        const int returns = menuReturns;
        Move([&] { Press(Key::Escape); });
        look.SetEnabled(false);
        EXPECT_TRUE(form->Ended());
        EXPECT_EQ(menuReturns, returns + 1);
        EXPECT_TRUE(shown.has_value()) << "no results window";
        EXPECT_FALSE(notSaved) << "the results window says the series was not saved";
        return shown.value_or(std::array<std::string, TfmWynik::LineCount>{});
    }

    // Plays one series to its end (or an early stop) and checks the results and the record.
    void PlaySeries(const SoakSeries& series) {
        media::SeedRandom(series.seed);
        exercises::ResetBackgroundRotationForTesting();
        std::mt19937 draw(series.seed ^ 0x5eed5eedu);
        const std::string before = StatisticsBytes();
        platform::MessageLog::Capture();  // anew: only this series' messages
        form.reset();
        shownSince_ = Now();
        timedSince_.reset();
        StartWith(series.Settings(), exercises::MakeSeriesParts());
        ASSERT_FALSE(form->Ended());
        ASSERT_NE(form->CurrentExercise(), nullptr);
        const auto length = static_cast<int>(form->Series().size());
        ASSERT_EQ(length, game::TfmGry::SeriesLength(series.quantity));
        ledger_.assign(static_cast<std::size_t>(length), TaskLedger{});
        Task().created = true;
        Task().timingRuns = 1;
        Note();
        OpenTiming();

        const Input input = series.input;
        bool stopped = false;
        while (!stopped) {
            const int index = form->CurrentIndex();
            const bool last = index + 1 == length;
            const Action action = DrawAction(draw);
            SCOPED_TRACE(testing::Message() << "task " << index << ": " << ActionName(action)
                                            << " (" << Current().GetInstructionName() << ")");
            ++actions_[static_cast<std::size_t>(action)];
            ASSERT_NO_FATAL_FAILURE(ExpectAsTheLedgerSays());
            bool moveOn = true;
            bool automatic = false;
            switch (action) {
                case Action::Solve:
                    ASSERT_NO_FATAL_FAILURE(SolveHere(input, static_cast<int>(draw() % 3)));
                    automatic = draw() % 2 == 0;
                    break;
                case Action::WrongChoices:
                    ChooseAtRandom(input, draw, 3);
                    break;
                case Action::Restart:
                    // Started again untouched, after a choice or after the solution.
                    switch (draw() % 3) {
                        case 1:
                            ChooseAtRandom(input, draw, 1);
                            break;
                        case 2:
                            ASSERT_NO_FATAL_FAILURE(SolveHere(input, 0));
                            break;
                        default:
                            break;
                    }
                    RestartHere();
                    ASSERT_NO_FATAL_FAILURE(SolveHere(input, static_cast<int>(draw() % 2)));
                    break;
                case Action::BackAndForward:
                    if (index > 0) {
                        Move([&] { Press(Key::Backspace); });
                        ASSERT_EQ(form->CurrentIndex(), index - 1);
                        ASSERT_NO_FATAL_FAILURE(ExpectAsTheLedgerSays());  // kept as it was left
                        if (!Task().solved && draw() % 2 == 0) {
                            ASSERT_NO_FATAL_FAILURE(SolveHere(input, 0));
                        }
                        Move([&] { Press(Key::Enter); });
                        ASSERT_EQ(form->CurrentIndex(), index);
                        ASSERT_NO_FATAL_FAILURE(ExpectAsTheLedgerSays());
                    }
                    if (!Task().solved) {
                        ASSERT_NO_FATAL_FAILURE(SolveHere(input, 0));
                    }
                    break;
                case Action::Skip:
                    break;
                case Action::Stop:
                    moveOn = false;
                    break;
            }
            ASSERT_NO_FATAL_FAILURE(ExpectAsTheLedgerSays());
            if (!moveOn || last) {
                stopped = true;
            } else {
                // The automatic advance comes only after a solution.
                ASSERT_NO_FATAL_FAILURE(MoveOn(automatic && Task().solved));
                ASSERT_NO_FATAL_FAILURE(ExpectAsTheLedgerSays());
            }
        }

        const std::array<std::string, TfmWynik::LineCount> shown = StopAndReadResults();
        EXPECT_TRUE(platform::MessageLog::Entries().empty())
            << platform::MessageLog::Entries().front().Text;
        ExpectResultsAndRecord(series, shown, before);
        ++played_;
    }

    // The results window showed the ledger's totals; the statistics file grew by exactly the
    // record of them, as the score wrote it.
    void ExpectResultsAndRecord(const SoakSeries& series,
                                const std::array<std::string, TfmWynik::LineCount>& shown,
                                const std::string& before) {
        int hints = 0;
        int lastErrors = 0;
        std::size_t attempts = 0;
        for (const TaskLedger& t : ledger_) {
            if (!t.created) {
                continue;
            }
            attempts += t.Attempts();
            lastErrors += t.seen.back().Errors;
            for (const exercises::CStatWart& a : t.seen) {
                hints += a.Hints;
            }
        }
        EXPECT_EQ(shown[TfmWynik::Punkty], std::to_string(ExpectedSolved()));
        EXPECT_EQ(shown[TfmWynik::NieRoz], std::to_string(ExpectedUnsolved()));
        EXPECT_EQ(shown[TfmWynik::Pomoc], std::to_string(hints));
        EXPECT_EQ(shown[TfmWynik::NieRozp], std::to_string(ExpectedNotStarted()));

        auto& score = dynamic_cast<exercises::SeriesScoreOfForm&>(form->Score());
        const std::string record = score.Wynik().SeriesRecord();
        const std::string after = StatisticsBytes();
        // A full file is moved aside before the record is appended.
        const std::string kept = before.size() > exercises::StatisticsFileLimit ? "" : before;
        recordsInFile_ = kept.empty() ? 1 : recordsInFile_ + 1;
        ASSERT_EQ(after.size(), kept.size() + record.size()) << "not exactly one more record";
        EXPECT_EQ(after.substr(0, kept.size()), kept) << "earlier records changed";
        ASSERT_EQ(after.substr(kept.size()), record);
        ASSERT_EQ(record.size(),
                  exercises::SeriesHeaderSize + attempts * exercises::AttemptEntrySize);

        RecordReader in(record);
        const Record r = ReadRecord(in);
        EXPECT_EQ(in.Left(), 0u) << "bytes after the record's last entry";
        EXPECT_EQ(r.quantity, series.quantity);
        EXPECT_EQ(r.level, series.level);
        EXPECT_EQ(r.soundGroups, series.soundGroups);
        EXPECT_EQ(std::to_string(r.solved), shown[TfmWynik::Punkty]);
        EXPECT_EQ(std::to_string(r.hints), shown[TfmWynik::Pomoc]);
        EXPECT_EQ(r.lastErrors, lastErrors);
        EXPECT_TRUE(PlausibleStamp(r.startDate, r.startTime)) << r.startDate << ' ' << r.startTime;
        EXPECT_TRUE(PlausibleStamp(r.endDate, r.endTime)) << r.endDate << ' ' << r.endTime;
        EXPECT_LE(std::int64_t{r.startDate} * 10000 + r.startTime,
                  std::int64_t{r.endDate} * 10000 + r.endTime);
        // Attempt by attempt, task by task: the type's code and what the player saw; no
        // more seconds than the task was on the screen.
        std::size_t at = 0;
        for (std::size_t n = 0; n < ledger_.size(); ++n) {
            const TaskLedger& t = ledger_[n];
            if (!t.created) {
                continue;
            }
            SCOPED_TRACE(testing::Message() << "task " << n << " (" << t.instruction << ")");
            const std::uint8_t code = exercises::TypeCode(t.instruction);
            EXPECT_NE(code, exercises::UnknownTypeCode);
            std::int64_t seconds = 0;
            for (std::size_t a = 0; a < t.Attempts(); ++a, ++at) {
                const Record::Entry& e = r.entries.at(at);
                EXPECT_EQ(e.code, code);
                EXPECT_EQ(Counts(e.value), Counts(t.seen[a])) << "attempt " << a;
                const bool solved = a < t.closedSolved.size() ? t.closedSolved[a] : t.solved;
                if (solved) {
                    EXPECT_GE(e.value.Points, 1) << "attempt " << a << " solved with no point";
                }
                EXPECT_GE(e.value.Seconds, 0);
                seconds += e.value.Seconds;
            }
            // Each run of the timing drops what is short of a whole second.
            EXPECT_LE(seconds, static_cast<std::int64_t>(t.shownMs / 1000)) << t.shownMs << " ms";
            EXPECT_GE((seconds + t.timingRuns) * 1000, static_cast<std::int64_t>(t.surelyTimedMs))
                << t.timingRuns << " runs";
        }
        EXPECT_EQ(at, r.entries.size());
    }

    std::vector<TaskLedger> ledger_;
    std::uint32_t shownSince_ = 0;
    std::optional<std::uint32_t> timedSince_;
    std::uint32_t lastUnsolved_ = 0;
    std::array<int, 6> actions_{};
    int played_ = 0;
    int wrongChoices_ = 0;  // choices meant to be wrong that scored no point
    int luckyChoices_ = 0;  // and those that did
    int recordsInFile_ = 0;
};

TEST_F(Soak, RandomSeriesEndInResultsAndRecordsThatMatchThePlay) {
    // A sanitizer build plays many times slower: its default slice is short.
    const std::uint32_t count = FromEnvironment("VIMBARO_SOAK_SERIES", kSanitizedBuild ? 2 : 6);
    const std::uint32_t seed = FromEnvironment("VIMBARO_SOAK_SEED", kDefaultSeed);
    RecordProperty("soak_seed", std::to_string(seed));
    RecordProperty("soak_series", std::to_string(count));
    for (std::uint32_t k = 0; k < count; ++k) {
        const SoakSeries series = DrawSeries(seed + k);
        SCOPED_TRACE(testing::Message()
                     << "series " << k << ", " << series.Describe()
                     << " (alone: VIMBARO_SOAK_SEED=" << series.seed << " VIMBARO_SOAK_SERIES=1)");
        // Said before it starts: a crash or a hang shows no trace.
        std::printf("soak series %u, %s\n", k, series.Describe().c_str());
        std::fflush(stdout);
        HangGuard bound("soak series " + series.Describe(), std::chrono::minutes(10));
        ASSERT_NO_FATAL_FAILURE(PlaySeries(series));
    }
    // The file holds every record since it was last moved aside, each read back whole.
    const std::string file = StatisticsBytes();
    RecordReader in(file);
    int read = 0;
    while (in.Left() > 0) {
        ASSERT_NO_THROW(ReadRecord(in)) << "record " << read << " ends early";
        ++read;
    }
    EXPECT_EQ(read, recordsInFile_);
    std::printf(
        "soak: %d series from seed %u; actions: solve %d, wrong choices %d (%d choices "
        "that scored nothing, %d that scored), restart %d, back and forward %d, skip %d, "
        "stop %d\n",
        played_, seed, actions_[0], actions_[1], wrongChoices_, luckyChoices_, actions_[2],
        actions_[3], actions_[4], actions_[5]);
}

}  // namespace
