#include "app/about_form.h"

#include <algorithm>
#include <string>

#include "app/form_background.h"
#include "app/program_texts.h"
#include "media/blend_masked.h"
#include "media/cblad.h"
#include "media/data_paths.h"
#include "media/load_correct_bitmap.h"
#include "media/screen_geometry.h"
#include "platform/application.h"

using platform::Rect;

namespace {

constexpr int kScrollMin = 0;
constexpr int kScrollMax = 100;
constexpr int kScrollPage = 12;
constexpr int kScrollLargeChange = 15;

// The application's main form, unless that is the form asking.
platform::Form* MainMenuBesides(const platform::Form& form) {
    platform::Form* main = platform::Application::Instance().MainForm();
    return main == &form ? nullptr : main;
}

}  // namespace

TfmAbout::TfmAbout(platform::Form* /*owner*/) {
    SetCaption(texts::kTitle);
    SetBounds(Geometry().ScreenRect);
    A_Stop.OnExecute = [this] { A_StopExecute(); };
    A_Autorzy.OnExecute = [this] { A_AutorzyExecute(); };
    try {
        Build();
    } catch (...) {
        // Whatever is missing, the user is told to reinstall; the members free themselves.
        throw CBlad::ResourceMissing();
    }
}

TfmAbout::~TfmAbout() = default;

void TfmAbout::Build() {
    const ScreenGeometry& g = Geometry();
    const std::string size = SizeSuffix();
    LayFormBackground("Data\\Intf\\ab" + size + ".xji", frame_, scene_);

    exitButton_ = std::make_unique<CButton>(*this, nullptr, &A_Stop, "powrot", g.MapY(729),
                                            g.MapX(1151), scene_, frame_);
    pageToggle_ = std::make_unique<CButtonCheck>(*this, false, &A_Autorzy, true, false, "jakgrac",
                                                 g.MapY(50), g.MapX(520), scene_, frame_);
    aboutPage_.LoadPair(NativePath("Data\\Intf\\abo_b" + size + ".xbi"),
                        NativePath("Data\\Intf\\abo_w" + size + ".xbi"));
    secondPage_.LoadPair(NativePath("Data\\Intf\\hp_b" + size + ".xbi"),
                         NativePath("Data\\Intf\\hp_w" + size + ".xbi"));
    currentPage_ = &aboutPage_;

    windowLeft_ = g.MapX(583);
    windowTop_ = g.MapY(150);
    scrollBar_ = std::make_unique<VerticalScrollBar>(*this, kScrollMin, kScrollMax, kScrollPage,
                                                     kScrollLargeChange);
    scrollBar_->SetBounds(Rect::FromSize(windowLeft_ + aboutPage_.Width(), windowTop_,
                                         VerticalScrollBar::DefaultWidth, g.MapLength(640)));
    scrollBar_->OnScroll = [this](int position) { ScrollBarScroll(position); };
    DrawPageWindow(0);
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
    DrawPageWindow(OffsetOf(position));
}

void TfmAbout::A_StopExecute() {
    Close();
}

void TfmAbout::A_AutorzyExecute() {
    const bool wasOn = pageToggle_->Toggle();
    scrollBar_->SetPosition(0);
    currentPage_ = wasOn ? &aboutPage_ : &secondPage_;
    DrawPageWindow(OffsetOf(scrollBar_->Position()));
}

void TfmAbout::Paint(platform::FormCanvas& canvas) {
    canvas.Draw(0, 0, frame_);
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

void TfmAbout::OnKeyDown(platform::Key key, char32_t) {
    if (key == platform::Key::Escape) {
        Close();
    }
}
