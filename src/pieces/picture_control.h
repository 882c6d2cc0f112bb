#pragma once

#include <functional>

#include "platform/control.h"
#include "platform/form.h"

namespace pieces {

// The light-weight control under the game's pictures: it gives them a place on their form
// and mouse messages. Its own picture stays empty; the objects draw into the form's bitmaps.
//
// Every message is ignored while another form is active (a message form, the results
// form): a release can still reach this form when the press came before that form opened.
// The object keeps OnMouseUp for itself; the owning exercise assigns clicks through
// SetOnClick and SetOnDoubleClick, which apply the same rule.
class PictureControl : public platform::Control {
  public:
    explicit PictureControl(platform::Form& owner);

    // True while the parent form is the one receiving input.
    bool ParentIsActive() const;

    void SetOnClick(std::function<void(platform::MouseEvent&)> handler);
    void SetOnDoubleClick(std::function<void(platform::MouseEvent&)> handler);

  protected:
    // A button release on the control, parent form active. Set Handled when it was used
    // (the form then does not treat it as a switch input).
    virtual void MouseUp(platform::MouseEvent&) {}

  private:
    std::function<void(platform::MouseEvent&)> Guarded(
        std::function<void(platform::MouseEvent&)> handler);
};

}  // namespace pieces
