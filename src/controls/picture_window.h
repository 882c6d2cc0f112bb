#pragma once

#include <memory>
#include <string>

#include "controls/cbutton.h"
#include "platform/action.h"
#include "platform/bitmap.h"
#include "platform/form.h"
#include "platform/geometry.h"
#include "platform/input.h"

namespace controls {

// What the small picture windows share (the message box and the results window): a window
// the size of its background picture with an exit button drawn over it, composed over a
// clean copy of the picture. The exit button and Esc close it.
class PictureWindow : public platform::Form {
  public:
    ~PictureWindow() override;

    void Paint(platform::FormCanvas& canvas) override;
    void OnKeyDown(platform::Key key, char32_t ch) override;

    CButton& ExitButton() { return *exitButton_; }

  protected:
    explicit PictureWindow(const std::string& caption);

    // Reads the JPEG picture named by the program's path literal into both bitmaps and
    // sizes the window to it, keeping its top-left corner. Throws CBlad code 1 with
    // ResourceMissingText when the file does not exist, what the decoder throws when it is
    // broken.
    void LayPicture(const std::string& pathLiteral);
    // The exit button at `at`, in the window's own coordinates (the layout offset does not
    // apply), drawn at once. Throws like CButton.
    void AddExitButton(platform::Point at);

    platform::Action A_Stop;
    platform::Bitmap frame_;  // what the window shows
    platform::Bitmap scene_;  // what the exit button is composed over

  private:
    std::unique_ptr<CButton> exitButton_;
};

}  // namespace controls
