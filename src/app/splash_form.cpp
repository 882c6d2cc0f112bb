#include "app/splash_form.h"

#include "app/program_texts.h"
#include "media/cblad.h"
#include "media/data_paths.h"
#include "media/load_correct_bitmap.h"

using namespace media;

namespace app {

std::unique_ptr<TfmSplash> fmSplash;

TfmSplash::TfmSplash() {
    SetCaption(texts::kTitle);
    std::string path = NativePath(texts::kSplashPicture);
    if (!FileExists(path)) {
        throw CBlad::ResourceMissing();
    }
    // A damaged picture is as good as a missing one to the user.
    picture_ = ReportingResourceErrors([&] { return LoadJpegPicture(path); });
    CenterOnScreen(picture_.Width(), picture_.Height());
}

void TfmSplash::Paint(platform::FormCanvas& canvas) {
    canvas.Draw(0, 0, picture_);
}

}  // namespace app
