// Whole series of the real exercise types, played by the type-independent player with the
// arrow keys, one switch and two switches, as a therapist and a child would: to the end with
// the automatic advance, and with hints, restarts, going back and forward and an early stop.
// After each, the statistics file must hold exactly the record of what the results showed.

#include <gtest/gtest.h>

#include <fstream>

#include "exercises/series_setup.h"
#include "game/game_session_fixture.h"
#include "game/series_player.h"
#include "hang_guard.h"

using namespace game;
using namespace game_session;
using platform::Key;
using series_player::Input;

namespace {

std::int8_t ScanFor(Input input, bool externalCycle) {
    const std::int8_t cycle = externalCycle ? ScanExternalCycle : ScanInternalCycle;
    switch (input) {
        case Input::Keys:
            return static_cast<std::int8_t>(ScanOff | ScanTwoSwitches | cycle);
        case Input::OneSwitch:
            return static_cast<std::int8_t>(ScanOneSwitch | cycle);
        case Input::TwoSwitches:
            break;
    }
    return static_cast<std::int8_t>(ScanTwoSwitches | cycle);
}

CWybor LevelISeries(int16_t quantity, std::int8_t scan) {
    CWybor s;
    s.ilosc = quantity;
    s.poziom = LevelI;
    s.gloski = SoundGroupL | SoundGroupR;
    s.scan = scan;
    s.scanTime = ScanTimeMin;  // a one-switch highlight as quick as the options allow
    return s;
}

class RealSeries : public GameSession {
  protected:
    void StartReal(const CWybor& settings) { StartWith(settings, exercises::MakeSeriesParts()); }

    // Solves the current task with the player and checks that it is solved.
    void SolveCurrent(Input input, int hints = 0) {
        ASSERT_NE(form->CurrentExercise(), nullptr);
        ASSERT_GT(series_player::Solve(Player(), input, hints), 0);
        ASSERT_TRUE(form->CurrentExercise()->IsSolved());
    }

    // Esc stops the series and a second Esc closes the results window; the menu comes back.
    void StopWithEsc() {
        h.headless->PressKey(Key::Escape);
        h.headless->PressKey(Key::Escape);
        h.app->ProcessMessages();
        ASSERT_TRUE(form->Ended());
        EXPECT_EQ(menuReturns, 1);
    }

    // The statistics file holds one record, byte for byte the one the results were shown
    // from, with `attempts` attempt entries.
    void ExpectOneRecordOf(size_t attempts) {
        auto& score = dynamic_cast<exercises::SeriesScoreOfForm&>(form->Score());
        std::ifstream in(StatisticsFile(), std::ios::binary);
        const std::string written((std::istreambuf_iterator<char>(in)), {});
        EXPECT_EQ(written, score.Wynik().SeriesRecord());
        EXPECT_EQ(written.size(), 32u + attempts * exercises::AttemptEntrySize);
    }
};

struct SeriesCase {
    const char* name;
    int16_t quantity;
    Input input;
    bool externalCycle;
    size_t length;
    int16_t level = LevelI;
};

void PrintTo(const SeriesCase& c, std::ostream* os) {
    *os << c.name;
}

class WholeSeries : public RealSeries, public testing::WithParamInterface<SeriesCase> {};

TEST_P(WholeSeries, IsPlayedToTheEndAndRecordedAsTheResultsShowIt) {
    const SeriesCase& c = GetParam();
    // Every input and cycle is played on series of five there; the longer series take many
    // minutes each under a sanitizer.
    if (kSanitizedBuild && c.length > 5) {
        GTEST_SKIP() << "series of ten and fifteen run in the plain build";
    }
    HangGuard bound("a whole series", std::chrono::minutes(5));
    CWybor settings = LevelISeries(c.quantity, ScanFor(c.input, c.externalCycle));
    settings.poziom = c.level;
    StartReal(settings);
    ASSERT_EQ(form->Series().size(), c.length);
    for (size_t task = 0; task < c.length; ++task) {
        SCOPED_TRACE(task);
        SolveCurrent(c.input);
        if (task + 1 < c.length) {
            // The automatic advance; a one-switch highlight steps on meanwhile.
            Wait(5100);
            ASSERT_EQ(form->CurrentIndex(), static_cast<int>(task) + 1);
        }
    }
    StopWithEsc();
    const SeriesTotals totals = form->Score().Totals();
    EXPECT_EQ(totals.Solved, static_cast<int16_t>(c.length));
    EXPECT_EQ(totals.Unsolved, 0);
    EXPECT_EQ(totals.NotStarted, 0);
    ExpectOneRecordOf(c.length);  // one attempt at each task
}

INSTANTIATE_TEST_SUITE_P(
    LevelI, WholeSeries,
    testing::Values(
        SeriesCase{"five_by_keys", QuantityFew, Input::Keys, false, 5},
        SeriesCase{"five_one_switch_external", QuantityFew, Input::OneSwitch, true, 5},
        SeriesCase{"five_two_switches_internal", QuantityFew, Input::TwoSwitches, false, 5},
        SeriesCase{"ten_by_keys", QuantityMedium, Input::Keys, false, 10},
        SeriesCase{"ten_one_switch_internal", QuantityMedium, Input::OneSwitch, false, 10},
        SeriesCase{"ten_two_switches_external", QuantityMedium, Input::TwoSwitches, true, 10},
        SeriesCase{"fifteen_by_keys", QuantityMany, Input::Keys, false, 15},
        SeriesCase{"fifteen_one_switch_external", QuantityMany, Input::OneSwitch, true, 15},
        SeriesCase{"fifteen_two_switches_external", QuantityMany, Input::TwoSwitches, true, 15}),
    [](const testing::TestParamInfo<SeriesCase>& info) { return std::string(info.param.name); });

// The higher levels, whose first task comes from one level lower.
INSTANTIATE_TEST_SUITE_P(
    LevelsIIIAndIV, WholeSeries,
    testing::Values(
        SeriesCase{"level_iii_by_keys", QuantityFew, Input::Keys, false, 5, LevelIII},
        SeriesCase{"level_iii_two_switches", QuantityFew, Input::TwoSwitches, false, 5, LevelIII},
        SeriesCase{"level_iv_one_switch", QuantityFew, Input::OneSwitch, true, 5, LevelIV}),
    [](const testing::TestParamInfo<SeriesCase>& info) { return std::string(info.param.name); });

class TherapistSession : public RealSeries, public testing::WithParamInterface<Input> {};

// A hint, a restart, a cancelled advance, going back and forward, and a stop before the end:
// the results count three solved tasks, two unsolved attempts (the one restarted and the
// task left) and one task never reached, and the file holds the attempts of the four tasks
// shown (two at the restarted one).
TEST_P(TherapistSession, HintsRestartsAndGoingBackAreRecordedAsTheResultsShowThem) {
    const Input input = GetParam();
    HangGuard bound("a therapist's session", std::chrono::minutes(5));
    StartReal(LevelISeries(QuantityFew, ScanFor(input, false)));
    SolveCurrent(input, /*hints=*/1);
    Wait(5100);
    ASSERT_EQ(form->CurrentIndex(), 1);

    // Started again before it is solved: the first attempt is closed as abandoned.
    Press(Key::Char, U'n');
    SolveCurrent(input);
    const auto& second = dynamic_cast<exercises::CSuperSchemat&>(*form->CurrentExercise());
    EXPECT_EQ(second.GetStat().Attempts.size(), 2u);
    // The mouse moved: the advance is cancelled and the task stays.
    h.headless->MoveMouse(7, 7);
    h.app->ProcessMessages();
    Wait(6000);
    ASSERT_EQ(form->CurrentIndex(), 1);

    Press(Key::Backspace);
    ASSERT_EQ(form->CurrentIndex(), 0);
    EXPECT_TRUE(form->CurrentExercise()->IsSolved());  // kept as it was left
    Press(Key::Enter);
    Press(Key::Enter);
    ASSERT_EQ(form->CurrentIndex(), 2);
    SolveCurrent(input);
    Press(Key::Enter);  // the fourth task is shown and left unsolved
    ASSERT_EQ(form->CurrentIndex(), 3);

    StopWithEsc();
    const SeriesTotals totals = form->Score().Totals();
    EXPECT_EQ(totals.Solved, 3);
    EXPECT_EQ(totals.Unsolved, 2);
    EXPECT_EQ(totals.NotStarted, 1);
    ExpectOneRecordOf(5);
}

std::string InputName(const testing::TestParamInfo<Input>& info) {
    switch (info.param) {
        case Input::Keys:
            return "keys";
        case Input::OneSwitch:
            return "one_switch";
        case Input::TwoSwitches:
            break;
    }
    return "two_switches";
}

INSTANTIATE_TEST_SUITE_P(EveryInput, TherapistSession,
                         testing::Values(Input::Keys, Input::OneSwitch, Input::TwoSwitches),
                         InputName);

}  // namespace
