#include "exercises/cschemat15.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>

#include "catalog/resource_names.h"
#include "exercises/search_fixture.h"
#include "exercises/series_setup.h"
#include "game/cgrupa.h"
#include "game/series_parts.h"
#include "media/random.h"

using namespace exercises;

namespace {

class Schemat15Test : public SearchTest {
  protected:
    std::unique_ptr<CSchemat15> Make(int soundGroups) {
        return MakeAtLevelI<CSchemat15>(soundGroups);
    }
};

constexpr int kL = 1, kR = 2, kJ = 9;

// For a selection: each model letter that may come, and the trained sounds that may stand
// beside it as other letters (the distractor letters always may).
struct LetterCase {
    int selection;
    std::map<int, std::set<int>> soundsBeside;
};

const LetterCase kLetterCases[] = {
    {game::SoundGroupL, {{kL, {}}}},
    {game::SoundGroupR, {{kR, {}}}},
    {game::SoundGroupJ, {{kJ, {}}}},
    // "r" beside "l", never "l" beside "r".
    {game::SoundGroupL | game::SoundGroupR, {{kL, {kR}}, {kR, {}}}},
    // "l" beside "j", never "j" beside "l".
    {game::SoundGroupL | game::SoundGroupJ, {{kL, {}}, {kJ, {kL}}}},
    {game::SoundGroupR | game::SoundGroupJ, {{kR, {}}, {kJ, {kR}}}},
    {7, {{kL, {kR}}, {kR, {}}, {kJ, {kL, kR}}}},
};

}  // namespace

TEST_F(Schemat15Test, OtherLettersNeverLookLikeTheModel) {
    for (const LetterCase& c : kLetterCases) {
        SCOPED_TRACE(c.selection);
        std::map<int, std::set<int>> seen;
        for (std::uint32_t seed = 1; seed <= 60; ++seed) {
            media::SeedRandom(seed);
            auto e = Make(c.selection);
            const int model = e->Tile(0).Number();
            ASSERT_TRUE(c.soundsBeside.contains(model)) << model;
            EXPECT_EQ(e->Tile(0).Name(), std::string(catalog::SymbolName(model)) + "_red");
            std::set<int>& beside = seen[model];
            for (int i = 1; i <= 4; ++i) {
                const int code = e->Tile(i).Number();
                if (code >= catalog::FirstDistractorCode && code <= catalog::LastDistractorCode) {
                    continue;
                }
                EXPECT_TRUE(c.soundsBeside.at(model).contains(code)) << model << " " << code;
                beside.insert(code);
            }
        }
        // Every model letter of the selection came, with every sound that may stand beside it.
        EXPECT_EQ(seen, c.soundsBeside);
    }
}

TEST_F(Schemat15Test, TheCurriculumGivesItAtLevelOneForEverySelection) {
    const game::SeriesParts parts = MakeSeriesParts();
    for (int selection = 1; selection <= 7; ++selection) {
        EXPECT_TRUE(parts.Available(game::LevelI, 2, selection)) << selection;
    }
    game::CWybor settings;
    settings.gloski = game::SoundGroupL;
    const auto exercise = parts.CreateExercise(*host_, settings, game::LevelI, 2);
    const auto* letters = dynamic_cast<const CSchemat15*>(exercise.get());
    ASSERT_NE(letters, nullptr);
    EXPECT_EQ(letters->Tile(0).Number(), kL);
}
