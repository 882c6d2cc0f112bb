#pragma once

#include <utility>

#include "app/program_texts.h"
#include "catalog/screen_geometry.h"
#include "game/cwybor.h"
#include "game/menu_link.h"
#include "platform/form.h"
#include "platform/input.h"
#include "platform/timer.h"

namespace app {

// Takes the game form's place in the menu's tests: the layout area on black, Esc ends the
// "series". Towards the menu it behaves like the game form: it hides the menu every second
// while it is shown and hands back to it when the series ends.
class StandInGameForm : public platform::Form {
  public:
    StandInGameForm(game::MenuLink menu, const game::CWybor& settings);

    void Paint(platform::FormCanvas& canvas) override;
    void OnShow() override;
    void OnKeyDown(platform::Key key, char32_t ch) override;

    // Ends the series: stops hiding the menu and returns to it.
    void A_StopExecute();

    const game::CWybor& Settings() const { return settings_; }

    // Keeps the menu hidden while the series runs.
    platform::Timer TimerHideMainForm;

  private:
    game::MenuLink menu_;
    game::CWybor settings_;
};

inline StandInGameForm::StandInGameForm(game::MenuLink menu, const game::CWybor& settings)
    : TimerHideMainForm(1000), menu_(std::move(menu)), settings_(settings) {
    SetCaption(app::texts::kTitle);
    SetBounds(catalog::Geometry().ScreenRect);
    TimerHideMainForm.OnTimer = [this] { menu_.HideMenu(); };
    TimerHideMainForm.SetEnabled(true);
}

inline void StandInGameForm::Paint(platform::FormCanvas& canvas) {
    canvas.FillRect(catalog::Geometry().ScreenRect, {0, 0, 0});
    canvas.FillRect(catalog::Geometry().LayoutRect, {16, 48, 32});
}

inline void StandInGameForm::OnShow() {
    TimerHideMainForm.SetEnabled(true);
}

inline void StandInGameForm::OnKeyDown(platform::Key key, char32_t) {
    if (key == platform::Key::Escape) {
        A_StopExecute();
    }
}

inline void StandInGameForm::A_StopExecute() {
    TimerHideMainForm.SetEnabled(false);
    menu_.ReturnToMenu();
}

}  // namespace app
