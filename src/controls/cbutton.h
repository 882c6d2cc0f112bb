#pragma once

#include <cstdint>
#include <string>

#include "controls/bitmap_control.h"
#include "media/ctransbitmap.h"
#include "media/invalidate.h"
#include "platform/action.h"
#include "platform/bitmap.h"
#include "platform/control.h"
#include "platform/form.h"

namespace controls {

// A push button drawn from four transparent looks of the button library: normal, hover,
// pressed and disabled. A click runs the bound action. The game form's switch scanning
// highlights it with HighlightOn/HighlightOff, which look exactly like the mouse hovering.
//
// Mouse messages count only while the parent form is the active one; a release that still
// reaches the button after another form opened over it is ignored.
class CButton : public BitmapControl {
  public:
    // Loads name + "_a", "_d", "_c" and "_na", each + SizeSuffix + "_W"/"_B" (in that order),
    // sizes the button to the hover look, places its top-left corner at `at` and draws it.
    // action may be null. Throws CBlad code 1 with ResourceMissingText when a look cannot be
    // loaded; nothing of the button is left then.
    CButton(platform::Form& owner, const media::DrawContext& context, platform::Action* action,
            const std::string& name, platform::Point at);

    // Draws the look of the current state (while visible) and reports the rectangle. Changing
    // the enabled state or the visibility does not redraw by itself; call this afterwards.
    void Redraw();
    // The click handler: runs the bound action's execute handler, if there is an action.
    void Click();
    // The mouse-entered and mouse-left handling, without the active-form test: switch
    // scanning puts its highlight on a button with these. Both do nothing while disabled.
    void HighlightOn();
    void HighlightOff();

    bool Pressed() const { return pressed_; }
    platform::Action* BoundAction() const { return action_; }
    const media::CTransBitmap& DisabledLook() const { return disabledLook_; }
    const media::CTransBitmap& HoverLook() const { return hoverLook_; }
    const media::CTransBitmap& NormalLook() const { return normalLook_; }
    const media::CTransBitmap& PressedLook() const { return pressedLook_; }

  private:
    void Report() const;
    void MouseDown(platform::MouseEvent& e);
    void MouseUp(platform::MouseEvent& e);

    media::CTransBitmap disabledLook_;
    media::CTransBitmap hoverLook_;
    media::CTransBitmap normalLook_;
    media::CTransBitmap pressedLook_;
    platform::Action* action_ = nullptr;
    bool pressed_ = false;
};

}  // namespace controls
