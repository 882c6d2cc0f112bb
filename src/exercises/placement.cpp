#include "exercises/placement.h"

#include "catalog/screen_geometry.h"
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

}  // namespace exercises
