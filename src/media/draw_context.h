#pragma once

#include "media/invalidate.h"
#include "platform/bitmap.h"
#include "platform/geometry.h"

namespace media {

// Where a piece of the game draws: the game form's bitmaps and the callback that queues every
// changed rectangle. Frame is what the player sees; Scene holds the background and everything
// at rest, so a passing picture can be taken away again; Background is the clean background,
// missing for pieces that never put it back. None of them is owned.
struct DrawContext {
    platform::Bitmap& Frame;
    platform::Bitmap& Scene;
    platform::Bitmap* Background = nullptr;
    AddDirtyRectFn Invalidate;

    // Hands r to the callback, if there is one.
    void Queue(const platform::Rect& r) const {
        if (Invalidate) {
            Invalidate(r);
        }
    }
    // Copies the clean background's r into Scene and Frame; nothing without a background.
    void RestoreBackground(const platform::Rect& r) const {
        if (Background != nullptr) {
            Scene.CopyRect(r, *Background, r);
            Frame.CopyRect(r, *Background, r);
        }
    }
    // Copies Scene's r into Frame: takes away what was drawn over the scene there.
    void ShowScene(const platform::Rect& r) const { Frame.CopyRect(r, Scene, r); }
};

}  // namespace media
