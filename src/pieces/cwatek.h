#pragma once

#include "media/draw_context.h"
#include "pieces/csynch_loop.h"
#include "platform/bitmap.h"
#include "platform/control.h"
#include "platform/geometry.h"
#include "platform/thread.h"

namespace pieces {

// Fades an object's picture into the frame bitmap over 40 steps of 80 ms. The frames are
// computed on this thread; every bitmap, the object and the form are touched only on the GUI
// thread.
class CWatek : public platform::Thread {
  public:
    static constexpr int kSteps = 40;
    static constexpr uint32_t kStepMs = 80;

    // Fades picture's rectangle sourceRect (A) into the context's frame bitmap at destination,
    // the top-left corner of B (A's size), reporting B to the context's callback. The object
    // (may be null) is made visible at the end; its form is repainted each step. Runs at once
    // unless createSuspended.
    CWatek(const DrawContext& context, platform::Control* object, const platform::Bitmap& picture,
           const platform::Rect& sourceRect, platform::Point destination,
           bool createSuspended = false);
    ~CWatek() override;

  protected:
    void Execute() override;

  private:
    void FadeIn();
    void Show(const platform::Bitmap& picture);

    DrawContext context_;
    const platform::Bitmap& sourceCanvas_;
    platform::Control* object_;
    platform::Rect sourceRect_;
    platform::Rect destRect_;
    CSynchLoop pacer_{kStepMs};
};

}  // namespace pieces
