#include "app/standin_main_form.h"

#include "app/program_texts.h"
#include "app/splash_form.h"
#include "media/screen_geometry.h"

StandInMainForm::StandInMainForm() {
    SetCaption(texts::kTitle);
    SetBounds(Geometry().ScreenRect);
    hideSplash_.SetInterval(2000);
    hideSplash_.OnTimer = [this] {
        hideSplash_.SetEnabled(false);
        fmSplash.reset();
    };
}

void StandInMainForm::Paint(platform::FormCanvas& canvas) {
    canvas.FillRect(Geometry().ScreenRect, {0, 0, 0});
    canvas.FillRect(Geometry().LayoutRect, {24, 32, 56});
}

void StandInMainForm::OnShow() {
    if (!shownOnce_) {
        shownOnce_ = true;
        hideSplash_.SetEnabled(true);
    }
    if (fmSplash) {
        fmSplash->BringToFront();  // the splash stays on top until it goes
    }
}

void StandInMainForm::OnKeyDown(platform::Key key, char32_t) {
    if (key == platform::Key::Escape) {
        Close();
    }
}
