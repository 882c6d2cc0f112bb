#include "pieces/cwatek.h"

#include <cstdio>
#include <stdexcept>
#include <string>

#include "media/cblad.h"
#include "platform/form.h"

using namespace media;

namespace pieces {

using platform::Bitmap;
using platform::PixelFormat;
using platform::Rect;

namespace {

std::string Describe(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const CBlad& e) {
        return e.Text();
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "unknown error";
    }
}

void Report(const std::exception_ptr& error) {
    std::fprintf(stderr, "vimbaro: a picture's fade-in failed: %s\n", Describe(error).c_str());
}

}  // namespace

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
    try {
        FadeIn();
    } catch (...) {
        error_ = std::current_exception();
        Report(error_);
        ShowSourcePicture();
    }
    // A terminated or failed fade still shows its object.
    SynchronizeReporting([&] {
        if (object_ != nullptr) {
            object_->SetVisible(true);
        }
    });
    Terminate();
}

void CWatek::SynchronizeReporting(const std::function<void()>& fn) noexcept {
    try {
        Synchronize(fn);
    } catch (...) {
        Report(std::current_exception());
    }
}

void CWatek::ShowSourcePicture() {
    SynchronizeReporting([&] {
        if (!Terminated()) {
            Show(sourceCanvas_, sourceRect_);
        }
    });
}

void CWatek::Show(const Bitmap& from, const Rect& fromRect) {
    context_.Frame.CopyRect(destRect_, from, fromRect);
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
    const Rect a{0, 0, sourceRect_.Width(), sourceRect_.Height()};
    const Rect b{0, 0, destRect_.Width(), destRect_.Height()};

    Synchronize([&] {
        if (Terminated()) {
            return;
        }
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
                    Show(working, b);
                }
            });
        }
        pacer_.WaitTick();
    }
    if (!Terminated()) {
        Synchronize([&] {
            if (!Terminated()) {
                Show(picture, b);
            }
        });
    }
}

}  // namespace pieces
