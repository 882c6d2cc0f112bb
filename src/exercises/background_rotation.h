#pragma once

namespace exercises {

// The background picture variant (1 ... 3) of the next exercise created in this process:
// a variant serves three exercises in a row and is then replaced by one of the other two.
int NextBackgroundNo();

// Starts the rotation afresh, as at program start.
void ResetBackgroundRotationForTesting();

}  // namespace exercises
