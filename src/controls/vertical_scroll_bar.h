#pragma once

#include <functional>

#include "platform/control.h"
#include "platform/form.h"
#include "platform/geometry.h"

namespace controls {

// A plain vertical scroll bar painted on its form: a track and a thumb whose length shows
// the page size. Like a standard scroll bar with a page, the thumb's top reaches positions
// Min ... Max - PageSize + 1. Dragging the thumb scrolls continuously; a press on the track
// above or below the thumb scrolls by the large change.
class VerticalScrollBar : public platform::Control {
  public:
    // The width of the system's vertical scroll bars.
    static constexpr int DefaultWidth = 17;

    VerticalScrollBar(platform::Form& parent, int min, int max, int pageSize, int largeChange);

    int Position() const { return position_; }
    // The highest position the thumb can reach.
    int MaxPosition() const;
    // A change made by the program: clamps, moves the thumb, and does not call OnScroll.
    void SetPosition(int position);
    // A new range and page (another document): keeps the position where it still fits.
    void SetRange(int min, int max, int pageSize, int largeChange);
    // A scroll the user asked for by other means (keys, the wheel): clamps, moves the thumb
    // and calls OnScroll when the position changed.
    void ScrollTo(int position);
    int LargeChange() const { return largeChange_; }
    // The thumb in the form's coordinates.
    platform::Rect ThumbRect() const;

    // Receives every new position the user scrolls to.
    std::function<void(int position)> OnScroll;

    void Paint(platform::FormCanvas& canvas) override;

  private:
    int ThumbHeight() const;
    // How far the thumb's top can move inside the track.
    int ThumbTravel() const;
    int ThumbTop() const;  // relative to the track's top
    void Press(platform::MouseEvent& e);
    void Drag(const platform::MouseEvent& e);

    int min_;
    int max_;
    int pageSize_;
    int largeChange_;
    int position_;
    bool dragging_ = false;
    int grab_ = 0;  // from the thumb's top to the pointer
};

}  // namespace controls
