#include "game/scan_ring.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

using namespace game;

using platform::Rect;

namespace {

// An exercise with `elements` scanning positions (the last one reports itself as last),
// writing what scanning asks of it into a shared log.
class ScriptedExercise : public Exercise {
  public:
    ScriptedExercise(std::vector<std::string>& log, int elements)
        : log_(log), elements_(elements) {}

    platform::Rect Begin() override { return {}; }
    void Suspend() override {}
    platform::Rect Resume() override { return {}; }
    void Show(bool) override {}
    void Restart() override {}
    void Paint() override {}
    void PlayInstruction() override {}
    void SetTiming(bool) override {}
    bool IsSolved() const override { return solved; }
    bool ScanNext() override {
        position_ = (position_ + 1) % elements_;
        log_.push_back("element " + std::to_string(position_));
        return position_ == elements_ - 1;
    }
    bool ScanStop() override {
        log_.push_back("leave exercise");
        const bool was = position_ >= 0;
        position_ = -1;
        return was;
    }
    bool ScanZoom() override { return false; }
    bool ScanSelect() override {
        log_.push_back("select " + std::to_string(position_));
        return position_ == solvingElement;
    }
    std::optional<Rect> ScanTargetRect() override {
        if (position_ <= 0) {
            return std::nullopt;  // the instruction picture
        }
        return Rect{100 * position_, 0, 100 * position_ + 50, 50};
    }
    void StartAnimation() override {}
    void EndAnimation() override {}
    void EndAnimationThread() override {}
    void Hint() override {}
    bool Block(std::int32_t) override { return false; }
    void Unblock(std::int32_t) override {}
    Hit HitTest(std::int32_t, std::int32_t) override { return {}; }
    bool Choose(std::int32_t, std::int32_t) override { return false; }
    platform::Point VehicleStart() override { return {}; }
    std::vector<Choosable> ChoosableElements() const override { return {}; }
    const std::string& GetInstructionName() const override { return name_; }

    bool solved = false;
    int solvingElement = -1;

  private:
    std::vector<std::string>& log_;
    int elements_;
    int position_ = -1;
    std::string name_ = "S0";
};

class LoggedButton : public ScanButton {
  public:
    LoggedButton(std::vector<std::string>& log, std::string name)
        : log_(log), name_(std::move(name)) {}
    bool Enabled() const override { return enabled; }
    void HighlightOn() override { log_.push_back(name_ + " on"); }
    void HighlightOff() override { log_.push_back(name_ + " off"); }
    void Click() override { log_.push_back(name_ + " clicked"); }
    bool enabled = true;

  private:
    std::vector<std::string>& log_;
    std::string name_;
};

// A ring over an exercise of three elements (instruction picture and two objects) and the
// four buttons; the log keeps highlights, leaves, drives and repaints out (only the order
// of the scanning calls matters here).
class ScanRingTest : public ::testing::Test {
  protected:
    std::vector<std::string> log;
    ScriptedExercise exercise{log, 3};
    LoggedButton next{log, "next"}, back{log, "back"}, help{log, "help"}, stop{log, "stop"};
    int repaints = 0;
    ScanRing ring{{&next, &back, &help, &stop}, [] {}, [this] { ++repaints; }};

    std::vector<std::string> Steps(int n, bool external) {
        log.clear();
        for (int i = 0; i < n; ++i) {
            ring.Step(exercise, external);
        }
        return log;
    }
};

}  // namespace

TEST_F(ScanRingTest, TheInternalCycleStaysInTheExerciseUntilItIsSolved) {
    EXPECT_EQ(Steps(5, false), (std::vector<std::string>{"element 0", "element 1", "element 2",
                                                         "element 0", "element 1"}));
    EXPECT_EQ(ring.Highlighted(), nullptr);
    // Solved: the highlight runs over the enabled buttons only.
    exercise.solved = true;
    EXPECT_EQ(Steps(5, false),
              (std::vector<std::string>{"leave exercise", "next on", "next off", "back on",
                                        "back off", "help on", "help off", "stop on", "stop off",
                                        "leave exercise", "next on"}));
}

TEST_F(ScanRingTest, TheExternalCycleGoesOnToTheEnabledButtonsAndBack) {
    back.enabled = false;  // the first exercise of a series
    EXPECT_EQ(Steps(9, true),
              (std::vector<std::string>{"element 0", "element 1", "element 2", "leave exercise",
                                        "next on", "next off", "help on", "help off", "stop on",
                                        "stop off", "element 0", "element 1", "element 2"}));
    EXPECT_EQ(ring.GetPosition(), ScanRing::LeavingExercise);
}

TEST_F(ScanRingTest, WithNoButtonEnabledTheHighlightWaitsInPlace) {
    for (LoggedButton* b : {&next, &back, &help, &stop}) {
        b->enabled = false;
    }
    exercise.solved = true;
    EXPECT_EQ(Steps(2, true), (std::vector<std::string>{"leave exercise", "leave exercise"}));
    EXPECT_EQ(ring.Highlighted(), nullptr);
}

TEST_F(ScanRingTest, SelectingClicksTheHighlightedButtonOrDrivesToTheElementAndChoosesIt) {
    exercise.solvingElement = 2;
    std::vector<Rect> drives;
    auto drive = [&](const Rect& r) { drives.push_back(r); };
    Steps(2, true);  // element 1
    EXPECT_FALSE(ring.Select(exercise, drive));
    Steps(1, true);  // element 2, the last
    EXPECT_TRUE(ring.Select(exercise, drive));
    EXPECT_EQ(drives, (std::vector<Rect>{{100, 0, 150, 50}, {200, 0, 250, 50}}));
    // The instruction picture is chosen where it stands, without a drive.
    ring.Reset();
    Steps(1, false);
    log.clear();
    EXPECT_FALSE(ring.Select(exercise, drive));
    EXPECT_EQ(drives.size(), 2u);
    EXPECT_EQ(log, (std::vector<std::string>{"select 0"}));
    // On the stop button the selection is the stop button's click, nothing else.
    exercise.solved = true;
    Steps(4, false);  // next, back, help, stop
    ASSERT_EQ(ring.Highlighted(), &stop);
    log.clear();
    EXPECT_FALSE(ring.Select(exercise, drive));
    EXPECT_EQ(log, (std::vector<std::string>{"stop clicked"}));
}

// A task started again while the highlight ran over the buttons (the internal cycle leaves
// the exercise only once it is solved) brings the highlight back into the exercise.
TEST_F(ScanRingTest, ARestartedTaskTakesTheHighlightBackIntoTheExercise) {
    exercise.solved = true;
    Steps(2, false);  // leave to next, then back
    ASSERT_EQ(ring.Highlighted(), &back);
    exercise.solved = false;
    EXPECT_EQ(Steps(2, false), (std::vector<std::string>{"back off", "element 0", "element 1"}));
    EXPECT_EQ(ring.GetPosition(), ScanRing::InExercise);
}
