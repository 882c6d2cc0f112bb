#include "pieces/picture_tile.h"

#include <utility>

#include "pieces/cpow.h"
#include "platform/clock.h"

using namespace media;

namespace pieces {

using platform::Bitmap;
using platform::Rect;

namespace {
// How long the enlarged picture stays after the recording.
constexpr uint32_t kZoomLingerMs = 400;
}  // namespace

PictureTile::PictureTile(platform::Form& owner, const DrawContext& context, SelectionFrames& frames,
                         bool selectable)
    : PictureControl(owner),
      frames_(frames),
      frameUser_(frames, true),
      selectable_(selectable),
      context_(context) {}

PictureTile::~PictureTile() = default;

void PictureTile::Place(Bitmap picture, platform::Point position) {
    picture_ = std::move(picture);
    rect_ = Rect::FromSize(position.X, position.Y, picture_.Width(), picture_.Height());
    pictureRect_ = picture_.Bounds();
    SetBounds(rect_);
    UpdateFrameRect();
}

void PictureTile::UpdateFrameRect() {
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

void PictureTile::DrawPicture() {
    context_.Frame.CopyRect(rect_, picture_, pictureRect_);
    context_.Scene.CopyRect(rect_, picture_, pictureRect_);
}

void PictureTile::Paint() {
    if (!Visible()) {
        return;
    }
    DrawPicture();
    context_.Queue(rect_);
    if (frameStyle_ != SelectionFrames::None) {
        SetFrame(frameStyle_);
    }
}

void PictureTile::Erase() {
    context_.RestoreBackground(rect_);
    context_.Queue(rect_);
}

void PictureTile::SetFrame(int16_t style) {
    UpdateFrameRect();
    if (const Bitmap* frame = frames_.Picture(style)) {
        frameStyle_ = style;
        context_.Frame.DrawTransparent(frameRect_.Left, frameRect_.Top, *frame,
                                       SelectionFrames::KeyColour);
        context_.Scene.DrawTransparent(frameRect_.Left, frameRect_.Top, *frame,
                                       SelectionFrames::KeyColour);
    }
    context_.Queue(frameRect_);
}

void PictureTile::RemoveFrame() {
    if (frameStyle_ == SelectionFrames::None) {
        return;
    }
    frameStyle_ = SelectionFrames::None;
    const Rect& f = frameRect_;
    if (Visible()) {
        context_.RestoreBackground(f);
        DrawPicture();
        context_.Queue(f);
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
        context_.RestoreBackground(s);
        context_.Queue(s);
    }
}

Rect PictureTile::MoveTo(platform::Point position) {
    context_.Queue(rect_);
    rect_ = Rect::FromSize(position.X, position.Y, Bounds().Width(), Bounds().Height());
    SetBounds(rect_);
    UpdateFrameRect();
    return rect_;
}

std::unique_ptr<CWatek> PictureTile::StartAnimation(AddDirtyRectFn invalidate) {
    // The fade reports to the callback it is given, not to this object's own.
    DrawContext fade = context_;
    fade.Invalidate = std::move(invalidate);
    return std::make_unique<CWatek>(fade, this, picture_, pictureRect_,
                                    platform::Point{rect_.Left, rect_.Top});
}

void PictureTile::ShowEnlarged(const std::string& viewName, const std::function<void()>& speak) {
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

void PictureTile::MouseUp(platform::MouseEvent& e) {
    if (e.Button == platform::MouseButton::Right && !e.Handled) {
        Zoom();
        e.Handled = true;
    }
}

}  // namespace pieces
