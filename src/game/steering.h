#pragma once

#include <cstdint>
#include <optional>

#include "pieces/cludek.h"
#include "pieces/csynch_loop.h"
#include "platform/form.h"
#include "platform/geometry.h"

namespace game {

// One step of the vehicle: the offset and the frame it faces while taking it.
struct VehicleStep {
    std::int32_t Dx = 0;
    std::int32_t Dy = 0;
    std::uint8_t Direction = 0;

    friend bool operator==(const VehicleStep&, const VehicleStep&) = default;
};

// The frame that faces the way of a step: 0 up, 2 up-left, 4 left, 6 down-left, 8 down, 10
// down-right, 12 right, 14 up-right (a step of (0, 0) faces up).
std::uint8_t DirectionOf(std::int32_t dx, std::int32_t dy);

// The arrow keys held now.
struct HeldArrows {
    bool Up = false;
    bool Down = false;
    bool Left = false;
    bool Right = false;
};

// The step the held arrows ask for, where the vehicle has room inside area: the diagonals
// first (up-right, down-right, left-up, left-down), then up, down, left, right. Nothing when
// no held direction has room.
std::optional<VehicleStep> SteerByKeys(const HeldArrows& keys, const platform::Rect& vehicle,
                                       const platform::Rect& area, std::int32_t step);

// Drives the vehicle to the target in steps of `step` pixels, turning it to face each step,
// repainting the form and waiting for the pacer after every step. It arrives when a corner of
// the vehicle lies well inside the target or its anchor point lies on the target. A target
// narrower than a step could make it swing across for ever: an axis it has crossed once is
// taken as reached, and the drive also ends after a bounded number of steps. Blocks the
// caller for the drive.
void DriveToTarget(pieces::CLudek& vehicle, const platform::Rect& target, std::int32_t step,
                   platform::Form& form, pieces::CSynchLoop& pacer);

}  // namespace game
