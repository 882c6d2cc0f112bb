#pragma once

#include <memory>

#include "app/page_form.h"
#include "controls/cbutton.h"
#include "controls/cbutton_check.h"
#include "controls/vertical_scroll_bar.h"
#include "media/ctransbitmap.h"
#include "platform/action.h"
#include "platform/bitmap.h"
#include "platform/form.h"
#include "platform/geometry.h"
#include "platform/input.h"

namespace app {

// The Polish names in this file are explained in docs/glossary.md.

// The information form: a full-screen page whose text picture scrolls inside a window, and
// a toggle that switches between the page about the program and the page on how to play.
// The page shows through the toggle's picture, which covers the window. While the form is
// active the main menu is hidden; it comes back, moved to this form's place, when the form
// closes.
class TfmAbout : public PageForm {
  public:
    // owner is the main menu. Throws CBlad code 1 with ResourceMissingText when any picture
    // is missing or unreadable; nothing of the form is left then.
    explicit TfmAbout(platform::Form* owner);
    ~TfmAbout() override;

    void OnActivate() override;
    void OnDeactivate() override;
    // The arrow keys, Page Up/Down (and Space), Home and End scroll the page.
    void OnPageKey(platform::Key key, char32_t ch) override;
    void OnMouseWheel(int notches) override;

    // Closes the form (the exit button).
    void A_StopExecute();
    // Switches to the other page, shown from its top (a click on the toggle).
    void A_AutorzyExecute();
    // Shows the page moved up by position pixels (the scroll bar's position).
    void ScrollBarScroll(int position);

    // The window the page shows through, in screen pixels.
    platform::Rect PageWindow() const;
    bool ShowsSecondPage() const { return currentPage_ == &secondPage_; }
    controls::VerticalScrollBar& ScrollBar() { return *scrollBar_; }
    controls::CButton& ExitButton() { return *exitButton_; }
    controls::CButtonCheck& PageToggle() { return *pageToggle_; }

  private:
    void Build();
    // Shows the current page moved up by offset pixels inside its window.
    void DrawPageWindow(int offset);
    int WindowHeight() const { return scrollBar_->Bounds().Height(); }
    // Sets the scroll bar's range to the current page, at its top.
    void FitScrollBarToPage();
    // Scrolls as the user would, by pixels (up when negative), within the page.
    void ScrollBy(int pixels);

    platform::Action A_Stop;
    platform::Action A_Autorzy;
    std::unique_ptr<controls::CButton> exitButton_;
    std::unique_ptr<controls::CButtonCheck> pageToggle_;
    media::CTransBitmap aboutPage_;
    media::CTransBitmap secondPage_;
    media::CTransBitmap* currentPage_ = &aboutPage_;
    std::unique_ptr<controls::VerticalScrollBar> scrollBar_;
    int windowLeft_ = 0;
    int windowTop_ = 0;
};

}  // namespace app
