#include "game/scan_ring.h"

#include <utility>

namespace game {

ScanRing::ScanRing(std::array<ScanButton*, 4> buttons, std::function<void()> redrawVehicle,
                   std::function<void()> repaint)
    : buttons_(buttons), redrawVehicle_(std::move(redrawVehicle)), repaint_(std::move(repaint)) {}

void ScanRing::Reset() {
    // A button left highlighted would keep its hover look.
    if (highlighted_ != nullptr) {
        highlighted_->HighlightOff();
    }
    position_ = InExercise;
    highlighted_ = nullptr;
}

void ScanRing::Step(Exercise& exercise, bool externalCycle) {
    if (highlighted_ != nullptr) {
        highlighted_->HighlightOff();
        highlighted_ = nullptr;
    }
    const bool solved = exercise.IsSolved();
    // With the internal cycle an unsolved task keeps the highlight in the exercise; it also
    // comes back there when it stood on a button as the task was started again (else it would
    // stay on the button, and the switches could reach nothing).
    if (!solved && (position_ == InExercise || !externalCycle)) {
        position_ = InExercise;
        if (exercise.ScanNext() && externalCycle) {
            position_ = LeavingExercise;
        }
        redrawVehicle_();
        repaint_();
        return;
    }
    // The buttons are tried in the order next, back, help, stop, from the one after the
    // highlighted button; the positions they lead to follow the same order.
    static constexpr std::uint8_t kPositionAfter[4] = {OnNext, OnBack, OnHelp, InExercise};
    size_t first = 0;
    if (position_ == InExercise || position_ == LeavingExercise) {
        exercise.ScanStop();
        redrawVehicle_();
    } else {
        first = static_cast<size_t>(position_) - OnNext + 1;
    }
    for (size_t i = first; i < buttons_.size(); ++i) {
        if (buttons_[i] != nullptr && buttons_[i]->Enabled()) {
            buttons_[i]->HighlightOn();
            highlighted_ = buttons_[i];
            position_ = kPositionAfter[i];
            break;
        }
    }
    repaint_();
}

bool ScanRing::Select(Exercise& exercise, const std::function<void(const platform::Rect&)>& drive) {
    if (highlighted_ != nullptr) {
        // The button's own action; it may end the series, so nothing follows it here.
        highlighted_->Click();
        return false;
    }
    if (const auto target = exercise.ScanTargetRect()) {
        drive(*target);
    }
    const bool solved = exercise.ScanSelect();
    repaint_();
    return solved;
}

}  // namespace game
