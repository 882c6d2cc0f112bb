#pragma once

#include <memory>
#include <string>

#include "controls/cbutton.h"
#include "platform/action.h"
#include "platform/bitmap.h"
#include "platform/form.h"
#include "platform/geometry.h"
#include "platform/input.h"

namespace app {

// The Polish names in this file are explained in docs/glossary.md.

// The program's message box: a rounded window with its own background picture, the message
// in large bold letters centred a quarter of the way down, and an exit button. Shown
// modally; the exit button and Esc close it.
class TfmKom : public platform::Form {
  public:
    // Centred on owner, else on the application's main form, else on the screen. Throws
    // CBlad code 1 with ResourceMissingText when a picture is missing or unreadable;
    // nothing of the form is left then.
    TfmKom(platform::Form* owner, const std::string& text);
    ~TfmKom() override;

    void Paint(platform::FormCanvas& canvas) override;
    void OnShow() override;
    void OnKeyDown(platform::Key key, char32_t ch) override;

    // Where the message stands, in the form's coordinates.
    platform::Rect MessageBounds() const;
    const std::string& Message() const { return text_; }
    controls::CButton& ExitButton() { return *exitButton_; }

  private:
    class MessageLabel;

    void Build(platform::Form* owner);
    void PlaceLabel();

    std::string text_;
    platform::Action A_Stop;
    platform::Bitmap frame_;  // what the form shows
    platform::Bitmap scene_;  // what the exit button is composed over
    std::unique_ptr<MessageLabel> PKomunikat;
    std::unique_ptr<controls::CButton> exitButton_;
};

// Makes CBlad::Show report through the message form: created with the error's text, shown
// modally and freed when it closes. Call once the screen layout is fixed.
void InstallMessageForm();

}  // namespace app
