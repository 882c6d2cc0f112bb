#include "draw_kit.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>
#include <vector>

namespace datagen::kit {

namespace {

constexpr const char* FontFamily = "DejaVu Sans";

double Clamp01(double v) {
    return std::clamp(v, 0.0, 1.0);
}

// One box pass of radius r along a row or column. What lies outside counts as clear, so a
// shadow fades at the picture's edges too.
void BoxPass(std::vector<int>& line, int r) {
    const size_t n = line.size();
    std::vector<int> prefix(n + 1, 0);
    for (size_t i = 0; i < n; ++i) {
        prefix[i + 1] = prefix[i] + line[i];
    }
    const auto reach = static_cast<size_t>(r);
    const int width = 2 * r + 1;
    for (size_t i = 0; i < n; ++i) {
        const size_t lo = i > reach ? i - reach : 0;
        const size_t hi = std::min(n, i + reach + 1);
        line[i] = (prefix[hi] - prefix[lo] + width / 2) / width;
    }
}

// Blurs an A8 surface in place: three box passes each way approximate a Gaussian.
void BlurAlpha(cairo_surface_t* surface, int radius) {
    if (radius <= 0) {
        return;
    }
    cairo_surface_flush(surface);
    const int width = cairo_image_surface_get_width(surface);
    const int height = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int r = std::max(1, radius / 2);
    std::vector<int> line;
    for (int y = 0; y < height; ++y) {
        unsigned char* row = data + static_cast<ptrdiff_t>(y) * stride;
        line.assign(row, row + width);
        for (int pass = 0; pass < 3; ++pass) {
            BoxPass(line, r);
        }
        std::copy(line.begin(), line.end(), row);
    }
    for (int x = 0; x < width; ++x) {
        line.resize(static_cast<size_t>(height));
        for (int y = 0; y < height; ++y) {
            line[static_cast<size_t>(y)] = data[static_cast<ptrdiff_t>(y) * stride + x];
        }
        for (int pass = 0; pass < 3; ++pass) {
            BoxPass(line, r);
        }
        for (int y = 0; y < height; ++y) {
            data[static_cast<ptrdiff_t>(y) * stride + x] =
                static_cast<unsigned char>(line[static_cast<size_t>(y)]);
        }
    }
    cairo_surface_mark_dirty(surface);
}

// The same options everywhere, so glyph shapes never depend on the desktop's settings.
void FixFontOptions(PangoLayout* layout) {
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    PangoContext* context = pango_layout_get_context(layout);
    pango_cairo_context_set_font_options(context, options);
    cairo_font_options_destroy(options);
    pango_layout_context_changed(layout);
}

}  // namespace

Colour Rgb(uint32_t hex, double alpha) {
    return {((hex >> 16) & 0xFFu) / 255.0, ((hex >> 8) & 0xFFu) / 255.0, (hex & 0xFFu) / 255.0,
            alpha};
}

Colour Mix(Colour a, Colour b, double t) {
    return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t,
            a.A + (b.A - a.A) * t};
}

Colour Lighten(Colour c, double t) {
    return Mix(c, {1.0, 1.0, 1.0, c.A}, t);
}

Colour Darken(Colour c, double t) {
    return Mix(c, {0.0, 0.0, 0.0, c.A}, t);
}

Colour Greyed(Colour c) {
    const double y = 0.299 * c.R + 0.587 * c.G + 0.114 * c.B;
    return {y, y, y, c.A};
}

Colour WithAlpha(Colour c, double alpha) {
    c.A = alpha;
    return c;
}

void SetSource(cairo_t* cr, Colour c) {
    cairo_set_source_rgba(cr, Clamp01(c.R), Clamp01(c.G), Clamp01(c.B), Clamp01(c.A));
}

void RoundedRectPath(cairo_t* cr, Box box, double radius) {
    const double r = std::clamp(radius, 0.0, std::min(box.W, box.H) / 2.0);
    const double pi = std::numbers::pi;
    cairo_new_sub_path(cr);
    cairo_arc(cr, box.Right() - r, box.Y + r, r, -pi / 2.0, 0.0);
    cairo_arc(cr, box.Right() - r, box.Bottom() - r, r, 0.0, pi / 2.0);
    cairo_arc(cr, box.X + r, box.Bottom() - r, r, pi / 2.0, pi);
    cairo_arc(cr, box.X + r, box.Y + r, r, pi, 1.5 * pi);
    cairo_close_path(cr);
}

void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points) {
    const double pi = std::numbers::pi;
    cairo_new_sub_path(cr);
    for (int i = 0; i < 2 * points; ++i) {
        const double radius = (i % 2 == 0) ? outer : inner;
        const double angle = -pi / 2.0 + i * pi / points;
        cairo_line_to(cr, cx + radius * std::cos(angle), cy + radius * std::sin(angle));
    }
    cairo_close_path(cr);
}

void TickPath(cairo_t* cr, Box box) {
    cairo_new_sub_path(cr);
    cairo_move_to(cr, box.X, box.Y + box.H * 0.55);
    cairo_line_to(cr, box.X + box.W * 0.38, box.Bottom());
    cairo_line_to(cr, box.Right(), box.Y);
}

void CloudPath(cairo_t* cr, Box box) {
    const double pi = std::numbers::pi;
    // Circles as fractions of the box: a flat bottom of three puffs under two larger ones.
    struct Puff {
        double X, Y, R;
    };
    static constexpr Puff puffs[] = {{0.18, 0.66, 0.18},
                                     {0.40, 0.42, 0.27},
                                     {0.64, 0.38, 0.24},
                                     {0.83, 0.64, 0.17},
                                     {0.50, 0.70, 0.22}};
    for (const Puff& p : puffs) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, box.X + p.X * box.W, box.Y + p.Y * box.H, p.R * std::min(box.W, box.H * 1.6),
                  0.0, 2.0 * pi);
    }
}

void FillVertical(cairo_t* cr, Colour top, Colour bottom, double y0, double y1) {
    cairo_pattern_t* pattern = cairo_pattern_create_linear(0.0, y0, 0.0, y1);
    cairo_pattern_add_color_stop_rgba(pattern, 0.0, top.R, top.G, top.B, top.A);
    cairo_pattern_add_color_stop_rgba(pattern, 1.0, bottom.R, bottom.G, bottom.B, bottom.A);
    cairo_set_source(cr, pattern);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_fill(cr);
    cairo_pattern_destroy(pattern);
}

void FillRadial(cairo_t* cr, Colour inner, Colour outer, double cx, double cy, double radius) {
    cairo_pattern_t* pattern = cairo_pattern_create_radial(cx, cy, 0.0, cx, cy, radius);
    cairo_pattern_add_color_stop_rgba(pattern, 0.0, inner.R, inner.G, inner.B, inner.A);
    cairo_pattern_add_color_stop_rgba(pattern, 1.0, outer.R, outer.G, outer.B, outer.A);
    cairo_set_source(cr, pattern);
    cairo_fill(cr);
    cairo_pattern_destroy(pattern);
}

void StrokeWith(cairo_t* cr, Colour c, double width) {
    SetSource(cr, c);
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

void SoftShadow(cairo_t* cr, const std::function<void(cairo_t*)>& shape, double dx, double dy,
                double blur, Colour colour) {
    cairo_surface_t* target = cairo_get_target(cr);
    const int width = cairo_image_surface_get_width(target);
    const int height = cairo_image_surface_get_height(target);
    if (width <= 0 || height <= 0) {
        throw std::runtime_error("a soft shadow needs an image surface");
    }
    cairo_matrix_t matrix;
    cairo_get_matrix(cr, &matrix);
    const int radius = static_cast<int>(std::lround(blur));

    // Only the shape's own device rectangle, widened by the blur's reach, is blurred.
    double x0 = 0.0;
    double y0 = 0.0;
    double x1 = 0.0;
    double y1 = 0.0;
    {
        cairo_surface_t* scratch = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
        cairo_t* sc = cairo_create(scratch);
        cairo_set_matrix(sc, &matrix);
        cairo_translate(sc, dx, dy);
        shape(sc);
        cairo_identity_matrix(sc);
        cairo_fill_extents(sc, &x0, &y0, &x1, &y1);
        cairo_destroy(sc);
        cairo_surface_destroy(scratch);
    }
    const int reach = 3 * std::max(1, radius / 2) + 2;
    const int left = std::clamp(static_cast<int>(std::floor(x0)) - reach, 0, width);
    const int top = std::clamp(static_cast<int>(std::floor(y0)) - reach, 0, height);
    const int right = std::clamp(static_cast<int>(std::ceil(x1)) + reach, 0, width);
    const int bottom = std::clamp(static_cast<int>(std::ceil(y1)) + reach, 0, height);
    if (right <= left || bottom <= top) {
        return;
    }

    cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, right - left, bottom - top);
    cairo_t* mc = cairo_create(mask);
    cairo_translate(mc, -left, -top);
    cairo_transform(mc, &matrix);
    cairo_translate(mc, dx, dy);
    shape(mc);
    cairo_set_source_rgba(mc, 0, 0, 0, 1);
    cairo_fill(mc);
    cairo_destroy(mc);
    BlurAlpha(mask, radius);

    cairo_save(cr);
    cairo_identity_matrix(cr);
    SetSource(cr, colour);
    cairo_mask_surface(cr, mask, left, top);
    cairo_restore(cr);
    cairo_surface_destroy(mask);
}

TextLayout::TextLayout(cairo_t* cr, std::string_view text, Font font, double wrapWidth, Align align,
                       bool markup)
    : layout_(pango_cairo_create_layout(cr)) {
    FixFontOptions(layout_);
    PangoFontDescription* description = pango_font_description_new();
    pango_font_description_set_family(description, FontFamily);
    pango_font_description_set_weight(description,
                                      font.Bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(description,
                                     font.Italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    pango_font_description_set_absolute_size(description, font.Size * PANGO_SCALE);
    pango_layout_set_font_description(layout_, description);
    pango_font_description_free(description);
    if (wrapWidth > 0.0) {
        pango_layout_set_width(layout_, static_cast<int>(wrapWidth * PANGO_SCALE));
        pango_layout_set_wrap(layout_, PANGO_WRAP_WORD);
    }
    pango_layout_set_alignment(layout_, align == Align::Left     ? PANGO_ALIGN_LEFT
                                        : align == Align::Centre ? PANGO_ALIGN_CENTER
                                                                 : PANGO_ALIGN_RIGHT);
    const std::string owned(text);
    if (markup) {
        GError* error = nullptr;
        PangoAttrList* attributes = nullptr;
        char* plain = nullptr;
        if (!pango_parse_markup(owned.c_str(), -1, 0, &attributes, &plain, nullptr, &error)) {
            const std::string message = error != nullptr ? error->message : "bad markup";
            g_clear_error(&error);
            g_object_unref(layout_);
            throw std::runtime_error("text markup: " + message);
        }
        pango_layout_set_text(layout_, plain, -1);
        pango_layout_set_attributes(layout_, attributes);
        pango_attr_list_unref(attributes);
        g_free(plain);
    } else {
        pango_layout_set_text(layout_, owned.c_str(), -1);
    }
}

TextLayout::~TextLayout() {
    g_object_unref(layout_);
}

double TextLayout::Width() const {
    PangoRectangle logical;
    pango_layout_get_extents(layout_, nullptr, &logical);
    return static_cast<double>(logical.width) / PANGO_SCALE;
}

double TextLayout::Height() const {
    PangoRectangle logical;
    pango_layout_get_extents(layout_, nullptr, &logical);
    return static_cast<double>(logical.height) / PANGO_SCALE;
}

Box TextLayout::Ink() const {
    PangoRectangle ink;
    pango_layout_get_extents(layout_, &ink, nullptr);
    return {static_cast<double>(ink.x) / PANGO_SCALE, static_cast<double>(ink.y) / PANGO_SCALE,
            static_cast<double>(ink.width) / PANGO_SCALE,
            static_cast<double>(ink.height) / PANGO_SCALE};
}

void TextLayout::SetLineSpacing(double pixels) {
    pango_layout_set_spacing(layout_, static_cast<int>(pixels * PANGO_SCALE));
}

void TextLayout::Draw(cairo_t* cr, double x, double y, Colour colour) const {
    cairo_save(cr);
    SetSource(cr, colour);
    cairo_move_to(cr, x, y);
    pango_cairo_show_layout(cr, layout_);
    cairo_restore(cr);
    cairo_new_path(cr);
}

void TextLayout::AddPath(cairo_t* cr, double x, double y) const {
    cairo_move_to(cr, x, y);
    pango_cairo_layout_path(cr, layout_);
}

void TextLayout::DrawWithHalo(cairo_t* cr, double x, double y, Colour colour, Colour halo,
                              double haloWidth) const {
    cairo_save(cr);
    AddPath(cr, x, y);
    StrokeWith(cr, halo, haloWidth);
    cairo_restore(cr);
    Draw(cr, x, y, colour);
}

double FitFontSize(cairo_t* cr, std::string_view text, Font font, double maxWidth,
                   double maxHeight) {
    constexpr double Smallest = 4.0;
    while (font.Size > Smallest) {
        const TextLayout layout(cr, text, font);
        if (layout.Width() <= maxWidth && layout.Height() <= maxHeight) {
            return font.Size;
        }
        font.Size = std::max(Smallest, font.Size - 0.5);
    }
    return Smallest;
}

void DrawTextCentred(cairo_t* cr, std::string_view text, Font font, Colour colour, Box box) {
    font.Size = FitFontSize(cr, text, font, box.W, box.H);
    const TextLayout layout(cr, text, font);
    const Box ink = layout.Ink();
    const double x = box.CentreX() - layout.Width() / 2.0;
    const double y = box.CentreY() - (ink.Y + ink.H / 2.0);
    layout.Draw(cr, x, y, colour);
}

Surface DrawScaled(int width, int height, double scale, const std::function<void(cairo_t*)>& draw) {
    Surface picture(width, height);
    const Painter painter(picture);
    cairo_scale(*painter, scale, scale);
    draw(*painter);
    return picture;
}

}  // namespace datagen::kit
