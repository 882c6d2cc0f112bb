#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "game/exercise.h"
#include "platform/geometry.h"

namespace game {

// A button of the game form as switch scanning sees it: the highlight looks exactly like
// the mouse hovering over it.
class ScanButton {
  public:
    virtual ~ScanButton() = default;
    virtual bool Enabled() const = 0;
    virtual void HighlightOn() = 0;
    virtual void HighlightOff() = 0;
    virtual void Click() = 0;
};

// Where the switch-scanning highlight travels: over the elements of the exercise and, with
// the external cycle or once the task is solved, on over the game form's enabled buttons
// (next, back, help, stop) and back into the exercise.
class ScanRing {
  public:
    // Where the highlight stands.
    enum Position : std::uint8_t {
        InExercise = 0,       // also right after the stop button
        LeavingExercise = 1,  // the last selectable element; the next step leaves
        OnNext = 2,
        OnBack = 3,
        OnHelp = 4,
    };

    // buttons: next, back, help, stop. redrawVehicle and repaint run after the steps that
    // need them.
    ScanRing(std::array<ScanButton*, 4> buttons, std::function<void()> redrawVehicle,
             std::function<void()> repaint);

    // Back into the exercise, no button highlighted (for every exercise shown).
    void Reset();
    // One step of the highlight.
    void Step(Exercise& exercise, bool externalCycle);
    // The select switch: clicks the highlighted button, or drives the vehicle to the
    // highlighted element (through drive) and chooses it. True when that solved the task.
    bool Select(Exercise& exercise, const std::function<void(const platform::Rect&)>& drive);

    std::uint8_t GetPosition() const { return position_; }
    ScanButton* Highlighted() const { return highlighted_; }

  private:
    std::array<ScanButton*, 4> buttons_;
    std::function<void()> redrawVehicle_;
    std::function<void()> repaint_;
    std::uint8_t position_ = InExercise;
    ScanButton* highlighted_ = nullptr;
};

}  // namespace game
