#include "game/steering.h"

#include <cstdlib>

namespace game {

using platform::Point;
using platform::Rect;

namespace {

// Turns between the frames of a drive step.
constexpr std::uint32_t kDriveTurnMs = 90;

bool StrictlyInside(const Rect& r, std::int32_t x, std::int32_t y) {
    return r.Left < x && x < r.Right && r.Top < y && y < r.Bottom;
}

bool InsideWithEdges(const Rect& r, const Point& p) {
    return r.Left <= p.X && p.X <= r.Right && r.Top <= p.Y && p.Y <= r.Bottom;
}

bool Arrived(const pieces::CLudek& vehicle, const Rect& target) {
    const Rect r = vehicle.Rectangle();
    const std::int32_t mx = (target.Right - target.Left) / 10;
    const std::int32_t my = (target.Bottom - target.Top) / 100;
    const Rect inner{target.Left + mx, target.Top + my, target.Right - mx, target.Bottom - my};
    return StrictlyInside(inner, r.Left, r.Top) || StrictlyInside(inner, r.Right, r.Top) ||
           StrictlyInside(inner, r.Right, r.Bottom) || StrictlyInside(inner, r.Left, r.Bottom) ||
           InsideWithEdges(target, vehicle.AnchorPoint());
}

// -step, 0 or +step toward [low, high] from p.
std::int32_t Toward(std::int32_t p, std::int32_t low, std::int32_t high, std::int32_t step) {
    return p < low ? step : (p > high ? -step : 0);
}

}  // namespace

std::uint8_t DirectionOf(std::int32_t dx, std::int32_t dy) {
    const int sx = (dx > 0) - (dx < 0);
    const int sy = (dy > 0) - (dy < 0);
    // Indexed by (sy + 1) * 3 + (sx + 1).
    static constexpr std::uint8_t kFrames[9] = {2, 0, 14, 4, 0, 12, 6, 8, 10};
    return kFrames[(sy + 1) * 3 + (sx + 1)];
}

std::optional<VehicleStep> SteerByKeys(const HeldArrows& keys, const Rect& vehicle,
                                       const Rect& area, std::int32_t step) {
    const bool up = keys.Up && vehicle.Top > area.Top;
    const bool down = keys.Down && vehicle.Bottom < area.Bottom;
    const bool left = keys.Left && vehicle.Left > area.Left;
    const bool right = keys.Right && vehicle.Right < area.Right;
    const struct {
        bool held;
        std::int32_t dx, dy;
    } rows[] = {
        {up && right, step, -step},
        {down && right, step, step},
        {left && up, -step, -step},
        {left && down, -step, step},
        {up, 0, -step},
        {down, 0, step},
        {left, -step, 0},
        {right, step, 0},
    };
    for (const auto& row : rows) {
        if (row.held) {
            return VehicleStep{row.dx, row.dy, DirectionOf(row.dx, row.dy)};
        }
    }
    return std::nullopt;
}

void DriveToTarget(pieces::CLudek& vehicle, const Rect& target, std::int32_t step,
                   platform::Form& form, pieces::CSynchLoop& pacer) {
    const Point start = vehicle.AnchorPoint();
    // Far more than the way there, even going round both axes one after the other.
    const std::int64_t maxSteps = (std::abs(static_cast<std::int64_t>(target.Left) - start.X) +
                                   std::abs(static_cast<std::int64_t>(target.Right) - start.X) +
                                   std::abs(static_cast<std::int64_t>(target.Top) - start.Y) +
                                   std::abs(static_cast<std::int64_t>(target.Bottom) - start.Y)) /
                                      std::max<std::int32_t>(step, 1) +
                                  4;
    std::int32_t lastDx = 0;
    std::int32_t lastDy = 0;
    bool xReached = false;
    bool yReached = false;
    for (std::int64_t n = 0; n < maxSteps && !Arrived(vehicle, target); ++n) {
        const Point p = vehicle.AnchorPoint();
        std::int32_t dx = xReached ? 0 : Toward(p.X, target.Left, target.Right, step);
        std::int32_t dy = yReached ? 0 : Toward(p.Y, target.Top, target.Bottom, step);
        // Turning back means the axis was crossed: the target is narrower than a step.
        if (dx != 0 && dx == -lastDx) {
            xReached = true;
            dx = 0;
        }
        if (dy != 0 && dy == -lastDy) {
            yReached = true;
            dy = 0;
        }
        if (dx == 0 && dy == 0) {
            break;
        }
        lastDx = dx;
        lastDy = dy;
        vehicle.TurnTo(DirectionOf(dx, dy), kDriveTurnMs);
        vehicle.Step(dx, dy);
        form.Repaint();
        pacer.WaitTick();
    }
    vehicle.Draw();
}

}  // namespace game
