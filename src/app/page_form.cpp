#include "app/page_form.h"

#include "app/program_texts.h"
#include "catalog/screen_geometry.h"
#include "media/cblad.h"
#include "media/data_paths.h"
#include "media/load_correct_bitmap.h"

using namespace media;
using namespace catalog;

namespace app {

PageForm::PageForm() {
    SetCaption(texts::kTitle);
    SetBounds(Geometry().ScreenRect);
}

void PageForm::Paint(platform::FormCanvas& canvas) {
    canvas.Draw(0, 0, frame_);
}

void PageForm::OnKeyDown(platform::Key key, char32_t ch) {
    if (key == platform::Key::Escape) {
        Close();
    } else {
        OnPageKey(key, ch);
    }
}

void PageForm::BuildOrReportMissing(const std::function<void()>& build) {
    try {
        build();
    } catch (...) {
        throw CBlad::ResourceMissing();
    }
}

void PageForm::LayBackground(const std::string& stem) {
    const ScreenGeometry& g = Geometry();
    const platform::Bitmap background =
        LoadJpegPicture(NativePath("Data\\Intf\\" + stem + SizeSuffix() + ".xji"));
    // A fresh bitmap is black, which is what shows around a smaller layout.
    frame_.Reset(g.ScreenRect.Width(), g.ScreenRect.Height(), platform::PixelFormat::Bgr24);
    frame_.CopyRect(g.LayoutRect, background, g.DesignRect);
    scene_ = frame_;
}

}  // namespace app
