#include "controls/cbutton_check.h"

#include "media/cblad.h"

using namespace media;

namespace controls {

using platform::MouseEvent;
using platform::Rect;

CButtonCheck::CButtonCheck(platform::Form& owner, const DrawContext& context,
                           platform::Action* action, const std::string& name, platform::Point at,
                           Setup setup)
    : BitmapControl(owner, context), on_(setup.On), fourLooks_(setup.FourLooks) {
    const bool enabled = setup.Enabled;
    SetBounds(Rect::FromSize(at.X, at.Y, 0, 0));
    SetEnabled(enabled);
    const std::string base = name + LayoutSuffix();
    try {
        if (setup.FourLooks) {
            enabledOn_ = LoadButtonLook(base + "_A_C");
            enabledOff_ = LoadButtonLook(base + "_A_NC");
            disabledOn_ = LoadButtonLook(base + "_NA_C");
            disabledOff_ = LoadButtonLook(base + "_NA_NC");
        } else {
            const std::string state = base + (enabled ? "_A" : "_NA");
            enabledOn_ = LoadButtonLook(state + "_C");
            enabledOff_ = LoadButtonLook(state + "_NC");
        }
    } catch (...) {
        throw CBlad::ResourceMissing();
    }
    SetBounds(Rect::FromSize(at.X, at.Y, enabledOn_.Width(), enabledOn_.Height()));
    action_ = action;

    OnMouseEnter = [this](MouseEvent& e) {
        if (ParentIsActive() && Enabled()) {
            SetCursor(platform::CursorShape::Hand);
            e.Handled = true;
        }
    };
    OnMouseLeave = [this](MouseEvent& e) {
        if (ParentIsActive() && Enabled()) {
            SetCursor(platform::CursorShape::Arrow);
            e.Handled = true;
        }
    };
    // The left button is the toggle's; the form hears only the other buttons.
    auto claimLeft = [](MouseEvent& e) { e.Handled = e.Button == platform::MouseButton::Left; };
    OnMouseDown = claimLeft;
    OnMouseUp = claimLeft;
    OnClick = [this](MouseEvent&) {
        if (ParentIsActive()) {
            Click();
        }
    };
    // Otherwise a toggle that no handler turns on would stay invisible on its form.
    Redraw();
}

CTransBitmap& CButtonCheck::CurrentLook() {
    CTransBitmap& enabledLook = on_ ? enabledOn_ : enabledOff_;
    CTransBitmap& disabledLook = on_ ? disabledOn_ : disabledOff_;
    if (!Enabled() && disabledLook.IsUsable()) {
        return disabledLook;
    }
    return enabledLook;
}

bool CButtonCheck::Toggle() {
    const bool before = on_;
    on_ = !on_;
    Redraw();
    return before;
}

void CButtonCheck::SetState(bool on) {
    on_ = on;
    Redraw();
}

void CButtonCheck::Redraw() {
    if (Visible()) {
        DrawLookHere(CurrentLook());
    }
}

platform::Bitmap* CButtonCheck::Render() {
    CTransBitmap& look = CurrentLook();
    if (!look.IsUsable()) {
        return nullptr;
    }
    look.Compose(SceneBitmap(), Bounds().Left, Bounds().Top);
    // Compose made the result at the look's size; this only hands it out for writing.
    rendered_ = &look.EnsureResult(look.Width(), look.Height());
    return rendered_;
}

void CButtonCheck::Click() {
    if (action_ != nullptr) {
        action_->Execute();
    }
}

}  // namespace controls
