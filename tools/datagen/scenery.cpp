#include "scenery.h"

#include <numbers>

namespace datagen::scenery {

using kit::Box;
using kit::Rgb;

namespace {

constexpr double Pi = std::numbers::pi;

void HillPath(cairo_t* cr, Box box, double left, double middle, double right) {
    cairo_move_to(cr, box.X, box.Y + left * box.H);
    cairo_curve_to(cr, box.X + box.W * 0.30, box.Y + (middle - 0.06) * box.H, box.X + box.W * 0.65,
                   box.Y + (middle + 0.02) * box.H, box.Right(), box.Y + right * box.H);
    cairo_line_to(cr, box.Right(), box.Bottom());
    cairo_line_to(cr, box.X, box.Bottom());
    cairo_close_path(cr);
}

void Wheel(cairo_t* cr, double cx, double cy, double r) {
    cairo_arc(cr, cx, cy, r, 0.0, 2.0 * Pi);
    kit::SetSource(cr, Rgb(0x37474F));
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r * 0.45, 0.0, 2.0 * Pi);
    kit::SetSource(cr, Rgb(0xCFD8DC));
    cairo_fill(cr);
}

}  // namespace

void Sky(cairo_t* cr, Box box) {
    cairo_rectangle(cr, box.X, box.Y, box.W, box.H);
    kit::FillVertical(cr, Rgb(0x8FD0F4), Rgb(0xE8F7FF), box.Y, box.Bottom());
}

void Hills(cairo_t* cr, Box box, double horizon) {
    HillPath(cr, box, horizon + 0.03, horizon, horizon - 0.02);
    kit::FillVertical(cr, Rgb(0xC5E8A5), Rgb(0xA5D884), box.Y + horizon * box.H, box.Bottom());
    const double near = horizon + (1.0 - horizon) * 0.45;
    HillPath(cr, box, near - 0.02, near + 0.03, near + 0.05);
    kit::FillVertical(cr, Rgb(0x95D174), Rgb(0x6DB653), box.Y + near * box.H, box.Bottom());
}

void Sun(cairo_t* cr, double cx, double cy, double radius) {
    cairo_arc(cr, cx, cy, radius * 1.9, 0.0, 2.0 * Pi);
    kit::FillRadial(cr, Rgb(0xFFF59D, 0.7), Rgb(0xFFF59D, 0.0), cx, cy, radius * 1.9);
    cairo_arc(cr, cx, cy, radius, 0.0, 2.0 * Pi);
    kit::FillRadial(cr, Rgb(0xFFF176), Rgb(0xFFCA28), cx - radius * 0.3, cy - radius * 0.3,
                    radius * 1.3);
}

void Cloud(cairo_t* cr, Box box) {
    kit::SoftShadow(
        cr, [&](cairo_t* c) { kit::CloudPath(c, box); }, 0.0, box.H * 0.06, box.H * 0.08,
        Rgb(0x5C8DB8, 0.18));
    kit::CloudPath(cr, box);
    kit::SetSource(cr, Rgb(0xFFFFFF, 0.95));
    cairo_fill(cr);
}

void Car(cairo_t* cr, Box b) {
    const double w = b.W;
    const double h = b.H;
    kit::SoftShadow(
        cr,
        [&](cairo_t* c) {
            cairo_save(c);
            cairo_translate(c, b.X + w * 0.5, b.Y + h * 0.93);
            cairo_scale(c, w * 0.45, h * 0.06);
            cairo_arc(c, 0.0, 0.0, 1.0, 0.0, 2.0 * Pi);
            cairo_restore(c);
        },
        0.0, 0.0, h * 0.06, Rgb(0x1B5E20, 0.35));
    // Cabin, then the body over its lower edge, then windows, wheels and a lamp.
    const Box cabin{b.X + w * 0.22, b.Y + h * 0.05, w * 0.46, h * 0.45};
    kit::RoundedRectPath(cr, cabin, h * 0.14);
    kit::FillVertical(cr, Rgb(0xFF8A65), Rgb(0xF4511E), cabin.Y, cabin.Bottom());
    const Box window{cabin.X + w * 0.05, cabin.Y + h * 0.08, cabin.W - w * 0.10, h * 0.26};
    kit::RoundedRectPath(cr, {window.X, window.Y, window.W * 0.46, window.H}, h * 0.06);
    kit::RoundedRectPath(cr, {window.X + window.W * 0.54, window.Y, window.W * 0.46, window.H},
                         h * 0.06);
    kit::FillVertical(cr, Rgb(0xE1F5FE), Rgb(0x81D4FA), window.Y, window.Bottom());
    const Box body{b.X + w * 0.02, b.Y + h * 0.40, w * 0.96, h * 0.38};
    kit::RoundedRectPath(cr, body, h * 0.16);
    kit::FillVertical(cr, Rgb(0xFF7043), Rgb(0xE64A19), body.Y, body.Bottom());
    kit::RoundedRectPath(cr, body, h * 0.16);
    kit::StrokeWith(cr, Rgb(0xBF360C), h * 0.025);
    kit::RoundedRectPath(cr, {body.Right() - w * 0.09, body.Y + h * 0.08, w * 0.06, h * 0.09},
                         h * 0.03);
    kit::SetSource(cr, Rgb(0xFFF59D));
    cairo_fill(cr);
    Wheel(cr, b.X + w * 0.25, b.Y + h * 0.78, h * 0.17);
    Wheel(cr, b.X + w * 0.75, b.Y + h * 0.78, h * 0.17);
}

void Card(cairo_t* cr, Box box, double radius) {
    kit::RoundedRectPath(cr, box, radius);
    kit::SetSource(cr, Rgb(0xFFFFFF, 0.55));
    cairo_fill(cr);
    kit::RoundedRectPath(cr, box, radius);
    kit::StrokeWith(cr, Rgb(0xFFFFFF, 0.9), radius * 0.08);
}

void Heading(cairo_t* cr, std::string_view text, double size, double x, double y, bool centred,
             kit::Colour colour) {
    const kit::TextLayout layout(cr, text, {size, true, false});
    const double left = centred ? x - layout.Width() / 2.0 : x;
    kit::SoftShadow(
        cr, [&](cairo_t* c) { layout.AddPath(c, left, y); }, 0.0, size * 0.05, size * 0.08,
        Rgb(0x0D47A1, 0.35));
    layout.DrawWithHalo(cr, left, y, colour, Rgb(0xFFFFFF, 0.95), size * 0.16);
}

}  // namespace datagen::scenery
