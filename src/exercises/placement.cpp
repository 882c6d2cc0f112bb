#include "exercises/placement.h"

using namespace media;

namespace exercises {

void PlacementDrawCounter::Count() {
    ++draws_;
    if (draws_ >= DrawLimit) {
        throw CBlad::FromCode(CBlad::RepeatedDrawCode);
    }
}

}  // namespace exercises
