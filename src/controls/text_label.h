#pragma once

#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/control.h"
#include "platform/form.h"
#include "platform/text.h"

namespace controls {

// A transparent label that sizes itself to its text and paints it over whatever the form
// shows beneath. Text with line breaks makes several lines, each centred within the label.
class TextLabel : public platform::Control {
  public:
    TextLabel(platform::Form& parent, std::string text, int cellHeight, bool bold,
              platform::Color ink);

    void MoveTo(int left, int top);
    void Paint(platform::FormCanvas& canvas) override;

    const std::string& Text() const { return text_; }
    int CellHeight() const { return cellHeight_; }
    platform::Color Ink() const { return ink_; }

  private:
    struct Line {
        platform::TextImage Image;
        int Height = 0;
    };

    std::string text_;
    int cellHeight_;
    platform::Color ink_;
    std::vector<Line> lines_;
};

}  // namespace controls
