#pragma once

#include <string>

#include "platform/control.h"
#include "platform/text.h"

namespace platform {

// A transparent, automatically sized line of text painted on its form.
class Label : public Control {
  public:
    explicit Label(Form& parent) : Control(parent) {}
    void SetText(const std::string& text);
    const std::string& Text() const { return text_; }
    // The character cell height in pixels.
    void SetFont(int cellHeight, bool bold);
    void SetColour(Color c);
    // Moves the label keeping its automatic size.
    void MoveTo(int left, int top);
    int Width() const { return Bounds().Width(); }
    int Height() const { return Bounds().Height(); }

    void Paint(FormCanvas& canvas) override;

  private:
    void Rebuild();

    std::string text_;
    int cellHeight_ = 16;
    bool bold_ = false;
    Color colour_{0, 0, 0};
    TextImage image_;
};

}  // namespace platform
