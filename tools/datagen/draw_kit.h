#pragma once

#include <cairo.h>
#include <pango/pangocairo.h>

#include <cstdint>
#include <functional>
#include <string_view>

#include "datagen.h"

// Small drawing helpers the picture makers share: colours, rounded shapes, gradients, soft
// shadows and text set with pango in "DejaVu Sans". Everything draws with the cairo context
// it is given, in that context's user space, and leaves the current path empty. Text is laid
// out with fixed font options (grey antialiasing, no hinting) so a picture comes out the same
// on every run.
namespace datagen::kit {

// A colour with straight (not premultiplied) alpha, each channel 0...1.
struct Colour {
    double R = 0.0;
    double G = 0.0;
    double B = 0.0;
    double A = 1.0;
};

// 0xRRGGBB with an alpha.
Colour Rgb(uint32_t hex, double alpha = 1.0);
// t = 0 gives a, t = 1 gives b; alpha mixes too.
Colour Mix(Colour a, Colour b, double t);
// Towards white or black by t, alpha kept.
Colour Lighten(Colour c, double t);
Colour Darken(Colour c, double t);
// The colour's luminance as a grey, alpha kept: the look of a disabled control.
Colour Greyed(Colour c);
Colour WithAlpha(Colour c, double alpha);
void SetSource(cairo_t* cr, Colour c);

// An axis-aligned rectangle in user space.
struct Box {
    double X = 0.0;
    double Y = 0.0;
    double W = 0.0;
    double H = 0.0;

    double Right() const { return X + W; }
    double Bottom() const { return Y + H; }
    double CentreX() const { return X + W / 2.0; }
    double CentreY() const { return Y + H / 2.0; }
    // Smaller by d on every side (larger for a negative d).
    Box Inset(double d) const { return {X + d, Y + d, W - 2.0 * d, H - 2.0 * d}; }
    Box Moved(double dx, double dy) const { return {X + dx, Y + dy, W, H}; }
};

// Paths (added to the current path, nothing drawn).
void RoundedRectPath(cairo_t* cr, Box box, double radius);
// A five-pointed (or n-pointed) star with its first point straight up.
void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points = 5);
// A tick mark fitted into box, as an open polyline to be stroked.
void TickPath(cairo_t* cr, Box box);
// A fluffy cloud made of overlapping circles filling box.
void CloudPath(cairo_t* cr, Box box);

// Fills the current path with a vertical gradient from top (at y0) to bottom (at y1).
void FillVertical(cairo_t* cr, Colour top, Colour bottom, double y0, double y1);
// Fills the current path with a radial gradient: inner colour at the centre, outer at radius.
void FillRadial(cairo_t* cr, Colour inner, Colour outer, double cx, double cy, double radius);
// Strokes the current path with a colour and width, round joins and caps.
void StrokeWith(cairo_t* cr, Colour c, double width);

// A blurred, offset copy of a filled shape, drawn under what comes next. shape adds the
// shape's path to the context it receives (in the same user space); blur is the blur radius
// in device pixels. Deterministic: the blur is three integer box passes.
void SoftShadow(cairo_t* cr, const std::function<void(cairo_t*)>& shape, double dx, double dy,
                double blur, Colour colour);

// Text.
enum class Align { Left, Centre, Right };

struct Font {
    double Size = 16.0;  // pixel height of the em square
    bool Bold = false;
    bool Italic = false;
};

// One laid-out piece of text. Positions are the top-left corner of its logical extent.
class TextLayout {
  public:
    // wrapWidth < 0 keeps every paragraph on one line; markup reads pango markup (<b>, <i>,
    // <span size=...>) instead of plain text.
    TextLayout(cairo_t* cr, std::string_view text, Font font, double wrapWidth = -1.0,
               Align align = Align::Left, bool markup = false);
    TextLayout(const TextLayout&) = delete;
    TextLayout& operator=(const TextLayout&) = delete;
    ~TextLayout();

    // The logical extent (what line spacing and alignment use).
    double Width() const;
    double Height() const;
    // The inked part relative to the layout's origin.
    Box Ink() const;
    // Extra space between lines, in pixels.
    void SetLineSpacing(double pixels);

    void Draw(cairo_t* cr, double x, double y, Colour colour) const;
    // Adds the glyph outlines to the current path of cr (for shadows and outlines).
    void AddPath(cairo_t* cr, double x, double y) const;
    // Draws a halo of width haloWidth in halo colour around the glyphs, then the glyphs: text
    // that stays readable over any background.
    void DrawWithHalo(cairo_t* cr, double x, double y, Colour colour, Colour halo,
                      double haloWidth) const;

  private:
    PangoLayout* layout_;
};

// The largest size not above font.Size at which text fits on one line into maxWidth x
// maxHeight (logical extent); never below 4 px.
double FitFontSize(cairo_t* cr, std::string_view text, Font font, double maxWidth,
                   double maxHeight);

// Draws one line of text centred on its ink in box (horizontally by the logical width, so
// letters of the same line share a baseline), shrinking the font until it fits.
void DrawTextCentred(cairo_t* cr, std::string_view text, Font font, Colour colour, Box box);

// A new width x height picture drawn by draw on its design grid: user space is scaled by
// scale, so a maker draws in design units whatever the size of the output.
Surface DrawScaled(int width, int height, double scale, const std::function<void(cairo_t*)>& draw);

}  // namespace datagen::kit
