// The exercise backgrounds (meadow, sky, sea) with the score box, the bar pieces tiles stand
// on, and the framed instruction pictures.

#include <cmath>
#include <cstdint>
#include <functional>
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

constexpr double Pi = std::numbers::pi;
constexpr double DesignWidth = 1280.0;
constexpr double DesignHeight = 960.0;

// A fixed sequence of numbers in [0, 1) for scattering flowers and waves: the same picture on
// every run and every machine.
class Scatter {
  public:
    explicit Scatter(uint32_t seed) : state_(seed) {}
    double Next() {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 24);
    }
    double Between(double lo, double hi) { return lo + (hi - lo) * Next(); }

  private:
    uint32_t state_;
};

void Circle(cairo_t* cr, double x, double y, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * Pi);
}

void FillColour(cairo_t* cr, Colour c) {
    kit::SetSource(cr, c);
    cairo_fill(cr);
}

// A band from a wavy top edge down to the bottom of the picture.
void HillPath(cairo_t* cr, double y, double amplitude, double waves, double phase) {
    cairo_new_sub_path(cr);
    cairo_move_to(cr, 0, DesignHeight);
    for (int x = 0; x <= static_cast<int>(DesignWidth); x += 16) {
        const double t = x / DesignWidth;
        cairo_line_to(cr, x, y + amplitude * std::sin(2 * Pi * waves * t + phase));
    }
    cairo_line_to(cr, DesignWidth, DesignHeight);
    cairo_close_path(cr);
}

void Sky(cairo_t* cr, Colour top, Colour bottom, double height) {
    cairo_rectangle(cr, 0, 0, DesignWidth, height);
    kit::FillVertical(cr, top, bottom, 0, height);
}

void Sun(cairo_t* cr, double x, double y, double r) {
    Circle(cr, x, y, r * 1.8);
    kit::FillRadial(cr, Rgb(0xfff3b0, 0.55), Rgb(0xfff3b0, 0.0), x, y, r * 1.8);
    Circle(cr, x, y, r);
    kit::FillRadial(cr, Rgb(0xfffbe0), Rgb(0xffd966), x - r * 0.3, y - r * 0.3, r * 1.3);
}

void Cloud(cairo_t* cr, Box box, double alpha) {
    kit::CloudPath(cr, box);
    // A flat base joins the puffs into one cloud.
    kit::RoundedRectPath(cr, {box.X + 0.14 * box.W, box.Y + 0.5 * box.H, 0.72 * box.W, 0.4 * box.H},
                         0.2 * box.H);
    kit::FillVertical(cr, Rgb(0xffffff, alpha), Rgb(0xf1f7fb, alpha), box.Y, box.Bottom());
}

void Flower(cairo_t* cr, double x, double y, double r, Colour petals) {
    for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * Pi / 5 - Pi / 2;
        Circle(cr, x + r * std::cos(a), y + r * std::sin(a), r * 0.75);
    }
    FillColour(cr, petals);
    Circle(cr, x, y, r * 0.55);
    FillColour(cr, Rgb(0xffc93c));
}

// The controls stand on a soft light strip at the right, and the score digits in a box
// centred where the score is drawn.
void ControlStrip(cairo_t* cr, Colour accent) {
    kit::RoundedRectPath(cr, {1140, 30, 180, 900}, 36);
    FillColour(cr, Rgb(0xffffff, 0.22));
    const Box box{ScoreBoxCentreX - ScoreBoxSize / 2, ScoreBoxCentreY - ScoreBoxSize / 2,
                  ScoreBoxSize, ScoreBoxSize};
    kit::SoftShadow(
        cr, [&](cairo_t* c) { kit::RoundedRectPath(c, box, 20); }, 2, 4, 8, Rgb(0x000000, 0.25));
    kit::RoundedRectPath(cr, box, 20);
    kit::FillVertical(cr, Rgb(0xffffff, 0.95), Rgb(0xf4f8ff, 0.95), box.Y, box.Bottom());
    kit::RoundedRectPath(cr, box.Inset(2.5), 18);
    kit::StrokeWith(cr, accent, 5);
    kit::RoundedRectPath(cr, box.Inset(9), 13);
    kit::StrokeWith(cr, kit::WithAlpha(accent, 0.35), 1.5);
}

void Meadow(cairo_t* cr) {
    Sky(cr, Rgb(0xa9dcf7), Rgb(0xe8f7ff), 460);
    Sun(cr, 120, 100, 52);
    Cloud(cr, {330, 60, 210, 90}, 0.95);
    Cloud(cr, {720, 140, 170, 72}, 0.9);
    Cloud(cr, {960, 40, 140, 60}, 0.85);
    HillPath(cr, 400, 26, 1.3, 0.4);
    kit::FillVertical(cr, Rgb(0xcdebb0), Rgb(0xb8e09a), 370, 600);
    HillPath(cr, 530, 30, 0.9, 2.1);
    kit::FillVertical(cr, Rgb(0xb2df92), Rgb(0x9dd47f), 500, 760);
    HillPath(cr, 720, 20, 1.6, 1.0);
    kit::FillVertical(cr, Rgb(0x97d17a), Rgb(0x7fc266), 700, DesignHeight);
    Scatter scatter(7);
    const Colour petals[] = {Rgb(0xffffff, 0.9), Rgb(0xffafcc, 0.9), Rgb(0xcdb4db, 0.9)};
    for (int i = 0; i < 28; ++i) {
        const double x = scatter.Between(20, 1120);
        const double y = scatter.Between(590, 940);
        const double r = 4.5 + 3.0 * (y - 590) / 350;
        Flower(cr, x, y, r, petals[i % 3]);
    }
    ControlStrip(cr, Rgb(0x55a630));
}

void SkyScene(cairo_t* cr) {
    Sky(cr, Rgb(0x7ec8ec), Rgb(0xdcf2fb), DesignHeight);
    // A faint rainbow low on the left.
    const Colour bands[] = {Rgb(0xff595e), Rgb(0xffca3a), Rgb(0x8ac926), Rgb(0x1982c4),
                            Rgb(0x6a4c93)};
    for (int i = 0; i < 5; ++i) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, 300, 1010, 560 - i * 18, Pi, 2 * Pi);
        kit::StrokeWith(cr, kit::WithAlpha(bands[i], 0.22), 18);
    }
    const Box clouds[] = {{110, 90, 230, 100}, {520, 50, 180, 80},   {820, 170, 230, 96},
                          {290, 330, 200, 84}, {660, 420, 250, 104}, {960, 300, 150, 66},
                          {80, 560, 170, 72}};
    for (const Box& box : clouds) {
        Cloud(cr, box, 0.88);
    }
    // Birds far away.
    const double birds[][2] = {{560, 250}, {600, 232}, {632, 262}};
    for (const auto& b : birds) {
        cairo_move_to(cr, b[0] - 10, b[1] - 4);
        cairo_curve_to(cr, b[0] - 6, b[1] - 8, b[0] - 2, b[1] - 6, b[0], b[1]);
        cairo_curve_to(cr, b[0] + 2, b[1] - 6, b[0] + 6, b[1] - 8, b[0] + 10, b[1] - 4);
        kit::StrokeWith(cr, Rgb(0x3d5a80, 0.6), 2.5);
    }
    // A small balloon.
    const double bx = 1010, by = 610;
    cairo_move_to(cr, bx - 14, by + 30);
    cairo_line_to(cr, bx - 8, by + 52);
    cairo_move_to(cr, bx + 14, by + 30);
    cairo_line_to(cr, bx + 8, by + 52);
    kit::StrokeWith(cr, Rgb(0x7f5539, 0.8), 1.5);
    kit::RoundedRectPath(cr, {bx - 9, by + 50, 18, 13}, 3);
    FillColour(cr, Rgb(0xb07d4f));
    cairo_new_sub_path(cr);
    cairo_arc(cr, bx, by, 34, Pi * 0.85, Pi * 2.15);
    cairo_curve_to(cr, bx + 30, by + 22, bx + 16, by + 30, bx, by + 34);
    cairo_curve_to(cr, bx - 16, by + 30, bx - 30, by + 22, bx - 31, by + 17);
    cairo_close_path(cr);
    kit::FillRadial(cr, Rgb(0xffd6a5), Rgb(0xf77f00), bx - 10, by - 12, 52);
    // A soft bank of clouds along the bottom keeps the bar and the instruction picture clear.
    cairo_rectangle(cr, 0, 910, DesignWidth, 50);
    FillColour(cr, Rgb(0xf7fbfd));
    for (int i = 0; i < 9; ++i) {
        Cloud(cr, {-60.0 + i * 150, 840.0 + (i % 2) * 18, 230, 120}, 0.95);
    }
    ControlStrip(cr, Rgb(0x1982c4));
}

void Sea(cairo_t* cr) {
    constexpr double horizon = 330;
    Sky(cr, Rgb(0xbfe8fb), Rgb(0xeef9ff), horizon);
    Sun(cr, 1030, 92, 48);
    Cloud(cr, {180, 70, 190, 80}, 0.9);
    Cloud(cr, {620, 120, 160, 66}, 0.85);
    cairo_rectangle(cr, 0, horizon, DesignWidth, DesignHeight - horizon);
    kit::FillVertical(cr, Rgb(0x9ad8f0), Rgb(0x4aa3cf), horizon, 840);
    // Gentle waves, staggered row by row.
    Scatter scatter(11);
    for (double y = horizon + 40; y < 800; y += 52) {
        const double width = 30 + (y - horizon) * 0.08;
        for (double x = scatter.Between(0, 120); x < DesignWidth; x += scatter.Between(150, 260)) {
            cairo_move_to(cr, x, y);
            cairo_curve_to(cr, x + width * 0.25, y - width * 0.18, x + width * 0.75,
                           y - width * 0.18, x + width, y);
            kit::StrokeWith(cr, Rgb(0xffffff, 0.35), 3);
        }
    }
    // A small sailing boat on the horizon.
    const double sx = 430, sy = horizon - 4;
    cairo_move_to(cr, sx - 26, sy);
    cairo_line_to(cr, sx + 26, sy);
    cairo_line_to(cr, sx + 18, sy + 10);
    cairo_line_to(cr, sx - 18, sy + 10);
    cairo_close_path(cr);
    FillColour(cr, Rgb(0xb5651d));
    cairo_move_to(cr, sx + 2, sy - 4);
    cairo_line_to(cr, sx + 2, sy - 46);
    cairo_line_to(cr, sx + 24, sy - 6);
    cairo_close_path(cr);
    FillColour(cr, Rgb(0xffffff));
    cairo_move_to(cr, sx - 2, sy - 6);
    cairo_line_to(cr, sx - 2, sy - 38);
    cairo_line_to(cr, sx - 20, sy - 6);
    cairo_close_path(cr);
    FillColour(cr, Rgb(0xff8fab));
    // The beach, with foam along the water line.
    HillPath(cr, 830, 14, 2.2, 0.7);
    kit::FillVertical(cr, Rgb(0xf8e9c4), Rgb(0xeed29a), 810, DesignHeight);
    cairo_new_path(cr);
    for (int x = 0; x <= static_cast<int>(DesignWidth); x += 16) {
        const double t = x / DesignWidth;
        cairo_line_to(cr, x, 830 + 14 * std::sin(2 * Pi * 2.2 * t + 0.7) - 3);
    }
    kit::StrokeWith(cr, Rgb(0xffffff, 0.75), 6);
    const double stars[][2] = {{560, 915}, {760, 888}, {960, 925}};
    for (const auto& s : stars) {
        kit::StarPath(cr, s[0], s[1], 13, 6);
        FillColour(cr, Rgb(0xf28482, 0.85));
    }
    ControlStrip(cr, Rgb(0x0077b6));
}

// Bar pieces are drawn 130 px high; bands run the whole width so pieces join seamlessly.
void TrackBands(cairo_t* cr, double width) {
    cairo_rectangle(cr, 0, 0, width, 12);
    kit::FillVertical(cr, Rgb(0xf8d29a), Rgb(0xeab06a), 0, 12);
    cairo_rectangle(cr, 0, 12, width, 106);
    kit::FillVertical(cr, Rgb(0xcf9256), Rgb(0xbd7b40), 12, 118);
    cairo_rectangle(cr, 0, 12, width, 4);
    FillColour(cr, Rgb(0x6b3e16, 0.25));
    for (double y : {34.0, 57.0, 81.0, 102.0}) {
        cairo_rectangle(cr, 0, y, width, 1.5);
        FillColour(cr, Rgb(0x8a5a2b, 0.18));
    }
    cairo_rectangle(cr, 0, 118, width, 12);
    kit::FillVertical(cr, Rgb(0xeab06a), Rgb(0xc8863f), 118, 130);
    cairo_rectangle(cr, 0, 0, width, 1.5);
    cairo_rectangle(cr, 0, 128.5, width, 1.5);
    FillColour(cr, Rgb(0x7a4a1c));
}

Surface TrackPiece(int width, bool roundLeft, bool roundRight, int layout) {
    return kit::DrawScaled(
        LayoutPixels(width, layout), LayoutPixels(TrackHeight, layout), LayoutScale(layout),
        [&](cairo_t* cr) {
            if (roundLeft || roundRight) {
                // The end cap: rounded on its outer side only.
                const double x = roundLeft ? 0 : -30;
                kit::RoundedRectPath(cr, {x, 0, width + 30.0, TrackHeight}, 20);
                cairo_clip(cr);
            }
            TrackBands(cr, width);
            if (roundLeft || roundRight) {
                const double x = roundLeft ? 0 : -30;
                kit::RoundedRectPath(cr, {x + 0.75, 0.75, width + 28.5, TrackHeight - 1.5}, 19.5);
                kit::StrokeWith(cr, Rgb(0x7a4a1c), 1.5);
                // A bright knob on each end.
                const double cx = roundLeft ? width * 0.55 : width * 0.45;
                Circle(cr, cx, TrackHeight / 2.0, 9);
                kit::FillRadial(cr, Rgb(0xffb4a2), Rgb(0xe63946), cx - 3, TrackHeight / 2.0 - 3,
                                12);
                Circle(cr, cx, TrackHeight / 2.0, 9);
                kit::StrokeWith(cr, Rgb(0x7a1f25), 1.5);
            }
        });
}

// The picture is drawn on a 132 x 132 grid and fitted to its size.
Surface FramedCanvas(int layout, const std::function<void(cairo_t*)>& draw) {
    const int size = LayoutPixels(FrameSize, layout);
    return kit::DrawScaled(size, size, static_cast<double>(size) / FrameSize, draw);
}

void Ear(cairo_t* cr) {
    Circle(cr, 66, 66, 62);
    kit::FillRadial(cr, Rgb(0xfffbe8), Rgb(0xffe29a), 56, 50, 80);
    Circle(cr, 66, 66, 62);
    kit::StrokeWith(cr, Rgb(0xe09f3e), 3);
    // Sound reaching the ear.
    for (double r : {14.0, 25.0, 36.0}) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, 50, 70, r, Pi * 0.78, Pi * 1.22);
        kit::StrokeWith(cr, Rgb(0x3a86ff), 4.5);
    }
    const auto outline = [](cairo_t* c) {
        cairo_move_to(c, 56, 46);
        cairo_curve_to(c, 54, 18, 100, 12, 104, 48);
        cairo_curve_to(c, 107, 72, 88, 78, 86, 94);
        cairo_curve_to(c, 84, 112, 64, 120, 58, 104);
        cairo_curve_to(c, 55, 96, 62, 90, 64, 84);
        cairo_curve_to(c, 66, 74, 57, 64, 56, 46);
        cairo_close_path(c);
    };
    outline(cr);
    kit::FillRadial(cr, Rgb(0xffd9b8), Rgb(0xf2a97c), 76, 50, 60);
    outline(cr);
    kit::StrokeWith(cr, Rgb(0xa65a2e), 3.5);
    cairo_move_to(cr, 66, 52);
    cairo_curve_to(cr, 68, 34, 93, 34, 92, 56);
    cairo_curve_to(cr, 90, 70, 76, 70, 76, 84);
    kit::StrokeWith(cr, Rgb(0xc27445), 3);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 75, 66, 5, 0, 2 * Pi);
    FillColour(cr, Rgb(0xc27445, 0.45));
}

void ThoughtCloud(cairo_t* cr) {
    struct Puff {
        double X, Y, R;
    };
    constexpr Puff puffs[] = {{34, 24, 20},  {66, 19, 19}, {98, 24, 20}, {112, 56, 18},
                              {102, 90, 20}, {66, 98, 20}, {32, 90, 20}, {19, 56, 18}};
    const auto shape = [&](cairo_t* c) {
        kit::RoundedRectPath(c, {14, 12, 104, 92}, 34);
        for (const Puff& p : puffs) {
            Circle(c, p.X, p.Y, p.R);
        }
        Circle(c, 17, 118, 7);
        Circle(c, 6, 128, 4);
    };
    // Stroke the whole outline, then fill over it: only the outer edge stays outlined.
    shape(cr);
    kit::StrokeWith(cr, Rgb(0x5f8fb3), 6);
    shape(cr);
    kit::FillVertical(cr, Rgb(0xffffff), Rgb(0xe7f2fb), 0, FrameSize);
    for (double x : {46.0, 66.0, 86.0}) {
        Circle(cr, x, 60, 6);
        FillColour(cr, Rgb(0x9db7cc));
    }
}

void QuestionBadge(cairo_t* cr) {
    Circle(cr, 66, 66, 60);
    kit::FillRadial(cr, Rgb(0xf6f0ff), Rgb(0xd4c1f5), 54, 48, 84);
    Circle(cr, 66, 66, 60);
    kit::StrokeWith(cr, Rgb(0x7b5ea7), 3.5);
    kit::DrawTextCentred(cr, "?", {96.0, true}, Rgb(0x5a3e8c), {26, 20, 80, 92});
}

}  // namespace

Surface DrawExerciseBackground(int number, int layout) {
    return kit::DrawScaled(
        ScreenWidth(layout), ScreenHeight(layout), LayoutScale(layout), [&](cairo_t* cr) {
            switch (number) {
                case 1:
                    Meadow(cr);
                    break;
                case 2:
                    SkyScene(cr);
                    break;
                case 3:
                    Sea(cr);
                    break;
                default:
                    throw std::runtime_error("no exercise background " + std::to_string(number));
            }
        });
}

Surface DrawTrackPiece(std::string_view piece, int layout) {
    if (piece == "lewo") {
        return TrackPiece(TrackEndWidth, true, false, layout);
    }
    if (piece == "srodek") {
        return TrackPiece(TrackMiddleWidth, false, false, layout);
    }
    if (piece == "prawo") {
        return TrackPiece(TrackEndWidth, false, true, layout);
    }
    throw std::runtime_error("no bar piece \"" + std::string(piece) + "\"");
}

Surface DrawFramedPicture(std::string_view name, int layout) {
    if (name == "sluch") {
        return FramedCanvas(layout, Ear);
    }
    if (name == "mysl") {
        return FramedCanvas(layout, ThoughtCloud);
    }
    if (name == "niewiadoma") {
        return FramedCanvas(layout, QuestionBadge);
    }
    throw std::runtime_error("no framed picture \"" + std::string(name) + "\"");
}

}  // namespace datagen::game
