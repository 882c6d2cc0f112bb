#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "app/page_form.h"
#include "app/switch_tester.h"
#include "controls/cbutton.h"
#include "controls/cbutton_check.h"
#include "controls/ctrack_bar.h"
#include "game/cwybor.h"
#include "platform/action.h"
#include "platform/bitmap.h"
#include "platform/form.h"
#include "platform/input.h"

namespace app {

// The Polish names in this file are explained in docs/glossary.md.

// The therapist's page for switch scanning: scanning off or on, the internal or external
// scan cycle, one or two switches and the step time of one-switch scanning. It edits the
// menu's live settings record in place: every click takes effect at once, there is no
// cancel. Esc or the exit button closes it.
class TfmOptions : public PageForm {
  public:
    // The slider's scale: seconds per percent, so 0 ... 100 % is 0 ... 5 s.
    static constexpr float StepSeconds = 0.05f;

    // owner is the main menu the form is shown over; settings is its record, which must
    // outlive the form. Throws CBlad code 1 with ResourceMissingText when the background or
    // any picture is missing; nothing of the form is left then.
    TfmOptions(platform::Form* owner, game::CWybor* settings);

    // Runs after every action that changed the settings record (the menu stores it then).
    std::function<void()> OnSettingsChanged;

    // The action handlers; each returns at once when its own option is already on.
    void A_StopExecute();
    void A_ScanWylExecute();
    void A_ScanWlExecute();
    void A_CSk_1przExecute();
    void A_CSk_2przExecute();
    void A_CSk_zewExecute();
    void A_CSk_wewExecute();
    // The slider was released: stores its value as the step time.
    void VolumeTrackBarActionExecute();

    void OnPageKey(platform::Key key, char32_t ch) override;
    void OnKeyUp(platform::Key key, char32_t ch) override;
    // Buttons pressed and released where no control is light the switch tester.
    void OnMouseDown(platform::MouseEvent& e) override;
    void OnMouseUp(platform::MouseEvent& e) override;

    // The slider's percent for a step time in ms, and the step time a percent stands for
    // (never below ScanTimeMin: a faster highlight could not be followed).
    static int32_t PercentForScanTime(int32_t scanTime);
    static int32_t ScanTimeForPercent(int32_t percent);
    // The lowest percent the knob may show: the first that stands for ScanTimeMin or more.
    static int32_t LowestPercent();

    const controls::CButton& ExitButton() const { return *exitButton_; }
    const controls::CButtonCheck& ScanOffCheck() const { return *scanOff_; }
    const controls::CButtonCheck& ScanOnCheck() const { return *scanOn_; }
    const controls::CButtonCheck& InternalCycleCheck() const { return *internalCycle_; }
    const controls::CButtonCheck& ExternalCycleCheck() const { return *externalCycle_; }
    const controls::CButtonCheck& OneSwitchCheck() const { return *oneSwitch_; }
    const controls::CButtonCheck& TwoSwitchesCheck() const { return *twoSwitches_; }
    const controls::CTrackBar& StepTimeSlider() const { return *slider_; }
    const SwitchTester& Tester() const { return *tester_; }

  private:
    void Build();
    // Turns the chosen toggle of a pair on and the other off, with their bits in the record.
    // False when the chosen one was on already.
    bool ChooseOfPair(controls::CButtonCheck& chosen, int chosenBit, controls::CButtonCheck& other,
                      int otherBit);
    // Enables or disables the four scanning check buttons and redraws them.
    void EnableScanChecks(bool enabled);

    game::CWybor* settings_;
    // What the knob read when the stored step time was last set or taken from it.
    int32_t storedTimePercent_ = 0;

    platform::Action A_Stop;
    platform::Action A_CSk_1prz;
    platform::Action A_CSk_2prz;
    platform::Action A_CSk_wew;
    platform::Action A_CSk_zew;
    platform::Action VolumeTrackBarAction;
    platform::Action A_ScanWl;
    platform::Action A_ScanWyl;

    std::unique_ptr<controls::CButton> exitButton_;
    std::unique_ptr<controls::CButtonCheck> internalCycle_;
    std::unique_ptr<controls::CButtonCheck> externalCycle_;
    std::unique_ptr<controls::CButtonCheck> oneSwitch_;
    std::unique_ptr<controls::CButtonCheck> twoSwitches_;
    std::unique_ptr<controls::CTrackBar> slider_;
    std::unique_ptr<controls::CButtonCheck> scanOn_;
    std::unique_ptr<controls::CButtonCheck> scanOff_;
    std::unique_ptr<SwitchTester> tester_;
};

}  // namespace app
