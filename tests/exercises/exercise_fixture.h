#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <set>
#include <string>
#include <utility>

#include "catalog/resource_names.h"
#include "exercises/background_rotation.h"
#include "game/curriculum_tables.h"
#include "game/exercise_host.h"
#include "media/cblad.h"
#include "media/cslowo.h"
#include "media/picture_fixture.h"
#include "pieces/cludek_fixture.h"

namespace exercise_fixture {

inline constexpr platform::Color kInk{20, 40, 160};
inline constexpr platform::Color kBackgroundOne{200, 40, 40};

// A colour of its own for each picture name, so a probe tells which picture lies where.
inline platform::Color NameColour(const std::string& name) {
    const auto h = static_cast<unsigned>(std::hash<std::string>{}(name));
    return {static_cast<uint8_t>(30 + h % 190), static_cast<uint8_t>(30 + (h / 190) % 190),
            static_cast<uint8_t>(30 + (h / 36100) % 190)};
}

// An object placed in a quarter of the layout: its corner inside the play area and at least
// margin short of its right and bottom edges, and in quarter (1 top left, 2 top right, 3 and
// 4 below) of the layout whose middle is centre.
inline void ExpectPlacedInQuarter(const platform::Rect& r, const platform::Rect& work, int margin,
                                  int quarter, platform::Point centre = {640, 480}) {
    EXPECT_GT(r.Left, work.Left);
    EXPECT_LT(r.Left, work.Right - margin);
    EXPECT_GT(r.Top, work.Top);
    EXPECT_LT(r.Top, work.Bottom - margin);
    EXPECT_EQ(r.Left >= centre.X, quarter % 2 == 0);
    EXPECT_EQ(r.Top >= centre.Y, quarter >= 3);
}

// The game form as an exercise sees it, over the picture test's form and bitmaps.
class FakeHost : public game::ExerciseHost {
  public:
    FakeHost(platform::Form& form, media::DrawContext context)
        : form_(form), context_(context), vehicle_(&form, context, {600, 500}, "pojazd") {}

    platform::Form& HostForm() override { return form_; }
    media::DrawContext Context() override { return context_; }
    pieces::CLudek& Vehicle() override { return vehicle_; }
    const game::WordGroupTable& WordGroups() const override { return groups_; }
    const game::PairSetTable& PairSets() const override { return pairs_; }
    void StartAutoNext() override { ++autoNextStarts; }
    void StopAutoNext() override { ++autoNextStops; }
    void EnableHelp(bool enabled) override { helpEnabled = enabled; }
    void DrawScore() override { ++scoreDraws; }
    // Pair sets other than the curriculum's, for a draw a test steers.
    void SetPairSets(game::PairSetTable sets) { pairs_ = std::move(sets); }
    // Word groups other than the curriculum's, likewise.
    void SetWordGroups(game::WordGroupTable groups) { groups_ = std::move(groups); }

    int autoNextStarts = 0;
    int autoNextStops = 0;
    bool helpEnabled = false;
    int scoreDraws = 0;

  private:
    platform::Form& form_;
    media::DrawContext context_;
    pieces::CLudek vehicle_;
    game::WordGroupTable groups_ = game::BuildWordGroups();
    game::PairSetTable pairs_ = game::BuildPairSets();
};

// What a missing picture must end in: the program's reinstall message.
inline void ExpectReinstallMessage(const std::function<void()>& action) {
    try {
        action();
        FAIL() << "no error";
    } catch (const media::CBlad& b) {
        EXPECT_EQ(b.Code(), media::CBlad::ResourceMissingCode);
        EXPECT_EQ(b.Text(), media::ResourceMissingText);
    }
}

}  // namespace exercise_fixture

// The large layout on a 1280 x 960 screen, with the vehicle, the instruction picture, its
// orange frame and the three backgrounds written into the data root.
class ExerciseTest : public PictureTest {
  protected:
    explicit ExerciseTest(platform::Point screen = {1280, 960}) : PictureTest(screen) {
        exercises::ResetBackgroundRotationForTesting();
        FigureFiles figure;
        figure.sizeSuffix = media::SizeSuffix();
        figure.Write(dir_, dir_.Path());
        WriteInstructionPicture("mysl");
        WriteFrames(80, 60);
        for (int n = 1; n <= 3; ++n) {
            const platform::Color c{static_cast<uint8_t>(n * 60), 40, 40};
            WriteJpeg("Res/t" + std::to_string(n) + media::SizeSuffix() + ".xji",
                      Plain(1280, 960, n == 1 ? exercise_fixture::kBackgroundOne : c));
        }
        host_ = std::make_unique<exercise_fixture::FakeHost>(form_, Context());
    }

    // An instruction picture ("mysl", "sluch") in "Data\Res\": an ink box on a clear ground.
    void WriteInstructionPicture(const std::string& name) {
        platform::Bitmap black = Plain(60, 40, {0, 0, 0});
        platform::Bitmap white = Plain(60, 40, {255, 255, 255});
        black.FillRect({10, 10, 50, 30}, exercise_fixture::kInk);
        white.FillRect({10, 10, 50, 30}, exercise_fixture::kInk);
        WriteBmp("Res/" + name + media::SizeSuffix() + "_B.xbi", black);
        WriteBmp("Res/" + name + media::SizeSuffix() + "_W.xbi", white);
    }

    // The praise and remark recordings, and the given instructions, in the data root.
    void WriteFeedbackAndInstructions(std::initializer_list<const char*> instructions) {
        for (int n = 1; n <= catalog::PraiseCount; ++n) {
            WriteSound("Res/Snd/g" + std::to_string(n) + ".snd", 10);
        }
        for (int n = 1; n <= catalog::RemarkCount; ++n) {
            WriteSound("Res/Snd/b" + std::to_string(n) + ".snd", 10);
        }
        for (const char* name : instructions) {
            WriteSound(std::string("Res/Snd/Pol/") + name + ".snd", 10);
        }
    }
    // Praise ('g') and remark ('b') recordings asked for since recording started.
    static std::string Feedback() {
        std::string kinds;
        for (const auto& r : platform::Sound::Recorded()) {
            const std::string name = r.Path.substr(r.Path.find_last_of('/') + 1);
            if (name.size() > 1 && (name[0] == 'g' || name[0] == 'b') &&
                std::isdigit(static_cast<unsigned char>(name[1]))) {
                kinds += name[0];
            }
        }
        return kinds;
    }

    // A card colour of its own for each word number, so a probe tells which card it sees.
    static platform::Color WordCardColour(int word) {
        return {static_cast<uint8_t>(30 + word * 37 % 190),
                static_cast<uint8_t>(30 + word * 91 % 190),
                static_cast<uint8_t>(30 + word * 53 % 190)};
    }
    // A w x h card picture in folder (under the data root, e.g. "Res/Kar/Nor/") for every word
    // whose flags share a bit with mask; a key used by several words gets the first one's colour.
    void WriteWordCards(const std::string& folder, std::uint32_t mask, int w, int h) {
        std::set<std::string> written;
        const auto& words = media::WordDatabase();
        for (int n = 0; n < static_cast<int>(words.size()); ++n) {
            const media::CSlowo& word = words[static_cast<size_t>(n)];
            if (word.Matches(mask) && written.insert(word.Key).second) {
                WriteJpeg(folder + word.Key + media::SizeSuffix() + ".xji",
                          Plain(w, h, WordCardColour(n)));
            }
        }
    }
    std::unique_ptr<exercise_fixture::FakeHost> host_;
};
