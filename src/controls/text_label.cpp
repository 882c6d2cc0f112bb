#include "controls/text_label.h"

#include <algorithm>
#include <utility>

namespace controls {

TextLabel::TextLabel(platform::Form& parent, std::string text, int cellHeight, bool bold,
                     platform::Color ink)
    : Control(parent), text_(std::move(text)), cellHeight_(cellHeight), ink_(ink) {
    int width = 0;
    int height = 0;
    size_t start = 0;
    while (start <= text_.size()) {
        size_t end = text_.find('\n', start);
        if (end == std::string::npos) {
            end = text_.size();
        }
        std::string line = text_.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        Line rendered{platform::RenderText(line, cellHeight, bold, ink), cellHeight};
        if (!rendered.Image.Colour.Empty()) {
            rendered.Height = rendered.Image.Colour.Height();
        }
        width = std::max(width, rendered.Image.Colour.Width());
        height += rendered.Height;
        lines_.push_back(std::move(rendered));
        start = end + 1;
    }
    SetBounds(platform::Rect::FromSize(0, 0, width, height));
}

void TextLabel::MoveTo(int left, int top) {
    if (left != Bounds().Left || top != Bounds().Top) {
        SetBounds(platform::Rect::FromSize(left, top, Bounds().Width(), Bounds().Height()));
    }
}

void TextLabel::Paint(platform::FormCanvas& canvas) {
    int y = Bounds().Top;
    for (const Line& line : lines_) {
        const platform::Bitmap& colour = line.Image.Colour;
        if (!colour.Empty()) {
            const int x = Bounds().Left + (Bounds().Width() - colour.Width()) / 2;
            canvas.DrawMasked(x, y, colour, line.Image.Mask);
        }
        y += line.Height;
    }
}

}  // namespace controls
