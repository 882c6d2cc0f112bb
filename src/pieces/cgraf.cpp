#include "pieces/cgraf.h"

#include <utility>

#include "media/cblad.h"
#include "media/data_paths.h"

using platform::Bitmap;
using platform::Rect;

SelectionFrames& CGraf::SharedFrames() {
    static SelectionFrames frames;
    return frames;
}

void CGraf::LoadHighlightFrame() {
    SharedFrames().LoadStyle(SelectionFrames::Orange);
}

CGraf::CGraf(platform::Form& owner, Bitmap& frameCanvas, Bitmap* backgroundCanvas,
             Bitmap& sceneCanvas, AddDirtyRectFn invalidate)
    : CPictureControl(owner),
      frameUser_(SharedFrames(), false),
      frameCanvas_(frameCanvas),
      backgroundCanvas_(backgroundCanvas),
      sceneCanvas_(sceneCanvas),
      invalidate_(std::move(invalidate)) {}

CGraf::~CGraf() = default;

void CGraf::Queue(const Rect& r) const {
    if (invalidate_) {
        invalidate_(r);
    }
}

void CGraf::Load(const std::string& folder, const std::string& name) {
    const std::string base = folder + name + SizeSuffix();
    CTransBitmap loaded;
    try {
        loaded.LoadPair(NativePath(base + PairSuffix(false) + ".xbi"),
                        NativePath(base + PairSuffix(true) + ".xbi"));
    } catch (...) {
        throw CBlad::ResourceMissing();
    }
    picture_ = std::move(loaded);
    MoveTo(Bounds().Left, Bounds().Top);
    Paint();
}

Rect CGraf::MoveTo(int32_t left, int32_t top) {
    rect_ = Rect::FromSize(left, top, picture_.Width(), picture_.Height());
    pictureRect_ = {0, 0, picture_.Width(), picture_.Height()};
    SetBounds(rect_);
    return rect_;
}

void CGraf::Paint() {
    if (!Visible()) {
        return;
    }
    picture_.Draw(frameCanvas_, rect_.Left, rect_.Top);
    picture_.Draw(sceneCanvas_, rect_.Left, rect_.Top);
    Queue(rect_);
}

void CGraf::PaintIntoBackground() {
    if (backgroundCanvas_ != nullptr) {
        picture_.Draw(*backgroundCanvas_, rect_.Left, rect_.Top);
    }
}

Rect CGraf::HighlightRect() const {
    std::optional<platform::Point> size = SharedFrames().Size();
    if (!size) {
        return rect_;
    }
    int32_t dx = (size->X - rect_.Width()) / 2;
    int32_t dy = (size->Y - rect_.Height()) / 2;
    return Rect::FromSize(rect_.Left - dx, rect_.Top - dy, size->X, size->Y);
}

void CGraf::Highlight() {
    const Bitmap* frame = SharedFrames().Picture(SelectionFrames::Orange);
    if (!Visible() || frame == nullptr) {
        return;
    }
    const Rect r = HighlightRect();
    frameCanvas_.DrawTransparent(r.Left, r.Top, *frame, SelectionFrames::KeyColour);
    sceneCanvas_.DrawTransparent(r.Left, r.Top, *frame, SelectionFrames::KeyColour);
    highlighted_ = true;
    // The whole frame changed on the screen, not only the picture under it.
    Queue(r);
}

void CGraf::Unhighlight() {
    if (!Visible()) {
        return;
    }
    if (highlighted_ && backgroundCanvas_ != nullptr) {
        // The frame lies around the picture: painting the picture alone would leave it.
        const Rect r = HighlightRect();
        sceneCanvas_.CopyRect(r, *backgroundCanvas_, r);
        frameCanvas_.CopyRect(r, *backgroundCanvas_, r);
        Queue(r);
    }
    highlighted_ = false;
    Paint();
}
