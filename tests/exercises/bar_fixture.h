#pragma once

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "exercises/background_rotation.h"
#include "exercises/bar_exercise.h"
#include "exercises/search_fixture.h"
#include "game/cwybor.h"
#include "media/random.h"
#include "pieces/selection_frames.h"

namespace bar_fixture {

// A scripted draw after the background's and the task it gives.
struct DrawCase {
    const char* name;
    std::vector<std::int32_t> script;
    exercises::Equation task;
};

inline void PrintTo(const DrawCase& c, std::ostream* os) {
    *os << c.name;
}

// The equation in the members of an arithmetic exercise (the operation is tile 1, a, b and c
// tiles 2 to 4), its numbers counted from the code of zero.
inline exercises::Equation EquationOf(const exercises::BarExercise& e, std::int32_t zero) {
    return {e.Tile(1).Number(), e.Tile(2).Number() - zero, e.Tile(3).Number() - zero,
            e.Tile(4).Number() - zero};
}

// The numbers stay within 0 ... 9 and c is a + b or a - b as the operation says.
inline void ExpectHolds(const exercises::Equation& q, std::int32_t plus, std::int32_t minus) {
    for (const std::int32_t n : {q.A, q.B, q.C}) {
        EXPECT_GE(n, 0);
        EXPECT_LE(n, 9);
    }
    if (q.Operation == plus) {
        EXPECT_EQ(q.A + q.B, q.C);
    } else {
        EXPECT_EQ(q.Operation, minus);
        EXPECT_EQ(q.A - q.B, q.C);
    }
}

}  // namespace bar_fixture

// What the exercises with a bar and answer tiles ask the data folder for besides the search
// exercises' tiles, bar and recordings: the sign tiles and their instructions.
class BarTest : public SearchTest {
  protected:
    explicit BarTest(platform::Point screen = {1280, 960}) : SearchTest(screen) {
        for (const char* name : {"rowny", "plus", "minus", "niewiadoma", "wiekszy", "mniejszy"}) {
            WriteBmp("Lib/GFX/" + std::string(name) + media::SizeSuffix() + ".xbi",
                     Plain(search_fixture::kTileW, search_fixture::kTileH,
                           search_fixture::TileColour(name)));
        }
        for (const char* name : {"S3", "S4a", "S4_4", "S5"}) {
            WriteSound(std::string("Res/Snd/Pol/") + name + ".snd", 10);
        }
        // Frames ten pixels around a tile.
        WriteFrames(search_fixture::kTileW + 20, search_fixture::kTileH + 20);
    }

    // Runs make with a scripted draw that it must use up; the background's draw comes first.
    template <class Make>
    auto Scripted(const std::vector<std::int32_t>& draw, Make&& make) {
        exercises::ResetBackgroundRotationForTesting();
        std::vector<std::int32_t> values{0};
        values.insert(values.end(), draw.begin(), draw.end());
        media::ScopedRandomScript script(values);
        auto e = make();
        EXPECT_EQ(script.Remaining(), 0u);
        return e;
    }

    static game::CWybor Settings(int level) {
        game::CWybor settings;
        settings.poziom = static_cast<std::int16_t>(level);
        settings.gloski = game::SoundGroupL;
        return settings;
    }

    platform::Color FrameAt(platform::Point p) const {
        return form_.FrameBitmap.GetPixel(p.X, p.Y);
    }
    static platform::Point Corner(const platform::Rect& r) { return {r.Left, r.Top}; }
    static platform::Point Inside(const platform::Rect& r) { return {r.Left + 5, r.Top + 5}; }

    // Show switches every tile, the question mark and the bubble off and on again.
    static void ExpectShowSwitchesEveryPiece(exercises::BarExercise& e) {
        for (const bool on : {false, true}) {
            e.Show(on);
            for (const auto& tile : e.GetTiles()) {
                EXPECT_EQ(tile->Enabled(), on);
            }
            EXPECT_EQ(e.GetQuestionTile().Enabled(), on);
            EXPECT_EQ(e.GetInstructionPicture()->Enabled(), on);
        }
    }

    // After one wrong and one right choice, a restart: the advance is stopped, the solved
    // attempt closed and a new one open, every tile back at its home (homes, the question
    // mark's last) unframed with only the answers from firstAnswer on selectable, and the
    // question mark shown in the gap again.
    void ExpectRestartedAfterAWrongAndARightChoice(const exercises::BarExercise& e,
                                                   const std::vector<platform::Point>& homes,
                                                   int firstAnswer) {
        EXPECT_EQ(host_->autoNextStops, 1);
        EXPECT_FALSE(e.IsSolved());
        ASSERT_EQ(e.GetStat().Attempts.size(), 2u);
        EXPECT_EQ(e.GetStat().Attempts[0].Points, 1);
        EXPECT_EQ(e.GetStat().Attempts[0].Errors, 1);
        EXPECT_EQ(e.GetStat().Last(), exercises::CStatWart{});
        const int tileTotal = static_cast<int>(homes.size()) - 1;
        for (int i = 0; i < tileTotal; ++i) {
            SCOPED_TRACE(i);
            const pieces::CLitCyf& t = e.Tile(i);
            EXPECT_EQ(Corner(t.ObjectRect()), homes[static_cast<size_t>(i)]);
            EXPECT_EQ(t.FrameStyle(), pieces::SelectionFrames::None);
            EXPECT_EQ(t.Selectable(), i >= firstAnswer);
        }
        const pieces::CLitCyf& question = e.GetQuestionTile();
        EXPECT_TRUE(question.Visible());
        EXPECT_TRUE(question.Enabled());
        EXPECT_EQ(Corner(question.ObjectRect()), homes.back());
        EXPECT_EQ(FrameAt(Inside(question.ObjectRect())), search_fixture::TileColour("niewiadoma"));
    }
};
