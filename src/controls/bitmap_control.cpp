#include "controls/bitmap_control.h"

#include "media/blend_masked.h"
#include "media/data_paths.h"
#include "media/picture_library.h"
#include "media/screen_geometry.h"
#include "platform/application.h"

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

CBitmapControl::CBitmapControl(platform::Form& owner, platform::Bitmap& sceneBitmap,
                               platform::Bitmap& frameBitmap)
    : platform::Control(owner), scene_(sceneBitmap), frame_(frameBitmap) {}

bool CBitmapControl::ParentIsActive() const {
    return platform::Application::Exists() &&
           platform::Application::Instance().ActiveForm() == &Parent();
}

void CBitmapControl::DrawLookHere(const CTransBitmap& look) const {
    DrawLook(look, frame_, scene_, Bounds().Left, Bounds().Top);
}
