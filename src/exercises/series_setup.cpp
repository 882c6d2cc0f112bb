#include "exercises/series_setup.h"

#include "exercises/cschemat1.h"
#include "exercises/cschemat10.h"
#include "exercises/cschemat11.h"
#include "exercises/cschemat12.h"
#include "exercises/cschemat15.h"
#include "exercises/cschemat17.h"
#include "exercises/cschemat1_2.h"
#include "exercises/cschemat1_6.h"
#include "exercises/cschemat1_8.h"
#include "exercises/cschemat2.h"
#include "exercises/cschemat2_1.h"
#include "exercises/cschemat3.h"
#include "exercises/cschemat3_11.h"
#include "exercises/cschemat3_4a.h"
#include "exercises/cschemat4.h"
#include "exercises/cschemat4_4.h"
#include "exercises/cschemat5.h"
#include "exercises/cschemat6.h"
#include "exercises/cschemat9.h"
#include "exercises/series_score.h"
#include "game/cgrupa.h"
#include "media/random.h"

namespace exercises {

namespace {

// The exercise types of the curriculum.
enum class Entry {
    None,
    Schemat1,
    Schemat1_2,
    Schemat1_6,
    Schemat1_8,
    Schemat2,
    Schemat2_1,
    Schemat3,
    Schemat3_4a,
    Schemat3_11,
    Schemat4,
    Schemat4_4,
    Schemat5,
    Schemat6,
    Schemat9,
    Schemat10,
    Schemat11,
    Schemat12,
    Schemat15,
    Schemat17,
};

// The curriculum's level table: the type behind each draw number (1 ... 9) of each level
// (I ... IV). None marks the numbers past the end of a level's list.
using E = Entry;
constexpr Entry kLevelTable[4][9] = {
    {E::Schemat12, E::Schemat15, E::Schemat17, E::Schemat1_2, E::Schemat1_8, E::Schemat3_4a,
     E::None, E::None, E::None},
    {E::Schemat11, E::Schemat17, E::Schemat3_11, E::Schemat6, E::Schemat1_6, E::Schemat2_1, E::None,
     E::None, E::None},
    {E::Schemat1, E::Schemat2, E::Schemat9, E::Schemat3_11, E::Schemat1_6, E::Schemat4_4,
     E::Schemat2_1, E::None, E::None},
    {E::Schemat1, E::Schemat2, E::Schemat3, E::Schemat4, E::Schemat5, E::Schemat9, E::Schemat10,
     E::Schemat1_6, E::Schemat4_4},
};

Entry EntryFor(int level, int draw) {
    const int row = level == game::LevelI     ? 0
                    : level == game::LevelII  ? 1
                    : level == game::LevelIII ? 2
                    : level == game::LevelIV  ? 3
                                              : -1;
    if (row < 0 || draw < 1 || draw > 9) {
        return Entry::None;
    }
    return kLevelTable[row][draw - 1];
}

// Whether an entry's condition on the sound groups holds.
bool Allows(Entry entry, int soundGroups) {
    switch (entry) {
        case Entry::None:
            return false;
        case Entry::Schemat3_4a:
            return CSchemat3_4a::SuitsSoundGroups(soundGroups);
        case Entry::Schemat12:
            return CSchemat12::SuitsSoundGroups(soundGroups);
        default:
            return true;
    }
}

// Level III orders a run upward; level IV random symbols in a direction tossed for each
// exercise.
template <class Ordering>
std::unique_ptr<game::Exercise> MakeOrdering(game::ExerciseHost& host, const game::CWybor& settings,
                                             int level) {
    const bool levelIV = level == game::LevelIV;
    const bool ascending = !levelIV || media::Random() % 2 != 0;
    return std::make_unique<Ordering>(host, settings, ascending, levelIV);
}

}  // namespace

game::SeriesParts MakeSeriesParts() {
    game::SeriesParts parts;
    parts.Available = [](int level, int draw, int soundGroups) {
        return Allows(EntryFor(level, draw), soundGroups);
    };
    parts.CreateExercise = [](game::ExerciseHost& host, const game::CWybor& settings, int level,
                              int draw) -> std::unique_ptr<game::Exercise> {
        const Entry entry = EntryFor(level, draw);
        if (!Allows(entry, settings.SoundGroups())) {
            return nullptr;
        }
        switch (entry) {
            case Entry::Schemat1:
                return MakeOrdering<CSchemat1>(host, settings, level);
            case Entry::Schemat2:
                return MakeOrdering<CSchemat2>(host, settings, level);
            case Entry::Schemat1_2:
                return std::make_unique<CSchemat1_2>(host, settings);
            case Entry::Schemat15:
                return std::make_unique<CSchemat15>(host, settings);
            case Entry::Schemat1_6:
                return std::make_unique<CSchemat1_6>(host, settings);
            case Entry::Schemat1_8:
                return std::make_unique<CSchemat1_8>(host, settings);
            case Entry::Schemat5:
                return std::make_unique<CSchemat5>(host, settings);
            case Entry::Schemat6:
                return std::make_unique<CSchemat6>(host, settings);
            case Entry::Schemat2_1:
                return std::make_unique<CSchemat2_1>(host, settings);
            case Entry::Schemat9:
                return std::make_unique<CSchemat9>(host, settings);
            case Entry::Schemat17:
                return std::make_unique<CSchemat17>(host, settings);
            case Entry::Schemat3:
                return std::make_unique<CSchemat3>(host, settings);
            case Entry::Schemat3_4a:
                return std::make_unique<CSchemat3_4a>(host, settings);
            case Entry::Schemat4:
                return std::make_unique<CSchemat4>(host, settings);
            case Entry::Schemat4_4:
                return std::make_unique<CSchemat4_4>(host, settings);
            case Entry::Schemat10:
                return std::make_unique<CSchemat10>(host, settings);
            case Entry::Schemat11:
                return std::make_unique<CSchemat11>(host, settings);
            case Entry::Schemat12:
                return std::make_unique<CSchemat12>(host, settings);
            case Entry::Schemat3_11:
                return std::make_unique<CSchemat3_11>(host, settings);
            case Entry::None:
                break;
        }
        return nullptr;
    };
    parts.CreateScore = [](game::ExerciseHost& host, const game::CWybor& settings,
                           const std::vector<std::unique_ptr<game::Exercise>>& series) {
        return std::make_unique<SeriesScoreOfForm>(host, settings, series);
    };
    return parts;
}

}  // namespace exercises
