#pragma once

#include <functional>

#include "platform/geometry.h"

namespace media {

// The invalidation callback drawing objects receive: queues a changed screen rectangle.
// An empty one is allowed; nothing is queued then.
using AddDirtyRectFn = std::function<void(const platform::Rect&)>;

}  // namespace media
