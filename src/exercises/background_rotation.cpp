#include "exercises/background_rotation.h"

#include <mutex>

#include "media/random.h"

using namespace media;

namespace exercises {

namespace {

constexpr int UsesInARow = 3;

// Process-wide: exercises are built on the GUI thread, the lock only keeps tests honest.
std::mutex rotationLock;
int usesOfLast = 0;  // 0 at start, then 1 ... UsesInARow
int lastVariant = 0;

}  // namespace

int NextBackgroundNo() {
    std::lock_guard<std::mutex> hold(rotationLock);
    if (usesOfLast >= 1 && usesOfLast < UsesInARow) {
        ++usesOfLast;
        return lastVariant;
    }
    int variant = 0;
    do {
        variant = Random() % 3 + 1;
    } while (variant == lastVariant);
    lastVariant = variant;
    usesOfLast = 1;
    return variant;
}

void ResetBackgroundRotationForTesting() {
    std::lock_guard<std::mutex> hold(rotationLock);
    usesOfLast = 0;
    lastVariant = 0;
}

}  // namespace exercises
