#include "app/standin_game_form.h"

#include "app/program_texts.h"
#include "catalog/screen_geometry.h"

#include <utility>

using namespace game;
using namespace catalog;

namespace app {

StandInGameForm::StandInGameForm(game::MenuLink menu, const CWybor& settings)
    : TimerHideMainForm(1000), menu_(std::move(menu)), settings_(settings) {
    SetCaption(texts::kTitle);
    SetBounds(Geometry().ScreenRect);
    TimerHideMainForm.OnTimer = [this] { menu_.HideMenu(); };
    TimerHideMainForm.SetEnabled(true);
}

void StandInGameForm::Paint(platform::FormCanvas& canvas) {
    canvas.FillRect(Geometry().ScreenRect, {0, 0, 0});
    canvas.FillRect(Geometry().LayoutRect, {16, 48, 32});
}

void StandInGameForm::OnShow() {
    TimerHideMainForm.SetEnabled(true);
}

void StandInGameForm::OnKeyDown(platform::Key key, char32_t) {
    if (key == platform::Key::Escape) {
        A_StopExecute();
    }
}

void StandInGameForm::A_StopExecute() {
    TimerHideMainForm.SetEnabled(false);
    menu_.ReturnToMenu();
}

}  // namespace app
