#include "platform/label.h"

#include "platform/form.h"

namespace platform {

void Label::SetText(const std::string& text) {
    text_ = text;
    Rebuild();
}

void Label::SetFont(int cellHeight, bool bold) {
    cellHeight_ = cellHeight;
    bold_ = bold;
    Rebuild();
}

void Label::SetColour(Color c) {
    colour_ = c;
    Rebuild();
}

void Label::MoveTo(int left, int top) {
    SetBounds(Rect::FromSize(left, top, image_.Colour.Width(), image_.Colour.Height()));
}

void Label::Rebuild() {
    image_ = RenderText(text_, cellHeight_, bold_, colour_);
    SetBounds(
        Rect::FromSize(Bounds().Left, Bounds().Top, image_.Colour.Width(), image_.Colour.Height()));
}

void Label::Paint(FormCanvas& canvas) {
    if (!image_.Colour.Empty()) {
        canvas.DrawMasked(Bounds().Left, Bounds().Top, image_.Colour, image_.Mask);
    }
}

}  // namespace platform
