#pragma once

#include "media/blend_masked.h"

namespace media {

// The row blend with vector instructions, for the combinations the screens draw most: a
// 32-bit frame over a 32-bit background, a 24- or 32-bit picture and a one-byte mask. Every
// pixel comes out exactly as the scalar rule makes it. nullptr where this processor or this
// combination has no vector routine.
BlendRowFn PickVectorBlendRow(int destBpp, int backgroundBpp, int colourBpp, int maskBpp);

}  // namespace media
