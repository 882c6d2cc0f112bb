#include "app/kom_form.h"

#include <algorithm>
#include <vector>

#include "app/program_texts.h"
#include "catalog/screen_geometry.h"
#include "media/cblad.h"
#include "media/data_paths.h"
#include "media/load_correct_bitmap.h"
#include "platform/application.h"
#include "platform/text.h"

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

// The message text, bold and automatically sized. Messages such as ResourceMissingText
// carry a line break; each line is centred within the label, as a centred label shows them.
class TfmKom::MessageLabel : public platform::Control {
  public:
    MessageLabel(platform::Form& parent, const std::string& text) : Control(parent) {
        int width = 0;
        int height = 0;
        size_t start = 0;
        while (start <= text.size()) {
            size_t end = text.find('\n', start);
            if (end == std::string::npos) {
                end = text.size();
            }
            std::string line = text.substr(start, end - start);
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            Line rendered{platform::RenderText(line, kCellHeight, true, kInk), kCellHeight};
            if (!rendered.Image.Colour.Empty()) {
                rendered.Height = rendered.Image.Colour.Height();
            }
            width = std::max(width, rendered.Image.Colour.Width());
            height += rendered.Height;
            lines_.push_back(std::move(rendered));
            start = end + 1;
        }
        SetBounds(Rect::FromSize(0, 0, width, height));
    }

    void MoveTo(int left, int top) {
        if (left != Bounds().Left || top != Bounds().Top) {
            SetBounds(Rect::FromSize(left, top, Bounds().Width(), Bounds().Height()));
        }
    }

    void Paint(platform::FormCanvas& canvas) override {
        int y = Bounds().Top;
        for (const Line& line : lines_) {
            const platform::Bitmap& colour = line.Image.Colour;
            if (!colour.Empty()) {
                const int x = Bounds().Left + (Bounds().Width() - colour.Width()) / 2;
                canvas.DrawMasked(x, y, colour, line.Image.Mask);
            }
            y += line.Height;
        }
    }

  private:
    struct Line {
        platform::TextImage Image;
        int Height = 0;
    };
    std::vector<Line> lines_;
};

TfmKom::TfmKom(platform::Form* owner, const std::string& text) : text_(text) {
    SetCaption(texts::kTitle);
    ReportingResourceErrors([&] { Build(owner); });
}

TfmKom::~TfmKom() = default;

void TfmKom::Build(platform::Form* owner) {
    const std::string path = NativePath("Data\\kom" + SizeSuffix() + ".xji");
    if (!FileExists(path)) {
        throw CBlad::ResourceMissing();
    }
    frame_ = LoadJpegPicture(path);
    scene_ = frame_;
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

    PKomunikat = std::make_unique<MessageLabel>(*this, text_);
    A_Stop.OnExecute = [this] { Close(); };
    // The button sits in the form's own coordinates: the layout offset does not apply.
    const ScreenGeometry& g = Geometry();
    exitButton_ =
        std::make_unique<CButton>(*this, DrawContext{frame_, scene_, nullptr, {}}, &A_Stop, "exit",
                                  platform::Point{g.MapLength(560), g.MapLength(280)});
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
    canvas.Draw(0, 0, frame_);
    PlaceLabel();
}

void TfmKom::OnShow() {
    PlaceLabel();
}

void TfmKom::OnKeyDown(platform::Key key, char32_t) {
    if (key == platform::Key::Escape) {
        Close();
    }
}

void InstallMessageForm() {
    SetMessageFormHandler([](const std::string& text) {
        TfmKom form(nullptr, text);
        form.ShowModal();
    });
}

}  // namespace app
