#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/geometry.h"

namespace game {

// What the vehicle would touch after a step: a selectable element (Kind 1, its number), an
// element that stops the vehicle (Kind -1), or nothing (Kind 0, Element -1).
struct Hit {
    std::int32_t Element = -1;
    int Kind = 0;

    friend bool operator==(const Hit&, const Hit&) = default;
};

// An element the child can choose now, by the number the hit test reports for it, and
// where it stands.
struct Choosable {
    std::int32_t Element = 0;
    platform::Rect Place;
};

// One exercise of a series, as the game form, its switch scanning and its key polling drive
// it. The exercise types implement it on the exercise base; the game form sees nothing else
// of them, so it needs none of their headers. The Polish names are explained in
// docs/glossary.md.
class Exercise {
  public:
    virtual ~Exercise() = default;

    // First showing: lays the background, draws everything and returns the area the vehicle
    // may move in.
    virtual platform::Rect Begin() = 0;
    // Leaving: stops the timing, keeps the vehicle's place and disables the controls.
    virtual void Suspend() = 0;
    // Showing again, as it was left; returns the vehicle's area.
    virtual platform::Rect Resume() = 0;
    // Enables or disables the exercise's controls (not their visibility).
    virtual void Show(bool on) = 0;
    // The same task again, from the start, as a new attempt.
    virtual void Restart() = 0;
    // Paints every visible object and the instruction picture.
    virtual void Paint() = 0;
    // Plays the spoken instruction in the background.
    virtual void PlayInstruction() = 0;
    // Starts the timing of the current attempt, or stops it.
    virtual void SetTiming(bool on) = 0;
    virtual bool IsSolved() const = 0;

    // Switch scanning: moves the highlight on (true when it reached the last element),
    // takes it away (false when nothing was highlighted), shows the highlighted object
    // enlarged, chooses it (true when that solved the task), and tells where it is.
    virtual bool ScanNext() = 0;
    virtual bool ScanStop() = 0;
    virtual bool ScanZoom() = 0;
    virtual bool ScanSelect() = 0;
    virtual std::optional<platform::Rect> ScanTargetRect() = 0;

    // The presentation animation: started once a little after the first showing, made
    // whole before the series moves on, and its thread ended before the exercise is left.
    virtual void StartAnimation() = 0;
    virtual void EndAnimation() = 0;
    virtual void EndAnimationThread() = 0;

    // Marks the expected answer and counts a hint.
    virtual void Hint() = 0;
    // A wrongly touched element may be made untouchable for a while (true) and touchable
    // again later.
    virtual bool Block(std::int32_t element) = 0;
    virtual void Unblock(std::int32_t element) = 0;
    // What the vehicle would touch moved by (dx, dy); the vehicle stays where it is.
    virtual Hit HitTest(std::int32_t dx, std::int32_t dy) = 0;
    // Judges a choice; true exactly when it completed the task.
    virtual bool Choose(std::int32_t element, std::int32_t extra) = 0;
    // Where the vehicle starts (its top-left corner).
    virtual platform::Point VehicleStart() = 0;
    // The visible elements that can be chosen now, in element-number order: where the
    // vehicle can go to choose something.
    virtual std::vector<Choosable> ChoosableElements() const = 0;
    // The name of its instruction recording ("S9"), which also tells its type.
    virtual const std::string& GetInstructionName() const = 0;
};

}  // namespace game
