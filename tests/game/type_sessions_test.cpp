// Every exercise type on the real game form, in both screen layouts, solved by the
// type-independent player with the arrow keys, one switch and two switches, then started
// again and left. The statistics file must hold the two attempts as the results showed them.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "exercises/series_setup.h"
#include "game/game_session_fixture.h"
#include "game/series_player.h"
#include "hang_guard.h"

using namespace game;
using namespace game_session;
using platform::Key;
using series_player::Input;

namespace {

// An exercise type by where the curriculum's level table holds it.
struct TypeRow {
    const char* name;
    int16_t level;
    int draw;
    std::int8_t soundGroups;
};

// One row per type (at one of its levels); each new type adds its row.
constexpr TypeRow kTypes[] = {
    {"picture_pairs", LevelI, 4, SoundGroupL | SoundGroupR},
    {"digit_pairs", LevelI, 5, SoundGroupJ},
    {"associated_pairs", LevelIV, 8, SoundGroupL | SoundGroupR},
    {"pairing_pictures", LevelII, 4, SoundGroupL},
    {"number_picture_pairs", LevelII, 1, SoundGroupJ},
    {"sound_search_level_i", LevelI, 3, SoundGroupL | SoundGroupR | SoundGroupJ},
    {"sound_search_level_ii", LevelII, 2, SoundGroupR},
    {"letter_search", LevelI, 2, SoundGroupL | SoundGroupR | SoundGroupJ},
    {"digit_search", LevelI, 6, SoundGroupR | SoundGroupJ},
    {"theme_row_level_ii", LevelII, 6, SoundGroupJ},
    {"theme_row_level_iii", LevelIII, 7, SoundGroupL | SoundGroupR},
    {"missing_letter_level_iii", LevelIII, 3, SoundGroupR},
    {"missing_letter_level_iv", LevelIV, 6, SoundGroupL | SoundGroupR | SoundGroupJ},
    {"word_building", LevelIV, 7, SoundGroupL | SoundGroupR | SoundGroupJ},
    {"number_search", LevelI, 1, SoundGroupR | SoundGroupJ},
    {"group_search_level_ii", LevelII, 3, SoundGroupL | SoundGroupR},
    {"group_search_level_iii", LevelIII, 4, SoundGroupR | SoundGroupJ},
    {"comparing_numbers", LevelIV, 5, SoundGroupL},
    {"finding_the_result", LevelIV, 3, SoundGroupR},
    {"equation_digits_level_iii", LevelIII, 6, SoundGroupJ},
    {"equation_digits_level_iv", LevelIV, 9, SoundGroupL | SoundGroupJ},
    {"choosing_the_operation", LevelIV, 4, SoundGroupL | SoundGroupR},
    {"number_ordering_level_iv", LevelIV, 1, SoundGroupL},
    {"alphabet_ordering_level_iii", LevelIII, 2, SoundGroupJ},
};

struct TypeCase {
    TypeRow type;
    Input input;
    platform::Point screen;
};

std::string CaseName(const testing::TestParamInfo<TypeCase>& info) {
    const char* inputs[] = {"keys", "one_switch", "two_switches"};
    std::ostringstream name;
    name << info.param.type.name << '_' << inputs[static_cast<int>(info.param.input)] << '_'
         << info.param.screen.X;
    return name.str();
}

std::vector<TypeCase> AllCases() {
    std::vector<TypeCase> cases;
    for (const TypeRow& type : kTypes) {
        for (const Input input : {Input::Keys, Input::OneSwitch, Input::TwoSwitches}) {
            for (const platform::Point screen : {platform::Point{1024, 768}, {1280, 960}}) {
                cases.push_back({type, input, screen});
            }
        }
    }
    return cases;
}

class TypeSession : public GameSession, public testing::WithParamInterface<TypeCase> {
  protected:
    TypeSession() : GameSession(GetParam().screen) {}

    // A series of five in which every task is of this row's type at its level.
    void StartType(const TypeRow& type, Input input) {
        CWybor s;
        s.ilosc = QuantityFew;
        s.poziom = type.level;
        s.gloski = type.soundGroups;
        s.scanTime = ScanTimeMin;
        s.scan = input == Input::Keys        ? ScanOff | ScanTwoSwitches | ScanInternalCycle
                 : input == Input::OneSwitch ? ScanOneSwitch | ScanInternalCycle
                                             : ScanTwoSwitches | ScanExternalCycle;
        SeriesParts parts = exercises::MakeSeriesParts();
        const auto create = parts.CreateExercise;
        parts.Available = [](int, int, int) { return true; };
        parts.CreateExercise = [create, type](ExerciseHost& host, const CWybor& settings, int,
                                              int) {
            CWybor own = settings;
            own.poziom = type.level;  // the first task too, not one level lower
            return create(host, own, type.level, type.draw);
        };
        StartWith(s, std::move(parts));
    }
};

TEST_P(TypeSession, IsSolvedThenStartedAgain) {
    const TypeCase& c = GetParam();
    if (kSanitizedBuild && c.screen.X > 1024) {
        GTEST_SKIP() << "the sanitizer builds play the small layout; both run in the plain build";
    }
    HangGuard bound("an exercise type's session", std::chrono::minutes(3));
    StartType(c.type, c.input);
    ASSERT_NE(form->CurrentExercise(), nullptr);
    ASSERT_GT(series_player::Solve(Player(), c.input, /*hints=*/1), 0);
    ASSERT_TRUE(form->CurrentExercise()->IsSolved());

    Press(Key::Char, U'n');  // started again: a new attempt, the solved one kept as solved
    ASSERT_FALSE(form->CurrentExercise()->IsSolved());
    const auto& exercise = dynamic_cast<exercises::CSuperSchemat&>(*form->CurrentExercise());
    EXPECT_EQ(exercise.GetStat().Attempts.size(), 2u);
    EXPECT_EQ(exercise.GetStat().AbandonedAttempts, 0);

    h.headless->PressKey(Key::Escape);
    h.headless->PressKey(Key::Escape);
    h.app->ProcessMessages();
    ASSERT_TRUE(form->Ended());
    EXPECT_EQ(form->Score().Totals().Solved, 1);
    EXPECT_EQ(form->Score().Totals().Unsolved, 1);  // the attempt left at the stop
    auto& score = dynamic_cast<exercises::SeriesScoreOfForm&>(form->Score());
    std::ifstream in(StatisticsFile(), std::ios::binary);
    const std::string written((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(written, score.Wynik().SeriesRecord());
    EXPECT_EQ(written.size(), 32u + 2u * exercises::AttemptEntrySize);
}

INSTANTIATE_TEST_SUITE_P(EveryType, TypeSession, testing::ValuesIn(AllCases()), CaseName);

}  // namespace
