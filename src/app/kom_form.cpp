#include "app/kom_form.h"

#include "app/program_texts.h"
#include "catalog/screen_geometry.h"
#include "media/cblad.h"
#include "media/data_paths.h"
#include "platform/application.h"

using namespace controls;
using namespace media;
using namespace catalog;

namespace app {

using platform::Rect;

namespace {
constexpr int kCellHeight = 30;
constexpr platform::Color kInk{0, 0, 0};
constexpr int kCornerEllipse = 18;
}  // namespace

TfmKom::TfmKom(platform::Form* owner, const std::string& text)
    : PictureWindow(texts::kTitle), text_(text) {
    ReportingResourceErrors([&] { Build(owner); });
}

TfmKom::~TfmKom() = default;

void TfmKom::Build(platform::Form* owner) {
    LayPicture("Data\\kom" + SizeSuffix() + ".xji");
    const int width = frame_.Width();
    const int height = frame_.Height();
    platform::Application& app = platform::Application::Instance();
    if (owner != nullptr) {
        CenterOn(*owner, width, height);
    } else if (app.MainForm() != nullptr) {
        CenterOn(*app.MainForm(), width, height);
    } else {
        CenterOnScreen(width, height);
    }
    SetRoundedShape(kCornerEllipse, kCornerEllipse);

    // Messages such as ResourceMissingText carry a line break; each line stands centred.
    PKomunikat = std::make_unique<TextLabel>(*this, text_, kCellHeight, true, kInk);
    const ScreenGeometry& g = Geometry();
    AddExitButton({g.MapLength(560), g.MapLength(280)});
    PlaceLabel();
}

platform::Rect TfmKom::MessageBounds() const {
    return PKomunikat->Bounds();
}

void TfmKom::PlaceLabel() {
    const Rect& label = PKomunikat->Bounds();
    PKomunikat->MoveTo(ClientWidth() / 2 - label.Width() / 2,
                       ClientHeight() / 4 - label.Height() / 2);
}

void TfmKom::Paint(platform::FormCanvas& canvas) {
    PictureWindow::Paint(canvas);
    PlaceLabel();
}

void TfmKom::OnShow() {
    PlaceLabel();
}

void InstallMessageForm() {
    SetMessageFormHandler([](const std::string& text) {
        TfmKom form(nullptr, text);
        form.ShowModal();
    });
}

}  // namespace app
