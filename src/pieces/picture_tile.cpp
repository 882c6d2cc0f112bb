#include "pieces/picture_tile.h"

#include <utility>

#include "pieces/cpow.h"
#include "platform/clock.h"

using platform::Bitmap;
using platform::Rect;

namespace {
// How long the enlarged picture stays after the recording.
constexpr uint32_t kZoomLingerMs = 400;
}  // namespace

CPictureTile::CPictureTile(platform::Form& owner, SelectionFrames& frames, bool selectable,
                           AddDirtyRectFn invalidate, Bitmap& frameCanvas, Bitmap& backgroundCanvas,
                           Bitmap& sceneCanvas)
    : CPictureControl(owner),
      frames_(frames),
      frameUser_(frames, true),
      selectable_(selectable),
      frameCanvas_(frameCanvas),
      backgroundCanvas_(backgroundCanvas),
      sceneCanvas_(sceneCanvas),
      invalidate_(std::move(invalidate)) {}

CPictureTile::~CPictureTile() = default;

void CPictureTile::Place(Bitmap picture, int32_t left, int32_t top) {
    picture_ = std::move(picture);
    rect_ = Rect::FromSize(left, top, picture_.Width(), picture_.Height());
    pictureRect_ = picture_.Bounds();
    SetBounds(rect_);
    UpdateFrameRect();
}

void CPictureTile::Queue(const Rect& r) const {
    if (invalidate_) {
        invalidate_(r);
    }
}

void CPictureTile::UpdateFrameRect() {
    std::optional<platform::Point> size = frames_.Size();
    if (!size) {
        frameRect_ = rect_;
        frameSourceRect_ = {};
        return;
    }
    // Integer division truncates toward zero, as the layout always did.
    int32_t dx = (size->X - rect_.Width()) / 2;
    int32_t dy = (size->Y - rect_.Height()) / 2;
    // The rectangle covers the whole frame picture, also when the sizes differ by an odd
    // number and the frame sticks out one pixel more on the right or bottom.
    frameRect_ = Rect::FromSize(rect_.Left - dx, rect_.Top - dy, size->X, size->Y);
    frameSourceRect_ = {0, 0, size->X, size->Y};
}

void CPictureTile::RestoreBackground(const Rect& r) {
    sceneCanvas_.CopyRect(r, backgroundCanvas_, r);
    frameCanvas_.CopyRect(r, backgroundCanvas_, r);
}

void CPictureTile::DrawPicture() {
    frameCanvas_.CopyRect(rect_, picture_, pictureRect_);
    sceneCanvas_.CopyRect(rect_, picture_, pictureRect_);
}

void CPictureTile::Paint() {
    if (!Visible()) {
        return;
    }
    DrawPicture();
    Queue(rect_);
    if (frameStyle_ != SelectionFrames::None) {
        SetFrame(frameStyle_);
    }
}

void CPictureTile::Erase() {
    RestoreBackground(rect_);
    Queue(rect_);
}

void CPictureTile::SetFrame(int16_t style) {
    UpdateFrameRect();
    if (const Bitmap* frame = frames_.Picture(style)) {
        frameStyle_ = style;
        frameCanvas_.DrawTransparent(frameRect_.Left, frameRect_.Top, *frame,
                                     SelectionFrames::KeyColour);
        sceneCanvas_.DrawTransparent(frameRect_.Left, frameRect_.Top, *frame,
                                     SelectionFrames::KeyColour);
    }
    Queue(frameRect_);
}

void CPictureTile::RemoveFrame() {
    if (frameStyle_ == SelectionFrames::None) {
        return;
    }
    frameStyle_ = SelectionFrames::None;
    const Rect& f = frameRect_;
    if (Visible()) {
        RestoreBackground(f);
        DrawPicture();
        Queue(f);
        return;
    }
    // A hidden object keeps whatever shows in its own rectangle (a fade may be drawing
    // there); only the strips around it are repaired.
    const Rect strips[] = {
        {f.Left, f.Top, f.Right, rect_.Top},
        {f.Left, f.Top, rect_.Left, f.Bottom},
        {rect_.Right, f.Top, f.Right, f.Bottom},
        {f.Left, rect_.Bottom, f.Right, f.Bottom},
    };
    for (const Rect& s : strips) {
        RestoreBackground(s);
        Queue(s);
    }
}

Rect CPictureTile::MoveTo(int32_t left, int32_t top) {
    Queue(rect_);
    rect_ = Rect::FromSize(left, top, Bounds().Width(), Bounds().Height());
    SetBounds(rect_);
    UpdateFrameRect();
    return rect_;
}

std::unique_ptr<CWatek> CPictureTile::StartAnimation(AddDirtyRectFn invalidate) {
    return std::make_unique<CWatek>(false, std::move(invalidate), rect_, pictureRect_, picture_,
                                    this, frameCanvas_);
}

void CPictureTile::ShowEnlarged(const std::string& viewName, const std::function<void()>& speak) {
    CPow* view = CPow::Of(Parent());
    if (view != nullptr) {
        view->ShowPicture(viewName, rect_);
    }
    try {
        speak();
        platform::GetClock().Sleep(kZoomLingerMs);
    } catch (...) {
        if (view != nullptr) {
            view->HidePicture();
        }
        throw;
    }
    if (view != nullptr) {
        view->HidePicture();
    }
}

void CPictureTile::MouseUp(platform::MouseEvent& e) {
    if (e.Button == platform::MouseButton::Right && !e.Handled) {
        Zoom();
        e.Handled = true;
    }
}
