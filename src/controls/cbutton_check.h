#pragma once

#include <cstdint>
#include <string>

#include "controls/bitmap_control.h"
#include "media/ctransbitmap.h"
#include "platform/action.h"
#include "platform/bitmap.h"
#include "platform/control.h"
#include "platform/form.h"

namespace controls {

// A toggle drawn from transparent looks of the button library. A click only runs the bound
// action; the action's handler decides the new state (Toggle, SetState). The owner repaints
// itself whole, so no rectangles are reported.
//
// Four-look mode has on and off looks for the enabled and the disabled state and follows
// the enabled state. Two-look mode loads only the on and off looks of the enabled state the
// toggle was created with and keeps showing those.
class CButtonCheck : public BitmapControl {
  public:
    // Which looks the toggle has and how it starts.
    struct Setup {
        bool FourLooks = true;
        bool Enabled = true;
        bool On = false;
    };

    // Picture names are name + LayoutSuffix + state + "_W"/"_B": four looks "_A_C", "_A_NC",
    // "_NA_C", "_NA_NC", or two looks "_A_C"/"_A_NC" ("_NA_C"/"_NA_NC" when created disabled).
    // The toggle is sized to the enabled-on look, its top-left corner placed at `at`, and
    // drawn. action may be null. Throws CBlad code 1 with ResourceMissingText when a look
    // cannot be loaded; nothing of the toggle is left then.
    CButtonCheck(platform::Form& owner, const media::DrawContext& context, platform::Action* action,
                 const std::string& name, platform::Point at, Setup setup);

    // Inverts the state, redraws and returns the state before.
    bool Toggle();
    // Stores the state and redraws.
    void SetState(bool on);
    bool State() const { return on_; }
    // Draws the look of the current state (while visible). Changing the enabled state or the
    // visibility does not redraw by itself; call this afterwards.
    void Redraw();
    // Composes the current look over the scene bitmap at the toggle's place into the look's
    // own result bitmap and returns it, for an owner that shows the toggle elsewhere; the
    // owner may draw into it. Null when the look is not usable.
    platform::Bitmap* Render();
    // The bitmap the last Render produced, or null.
    platform::Bitmap* Rendered() const { return rendered_; }
    // The click handler: runs the bound action's execute handler, if there is an action.
    void Click();

    bool FourLooks() const { return fourLooks_; }
    platform::Action* BoundAction() const { return action_; }
    const media::CTransBitmap& EnabledOnLook() const { return enabledOn_; }
    const media::CTransBitmap& EnabledOffLook() const { return enabledOff_; }
    // Empty in two-look mode.
    const media::CTransBitmap& DisabledOnLook() const { return disabledOn_; }
    const media::CTransBitmap& DisabledOffLook() const { return disabledOff_; }

  private:
    media::CTransBitmap& CurrentLook();

    bool on_ = false;
    bool fourLooks_ = false;
    media::CTransBitmap enabledOn_;
    media::CTransBitmap enabledOff_;
    media::CTransBitmap disabledOn_;
    media::CTransBitmap disabledOff_;
    platform::Bitmap* rendered_ = nullptr;
    platform::Action* action_ = nullptr;
};

}  // namespace controls
