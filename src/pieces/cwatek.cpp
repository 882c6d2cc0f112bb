#include "pieces/cwatek.h"

#include <cstdlib>

#include "platform/form.h"

namespace pieces {

using platform::Bitmap;
using platform::PixelFormat;
using platform::Rect;

CWatek::CWatek(const DrawContext& context, platform::Control* object, const Bitmap& picture,
               const Rect& sourceRect, platform::Point destination, bool createSuspended)
    : context_(context),
      sourceCanvas_(picture),
      object_(object),
      sourceRect_(sourceRect),
      destRect_(
          Rect::FromSize(destination.X, destination.Y, sourceRect.Width(), sourceRect.Height())) {
    if (!createSuspended) {
        Start();
    }
}

CWatek::~CWatek() {
    Stop();
}

void CWatek::Execute() {
    FadeIn();
}

void CWatek::Show(const Bitmap& picture) {
    context_.Frame.CopyRect(destRect_, picture, Rect{0, 0, destRect_.Width(), destRect_.Height()});
    context_.Queue(destRect_);
    if (object_ != nullptr) {
        object_->Parent().Repaint();
    }
}

void CWatek::FadeIn() {
    // One pixel wider and higher than the picture, as the frames always were.
    Bitmap picture(sourceRect_.Width() + 1, sourceRect_.Height() + 1, PixelFormat::Bgr24);
    Bitmap working(sourceRect_.Width() + 1, sourceRect_.Height() + 1, PixelFormat::Bgr24);
    const int rowBytes = working.Stride();

    Synchronize([&] {
        if (Terminated()) {
            return;
        }
        Rect a{0, 0, sourceRect_.Width(), sourceRect_.Height()};
        Rect b{0, 0, destRect_.Width(), destRect_.Height()};
        picture.CopyRect(a, sourceCanvas_, sourceRect_);
        working.CopyRect(b, context_.Frame, destRect_);
        context_.Queue(destRect_);
    });

    for (int step = 1; step <= kSteps && !Terminated(); ++step) {
        for (int y = 0; y < working.Height(); ++y) {
            uint8_t* w = working.Row(y);
            const uint8_t* p = picture.Row(y);
            for (int i = 0; i < rowBytes; ++i) {
                int diff = p[i] - w[i];
                w[i] = static_cast<uint8_t>(w[i] + (diff > 2 ? 2 : diff < -2 ? -2 : diff));
            }
        }
        if (!Terminated()) {
            Synchronize([&] {
                if (!Terminated()) {
                    Show(working);
                }
            });
        }
        pacer_.WaitTick();
    }
    if (!Terminated()) {
        Synchronize([&] {
            if (!Terminated()) {
                Show(picture);
            }
        });
    }
    Synchronize([&] {
        if (object_ != nullptr) {
            object_->SetVisible(true);
        }
    });
    Terminate();
}

}  // namespace pieces
