#pragma once

#include "game/cwybor.h"
#include "game/menu_link.h"
#include "platform/form.h"
#include "platform/input.h"
#include "platform/timer.h"

namespace app {

// Takes the game form's place until the series driver exists: the layout area on black,
// Esc ends the "series". Towards the menu it behaves like the game form: it hides the menu
// every second while it is shown and hands back to it when the series ends.
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

}  // namespace app
