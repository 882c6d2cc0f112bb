// The vehicle the child steers: a small round car seen from above, drawn once facing up and
// turned for each of its sixteen direction frames, and its collision map.

#include <numbers>
#include <stdexcept>
#include <string>

#include "draw_kit.h"
#include "game_pictures.h"

namespace datagen::game {

namespace {

using kit::Box;
using kit::Colour;
using kit::Rgb;

// The car is drawn on a 70 x 70 grid around its centre, facing up. Wheels included it is
// 40 wide and 54 long, so turned by any angle it still fits the square frame.
constexpr double Centre = VehicleSize / 2.0;
constexpr double HalfLength = 27.0;
constexpr double HalfBody = 16.0;
constexpr double HalfTrack = 20.0;

// The same orange-red as the car on the menu and splash pictures.
const Colour Body = Rgb(0xff7043);
const Colour BodyDark = Rgb(0xbf360c);
const Colour Glass = Rgb(0xaee3ff);
const Colour Tyre = Rgb(0x2b2d42);

void BodyPath(cairo_t* cr) {
    kit::RoundedRectPath(cr, {-HalfBody, -HalfLength, 2 * HalfBody, 2 * HalfLength}, 13);
}

void WheelPaths(cairo_t* cr) {
    for (double side : {-1.0, 1.0}) {
        for (double y : {-19.0, 9.0}) {
            const double x = side < 0 ? -HalfTrack : HalfTrack - 7;
            kit::RoundedRectPath(cr, {x, y, 7, 11}, 3);
        }
    }
}

// Everything of the car that can touch something: body and wheels.
void SilhouettePath(cairo_t* cr) {
    BodyPath(cr);
    WheelPaths(cr);
}

void DrawCar(cairo_t* cr) {
    WheelPaths(cr);
    kit::SetSource(cr, Tyre);
    cairo_fill(cr);

    BodyPath(cr);
    // Rounded sides: darker at the edges, a highlight just left of the middle.
    cairo_pattern_t* shine = cairo_pattern_create_linear(-HalfBody, 0, HalfBody, 0);
    const struct {
        double Offset;
        Colour C;
    } stops[] = {{0.0, kit::Darken(Body, 0.15)},
                 {0.35, Body},
                 {0.55, kit::Lighten(Body, 0.3)},
                 {1.0, kit::Darken(Body, 0.2)}};
    for (const auto& stop : stops) {
        cairo_pattern_add_color_stop_rgb(shine, stop.Offset, stop.C.R, stop.C.G, stop.C.B);
    }
    cairo_set_source(cr, shine);
    cairo_fill(cr);
    cairo_pattern_destroy(shine);

    // Details stay on the body, so the outline is the car's edge in every frame.
    cairo_save(cr);
    BodyPath(cr);
    cairo_clip(cr);
    // Windscreen, roof and rear window.
    cairo_move_to(cr, -12, -10);
    cairo_curve_to(cr, -8, -16, 8, -16, 12, -10);
    cairo_line_to(cr, 10, -3);
    cairo_line_to(cr, -10, -3);
    cairo_close_path(cr);
    kit::SetSource(cr, Glass);
    cairo_fill_preserve(cr);
    kit::StrokeWith(cr, BodyDark, 1.2);
    kit::RoundedRectPath(cr, {-10, -1, 20, 13}, 4);
    kit::SetSource(cr, kit::Lighten(Body, 0.25));
    cairo_fill_preserve(cr);
    kit::StrokeWith(cr, BodyDark, 1.0);
    cairo_move_to(cr, -10, 15);
    cairo_line_to(cr, 10, 15);
    cairo_curve_to(cr, 8, 19, -8, 19, -10, 15);
    cairo_close_path(cr);
    kit::SetSource(cr, Glass);
    cairo_fill_preserve(cr);
    kit::StrokeWith(cr, BodyDark, 1.0);

    // A star on the roof, headlights at the front, lamps at the back.
    kit::StarPath(cr, 0, 5.5, 5, 2.2);
    kit::SetSource(cr, Rgb(0xffd60a));
    cairo_fill(cr);
    for (double x : {-6.5, 6.5}) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, x, -21.5, 2.8, 0, 2 * std::numbers::pi);
        kit::SetSource(cr, Rgb(0xfff3a0));
        cairo_fill_preserve(cr);
        kit::StrokeWith(cr, Rgb(0xb08900), 0.8);
    }
    for (double x : {-6.0, 6.0}) {
        kit::RoundedRectPath(cr, {x - 2.5, 21.5, 5, 2.5}, 1);
        kit::SetSource(cr, Rgb(0xffb703));
        cairo_fill(cr);
    }
    cairo_restore(cr);
    BodyPath(cr);
    kit::StrokeWith(cr, BodyDark, 1.8);
}

}  // namespace

Surface DrawVehicleFrame(int n, int layout) {
    const double rotation = VehicleFrameRotation(n);
    const int size = LayoutPixels(VehicleSize, layout);
    return kit::DrawScaled(size, size, static_cast<double>(size) / VehicleSize, [&](cairo_t* cr) {
        cairo_translate(cr, Centre, Centre);
        // The shadow falls the same way in every frame: offset on the screen, not on the car.
        cairo_save(cr);
        cairo_translate(cr, 1.5, 2.0);
        cairo_rotate(cr, rotation);
        SilhouettePath(cr);
        kit::SetSource(cr, Rgb(0x000000, 0.22));
        cairo_fill(cr);
        cairo_restore(cr);
        cairo_rotate(cr, rotation);
        DrawCar(cr);
    });
}

Surface DrawVehicleMap(int layout) {
    const int size = LayoutPixels(VehicleSize, layout);
    return kit::DrawScaled(size, size, static_cast<double>(size) / VehicleSize, [&](cairo_t* cr) {
        cairo_translate(cr, Centre, Centre);
        // The map does not turn with the frames, so it covers the car in every direction: the
        // car never shows over a card or tile it has not touched.
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        for (int n = 0; n < 16; ++n) {
            cairo_save(cr);
            cairo_rotate(cr, VehicleFrameRotation(n));
            SilhouettePath(cr);
            kit::SetSource(cr, Rgb(0x000000));
            cairo_fill(cr);
            // The body's outline and the soft edge pixels lie just outside the shape.
            SilhouettePath(cr);
            cairo_set_line_width(cr, 3.0);
            cairo_stroke(cr);
            cairo_restore(cr);
        }
    });
}

}  // namespace datagen::game
