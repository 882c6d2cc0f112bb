#include "pieces/cpow.h"

#include <utility>

#include "catalog/screen_geometry.h"
#include "media/cblad.h"
#include "media/data_paths.h"
#include "media/load_correct_bitmap.h"
#include "media/picture_library.h"

using namespace media;
using namespace catalog;

namespace pieces {

using platform::Bitmap;
using platform::Rect;

CPow::CPow(platform::Form& owner, const DrawContext& context, std::function<void()> redrawVehicle)
    : PictureControl(owner), context_(context), redrawVehicle_(std::move(redrawVehicle)) {
    SetVisible(false);
    SetEnabled(false);
}

CPow::~CPow() = default;

CPow* CPow::Of(const platform::Form& form) {
    for (platform::Control* c : form.Controls()) {
        if (auto* view = dynamic_cast<CPow*>(c)) {
            return view;
        }
    }
    return nullptr;
}

void CPow::RestoreView() {
    context_.ShowScene(viewRect_);
    context_.Queue(viewRect_);
}

void CPow::ShowPicture(const std::string& name, const Rect& sourceRect) {
    if (showing_) {
        RestoreView();
        picture_.reset();
        showing_ = false;
    }
    SetVisible(true);
    SetEnabled(true);
    sourceRect_ = sourceRect;
    try {
        LoadAndShow(name);
    } catch (...) {
        // Whatever went wrong, the child sees the usual message and the game goes on.
        picture_.reset();
        CBlad::ResourceMissing().Show();
    }
    if (!showing_) {
        // Nothing to click on: the control must not catch the mouse.
        SetVisible(false);
        SetEnabled(false);
    }
}

void CPow::LoadAndShow(const std::string& name) {
    auto picture = std::make_unique<Bitmap>();
    if (name.find("//") != std::string::npos) {
        *picture = LoadJpegPicture(NativePath(name));
    } else if (!OtworzPowBMP(name, *picture)) {
        throw CBlad::ResourceMissing();
    }
    picture->ConvertTo(platform::PixelFormat::Bgr24);

    const ScreenGeometry& g = Geometry();
    int32_t left = g.LayoutRect.Left + g.DesignWidth / 2 - picture->Width() / 2;
    int32_t top = g.LayoutRect.Top + g.DesignHeight / 2 - picture->Height() / 2;
    viewRect_ = Rect::FromSize(left, top, picture->Width(), picture->Height());
    SetBounds(viewRect_);

    context_.Frame.CopyRect(viewRect_, *picture, picture->Bounds());
    context_.Queue(viewRect_);
    picture_ = std::move(picture);
    showing_ = true;
    Parent().Repaint();
}

void CPow::HidePicture() {
    if (!showing_) {
        return;
    }
    SetVisible(false);
    SetEnabled(false);
    RestoreView();
    if (redrawVehicle_) {
        redrawVehicle_();
    }
    Parent().Repaint();
    picture_.reset();
    showing_ = false;
}

void CPow::MouseUp(platform::MouseEvent& e) {
    if (e.Button == platform::MouseButton::Left || e.Button == platform::MouseButton::Right) {
        HidePicture();
        e.Handled = true;
    }
}

}  // namespace pieces
