#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "app/page_form.h"
#include "controls/cbutton.h"
#include "controls/cbutton_check.h"
#include "game/cwybor.h"
#include "game/menu_link.h"
#include "media/cmid.h"
#include "platform/action.h"
#include "platform/bitmap.h"
#include "platform/critical_section.h"
#include "platform/form.h"
#include "platform/input.h"
#include "platform/timer.h"

namespace app {

// The Polish names in this file are explained in docs/glossary.md.

// The main menu: quantity, level and sound groups of the next series, and the way to the
// game, the options, the information page and out of the program. It owns the live
// settings record (loaded when it is created, stored when it goes), the menu music, and
// the game form while a series runs and for about a second after it.
class TfmMain : public PageForm {
  public:
    // Builds the whole menu. A missing or broken picture throws CBlad code 1 with
    // ResourceMissingText; nothing of the menu is left then and no settings are stored.
    TfmMain();
    // Stores the settings, then frees the game form, the music and the controls.
    ~TfmMain() override;

    // Called by the game form when its series has ended: the menu shows itself again,
    // resumes its music and frees the game form a second later.
    void ReturnFromGame();

    void OnShow() override;
    void OnActivate() override;
    // Enter starts a series when Start is live.
    void OnPageKey(platform::Key key, char32_t ch) override;

    const game::CWybor& Settings() const { return settings_; }
    const controls::CButton& StartButton() const { return *startButton_; }
    // Where the words saying why Start is greyed out stand; empty while Start is live.
    const platform::Rect& StartHintPlace() const { return startHint_; }
    // The check buttons in menu order: few, medium, many; I ... IV; groups I ... III.
    const controls::CButtonCheck& QuantityCheck(int i) const { return *quantity_.at(i); }
    const controls::CButtonCheck& LevelCheck(int i) const { return *level_.at(i); }
    const controls::CButtonCheck& GroupCheck(int i) const { return *groups_.at(i); }
    // The game form of the running or the last series, until it is freed.
    platform::Form* GameForm() const { return gameForm_.get(); }
    const media::CMid& Music() const { return music_; }

    platform::Action A_Start;
    platform::Action A_duzo;
    platform::Action A_srednio;
    platform::Action A_malo;
    platform::Action A_pI;
    platform::Action A_pII;
    platform::Action A_pIII;
    platform::Action A_pIV;
    platform::Action A_glI;
    platform::Action A_glII;
    platform::Action A_glIII;
    platform::Action A_Stop;
    platform::Action A_Info;
    platform::Action A_Options;
    // Scanning is switched on the options form; nothing on the menu runs these two.
    platform::Action A_ScanWl;
    platform::Action A_ScanWyl;

    // Frees the game form of the last series a second after the menu came back.
    platform::Timer TimerHideGraForm;

  protected:
    // The game form for one series, owned by the menu; it may throw CBlad.
    virtual std::unique_ptr<platform::Form> CreateGameForm(const game::CWybor& settings);
    // How a game form reaches this menu.
    game::MenuLink MenuLinkForGame();

  private:
    void Build();
    void BindActions();
    void DrawLabel(const char* name, int32_t left, int32_t top);
    void ChooseQuantity(int index);
    void ChooseLevel(int index);
    void ToggleGroup(int index);
    void EnableStart(bool enabled);
    // Says beside the sound choices why Start is greyed out, or takes the words away.
    void ShowStartHint(bool shown);
    // Saves the record now; the first failure of a run is reported on screen.
    void StoreSettings();

    void A_StartExecute();
    void A_StopExecute();
    void A_InfoExecute();
    void A_OptionsExecute();
    void TimerHideGraFormTimer();
    void TimerHideSplashTimer();

    game::CWybor settings_;
    bool settingsFailureShown_ = false;
    platform::Rect startHint_;  // where the words stand, empty while they do not
    media::CMid music_;
    // Serialises creating and freeing the game form.
    platform::CriticalSection lock_;
    std::unique_ptr<platform::Form> gameForm_;
    // The splash goes two seconds after the menu first shows.
    platform::Timer timerHideSplash_;

    std::unique_ptr<controls::CButton> startButton_;
    std::unique_ptr<controls::CButton> infoButton_;
    std::unique_ptr<controls::CButton> optionsButton_;
    std::unique_ptr<controls::CButton> exitButton_;
    std::array<std::unique_ptr<controls::CButtonCheck>, 3> quantity_;
    std::array<std::unique_ptr<controls::CButtonCheck>, 4> level_;
    std::array<std::unique_ptr<controls::CButtonCheck>, 3> groups_;
};

}  // namespace app
