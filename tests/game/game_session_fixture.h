#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "catalog/screen_geometry.h"
#include "exercises/background_rotation.h"
#include "exercises/csuper_schemat.h"
#include "exercises/series_score.h"
#include "game/cwybor.h"
#include "game/series_player.h"
#include "game/tfm_gry.h"
#include "media/data_paths.h"
#include "media/random.h"
#include "media/scoped_temp_dir.h"
#include "platform/headless_app.h"
#include "platform/message_log.h"
#include "platform/sound.h"
#include "scoped_env.h"

namespace game_session {

// Whether this is a sanitizer build, where a session runs many times slower.
inline constexpr bool kSanitizedBuild =
#if defined(__SANITIZE_THREAD__) || defined(__SANITIZE_ADDRESS__)
    true;
#else
    false;
#endif

// The generated data set the sessions play on: VIMBARO_TEST_DATA when set (the sanitizer
// builds make none of their own), else the one this build made. Empty when there is none.
inline std::filesystem::path GeneratedDataSet() {
    namespace fs = std::filesystem;
    fs::path set = std::getenv("VIMBARO_TEST_DATA") != nullptr
                       ? fs::path(std::getenv("VIMBARO_TEST_DATA"))
                       : fs::path(VIMBARO_BINARY_DIR) / "Data";
    std::error_code ec;
    return fs::is_directory(set / "Intf", ec) ? set : fs::path();
}

// An exercise of plain boxes on the real background: one box (number `answer`) is right,
// the others are wrong; the task is solved by choosing the right one.
class BoxesExercise final : public exercises::CSuperSchemat {
  public:
    BoxesExercise(game::ExerciseHost& host, const game::CWybor& settings, int answer)
        : CSuperSchemat(host, settings), answer_(answer) {
        InstructionName = "S1_2";
        CreateInstructionPicture("mysl");
        const catalog::ScreenGeometry& g = catalog::Geometry();
        for (int i = 0; i < 3; ++i) {
            boxes_.push_back(platform::Rect::FromSize(g.MapX(300 + 250 * i), g.MapY(300),
                                                      g.MapLength(120), g.MapLength(120)));
        }
    }

    void Show(bool) override {}
    void Restart() override {
        Stat.NewAttempt(Solved);
        Solved = false;
        Host.StopAutoNext();
    }
    void Paint() override {
        media::DrawContext c = Host.Context();
        for (const platform::Rect& r : boxes_) {
            c.Frame.FillRect(r, {240, 240, 240});
            c.Scene.FillRect(r, {240, 240, 240});
            c.Queue(r);
        }
    }
    void Hint() override { ++Stat.Last().Hints; }
    bool Choose(std::int32_t element, std::int32_t) override {
        if (Solved || element < 0 || element >= 3) {
            return false;
        }
        if (element != answer_) {
            ++Stat.Last().Errors;
            return false;
        }
        ++Stat.Last().Points;
        Solved = true;
        Host.DrawScore();
        return true;
    }
    platform::Point VehicleStart() override {
        const catalog::ScreenGeometry& g = catalog::Geometry();
        return {g.MapX(500), g.MapY(600)};
    }
    int Answer() const { return answer_; }
    const platform::Rect& Box(int n) const { return boxes_.at(static_cast<size_t>(n)); }

  protected:
    std::int32_t ObjectCount() const override { return 3; }
    platform::Rect ObjectRect(std::int32_t n) const override {
        return boxes_.at(static_cast<size_t>(n));
    }
    bool ObjectVisible(std::int32_t) const override { return true; }
    bool ObjectSelectable(std::int32_t) const override { return !Solved; }

  private:
    int answer_;
    std::vector<platform::Rect> boxes_;
};

// The game form over the generated data set on a headless 1280 x 1024 screen, with the manual
// clock, silent sound, the statistics and settings in a temporary home, and boxes exercises
// whose right answer is box (exercise number mod 3).
class GameSession : public ::testing::Test {
  protected:
    explicit GameSession(platform::Point screen = {1280, 1024})
        : h(screen), saved_(catalog::Geometry()) {
        if (GeneratedDataSet().empty()) {
            return;
        }
        catalog::SetScreenGeometry(catalog::SelectScreenMode(screen.X, screen.Y));
        // The data set's folders seen through a writable root, so the statistics file is
        // written beside them in a temporary place.
        for (const auto& entry : std::filesystem::directory_iterator(GeneratedDataSet())) {
            if (entry.path().filename() != "st.bin") {
                std::filesystem::create_symlink(entry.path(),
                                                root_.Path() / entry.path().filename());
            }
        }
        media::SetDataRootForTesting(root_.Path());
        platform::Sound::UseSilentDriverForTesting();
        platform::MessageLog::Capture();
        exercises::ResetBackgroundRotationForTesting();
        media::SeedRandom(7);
    }
    ~GameSession() override {
        form.reset();
        platform::MessageLog::StopCapture();
        media::SetDataRootForTesting({});
        catalog::SetScreenGeometry(saved_);
    }
    void SetUp() override {
        if (GeneratedDataSet().empty()) {
            GTEST_SKIP() << "no generated data set";
        }
    }

    // Builds and shows the game form for these settings.
    void Start(game::CWybor settings) {
        game::SeriesParts parts;
        parts.Available = [](int, int draw, int) { return draw <= 3; };
        parts.CreateExercise = [this](game::ExerciseHost& host, const game::CWybor& s, int level,
                                      int) -> std::unique_ptr<game::Exercise> {
            levels.push_back(level);
            EXPECT_EQ(s.poziom, level);
            return std::make_unique<BoxesExercise>(host, s, made_++ % 3);
        };
        parts.CreateScore = [](game::ExerciseHost& host, const game::CWybor& s,
                               const std::vector<std::unique_ptr<game::Exercise>>& series) {
            return std::make_unique<exercises::SeriesScoreOfForm>(host, s, series);
        };
        StartWith(settings, std::move(parts));
    }
    // Builds and shows the game form for these settings and exercise types.
    void StartWith(const game::CWybor& settings, game::SeriesParts parts) {
        game::MenuLink menu{[this] { ++menuHides; }, [this] { ++menuReturns; }};
        form = std::make_unique<game::CGra>(menu, settings, std::move(parts));
        form->Show();
        h.app->ProcessMessages();
    }
    // The player's view of this session.
    series_player::Session Player() {
        return {*form, [this] { h.app->ProcessMessages(); }, [this](std::uint32_t ms) { Wait(ms); },
                [this](platform::Key key, bool down) {
                    down ? h.headless->HoldKey(key) : h.headless->ReleaseKey(key);
                }};
    }
    BoxesExercise& Current() const {
        return dynamic_cast<BoxesExercise&>(*form->CurrentExercise());
    }
    void Press(platform::Key key, char32_t ch = 0) {
        h.headless->PressKey(key, ch);
        h.app->ProcessMessages();
    }
    // Lets the manual clock run for ms of game time.
    void Wait(uint32_t ms) { h.app->RunFor(ms); }
    std::filesystem::path StatisticsFile() const { return root_.Path() / "st.bin"; }

    HeadlessApp h;
    std::unique_ptr<game::TfmGry> form;
    std::vector<int> levels;  // the level of every exercise made, in order
    int menuHides = 0;
    int menuReturns = 0;

  private:
    catalog::ScreenGeometry saved_;
    ScopedTempDir root_;
    ScopedTempDir home_;
    ScopedEnv dataHome_{"XDG_DATA_HOME", (home_.Path() / "data").c_str()};
    ScopedEnv configHome_{"XDG_CONFIG_HOME", (home_.Path() / "config").c_str()};
    int made_ = 0;
};

}  // namespace game_session
