#include "app/about_form.h"

#include <algorithm>
#include <string>

#include "app/program_texts.h"
#include "catalog/screen_geometry.h"
#include "media/blend_masked.h"
#include "media/cblad.h"
#include "media/data_paths.h"
#include "media/load_correct_bitmap.h"
#include "platform/application.h"

using namespace controls;
using namespace media;
using namespace catalog;

namespace app {

using platform::Rect;

namespace {

// Steps in design pixels: a key press moves about a line of the page's text, a notch of the
// wheel a little more, as in other programs.
constexpr double kLineStep = 40.0;
constexpr double kWheelStep = 60.0;

// The application's main form, unless that is the form asking.
platform::Form* MainMenuBesides(const platform::Form& form) {
    platform::Form* main = platform::Application::Instance().MainForm();
    return main == &form ? nullptr : main;
}

}  // namespace

TfmAbout::TfmAbout(platform::Form* /*owner*/) {
    A_Stop.OnExecute = [this] { A_StopExecute(); };
    A_Autorzy.OnExecute = [this] { A_AutorzyExecute(); };
    BuildOrReportMissing([this] { Build(); });
}

TfmAbout::~TfmAbout() = default;

void TfmAbout::Build() {
    const ScreenGeometry& g = Geometry();
    const std::string size = SizeSuffix();
    LayBackground("ab");

    exitButton_ = std::make_unique<CButton>(*this, Context(), &A_Stop, "powrot",
                                            platform::Point{g.MapX(1151), g.MapY(729)});
    pageToggle_ = std::make_unique<CButtonCheck>(*this, Context(), &A_Autorzy, "jakgrac",
                                                 platform::Point{g.MapX(520), g.MapY(50)},
                                                 CButtonCheck::Setup{.FourLooks = false});
    aboutPage_.LoadPair(NativePath("Data\\Intf\\abo_b" + size + ".xbi"),
                        NativePath("Data\\Intf\\abo_w" + size + ".xbi"));
    secondPage_.LoadPair(NativePath("Data\\Intf\\hp_b" + size + ".xbi"),
                         NativePath("Data\\Intf\\hp_w" + size + ".xbi"));
    currentPage_ = &aboutPage_;

    windowLeft_ = g.MapX(583);
    windowTop_ = g.MapY(150);
    scrollBar_ = std::make_unique<VerticalScrollBar>(*this, 0, 0, 0, 0);
    scrollBar_->SetBounds(Rect::FromSize(windowLeft_ + aboutPage_.Width(), windowTop_,
                                         VerticalScrollBar::DefaultWidth, g.MapLength(640)));
    FitScrollBarToPage();
    scrollBar_->OnScroll = [this](int position) { ScrollBarScroll(position); };
    DrawPageWindow(0);
}

void TfmAbout::FitScrollBarToPage() {
    // The position is the page's offset in pixels: the thumb is as long, against the track,
    // as the window against the page, and the last position shows the page's last line at
    // the window's bottom. A page turn keeps a tenth of the window in view.
    const int window = WindowHeight();
    scrollBar_->SetRange(0, currentPage_->Height() - 1, window, window - window / 10);
    scrollBar_->SetPosition(0);
}

void TfmAbout::ScrollBy(int pixels) {
    scrollBar_->ScrollTo(scrollBar_->Position() + pixels);
}

Rect TfmAbout::PageWindow() const {
    return Rect::FromSize(windowLeft_, windowTop_, currentPage_->Width(), WindowHeight());
}

void TfmAbout::DrawPageWindow(int offset) {
    platform::Bitmap* rendered = pageToggle_->Render();
    if (rendered == nullptr) {
        return;
    }
    const Rect& toggle = pageToggle_->Bounds();
    const int x = windowLeft_ - toggle.Left;
    const int y = windowTop_ - toggle.Top;
    const CTransBitmap& page = *currentPage_;
    if (page.IsUsable()) {
        BlendMasked(*rendered, x, y - offset, *page.Colour(), *page.Mask(),
                    {0, 0, page.Width(), page.Height()}, *rendered, x, y - offset, 255);
    }
    // As wide as the wider page, so a narrower page leaves nothing of the other behind.
    const int width = std::max(aboutPage_.Width(), secondPage_.Width());
    frame_.CopyRect(Rect::FromSize(windowLeft_, windowTop_, width, WindowHeight()), *rendered,
                    Rect::FromSize(x, y, width, WindowHeight()));
    if (Visible()) {
        Repaint();
    }
}

void TfmAbout::ScrollBarScroll(int position) {
    DrawPageWindow(position);
}

void TfmAbout::A_StopExecute() {
    Close();
}

void TfmAbout::A_AutorzyExecute() {
    const bool wasOn = pageToggle_->Toggle();
    currentPage_ = wasOn ? &aboutPage_ : &secondPage_;
    FitScrollBarToPage();
    DrawPageWindow(scrollBar_->Position());
}

void TfmAbout::OnActivate() {
    if (platform::Form* main = MainMenuBesides(*this)) {
        main->Hide();
    }
}

void TfmAbout::OnDeactivate() {
    platform::Form* main = MainMenuBesides(*this);
    // Here a form loses activation while open only to a form shown over it; raising the
    // menu then would put it above this modal form. It comes back when this form closes.
    if (main == nullptr || Visible()) {
        return;
    }
    const Rect& b = main->Bounds();
    main->SetBounds(Rect::FromSize(Bounds().Left, Bounds().Top, b.Width(), b.Height()));
    main->Show();
}

void TfmAbout::OnPageKey(platform::Key key, char32_t) {
    using platform::Key;
    const int line = Geometry().MapLength(kLineStep);
    const int page = scrollBar_->LargeChange();
    switch (key) {
        case Key::Up:
            ScrollBy(-line);
            break;
        case Key::Down:
            ScrollBy(line);
            break;
        case Key::PageUp:
            ScrollBy(-page);
            break;
        case Key::PageDown:
        case Key::Space:
            ScrollBy(page);
            break;
        case Key::Home:
            scrollBar_->ScrollTo(0);
            break;
        case Key::End:
            scrollBar_->ScrollTo(scrollBar_->MaxPosition());
            break;
        default:
            break;
    }
}

void TfmAbout::OnMouseWheel(int notches) {
    ScrollBy(-notches * Geometry().MapLength(kWheelStep));
}

}  // namespace app
