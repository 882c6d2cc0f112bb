#pragma once

#include <functional>
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

}  // namespace exercises
