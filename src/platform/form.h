#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/control.h"
#include "platform/geometry.h"
#include "platform/input.h"

namespace platform {

class Application;
class Form;

// The part of the screen a form paints on: form coordinates in, clipped to the area being
// repainted and to the form's shape.
class FormCanvas {
  public:
    FormCanvas(Bitmap& screen, const Form& form, const Rect& clip);
    // Copies src's rectangle srcRect to dest (form coordinates).
    void CopyRect(const Rect& dest, const Bitmap& src, const Rect& srcRect);
    void Draw(int x, int y, const Bitmap& src) {
        CopyRect(Rect::FromSize(x, y, src.Width(), src.Height()), src, src.Bounds());
    }
    // Blends colour over the screen through an 8-bit coverage mask of the same size.
    void DrawMasked(int x, int y, const Bitmap& colour, const Bitmap& mask);
    void FillRect(const Rect& r, Color c);
    // The repainted area, in form coordinates.
    Rect ClipRect() const;

  private:
    bool Inside(int sx, int sy) const;

    Bitmap& screen_;
    const Form& form_;
    Rect clip_;  // screen coordinates
};

// A layer in the one window: full screen, or a smaller centred window, optionally with a
// rounded-rectangle shape. Forms stack; the top visible one receives the input.
class Form {
  public:
    Form();
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    void SetCaption(const std::string& caption) { caption_ = caption; }
    const std::string& Caption() const { return caption_; }
    // Bounds on the screen.
    const Rect& Bounds() const { return bounds_; }
    void SetBounds(const Rect& bounds);
    int ClientWidth() const { return bounds_.Width(); }
    int ClientHeight() const { return bounds_.Height(); }
    // Centres a w x h form on the screen (or on another form).
    void CenterOnScreen(int w, int h);
    void CenterOn(const Form& owner, int w, int h);
    // Clips the form to a rounded rectangle with corner ellipses of the given size, from
    // topLeft (form coordinates) to the form's bottom-right corner.
    void SetRoundedShape(int ellipseWidth, int ellipseHeight, Point topLeft = {0, 0});

    void Show();
    void Hide();
    bool Visible() const { return visible_; }
    // Brings the form to the top of the stack.
    void BringToFront();
    // Ends a modal showing, hides the form, or ends the program for the main form.
    void Close();
    // Shows the form and runs a nested loop until it closes; returns the modal result.
    int ShowModal();
    int ModalResult = 0;

    // Marks the whole form (or a rectangle in form coordinates) for repainting.
    void Invalidate();
    void Invalidate(const Rect& r);
    // Repaints what is marked, now, also from inside a handler that blocks the loop.
    void Update();
    // Invalidate and Update; a form that tracks its own changed areas narrows this.
    virtual void Repaint() {
        Invalidate();
        Update();
    }

    const std::vector<Control*>& Controls() const { return controls_; }

    // Event handlers; the form's behaviour lives in subclasses or in these.
    virtual void Paint(FormCanvas&) {}
    virtual void OnShow() {}
    virtual void OnActivate() {}
    virtual void OnDeactivate() {}
    virtual void OnKeyDown(Key, char32_t) {}
    virtual void OnKeyUp(Key, char32_t) {}
    // Mouse messages that reach the form itself (not over an enabled control); form coordinates.
    virtual void OnMouseDown(MouseEvent&) {}
    virtual void OnMouseUp(MouseEvent&) {}
    virtual void OnMouseMove(MouseEvent&) {}
    // The wheel turned by notches, away from the user positive.
    virtual void OnMouseWheel(int /*notches*/) {}

  private:
    friend class Application;
    friend class Control;
    friend class FormCanvas;

    void AddControl(Control* c) { controls_.push_back(c); }
    void RemoveControl(Control* c);
    Control* ControlAt(int fx, int fy) const;
    void DispatchMouse(const InputEvent& e);
    void LeaveHovered();
    bool InShape(int fx, int fy) const;

    std::string caption_;
    Rect bounds_;
    bool visible_ = false;
    bool modal_ = false;
    bool closeRequested_ = false;
    int ellipseW_ = 0;
    int ellipseH_ = 0;
    Point shapeTopLeft_{0, 0};
    std::vector<Control*> controls_;
    Control* hovered_ = nullptr;
    Control* pressed_ = nullptr;
    bool clickPending_ = false;
};

}  // namespace platform
