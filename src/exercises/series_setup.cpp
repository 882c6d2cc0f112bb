#include "exercises/series_setup.h"

#include "exercises/cschemat12.h"
#include "exercises/cschemat15.h"
#include "exercises/cschemat17.h"
#include "exercises/cschemat1_2.h"
#include "exercises/cschemat1_6.h"
#include "exercises/cschemat1_8.h"
#include "exercises/cschemat2_1.h"
#include "exercises/cschemat3_4a.h"
#include "exercises/cschemat6.h"
#include "exercises/cschemat9.h"
#include "exercises/series_score.h"
#include "game/cgrupa.h"

namespace exercises {

namespace {

// The curriculum's level table: the type behind each draw number of a level. Only the types
// built so far are listed; the draw keeps to what is listed (and the game form relaxes its
// no-repeat rule as far as a short list needs). Each later type is added here.
enum class Entry {
    None,
    Schemat1_2,
    Schemat15,
    Schemat17,
    Schemat3_4a,
    Schemat1_8,
    Schemat1_6,
    Schemat6,
    Schemat2_1,
    Schemat9,
    Schemat12
};

Entry EntryFor(int level, int draw) {
    switch (level) {
        case game::LevelI:
            switch (draw) {
                case 1:
                    return Entry::Schemat12;
                case 2:
                    return Entry::Schemat15;
                case 3:
                    return Entry::Schemat17;
                case 4:
                    return Entry::Schemat1_2;
                case 5:
                    return Entry::Schemat1_8;
                case 6:
                    return Entry::Schemat3_4a;
                default:
                    return Entry::None;
            }
        case game::LevelII:
            switch (draw) {
                case 2:
                    return Entry::Schemat17;
                case 4:
                    return Entry::Schemat6;
                case 5:
                    return Entry::Schemat1_6;
                case 6:
                    return Entry::Schemat2_1;
                default:
                    return Entry::None;
            }
        case game::LevelIII:
            switch (draw) {
                case 5:
                    return Entry::Schemat1_6;
                case 3:
                    return Entry::Schemat9;
                case 7:
                    return Entry::Schemat2_1;
                default:
                    return Entry::None;
            }
        case game::LevelIV:
            switch (draw) {
                case 6:
                    return Entry::Schemat9;
                case 8:
                    return Entry::Schemat1_6;
                default:
                    return Entry::None;
            }
        default:
            return Entry::None;
    }
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
            case Entry::Schemat1_2:
                return std::make_unique<CSchemat1_2>(host, settings);
            case Entry::Schemat15:
                return std::make_unique<CSchemat15>(host, settings);
            case Entry::Schemat1_6:
                return std::make_unique<CSchemat1_6>(host, settings);
            case Entry::Schemat1_8:
                return std::make_unique<CSchemat1_8>(host, settings);
            case Entry::Schemat6:
                return std::make_unique<CSchemat6>(host, settings);
            case Entry::Schemat2_1:
                return std::make_unique<CSchemat2_1>(host, settings);
            case Entry::Schemat9:
                return std::make_unique<CSchemat9>(host, settings);
            case Entry::Schemat17:
                return std::make_unique<CSchemat17>(host, settings);
            case Entry::Schemat3_4a:
                return std::make_unique<CSchemat3_4a>(host, settings);
            case Entry::Schemat12:
                return std::make_unique<CSchemat12>(host, settings);
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
