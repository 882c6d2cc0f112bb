#include "pieces/cgraf.h"

#include <utility>

#include "media/cblad.h"
#include "media/data_paths.h"

using namespace media;

namespace pieces {

using platform::Bitmap;
using platform::Rect;

SelectionFrames& CGraf::SharedFrames() {
    static SelectionFrames frames;
    return frames;
}

void CGraf::LoadHighlightFrame() {
    SharedFrames().LoadStyle(SelectionFrames::Orange);
}

CGraf::CGraf(platform::Form& owner, const DrawContext& context)
    : PictureControl(owner), frameUser_(SharedFrames(), false), context_(context) {}

CGraf::~CGraf() = default;

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
    MoveTo({Bounds().Left, Bounds().Top});
    Paint();
}

Rect CGraf::MoveTo(platform::Point position) {
    rect_ = Rect::FromSize(position.X, position.Y, picture_.Width(), picture_.Height());
    pictureRect_ = {0, 0, picture_.Width(), picture_.Height()};
    SetBounds(rect_);
    return rect_;
}

void CGraf::Paint() {
    if (!Visible()) {
        return;
    }
    picture_.Draw(context_.Frame, rect_.Left, rect_.Top);
    picture_.Draw(context_.Scene, rect_.Left, rect_.Top);
    context_.Queue(rect_);
}

void CGraf::PaintIntoBackground() {
    if (context_.Background != nullptr) {
        picture_.Draw(*context_.Background, rect_.Left, rect_.Top);
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
    context_.Frame.DrawTransparent(r.Left, r.Top, *frame, SelectionFrames::KeyColour);
    context_.Scene.DrawTransparent(r.Left, r.Top, *frame, SelectionFrames::KeyColour);
    highlighted_ = true;
    // The whole frame changed on the screen, not only the picture under it.
    context_.Queue(r);
}

void CGraf::Unhighlight() {
    if (!Visible()) {
        return;
    }
    if (highlighted_ && context_.Background != nullptr) {
        // The frame lies around the picture: painting the picture alone would leave it.
        const Rect r = HighlightRect();
        context_.RestoreBackground(r);
        context_.Queue(r);
    }
    highlighted_ = false;
    Paint();
}

}  // namespace pieces
