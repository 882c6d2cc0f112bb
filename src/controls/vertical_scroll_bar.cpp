#include "controls/vertical_scroll_bar.h"

#include <algorithm>

namespace controls {

using platform::MouseButton;
using platform::MouseEvent;
using platform::Rect;

namespace {
constexpr platform::Color kTrack{226, 226, 226};
constexpr platform::Color kThumbEdge{120, 120, 120};
constexpr platform::Color kThumb{176, 176, 176};
constexpr int kMinThumbHeight = 8;  // still easy to take hold of on a short track
}  // namespace

VerticalScrollBar::VerticalScrollBar(platform::Form& parent, int min, int max, int pageSize,
                                     int largeChange)
    : Control(parent),
      min_(min),
      max_(std::max(min, max)),
      pageSize_(std::max(0, pageSize)),
      largeChange_(largeChange),
      position_(min) {
    OnMouseDown = [this](MouseEvent& e) { Press(e); };
    OnMouseMove = [this](MouseEvent& e) { Drag(e); };
    OnMouseUp = [this](MouseEvent& e) {
        if (e.Button == MouseButton::Left) {
            dragging_ = false;
            e.Handled = true;
        }
    };
}

int VerticalScrollBar::MaxPosition() const {
    return std::max(min_, max_ - std::max(pageSize_ - 1, 0));
}

void VerticalScrollBar::SetPosition(int position) {
    position = std::clamp(position, min_, MaxPosition());
    if (position != position_) {
        position_ = position;
        Parent().Invalidate(Bounds());
    }
}

int VerticalScrollBar::ThumbHeight() const {
    const int track = Bounds().Height();
    const int span = max_ - min_ + 1;
    const int proportional = pageSize_ > 0 ? track * std::min(pageSize_, span) / span : 0;
    return std::min(track, std::max(kMinThumbHeight, proportional));
}

int VerticalScrollBar::ThumbTravel() const {
    return std::max(0, Bounds().Height() - ThumbHeight());
}

int VerticalScrollBar::ThumbTop() const {
    const int range = MaxPosition() - min_;
    return range > 0 ? ThumbTravel() * (position_ - min_) / range : 0;
}

Rect VerticalScrollBar::ThumbRect() const {
    const Rect& b = Bounds();
    return Rect::FromSize(b.Left, b.Top + ThumbTop(), b.Width(), ThumbHeight());
}

void VerticalScrollBar::Press(MouseEvent& e) {
    if (e.Button != MouseButton::Left) {
        return;
    }
    e.Handled = true;
    const int top = ThumbTop();
    if (e.Y >= top && e.Y < top + ThumbHeight()) {
        dragging_ = true;
        grab_ = e.Y - top;
    } else {
        ScrollTo(position_ + (e.Y < top ? -largeChange_ : largeChange_));
    }
}

void VerticalScrollBar::Drag(const MouseEvent& e) {
    const int travel = ThumbTravel();
    if (!dragging_ || travel == 0) {
        return;
    }
    // The position whose thumb top lies nearest to where the pointer puts it.
    const int top = std::clamp(e.Y - grab_, 0, travel);
    const int range = MaxPosition() - min_;
    ScrollTo(min_ + (top * range + travel / 2) / travel);
}

void VerticalScrollBar::SetRange(int min, int max, int pageSize, int largeChange) {
    min_ = min;
    max_ = std::max(min, max);
    pageSize_ = std::max(0, pageSize);
    largeChange_ = largeChange;
    position_ = std::clamp(position_, min_, MaxPosition());
    Parent().Invalidate(Bounds());
}

void VerticalScrollBar::ScrollTo(int position) {
    position = std::clamp(position, min_, MaxPosition());
    if (position == position_) {
        return;
    }
    SetPosition(position);
    if (OnScroll) {
        OnScroll(position_);
    }
}

void VerticalScrollBar::Paint(platform::FormCanvas& canvas) {
    canvas.FillRect(Bounds(), kTrack);
    const Rect thumb = ThumbRect();
    canvas.FillRect(thumb, kThumbEdge);
    canvas.FillRect({thumb.Left + 1, thumb.Top + 1, thumb.Right - 1, thumb.Bottom - 1}, kThumb);
}

}  // namespace controls
