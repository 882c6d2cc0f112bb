#include "game/tfm_gry.h"

#include <gtest/gtest.h>

#include <fstream>

#include "game/cgrupa.h"
#include "game/game_session_fixture.h"
#include "game/tfm_wynik.h"
#include "hang_guard.h"

using namespace game;
using namespace game_session;

using platform::Key;

namespace {

CWybor Series(int16_t quantity, std::int8_t scan = ScanOff | ScanTwoSwitches | ScanInternalCycle) {
    CWybor s;
    s.ilosc = quantity;
    s.poziom = LevelI;
    s.gloski = SoundGroupL;
    s.scan = scan;
    return s;
}

std::uintmax_t FileSize(const std::filesystem::path& p) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(p, ec);
    return ec ? 0 : size;
}

}  // namespace

TEST_F(GameSession, TheSeriesHasFiveTenOrFifteenTasksAndNextStopsAtTheLast) {
    struct Case {
        int16_t quantity;
        size_t length;
    };
    for (const Case c :
         {Case{QuantityFew, 5}, Case{QuantityMedium, 10}, Case{QuantityMany, 15}, Case{3, 5}}) {
        SCOPED_TRACE(c.quantity);
        Start(Series(c.quantity));
        EXPECT_EQ(form->Series().size(), c.length);
        ASSERT_NE(form->CurrentExercise(), nullptr);
        EXPECT_FALSE(form->Button(TfmGry::BackButton).Enabled());
        for (size_t i = 1; i < c.length + 2; ++i) {
            Press(Key::Enter);
        }
        EXPECT_EQ(form->CurrentIndex(), static_cast<int>(c.length) - 1);
        EXPECT_FALSE(form->Button(TfmGry::NextButton).Enabled());
        EXPECT_TRUE(form->Button(TfmGry::BackButton).Enabled());
        form.reset();
    }
}

TEST_F(GameSession, GoingBackShowsTheSameExerciseAsItWasLeft) {
    Start(Series(QuantityFew));
    Exercise* first = form->CurrentExercise();
    Current().Choose(Current().Answer(), 0);
    Press(Key::Enter);
    Exercise* second = form->CurrentExercise();
    EXPECT_NE(second, first);
    Press(Key::Backspace);
    EXPECT_EQ(form->CurrentExercise(), first);
    EXPECT_TRUE(first->IsSolved());
    EXPECT_FALSE(form->Button(TfmGry::BackButton).Enabled());
    Press(Key::Enter);
    EXPECT_EQ(form->CurrentExercise(), second);  // kept, not drawn again
}

TEST_F(GameSession, ASolutionMovesOnAfterFiveSecondsUnlessTheMouseMoves) {
    Start(Series(QuantityFew, ScanOneSwitch | ScanInternalCycle));  // scanning on: no keys
    // Selecting the right box by scanning: the highlight steps until it stands on the right
    // box (from the buttons, where the highlight runs once a task is solved, it comes back
    // into the exercise after the stop button), then K selects.
    auto highlightAnswer = [&] {
        const platform::Rect box = Current().Box(Current().Answer());
        for (int i = 0; i < 12 && form->CurrentExercise()->ScanTargetRect() != box; ++i) {
            form->SwitchStep();  // one-switch: the timer steps, the switch does not
            form->ScanStep();
        }
    };
    highlightAnswer();
    Press(Key::Char, U'k');
    ASSERT_TRUE(form->CurrentExercise()->IsSolved());
    EXPECT_TRUE(form->TDalej.Enabled());
    h.headless->MoveMouse(5, 5);
    h.app->ProcessMessages();
    EXPECT_FALSE(form->TDalej.Enabled());
    Wait(6000);
    EXPECT_EQ(form->CurrentIndex(), 0);
    // Solved again after a restart, left alone: the next exercise comes after 5 s.
    Press(Key::Char, U'n');
    highlightAnswer();
    Press(Key::Char, U'k');
    ASSERT_TRUE(form->CurrentExercise()->IsSolved());
    Wait(5100);
    EXPECT_EQ(form->CurrentIndex(), 1);
}

TEST_F(GameSession, EscShowsTheResultsWritesOneRecordAndHandsBackToTheMenu) {
    HangGuard bound("the results window's modal loop", kHangLimit);
    Start(Series(QuantityMedium));
    Current().Choose(Current().Answer(), 0);
    Current().Hint();
    Press(Key::Enter);
    Current().Choose((Current().Answer() + 1) % 3, 0);  // a wrong box, left unsolved
    EXPECT_EQ(menuReturns, 0);
    // The second Esc closes the results window.
    h.headless->PressKey(Key::Escape);
    h.headless->PressKey(Key::Escape);
    h.app->ProcessMessages();
    EXPECT_TRUE(form->Ended());
    EXPECT_EQ(menuReturns, 1);
    const SeriesTotals totals = form->Score().Totals();
    EXPECT_EQ(totals.Solved, 1);
    EXPECT_EQ(totals.Unsolved, 1);
    EXPECT_EQ(totals.Hints, 1);
    EXPECT_EQ(totals.NotStarted, 8);
    // One record: 32 bytes and one 17-byte entry per attempt of the two exercises.
    EXPECT_EQ(FileSize(StatisticsFile()), 32u + 2u * 17u);
    auto& score = dynamic_cast<exercises::SeriesScoreOfForm&>(form->Score());
    std::ifstream in(StatisticsFile(), std::ios::binary);
    const std::string written((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(written, score.Wynik().SeriesRecord());
    // Nothing runs on after the end.
    Press(Key::Enter);
    EXPECT_EQ(form->CurrentIndex(), 1);
}

TEST_F(GameSession, ArrowKeysSteerTheVehicleIntoABoxWhichChoosesIt) {
    HangGuard bound("the key thread's polls", kHangLimit);
    Start(Series(QuantityFew));
    BoxesExercise& exercise = Current();
    const int answer = exercise.Answer();
    // Line the vehicle up under the right box, then hold Up until it touches it.
    pieces::CLudek& vehicle = form->Vehicle();
    const platform::Rect box = exercise.Box(answer);
    vehicle.Erase();
    vehicle.MoveTo({box.Left, box.Bottom + 40});
    h.headless->HoldKey(Key::Up);
    h.app->RunUntil([&] { return exercise.IsSolved() || vehicle.Rectangle().Top < box.Top; });
    h.headless->ReleaseKey(Key::Up);
    EXPECT_TRUE(exercise.IsSolved());
    EXPECT_EQ(vehicle.Direction(), 0);  // it turned to face up first
    Wait(5100);                         // the automatic advance
    EXPECT_EQ(form->CurrentIndex(), 1);
}

// A wrong box touched counts one error, however long the key stays held against it; a new
// press against it is a new touch.
TEST_F(GameSession, AKeyHeldAgainstAWrongBoxCountsOneErrorPerPress) {
    HangGuard bound("the key thread's polls", kHangLimit);
    Start(Series(QuantityFew));
    BoxesExercise& exercise = Current();
    const int wrong = (exercise.Answer() + 1) % 3;
    pieces::CLudek& vehicle = form->Vehicle();
    const platform::Rect box = exercise.Box(wrong);
    vehicle.Erase();
    vehicle.MoveTo({box.Left, box.Bottom + 40});
    auto errors = [&] { return exercise.GetStat().Last().Errors; };
    h.headless->HoldKey(Key::Up);
    h.app->RunUntil([&] { return errors() > 0 || vehicle.Rectangle().Top < box.Top; });
    EXPECT_EQ(errors(), 1);
    // The polls as the key thread makes them, a second and a half of them.
    for (int poll = 0; poll < 150; ++poll) {
        form->PollKeys();
    }
    EXPECT_EQ(errors(), 1);
    h.headless->ReleaseKey(Key::Up);
    form->PollKeys();
    h.headless->HoldKey(Key::Up);
    form->PollKeys();
    form->PollKeys();
    h.headless->ReleaseKey(Key::Up);
    EXPECT_EQ(errors(), 2);
    EXPECT_FALSE(exercise.IsSolved());
}

TEST_F(GameSession, TheFirstExerciseComesFromOneLevelLower) {
    struct Case {
        int16_t level;
        int first;
    };
    for (const Case c : {Case{LevelI, LevelI}, Case{LevelII, LevelI}, Case{LevelIII, LevelII},
                         Case{LevelIV, LevelIII}}) {
        levels.clear();
        CWybor s = Series(QuantityFew);
        s.poziom = c.level;
        Start(s);
        Press(Key::Enter);
        Press(Key::Enter);
        EXPECT_EQ(levels, (std::vector<int>{c.first, c.level, c.level})) << c.level;
        EXPECT_EQ(form->Settings().poziom, c.level);
        form.reset();
    }
}

// Once the task is solved the highlight runs over the enabled buttons; K does nothing there,
// while the left mouse button selects the highlighted button: the stop button ends the series.
TEST_F(GameSession, AScanningSelectionOfTheStopButtonEndsTheSeries) {
    HangGuard bound("the results window's modal loop", kHangLimit);
    Start(Series(QuantityFew, ScanTwoSwitches | ScanInternalCycle));
    Current().Choose(Current().Answer(), 0);
    ASSERT_TRUE(form->CurrentExercise()->IsSolved());
    h.headless->MoveMouse(640, 60);  // over the form, clear of every control
    h.app->ProcessMessages();
    form->SwitchStep();
    ASSERT_EQ(form->Scanning().GetPosition(), ScanRing::OnNext);
    Press(Key::Char, U'k');
    EXPECT_EQ(form->CurrentIndex(), 0);  // K acts inside the exercise only
    form->SwitchStep();                  // the back button is disabled on the first exercise: help
    EXPECT_EQ(form->Scanning().GetPosition(), ScanRing::OnHelp);
    form->SwitchStep();  // stop
    ASSERT_EQ(form->Scanning().Highlighted() != nullptr, true);
    h.headless->Click(640, 60, platform::MouseButton::Left);
    h.headless->PressKey(Key::Escape);  // closes the results window
    h.app->ProcessMessages();
    EXPECT_TRUE(form->Ended());
    EXPECT_EQ(menuReturns, 1);
    EXPECT_EQ(FileSize(StatisticsFile()), 32u + 17u);
}
