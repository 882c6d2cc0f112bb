#pragma once

#include "platform/form.h"
#include "platform/timer.h"

// The main window until the menu exists: the layout area on black, closed by Esc. Like the
// menu, it removes the splash two seconds after it first shows.
class StandInMainForm : public platform::Form {
  public:
    StandInMainForm();
    void Paint(platform::FormCanvas& canvas) override;
    void OnShow() override;
    void OnKeyDown(platform::Key key, char32_t ch) override;

  private:
    platform::Timer hideSplash_;
    bool shownOnce_ = false;
};
