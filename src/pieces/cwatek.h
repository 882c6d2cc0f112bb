#pragma once

#include <exception>
#include <functional>

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
// Named from the Polish "wątek" (thread); see docs/glossary.md.
class CWatek : public platform::Thread {
  public:
    static constexpr int kSteps = 40;
    static constexpr uint32_t kStepMs = 80;

    // Fades picture's rectangle sourceRect (A) into the context's frame bitmap at destination,
    // the top-left corner of B (A's size), reporting B to the context's callback. The object
    // (may be null) is made visible at the end; its form is repainted each step. Runs at once
    // unless createSuspended.
    //
    // A failure while fading ends the fade early: it is written to standard error and kept in
    // Error(), the exact picture is put in place and the object is still made visible, so a
    // card never stays hidden because its fade went wrong.
    CWatek(const media::DrawContext& context, platform::Control* object,
           const platform::Bitmap& picture, const platform::Rect& sourceRect,
           platform::Point destination, bool createSuspended = false);
    ~CWatek() override;

    // What stopped the fade early; empty when nothing went wrong. Read it after WaitFor.
    std::exception_ptr Error() const { return error_; }

  protected:
    void Execute() override;

  private:
    void FadeIn();
    // Copies from's fromRect to B, reports B and repaints the object's form.
    void Show(const platform::Bitmap& from, const platform::Rect& fromRect);
    // After a failure: the exact picture, straight from the source, unless terminated.
    void ShowSourcePicture();
    // Runs fn on the GUI thread; a failure there is only reported, as the fade is ending.
    void SynchronizeReporting(const std::function<void()>& fn) noexcept;

    media::DrawContext context_;
    const platform::Bitmap& sourceCanvas_;
    platform::Control* object_;
    platform::Rect sourceRect_;
    platform::Rect destRect_;
    CSynchLoop pacer_{kStepMs};
    std::exception_ptr error_;
};

}  // namespace pieces
