#pragma once

#include "media/invalidate.h"
#include "pieces/csynch_loop.h"
#include "platform/bitmap.h"
#include "platform/control.h"
#include "platform/geometry.h"
#include "platform/thread.h"

// Fades an object's picture into the frame over 40 steps of 80 ms. The frames are computed
// on this thread; every canvas, the object and the form are touched only on the GUI thread.
class CWatek : public platform::Thread {
  public:
    static constexpr int kSteps = 40;
    static constexpr uint32_t kStepMs = 80;

    // destRect (B) is the object's place in destCanvas; sourceRect (A) its picture's place in
    // sourceCanvas. The object is made visible at the end; its form is repainted each step.
    CWatek(bool createSuspended, AddDirtyRectFn addDirtyRect, const platform::Rect& destRect,
           const platform::Rect& sourceRect, platform::Bitmap& sourceCanvas,
           platform::Control* object, platform::Bitmap& destCanvas);
    ~CWatek() override;

  protected:
    void Execute() override;

  private:
    void FadeIn();
    void Show(const platform::Bitmap& picture);

    platform::Bitmap& destCanvas_;
    platform::Bitmap& sourceCanvas_;
    platform::Control* object_;
    platform::Rect sourceRect_;
    platform::Rect destRect_;
    CSynchLoop pacer_{kStepMs};
    AddDirtyRectFn addDirtyRect_;
};
