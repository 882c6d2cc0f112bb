#include "exercises/placement.h"

#include <algorithm>

#include "catalog/screen_geometry.h"
#include "exercises/draws.h"
#include "media/random.h"

using namespace catalog;
using namespace media;

namespace exercises {

void PlacementDrawCounter::Count() {
    ++draws_;
    if (draws_ >= DrawLimit) {
        throw CBlad::FromCode(CBlad::RepeatedDrawCode);
    }
}

bool KeepsClear(platform::Point p, const platform::Rect& r, platform::Point vehicle,
                Clearance clearance) {
    const bool insideX = r.Left - clearance.Before * vehicle.X - r.Width() - 1 < p.X &&
                         p.X < r.Right + clearance.After * vehicle.X + 1;
    const bool insideY = r.Top - clearance.Before * vehicle.Y - r.Height() - 1 < p.Y &&
                         p.Y < r.Bottom + clearance.After * vehicle.Y + 1;
    return !(insideX && insideY);
}

platform::Point PlaceInQuadrant(int quadrant, PlacementBounds bounds, platform::Point vehicle,
                                Clearance clearance, std::span<const platform::Rect> placed) {
    return DrawPlacement([quadrant] { return RandomPointInQuadrant(quadrant); },
                         [&](const platform::Point& p) {
                             if (p.X <= bounds.Left || p.X >= bounds.Right || p.Y <= bounds.Top ||
                                 p.Y >= bounds.Bottom) {
                                 return false;
                             }
                             return std::all_of(placed.begin(), placed.end(),
                                                [&](const platform::Rect& r) {
                                                    return KeepsClear(p, r, vehicle, clearance);
                                                });
                         });
}

namespace {

constexpr int kFreePointDraws = 100000;

}  // namespace

platform::Point DrawFreePoint(const platform::Rect& area,
                              const std::function<bool(platform::Point)>& fits) {
    const ScreenGeometry& g = Geometry();
    for (int draw = 0; draw < kFreePointDraws; ++draw) {
        const platform::Point p{g.LayoutRect.Left + Random() % g.DesignWidth,
                                g.LayoutRect.Top + Random() % g.DesignHeight};
        if (fits(p)) {
            return p;
        }
    }
    for (int y = area.Top + 1; y < area.Bottom; ++y) {
        for (int x = area.Left + 1; x < area.Right; ++x) {
            if (fits({x, y})) {
                return {x, y};
            }
        }
    }
    return {area.Left + 1, area.Top + 1};
}

platform::Point RandomVehicleStart(const platform::Rect& work, double roomX, double roomY,
                                   platform::Point vehicle,
                                   std::span<const platform::Rect> objects) {
    return DrawFreePoint(work, [&](platform::Point p) {
        if (!(work.Left < p.X && p.X < work.Right - roomX && work.Top < p.Y &&
              p.Y < work.Bottom - roomY)) {
            return false;
        }
        return std::none_of(objects.begin(), objects.end(), [&](const platform::Rect& r) {
            return r.Left - vehicle.X <= p.X && p.X <= r.Right && r.Top - vehicle.Y <= p.Y &&
                   p.Y <= r.Bottom;
        });
    });
}

}  // namespace exercises
