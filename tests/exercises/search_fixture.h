#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <map>
#include <memory>
#include <set>
#include <span>
#include <string>

#include "catalog/resource_names.h"
#include "exercises/csuper_schemat.h"
#include "exercises/exercise_fixture.h"
#include "exercises/search_exercise.h"
#include "game/cgrupa.h"
#include "game/cwybor.h"
#include "game/exercise.h"
#include "media/data_paths.h"
#include "media/picture_fixture.h"
#include "pieces/cludek.h"
#include "platform/sound.h"

namespace search_fixture {

inline constexpr platform::Color kShelfColour{90, 60, 30};
inline constexpr int kTileW = 60, kTileH = 80;
inline constexpr int kShelfEndW = 30, kShelfMiddleW = 200, kShelfH = 100;

// A colour of its own for each tile picture, so a probe tells which tile lies where.
inline platform::Color TileColour(const std::string& name) {
    return exercise_fixture::NameColour(name + "#tile");
}

// Solves an exercise through Choose alone: chooses the elements in the given order and stops
// at the choice that reports the solution. Returns how many choices that took, or -1 when
// none of them solved the task.
inline int SolveByChoosing(game::Exercise& exercise, std::span<const std::int32_t> elements) {
    int choices = 0;
    for (const std::int32_t element : elements) {
        ++choices;
        if (exercise.Choose(element, 0)) {
            return choices;
        }
    }
    return -1;
}

// Steps the highlight of an exercise whose entry at position shelved went to the shelf: it
// never stands there again, visits every other entry, and the last entry it still visits
// ends a round (of 9 entries: the eighth when the ninth is on the shelf), so the form's
// buttons stay within the switches' reach.
inline void ExpectShelvedEntrySkipped(exercises::CSuperSchemat& exercise, std::int32_t shelved) {
    std::set<std::int32_t> visited;
    const std::int32_t lastVisited = shelved == 8 ? 7 : 8;
    int rounds = 0;
    for (int step = 0; step < 20; ++step) {
        const bool last = exercise.ScanNext();
        EXPECT_NE(exercise.GetScanPos(), shelved);
        visited.insert(exercise.GetScanPos());
        EXPECT_EQ(last, exercise.GetScanPos() == lastVisited) << "at " << exercise.GetScanPos();
        rounds += last ? 1 : 0;
    }
    EXPECT_EQ(visited.size(), 8u);
    EXPECT_GE(rounds, 2);
}

// Choosing, blocking or unblocking an element number outside the exercise changes nothing;
// blocking any element never happens.
inline void ExpectOutsideNumbersIgnored(exercises::CSuperSchemat& exercise,
                                        std::initializer_list<std::int32_t> outside,
                                        std::int32_t inside) {
    for (const std::int32_t element : outside) {
        EXPECT_FALSE(exercise.Choose(element, 0)) << element;
        EXPECT_FALSE(exercise.Block(element)) << element;
        exercise.Unblock(element);
    }
    EXPECT_EQ(exercise.GetStat().Last(), exercises::CStatWart{});
    EXPECT_FALSE(exercise.Block(inside));
}

// After a solved task was started again: unsolved, nothing found, the shelf's first place
// next, and the solved attempt kept with its points (four unless said) before a fresh one.
inline void ExpectFreshAttempt(const exercises::SearchExercise& exercise, platform::Point slot,
                               int points = 4) {
    EXPECT_FALSE(exercise.IsSolved());
    EXPECT_EQ(exercise.GetFound(), 0);
    EXPECT_EQ(exercise.GetSlot(), slot);
    ASSERT_EQ(exercise.GetStat().Attempts.size(), 2u);
    EXPECT_EQ(exercise.GetStat().Attempts[0].Points, points);
    EXPECT_EQ(exercise.GetStat().Last(), exercises::CStatWart{});
}

inline platform::Rect Grow(const platform::Rect& r, int dx, int dy) {
    return {r.Left - dx, r.Top - dy, r.Right + dx, r.Bottom + dy};
}

// Fifty start places of the vehicle: each inside the play area and clear of objects 0 ...
// count - 1 by a pixel.
inline void ExpectVehicleStartsClear(exercises::SearchExercise& exercise, const pieces::CLudek& v,
                                     int count) {
    const platform::Rect work = exercise.GetWorkRect();
    for (int n = 0; n < 50; ++n) {
        const platform::Point p = exercise.VehicleStart();
        EXPECT_GT(p.X, work.Left);
        EXPECT_LT(p.X + v.Width(), work.Right);
        EXPECT_GT(p.Y, work.Top);
        EXPECT_LT(p.Y + v.Height(), work.Bottom);
        const platform::Rect at = platform::Rect::FromSize(p.X, p.Y, v.Width(), v.Height());
        for (int i = 0; i < count; ++i) {
            EXPECT_TRUE(Grow(exercise.Object(i)->ObjectRect(), 1, 1).Intersect(at).IsEmpty()) << i;
        }
    }
}

}  // namespace search_fixture

// What the search exercises ask the data folder for besides the exercise base: the tiles of
// the trained sounds (plain and red), the distractor letters and the digits, the shelf
// pieces, the praise and remark recordings and the instructions.
class SearchTest : public ExerciseTest {
  protected:
    explicit SearchTest(platform::Point screen = {1280, 960}) : ExerciseTest(screen) {
        using namespace search_fixture;
        const std::string s = media::SizeSuffix();
        const auto writeTile = [&](const std::string& name) {
            WriteBmp("Lib/GFX/" + name + s + ".xbi", Plain(kTileW, kTileH, TileColour(name)));
        };
        for (int code : {1, 2, 9}) {
            writeTile(std::string(catalog::SymbolName(code)) + "_red");
        }
        for (int code : {1, 2, 9}) {
            writeTile(std::string(catalog::SymbolName(code)));
        }
        // Distractor letters, number pictures and digits.
        for (int first : {catalog::FirstDistractorCode, catalog::FirstNumberWordCode,
                          catalog::FirstDigitCode}) {
            const int last =
                first == catalog::FirstDistractorCode ? catalog::LastDistractorCode : first + 9;
            for (int code = first; code <= last; ++code) {
                writeTile(std::string(catalog::SymbolName(code)));
            }
        }
        for (const auto& [name, w] : std::map<std::string, int>{
                 {"lewo", kShelfEndW}, {"srodek", kShelfMiddleW}, {"prawo", kShelfEndW}}) {
            WriteBmp("Res/" + name + s + "_B.xbi", Plain(w, kShelfH, kShelfColour));
            WriteBmp("Res/" + name + s + "_W.xbi", Plain(w, kShelfH, kShelfColour));
        }
        WriteFeedbackAndInstructions({"S171", "S1721", "S1722", "S15", "S3_4a", "S12", "S3_11"});
    }

    // A search type built at level I for a sound-group selection.
    template <class Type>
    std::unique_ptr<Type> MakeAtLevelI(int soundGroups) {
        game::CWybor settings;
        settings.poziom = game::LevelI;
        settings.gloski = static_cast<std::int16_t>(soundGroups);
        return std::make_unique<Type>(*host_, settings);
    }

    // With the highlight on the model: there is nowhere to drive, and selecting it plays the
    // instruction and nothing else.
    void ExpectModelSelectPlaysInstruction(exercises::CSuperSchemat& exercise,
                                           const std::string& instruction) {
        EXPECT_FALSE(exercise.ScanTargetRect().has_value());
        platform::Sound::StartRecording();
        EXPECT_FALSE(exercise.ScanSelect());
        ASSERT_EQ(platform::Sound::Recorded().size(), 1u);
        EXPECT_EQ(platform::Sound::Recorded()[0].Path,
                  NativeFile("Res/Snd/Pol/" + instruction + ".snd"));
    }
};
