#include "controls/cbutton.h"

#include <utility>

#include "media/cblad.h"
#include "media/data_paths.h"
#include "platform/clock.h"

using namespace media;

namespace controls {

using platform::MouseButton;
using platform::MouseEvent;
using platform::Rect;

CButton::CButton(platform::Form& owner, const DrawContext& context, platform::Action* action,
                 const std::string& name, platform::Point at)
    : BitmapControl(owner, context) {
    SetBounds(Rect::FromSize(at.X, at.Y, 0, 0));
    const std::string size = SizeSuffix();
    try {
        hoverLook_ = LoadButtonLook(name + "_a" + size);
        normalLook_ = LoadButtonLook(name + "_d" + size);
        pressedLook_ = LoadButtonLook(name + "_c" + size);
        disabledLook_ = LoadButtonLook(name + "_na" + size);
    } catch (...) {
        // The library's own code 100 is the button's business; its owner hears code 1.
        throw CBlad::ResourceMissing();
    }
    SetBounds(Rect::FromSize(at.X, at.Y, hoverLook_.Width(), hoverLook_.Height()));
    action_ = action;

    OnMouseDown = [this](MouseEvent& e) {
        if (ParentIsActive()) {
            MouseDown(e);
        }
    };
    OnMouseUp = [this](MouseEvent& e) {
        if (ParentIsActive()) {
            MouseUp(e);
        }
    };
    OnMouseEnter = [this](MouseEvent& e) {
        if (ParentIsActive() && Enabled()) {
            HighlightOn();
            e.Handled = true;
        }
    };
    OnMouseLeave = [this](MouseEvent& e) {
        if (ParentIsActive() && Enabled()) {
            HighlightOff();
            e.Handled = true;
        }
    };
    OnClick = [this](MouseEvent&) {
        if (ParentIsActive()) {
            Click();
        }
    };
    Redraw();
}

void CButton::Report() const {
    Queue(Bounds());
}

void CButton::Redraw() {
    if (!Visible()) {
        return;
    }
    Report();
    const CTransBitmap* look = &disabledLook_;
    if (Enabled()) {
        if (!pressed_) {
            look = normalLook_.IsUsable() ? &normalLook_ : &disabledLook_;
        } else {
            look = &pressedLook_;
        }
    }
    DrawLookHere(*look);
}

void CButton::Click() {
    if (action_ != nullptr) {
        action_->Execute();
    }
}

void CButton::HighlightOn() {
    if (!Enabled()) {
        return;
    }
    SetCursor(platform::CursorShape::Hand);
    // A hidden button must not appear on the screen through its highlight.
    if (Visible()) {
        DrawLookHere(hoverLook_);
        Report();
    }
    Parent().Repaint();
}

void CButton::HighlightOff() {
    if (!Enabled()) {
        return;
    }
    SetCursor(platform::CursorShape::Arrow);
    Redraw();
    platform::GetClock().Sleep(1);
    Parent().Repaint();
}

void CButton::MouseDown(MouseEvent& e) {
    if (e.Button != MouseButton::Left) {
        return;
    }
    pressed_ = true;
    Redraw();
    Parent().Repaint();
    e.Handled = true;
}

void CButton::MouseUp(MouseEvent& e) {
    if (e.Button != MouseButton::Left) {
        return;
    }
    pressed_ = false;
    Redraw();
    Parent().Repaint();
    e.Handled = true;
}

}  // namespace controls
