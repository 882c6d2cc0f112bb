// Form backgrounds and the splash. Each full-screen background keeps the places where its
// form puts controls calm (a translucent card behind them) and puts the scenery and the
// form's heading where nothing else goes. Drawn in design units, scaled to the layout.

#include <numbers>
#include <stdexcept>
#include <string>

#include "catalog/switch_lamps.h"
#include "draw_kit.h"
#include "interface_pictures.h"
#include "scenery.h"

using namespace catalog;

namespace datagen {

namespace {

using kit::Box;
using kit::Rgb;

const kit::Colour HeadingBlue = Rgb(0x1565C0);

// Design pixels of the full layout.
constexpr Box Screen{0.0, 0.0, 1280.0, 960.0};

// Two big round switches on their bases, as the options form sets them up.
void Switch(cairo_t* cr, double cx, double cy, double r, uint32_t colour) {
    const double pi = std::numbers::pi;
    kit::SoftShadow(
        cr, [&](cairo_t* c) { cairo_arc(c, cx, cy + r * 0.22, r * 1.12, 0.0, 2.0 * pi); }, 0.0,
        r * 0.08, r * 0.12, Rgb(0x1B5E20, 0.35));
    cairo_arc(cr, cx, cy + r * 0.18, r * 1.12, 0.0, 2.0 * pi);
    kit::SetSource(cr, Rgb(0x546E7A));
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r, 0.0, 2.0 * pi);
    const kit::Colour base = Rgb(colour);
    kit::FillRadial(cr, kit::Lighten(base, 0.45), base, cx - r * 0.35, cy - r * 0.35, r * 1.4);
    cairo_arc(cr, cx, cy, r, 0.0, 2.0 * pi);
    kit::StrokeWith(cr, kit::Darken(base, 0.3), r * 0.05);
}

void MenuBackground(cairo_t* cr) {
    scenery::Sky(cr, Screen);
    scenery::Sun(cr, 1185.0, 100.0, 55.0);
    scenery::Cloud(cr, {850.0, 70.0, 220.0, 100.0});
    scenery::Cloud(cr, {930.0, 300.0, 170.0, 75.0});
    scenery::Hills(cr, Screen, 0.76);
    // Labels, levels, quantities and sound groups lie within x 76...760, y 183...775.
    scenery::Card(cr, {50.0, 160.0, 740.0, 640.0}, 36.0);
    scenery::Heading(cr, "Vimbaro", 96.0, 420.0, 22.0, true, HeadingBlue);
    scenery::Car(cr, {880.0, 785.0, 210.0, 110.0});
}

void OptionsBackground(cairo_t* cr) {
    scenery::Sky(cr, Screen);
    scenery::Sun(cr, 95.0, 95.0, 50.0);
    scenery::Cloud(cr, {880.0, 18.0, 200.0, 90.0});
    scenery::Hills(cr, Screen, 0.76);
    // The scanning controls and the slider lie within x 505...1135, y 150...690.
    scenery::Card(cr, {480.0, 125.0, 670.0, 590.0}, 36.0);
    scenery::Heading(cr, "Opcje", 80.0, 70.0, 170.0, false, HeadingBlue);
    for (const SwitchLamp& lamp : {SelectSwitchLamp, StepSwitchLamp}) {
        Switch(cr, lamp.CentreX, lamp.CentreY, lamp.Radius, lamp.Colour);
    }
}

void AboutBackground(cairo_t* cr) {
    scenery::Sky(cr, Screen);
    scenery::Sun(cr, 90.0, 90.0, 50.0);
    scenery::Cloud(cr, {240.0, 330.0, 200.0, 90.0});
    scenery::Hills(cr, Screen, 0.76);
    // The page toggle covers x 520...1140, y 50...820.
    scenery::Heading(cr, "Informacje", 60.0, 60.0, 160.0, false, HeadingBlue);
    scenery::Car(cr, {110.0, 775.0, 230.0, 120.0});
}

// A plain panel for the small rounded windows; the window's own corners cut it.
void Panel(cairo_t* cr, Box box, double radius, uint32_t top, uint32_t bottom, uint32_t border) {
    cairo_rectangle(cr, box.X, box.Y, box.W, box.H);
    kit::FillVertical(cr, Rgb(top), Rgb(bottom), box.Y, box.Bottom());
    kit::RoundedRectPath(cr, box.Inset(4.0), radius);
    kit::StrokeWith(cr, Rgb(border), 5.0);
}

// The message form: one line of text centred a quarter of the way down, exit button at
// (560, 280); the lower left gets a friendly sign.
void MessageBackground(cairo_t* cr) {
    const Box box{0.0, 0.0, 720.0, 420.0};
    Panel(cr, box, 11.0, 0xFFFDF5, 0xFFEFC2, 0xFFB300);
    const double pi = std::numbers::pi;
    const double cx = 105.0;
    const double cy = 330.0;
    cairo_move_to(cr, cx - 20.0, cy + 40.0);
    cairo_line_to(cr, cx - 48.0, cy + 68.0);
    cairo_line_to(cr, cx + 5.0, cy + 44.0);
    cairo_close_path(cr);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, 48.0, 0.0, 2.0 * pi);
    kit::SetSource(cr, Rgb(0xFFB300));
    cairo_fill(cr);
    kit::DrawTextCentred(cr, "!", {64.0, true, false}, Rgb(0xFFFFFF),
                         {cx - 40.0, cy - 40.0, 80.0, 80.0});
}

// The results form: four lines of figures from y 100 on the left, exit button at (50, 300).
void ResultsBackground(cairo_t* cr) {
    const Box box{0.0, 0.0, 480.0, 440.0};
    Panel(cr, box, 9.0, 0xF1F8FF, 0xCFE6FB, 0x1E88E5);
    kit::DrawTextCentred(cr, "Wyniki", {42.0, true, false}, HeadingBlue,
                         {120.0, 22.0, 240.0, 60.0});
    kit::StarPath(cr, 392.0, 352.0, 62.0, 27.0);
    kit::FillRadial(cr, Rgb(0xFFF59D), Rgb(0xFFB300), 380.0, 340.0, 70.0);
    kit::StarPath(cr, 392.0, 352.0, 62.0, 27.0);
    kit::StrokeWith(cr, Rgb(0xF57F17), 4.0);
    kit::StarPath(cr, 322.0, 312.0, 16.0, 7.0);
    kit::SetSource(cr, Rgb(0xFFCA28));
    cairo_fill(cr);
}

}  // namespace

Surface DrawFormBackground(std::string_view form, int layout) {
    const PixelSize size = FormBackgroundSize(form, layout);
    return kit::DrawScaled(size.Width, size.Height, LayoutScale(layout), [&](cairo_t* cr) {
        if (form == "T") {
            MenuBackground(cr);
        } else if (form == "op") {
            OptionsBackground(cr);
        } else if (form == "ab") {
            AboutBackground(cr);
        } else if (form == "kom") {
            MessageBackground(cr);
        } else if (form == "wyn") {
            ResultsBackground(cr);
        } else {
            throw std::runtime_error("no drawing for form background \"" + std::string(form) +
                                     "\"");
        }
    });
}

Surface DrawSplash() {
    const PixelSize size = SplashSize();
    Surface surface(size.Width, size.Height);
    const Painter painter(surface);
    cairo_t* cr = *painter;
    const Box box{0.0, 0.0, static_cast<double>(size.Width), static_cast<double>(size.Height)};
    scenery::Sky(cr, box);
    scenery::Sun(cr, 515.0, 70.0, 38.0);
    scenery::Cloud(cr, {40.0, 34.0, 140.0, 62.0});
    scenery::Hills(cr, box, 0.70);
    scenery::Heading(cr, "Vimbaro", 100.0, box.CentreX(), 92.0, true, HeadingBlue);
    kit::DrawTextCentred(cr, "ćwiczymy głoski l, r i j", {28.0, true, false}, Rgb(0x0D47A1),
                         {150.0, 222.0, 300.0, 40.0});
    scenery::Car(cr, {235.0, 285.0, 150.0, 80.0});
    return surface;
}

}  // namespace datagen
