#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "exercises/background_rotation.h"
#include "game/curriculum_tables.h"
#include "game/exercise_host.h"
#include "media/picture_fixture.h"
#include "pieces/cludek_fixture.h"

namespace exercise_fixture {

inline constexpr platform::Color kInk{20, 40, 160};
inline constexpr platform::Color kBackgroundOne{200, 40, 40};

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
        platform::Bitmap black = Plain(60, 40, {0, 0, 0});
        platform::Bitmap white = Plain(60, 40, {255, 255, 255});
        black.FillRect({10, 10, 50, 30}, exercise_fixture::kInk);
        white.FillRect({10, 10, 50, 30}, exercise_fixture::kInk);
        WriteBmp("Res/mysl" + media::SizeSuffix() + "_B.xbi", black);
        WriteBmp("Res/mysl" + media::SizeSuffix() + "_W.xbi", white);
        WriteFrames(80, 60);
        for (int n = 1; n <= 3; ++n) {
            const platform::Color c{static_cast<uint8_t>(n * 60), 40, 40};
            WriteJpeg("Res/t" + std::to_string(n) + media::SizeSuffix() + ".xji",
                      Plain(1280, 960, n == 1 ? exercise_fixture::kBackgroundOne : c));
        }
        host_ = std::make_unique<exercise_fixture::FakeHost>(form_, Context());
    }
    std::unique_ptr<exercise_fixture::FakeHost> host_;
};
