#include "controls/picture_window.h"

#include "media/cblad.h"
#include "media/data_paths.h"
#include "media/draw_context.h"
#include "media/load_correct_bitmap.h"

using namespace media;

namespace controls {

PictureWindow::PictureWindow(const std::string& caption) {
    SetCaption(caption);
    A_Stop.OnExecute = [this] { Close(); };
}

PictureWindow::~PictureWindow() = default;

void PictureWindow::LayPicture(const std::string& pathLiteral) {
    const std::string path = NativePath(pathLiteral);
    if (!FileExists(path)) {
        throw CBlad::ResourceMissing();
    }
    frame_ = LoadJpegPicture(path);
    scene_ = frame_;
    SetBounds(
        platform::Rect::FromSize(Bounds().Left, Bounds().Top, frame_.Width(), frame_.Height()));
}

void PictureWindow::AddExitButton(platform::Point at) {
    exitButton_ = std::make_unique<CButton>(*this, DrawContext{frame_, scene_, nullptr, {}},
                                            &A_Stop, "exit", at);
}

void PictureWindow::Paint(platform::FormCanvas& canvas) {
    canvas.Draw(0, 0, frame_);
}

void PictureWindow::OnKeyDown(platform::Key key, char32_t) {
    if (key == platform::Key::Escape) {
        A_Stop.Execute();
    }
}

}  // namespace controls
