// Letter, digit, number and sign tiles, the selection frames drawn around tiles and cards,
// and the score digits.

#include <algorithm>
#include <numbers>
#include <stdexcept>
#include <string>
#include <vector>

#include "draw_kit.h"
#include "game_pictures.h"

namespace datagen::game {

namespace {

using kit::Box;
using kit::Colour;
using kit::Rgb;

constexpr double Pi = std::numbers::pi;

// Tiles are drawn on a 100 x 100 grid and scaled to their size.
constexpr double Grid = 100.0;

const Colour Ink = Rgb(0x1d3557);
const Colour RedInk = Rgb(0xd62828);
const Colour PanelTop = Rgb(0xfffdf6);
const Colour PanelBottom = Rgb(0xfff1d0);

// Each kind of tile has its own rim, so letters, digits, numbers and signs are told apart at
// a glance.
Colour RimOf(FaceKind kind) {
    switch (kind) {
        case FaceKind::Letter:
            return Rgb(0x4f86c6);
        case FaceKind::Digit:
            return Rgb(0x43aa8b);
        case FaceKind::Quantity:
            return Rgb(0xf3a64a);
        case FaceKind::Sign:
            return Rgb(0x9b72cf);
    }
    return Rgb(0x4f86c6);
}

struct Dot {
    double X, Y;
};

// Dots laid out as on dice, so small numbers are seen at once; 7 to 9 fill a 3 x 3 grid.
std::vector<Dot> DotsOf(int count) {
    constexpr double a = 28, b = 50, c = 72;
    switch (count) {
        case 1:
            return {{b, b}};
        case 2:
            return {{a, c}, {c, a}};
        case 3:
            return {{a, c}, {b, b}, {c, a}};
        case 4:
            return {{a, a}, {c, a}, {a, c}, {c, c}};
        case 5:
            return {{a, a}, {c, a}, {b, b}, {a, c}, {c, c}};
        case 6:
            return {{32, 24}, {68, 24}, {32, b}, {68, b}, {32, 76}, {68, 76}};
        case 7:
            return {{a, a}, {c, a}, {a, b}, {b, b}, {c, b}, {a, c}, {c, c}};
        case 8:
            return {{a, a}, {b, a}, {c, a}, {a, b}, {c, b}, {a, c}, {b, c}, {c, c}};
        case 9:
            return {{a, a}, {b, a}, {c, a}, {a, b}, {b, b}, {c, b}, {a, c}, {b, c}, {c, c}};
        default:
            return {};
    }
}

void DrawQuantity(cairo_t* cr, int count, Colour colour) {
    if (count == 0) {
        // Nothing to count: an empty dashed ring.
        const double dashes[] = {7.0, 6.0};
        cairo_set_dash(cr, dashes, 2, 0.0);
        cairo_new_sub_path(cr);
        cairo_arc(cr, 50, 50, 24, 0, 2 * Pi);
        kit::StrokeWith(cr, colour, 5.0);
        cairo_set_dash(cr, nullptr, 0, 0.0);
        return;
    }
    const double radius = count <= 5 ? 12.0 : count == 6 ? 11.0 : 9.5;
    for (const Dot& d : DotsOf(count)) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, d.X, d.Y, radius, 0, 2 * Pi);
        kit::FillRadial(cr, kit::Lighten(colour, 0.45), colour, d.X - radius * 0.35,
                        d.Y - radius * 0.35, radius * 1.4);
        cairo_new_sub_path(cr);
        cairo_arc(cr, d.X, d.Y, radius, 0, 2 * Pi);
        kit::StrokeWith(cr, kit::Darken(colour, 0.3), 1.5);
    }
}

// Draws text so that its ink fills box as far as it fits, centred on the ink, at the size
// that fits the reference text (so all digits come out the same height).
void DrawInkFitted(cairo_t* cr, const std::string& text, const std::string& reference, Box box,
                   Colour fill, Colour halo, double haloWidth) {
    constexpr double Probe = 100.0;
    const Box probe = kit::TextLayout(cr, reference, {Probe, true}).Ink();
    const double size = Probe * std::min(box.W / probe.W, box.H / probe.H);
    const kit::TextLayout layout(cr, text, {size, true});
    const Box ink = layout.Ink();
    const double x = box.CentreX() - (ink.X + ink.W / 2.0);
    const double y = box.CentreY() - (ink.Y + ink.H / 2.0);
    if (haloWidth > 0.0) {
        layout.DrawWithHalo(cr, x, y, fill, halo, haloWidth);
    } else {
        layout.Draw(cr, x, y, fill);
    }
}

void DrawGlyph(cairo_t* cr, const TileFace& face, Colour colour, Box panel) {
    if (face.Kind == FaceKind::Letter) {
        // One size for every single letter, so a word spelled with tiles looks even; longer
        // graphemes shrink to fit.
        kit::DrawTextCentred(cr, face.Text, {62.0, true}, colour, panel.Inset(6));
        return;
    }
    const std::string reference = face.Kind == FaceKind::Digit ? "0" : "+";
    const Box box = face.Kind == FaceKind::Digit ? panel.Inset(16) : panel.Inset(22);
    DrawInkFitted(cr, face.Text, reference, box, colour, colour, 0.0);
}

Colour FrameColour(std::string_view colour) {
    if (colour == "yellow") {
        return Rgb(0xffc300);
    }
    if (colour == "red") {
        return Rgb(0xe63946);
    }
    if (colour == "green") {
        return Rgb(0x2bb24c);
    }
    if (colour == "blue") {
        return Rgb(0x1e88e5);
    }
    if (colour == "orange") {
        return Rgb(0xfb8500);
    }
    throw std::runtime_error("no selection frame in the colour \"" + std::string(colour) + "\"");
}

}  // namespace

Surface DrawTile(const TileFace& face, int size) {
    return kit::DrawScaled(size, size, size / Grid, [&](cairo_t* cr) {
        // The tile is copied as it is, corners included, so the rim fills the whole square.
        const Colour rim = RimOf(face.Kind);
        cairo_rectangle(cr, 0, 0, Grid, Grid);
        kit::FillVertical(cr, kit::Lighten(rim, 0.2), kit::Darken(rim, 0.12), 0, Grid);
        const Box panel{6, 6, Grid - 12, Grid - 12};
        kit::RoundedRectPath(cr, panel, 15);
        kit::FillVertical(cr, PanelTop, PanelBottom, panel.Y, panel.Bottom());
        kit::RoundedRectPath(cr, panel.Inset(1), 14);
        kit::StrokeWith(cr, kit::WithAlpha(kit::Darken(rim, 0.25), 0.6), 1.5);

        const Colour colour = face.Red ? RedInk : Ink;
        if (face.Kind == FaceKind::Quantity) {
            DrawQuantity(cr, face.Count, face.Red ? RedInk : Rgb(0x277da1));
        } else {
            DrawGlyph(cr, face, colour, panel);
        }
    });
}

Surface DrawSelectionFrame(std::string_view colour, int layout) {
    const Colour main = FrameColour(colour);
    const int size = LayoutPixels(FrameSize, layout);
    return kit::DrawScaled(size, size, static_cast<double>(size) / FrameSize, [&](cairo_t* cr) {
        // Drawn with white as the transparent colour: every pixel is either pure white or a solid
        // colour, with no blended edge that would show as a pale fringe.
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        const Box outer{0, 0, FrameSize, FrameSize};
        kit::RoundedRectPath(cr, outer, 22);
        kit::RoundedRectPath(cr, outer.Inset(FrameRing), 12);
        kit::SetSource(cr, kit::Darken(main, 0.35));
        cairo_fill(cr);
        kit::RoundedRectPath(cr, outer.Inset(2.5), 20);
        kit::RoundedRectPath(cr, outer.Inset(FrameRing - 2.5), 14);
        kit::SetSource(cr, main);
        cairo_fill(cr);
        // A lighter line along the middle of the ring gives it some shine.
        kit::RoundedRectPath(cr, outer.Inset(4.5), 18);
        kit::RoundedRectPath(cr, outer.Inset(6.0), 16.5);
        kit::SetSource(cr, kit::Lighten(main, 0.35));
        cairo_fill(cr);
    });
}

Surface DrawScoreDigit(int digit, int layout) {
    if (digit < 0 || digit > 9) {
        throw std::runtime_error("no score digit " + std::to_string(digit));
    }
    const int width = LayoutPixels(ScoreDigitWidth, layout);
    const int height = LayoutPixels(ScoreDigitHeight, layout);
    return kit::DrawScaled(width, height, LayoutScale(layout), [&](cairo_t* cr) {
        // A bright digit with a dark outline reads on the score box and on any scene.
        const double halo = 5.0;
        const Box box{halo / 2 + 1, halo / 2 + 1, ScoreDigitWidth - halo - 2,
                      ScoreDigitHeight - halo - 2};
        DrawInkFitted(cr, std::to_string(digit), "0", box, Rgb(0xffb703), Rgb(0x7a3e00), halo);
    });
}

}  // namespace datagen::game
