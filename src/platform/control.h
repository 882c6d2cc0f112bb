#pragma once

#include <functional>

#include "platform/geometry.h"
#include "platform/input.h"

namespace platform {

class Form;
class FormCanvas;

// What a mouse handler receives; positions are in the control's own coordinates.
// A handler sets Handled to tell its caller it dealt with the message itself; a press or
// release the control leaves unhandled goes on to the form.
struct MouseEvent {
    MouseButton Button = MouseButton::None;
    int32_t X = 0;
    int32_t Y = 0;
    bool Handled = false;
};

// A windowless control on a form: a rectangle that receives mouse messages. Controls draw
// into their form's bitmaps themselves; Paint is for the few that paint on the form (labels).
class Control {
  public:
    explicit Control(Form& parent);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Form& Parent() const { return parent_; }
    // Bounds in the form's coordinates.
    const Rect& Bounds() const { return bounds_; }
    void SetBounds(const Rect& bounds);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    // The pointer's look while the mouse is over the control.
    CursorShape Cursor() const { return cursor_; }
    void SetCursor(CursorShape shape) { cursor_ = shape; }

    std::function<void(MouseEvent&)> OnMouseEnter;
    std::function<void(MouseEvent&)> OnMouseLeave;
    std::function<void(MouseEvent&)> OnMouseMove;
    std::function<void(MouseEvent&)> OnMouseDown;
    std::function<void(MouseEvent&)> OnMouseUp;
    std::function<void(MouseEvent&)> OnClick;
    std::function<void(MouseEvent&)> OnDoubleClick;

    virtual void Paint(FormCanvas&) {}

  private:
    Form& parent_;
    Rect bounds_;
    bool visible_ = true;
    bool enabled_ = true;
    CursorShape cursor_ = CursorShape::Arrow;
};

}  // namespace platform
