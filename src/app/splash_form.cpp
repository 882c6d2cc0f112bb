#include "app/splash_form.h"

#include "app/program_texts.h"
#include "media/cblad.h"
#include "media/data_paths.h"
#include "media/load_correct_bitmap.h"

std::unique_ptr<TfmSplash> fmSplash;

TfmSplash::TfmSplash() {
    SetCaption(texts::kTitle);
    std::string path = NativePath(texts::kSplashPicture);
    if (!FileExists(path)) {
        throw CBlad::ResourceMissing();
    }
    try {
        picture_ = LoadJpegPicture(path);
    } catch (const CBlad&) {
        throw;
    } catch (const std::exception&) {
        // A damaged picture is as good as a missing one to the user.
        throw CBlad::ResourceMissing();
    }
    CenterOnScreen(picture_.Width(), picture_.Height());
}

void TfmSplash::Paint(platform::FormCanvas& canvas) {
    canvas.Draw(0, 0, picture_);
}
