#pragma once

#include <functional>
#include <memory>
#include <string>

#include "media/draw_context.h"
#include "pieces/picture_control.h"
#include "platform/bitmap.h"
#include "platform/form.h"
#include "platform/geometry.h"

namespace pieces {

// The enlarged view: one per game form, hidden until a card or tile asks it to show an
// enlarged picture centred in the layout. It draws into the frame bitmap only, so the scene
// bitmap still holds what lies under it and takes it away again.
// Named from the Polish "powiększenie" (enlargement); see docs/glossary.md.
class CPow : public PictureControl {
  public:
    // redrawVehicle draws the game's vehicle again after the view has gone (the view may
    // have covered it); it may be empty. The context's background is not used.
    CPow(platform::Form& owner, const media::DrawContext& context,
         std::function<void()> redrawVehicle);
    ~CPow() override;

    // The view of form, or nullptr when the form has none. Cards and tiles find it this way.
    static CPow* Of(const platform::Form& form);

    // Shows a picture, replacing one already shown. A name holding "//" is a JPEG file of
    // the program ("Data//Res//Kar//Nor//Pow//kot_b.xji"); any other name is asked of the
    // enlargement library. A missing picture is reported to the user at once (CBlad code 1)
    // and the game goes on without the view.
    void ShowPicture(const std::string& name, const platform::Rect& sourceRect);
    // Takes the picture away again, if one is shown.
    void HidePicture();

    bool Showing() const { return showing_; }
    const platform::Rect& ViewRect() const { return viewRect_; }
    // The rectangle of the card or tile that asked for the picture.
    const platform::Rect& SourceRect() const { return sourceRect_; }

  protected:
    // A left or right release on the view takes it away.
    void MouseUp(platform::MouseEvent& e) override;

  private:
    // Puts the scene back over the view.
    void RestoreView();
    void LoadAndShow(const std::string& name);

    std::unique_ptr<platform::Bitmap> picture_;
    media::DrawContext context_;
    std::function<void()> redrawVehicle_;
    platform::Rect sourceRect_;
    platform::Rect viewRect_;
    bool showing_ = false;
};

}  // namespace pieces
