#pragma once

#include <functional>
#include <span>
#include <utility>

#include "media/cblad.h"
#include "platform/geometry.h"

namespace exercises {

// Random placement of an exercise's objects. A constructor draws places for one object until
// one fits; a layout that leaves no room is noticed by counting the draws, and the whole
// layout is then built afresh.

// Counts the random draws made for one object. The thousandth draw raises CBlad code 3,
// whether or not its place would fit.
class PlacementDrawCounter {
  public:
    static constexpr int DrawLimit = 1000;

    // Call once for every draw, after the draw and before the fit test.
    void Count();
    int Draws() const { return draws_; }

  private:
    int draws_ = 0;
};

// Calls draw until fits accepts its result and returns that result; CBlad code 3 on the
// thousandth draw.
template <class Draw, class Fits>
auto DrawPlacement(Draw&& draw, Fits&& fits) {
    PlacementDrawCounter counter;
    for (;;) {
        auto place = draw();
        counter.Count();
        if (fits(std::as_const(place))) {
            return place;
        }
    }
}

// How far a new object keeps from those placed before it: the vehicle's size times Before
// on their left and upper side, times After on their right and lower side.
struct Clearance {
    double Before = 1.0;
    double After = 1.0;
};

// Whether an object with its top-left corner at p keeps clear of the placed object r, with
// room for the vehicle (of size vehicle) between them. r's own size stands in for the size of
// the object still to come, so the test also holds when p lies left of or above r.
bool KeepsClear(platform::Point p, const platform::Rect& r, platform::Point vehicle,
                Clearance clearance);

// The bounds a placed object's top-left corner stays strictly inside.
struct PlacementBounds {
    double Left = 0;
    double Top = 0;
    double Right = 0;
    double Bottom = 0;
};

// A random top-left corner in quadrant (1 ... 4) of the layout, strictly inside bounds and
// keeping clear of every rectangle of placed. CBlad code 3 on the thousandth draw.
platform::Point PlaceInQuadrant(int quadrant, PlacementBounds bounds, platform::Point vehicle,
                                Clearance clearance, std::span<const platform::Rect> placed);

// How often a layout is built again after code 3 before code 3 is passed on: a layout that
// can never fit must end as an error, not hang the game.
inline constexpr int MaxPlacementRebuilds = 100;

// Runs build. On CBlad code 3 runs cleanup and builds again (up to MaxPlacementRebuilds
// times); on any other error runs cleanup and passes the error on.
template <class Build, class Cleanup>
void BuildRetryingRepeatedDraws(Build&& build, Cleanup&& cleanup) {
    for (int rebuilds = 0;; ++rebuilds) {
        try {
            build();
            return;
        } catch (const media::CBlad& e) {
            cleanup();
            if (e.Code() != media::CBlad::RepeatedDrawCode || rebuilds == MaxPlacementRebuilds) {
                throw;
            }
        } catch (...) {
            cleanup();
            throw;
        }
    }
}

// A start place for the vehicle: random points of the layout (x drawn before y) until one
// fits. Past a large number of draws the first fitting point inside area, row by row, so that
// an area without room cannot hang the game; area's top-left corner + 1 when none fits.
platform::Point DrawFreePoint(const platform::Rect& area,
                              const std::function<bool(platform::Point)>& fits);

// A random top-left corner for the vehicle (of size vehicle) by DrawFreePoint: inside work
// with roomX and roomY to spare before its right and bottom edges, and touching none of
// objects, their edges included.
platform::Point RandomVehicleStart(const platform::Rect& work, double roomX, double roomY,
                                   platform::Point vehicle,
                                   std::span<const platform::Rect> objects);

}  // namespace exercises
