#pragma once

#include <string>

#include "media/ctransbitmap.h"
#include "media/draw_context.h"
#include "platform/bitmap.h"
#include "platform/control.h"
#include "platform/form.h"
#include "platform/geometry.h"

namespace controls {

// "_mini" in the 1024x768 layout, "_maxi" in the 1280x960 one: the layout suffix of check
// buttons, sliders and menu labels (modes 3 and above count as big, like SizeSuffix).
std::string LayoutSuffix();

// Loads the look base + "_W" and base + "_B" from the button library (on white first) and
// builds the transparent picture from the pair. Throws CBlad code 100 when the library lacks
// either picture and ETransBitmap when the two do not make a pair.
media::CTransBitmap LoadButtonLook(const std::string& base);

// Composes look over scene with its top-left corner at (x, y) and writes the outcome into
// frame at the same place, the whole picture at full opacity. scene may be frame itself.
void DrawLook(const media::CTransBitmap& look, platform::Bitmap& frame,
              const platform::Bitmap& scene, int x, int y);

// Draws one line of UTF-8 text, cellHeight pixels high, into frame composed over scene, its
// top edge at y and centred on x. Returns where it stands: empty when no font is installed.
platform::Rect DrawTextLine(platform::Bitmap& frame, const platform::Bitmap& scene,
                            const std::string& utf8, int cellHeight, platform::Color colour, int x,
                            int y);

// Puts the scene back into frame over place: takes away what was drawn there.
void RestoreScene(platform::Bitmap& frame, const platform::Bitmap& scene,
                  const platform::Rect& place);

// What the bitmap buttons and the slider share: a windowless control whose own picture
// stays empty; it draws its looks into the context's frame bitmap, composed over its scene
// bitmap, and reports what it changed to the context's callback (which may be empty when the
// owner repaints itself whole). The bitmaps belong to the owner and must outlive the control.
class BitmapControl : public platform::Control {
  public:
    BitmapControl(platform::Form& owner, const media::DrawContext& context);

    // True while the parent form is the one receiving input.
    bool ParentIsActive() const;

    platform::Bitmap& SceneBitmap() const { return context_.Scene; }
    platform::Bitmap& FrameBitmap() const { return context_.Frame; }

  protected:
    // Draws look at the control's top-left corner.
    void DrawLookHere(const media::CTransBitmap& look) const;
    // Reports a changed rectangle to the owner.
    void Queue(const platform::Rect& r) const { context_.Queue(r); }

  private:
    media::DrawContext context_;
};

}  // namespace controls
