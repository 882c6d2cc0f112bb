#pragma once

#include <memory>
#include <string>

#include "controls/picture_window.h"
#include "controls/text_label.h"
#include "platform/form.h"
#include "platform/geometry.h"

namespace app {

// The Polish names in this file are explained in docs/glossary.md.

// The program's message box: a rounded window with its own background picture, the message
// in large bold letters centred a quarter of the way down, and an exit button. Shown
// modally; the exit button and Esc close it.
class TfmKom : public controls::PictureWindow {
  public:
    // Centred on owner, else on the application's main form, else on the screen. Throws
    // CBlad code 1 with ResourceMissingText when a picture is missing or unreadable;
    // nothing of the form is left then.
    TfmKom(platform::Form* owner, const std::string& text);
    ~TfmKom() override;

    void Paint(platform::FormCanvas& canvas) override;
    void OnShow() override;

    // Where the message stands, in the form's coordinates.
    platform::Rect MessageBounds() const;
    const std::string& Message() const { return text_; }

  private:
    void Build(platform::Form* owner);
    void PlaceLabel();

    std::string text_;
    std::unique_ptr<controls::TextLabel> PKomunikat;
};

// Makes CBlad::Show report through the message form: created with the error's text, shown
// modally and freed when it closes. Call once the screen layout is fixed.
void InstallMessageForm();

}  // namespace app
