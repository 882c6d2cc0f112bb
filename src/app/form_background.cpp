#include "app/form_background.h"

#include "media/data_paths.h"
#include "media/load_correct_bitmap.h"
#include "media/screen_geometry.h"

void LayFormBackground(const std::string& file, platform::Bitmap& frame, platform::Bitmap& scene) {
    const ScreenGeometry& g = Geometry();
    const platform::Bitmap background = LoadJpegPicture(NativePath(file));
    // A fresh bitmap is black, which is what shows around a smaller layout.
    frame.Reset(g.ScreenRect.Width(), g.ScreenRect.Height(), platform::PixelFormat::Bgr24);
    frame.CopyRect(g.LayoutRect, background, g.DesignRect);
    scene = frame;
}
