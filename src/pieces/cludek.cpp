#include "pieces/cludek.h"

#include <algorithm>
#include <utility>

#include "media/blend_masked.h"
#include "media/cblad.h"
#include "media/data_paths.h"
#include "media/load_correct_bitmap.h"
#include "pieces/csynch_loop.h"

using namespace media;

namespace pieces {

using platform::Bitmap;
using platform::Point;
using platform::Rect;

CLudek::CLudek(platform::Form* owner, const DrawContext& context, Point position, std::string name)
    : owner_(owner), context_(context), name_(std::move(name)), start_(position) {
    // Every member owns what it holds, so leaving here frees whatever was loaded so far.
    ReportingResourceErrors([this] { Load(); });
    width_ = frames_[1].Width();
    height_ = frames_[1].Height();
    frameRect_ = Rect{0, 0, width_, height_};
    rect_ = Rect::FromSize(position.X, position.Y, width_, height_);
    current_ = &frames_[kFacingDown];
    direction_ = kFacingDown;
}

void CLudek::Load() {
    const std::string base = "Data//" + name_ + SizeSuffix();
    LoadCorrectBitmap(collisionMap_, NativePath(base + "_obszar.xbi"));
    for (int n = 0; n < kFrameCount; ++n) {
        const std::string number = std::to_string(n);
        frames_[static_cast<size_t>(n)].LoadPair(NativePath(base + "_b_" + number + ".xbi"),
                                                 NativePath(base + "_w_" + number + ".xbi"));
    }
}

void CLudek::Erase() {
    context_.Queue(rect_);
    context_.ShowScene(rect_);
}

void CLudek::Draw() {
    context_.Queue(rect_);
    BlendMasked(context_.Frame, rect_.Left, rect_.Top, *current_->Colour(), *current_->Mask(),
                frameRect_, context_.Frame, rect_.Left, rect_.Top, 255);
}

void CLudek::Offset(int32_t dx, int32_t dy) {
    rect_ = rect_.Offset(dx, dy);
}

void CLudek::Step(int32_t dx, int32_t dy) {
    Erase();
    Offset(dx, dy);
    Draw();
}

void CLudek::MoveTo(Point position) {
    rect_ = Rect::FromSize(position.X, position.Y, width_, height_);
}

void CLudek::ShowFrame(uint8_t n) {
    Erase();
    current_ = &frames_[n];
    // Kept in step with the frame shown, so an interrupted turn leaves no stale direction.
    direction_ = n;
    Draw();
    if (owner_ != nullptr) {
        owner_->Repaint();
    }
}

bool CLudek::TurnTo(uint8_t direction, uint32_t intervalMs) {
    // A direction past the last frame has no picture and would never be reached.
    if (direction >= kFrameCount || direction == direction_) {
        return false;
    }
    CSynchLoop pacer(intervalMs);
    pacer.WaitTick();
    constexpr int n = kFrameCount;
    const int c = direction_;
    const int t = direction;
    const int opposite = (c + n / 2) % n;
    const int e = (c - opposite + n) % n;  // always n / 2
    const int g = (t - opposite + n) % n;
    // Upward through the frame numbers when t lies 1...7 frames ahead; otherwise downward,
    // the half turn included.
    const int way = g > e ? 1 : -1;
    for (int f = (c + way + n) % n; f != t; f = (f + way + n) % n) {
        ShowFrame(static_cast<uint8_t>(f));
        pacer.WaitTick();
    }
    ShowFrame(direction);
    pacer.WaitTick();
    return true;
}

void CLudek::Celebrate(int count) {
    for (int i = 0; i < count; ++i) {
        TurnTo(0, kCelebrateIntervalMs);
        TurnTo(kFacingDown, kCelebrateIntervalMs);
    }
}

bool CLudek::CountsAt(int64_t x, int64_t y) const {
    const int64_t mx = x - rect_.Left;
    const int64_t my = y - rect_.Top;
    if (mx < 0 || mx >= width_ || my < 0 || my >= height_) {
        return false;
    }
    // A map smaller than the frames leaves the rest of the figure empty.
    if (mx >= collisionMap_.Width() || my >= collisionMap_.Height()) {
        return false;
    }
    return collisionMap_.GetPixel(static_cast<int>(mx), static_cast<int>(my)) !=
           platform::Color{255, 255, 255};
}

bool CLudek::TouchesOutline(int64_t left, int64_t top, int64_t right, int64_t bottom) const {
    // Only outline points over the figure can count, so each edge is walked only where it
    // crosses the figure's rectangle: a huge rectangle costs no more than a small one.
    const int64_t figLeft = rect_.Left, figTop = rect_.Top;
    const int64_t figRight = figLeft + width_ - 1, figBottom = figTop + height_ - 1;
    const int64_t yFrom = std::max(top, figTop), yTo = std::min(bottom, figBottom);
    for (int64_t x : {left, right}) {
        if (x < figLeft || x > figRight) {
            continue;
        }
        for (int64_t y = yFrom; y <= yTo; ++y) {
            if (CountsAt(x, y)) {
                return true;
            }
        }
    }
    const int64_t xFrom = std::max(left, figLeft), xTo = std::min(right, figRight);
    for (int64_t y : {top, bottom}) {
        if (y < figTop || y > figBottom) {
            continue;
        }
        for (int64_t x = xFrom; x <= xTo; ++x) {
            if (CountsAt(x, y)) {
                return true;
            }
        }
    }
    return false;
}

bool CLudek::Touches(const Rect& r) const {
    return TouchesOutline(r.Left, r.Top, r.Right, r.Bottom);
}

bool CLudek::TouchesNear(const Rect& r) const {
    // Grown in 64 bits: a rectangle at the ends of the int range must not wrap.
    return TouchesOutline(int64_t{r.Left} - kNearMargin, int64_t{r.Top} - kNearMargin,
                          int64_t{r.Right} + kNearMargin, int64_t{r.Bottom} + kNearMargin);
}

Point CLudek::AnchorPoint() const {
    return {rect_.Left + (rect_.Right - rect_.Left) / 2,
            rect_.Top + (rect_.Bottom - rect_.Top) * 6 / 8};
}

}  // namespace pieces
