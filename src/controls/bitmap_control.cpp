#include "controls/bitmap_control.h"

#include "catalog/screen_geometry.h"
#include "media/blend_masked.h"
#include "media/data_paths.h"
#include "media/picture_library.h"
#include "platform/application.h"
#include "platform/text.h"

using namespace media;
using namespace catalog;

namespace controls {

std::string LayoutSuffix() {
    return Geometry().ScreenMode >= 3 ? "_maxi" : "_mini";
}

CTransBitmap LoadButtonLook(const std::string& base) {
    const platform::Bitmap white = LoadLibraryPicture(Library::Butt, base + PairSuffix(true));
    const platform::Bitmap black = LoadLibraryPicture(Library::Butt, base + PairSuffix(false));
    CTransBitmap look;
    look.Build(black, white);
    return look;
}

void DrawLook(const CTransBitmap& look, platform::Bitmap& frame, const platform::Bitmap& scene,
              int x, int y) {
    if (!look.IsUsable()) {
        return;
    }
    BlendMasked(frame, x, y, *look.Colour(), *look.Mask(), {0, 0, look.Width(), look.Height()},
                scene, x, y, 255);
}

platform::Rect DrawTextLine(platform::Bitmap& frame, const platform::Bitmap& scene,
                            const std::string& utf8, int cellHeight, platform::Color colour, int x,
                            int y) {
    const platform::TextImage text = platform::RenderText(utf8, cellHeight, true, colour);
    if (text.Colour.Empty()) {
        return {};
    }
    const int left = x - text.Colour.Width() / 2;
    BlendMasked(frame, left, y, text.Colour, text.Mask,
                {0, 0, text.Colour.Width(), text.Colour.Height()}, scene, left, y, 255);
    return platform::Rect::FromSize(left, y, text.Colour.Width(), text.Colour.Height())
        .Intersect(frame.Bounds());
}

void RestoreScene(platform::Bitmap& frame, const platform::Bitmap& scene,
                  const platform::Rect& place) {
    frame.CopyRect(place, scene, place);
}

BitmapControl::BitmapControl(platform::Form& owner, const DrawContext& context)
    : platform::Control(owner), context_(context) {}

bool BitmapControl::ParentIsActive() const {
    return platform::Application::Exists() &&
           platform::Application::Instance().ActiveForm() == &Parent();
}

void BitmapControl::DrawLookHere(const CTransBitmap& look) const {
    DrawLook(look, FrameBitmap(), SceneBitmap(), Bounds().Left, Bounds().Top);
}

}  // namespace controls
