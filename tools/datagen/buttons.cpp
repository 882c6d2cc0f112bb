// The button library's pictures: push buttons, check buttons, text labels and the slider.
// Every state must read at a glance across the room: hover is lighter with a bright ring (the
// switch-scanning highlight uses it too), pressed is darker and sits lower, disabled is grey.

#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

#include "draw_kit.h"
#include "interface_pictures.h"

namespace datagen {

namespace {

using kit::Box;
using kit::Colour;
using kit::Rgb;

enum class Icon { Play, Gear, Info, Cross, ArrowRight, ArrowLeft, Question, Square };

struct PushStyle {
    std::string_view Picture;
    std::string_view Caption;
    uint32_t Colour;
    Icon Symbol;
};

// clang-format off
constexpr PushStyle PushStyles[] = {
    {"start",   "Start",      0x43A047, Icon::Play},
    {"options", "Opcje",      0x1E88E5, Icon::Gear},
    {"info",    "Informacje", 0x8E24AA, Icon::Info},
    {"exit",    "Koniec",     0xE53935, Icon::Cross},
    // The pages opened from the menu lead back to it: not the red cross that quits.
    {"powrot",  "Powrót",     0x00897B, Icon::ArrowLeft},
    {"dalej",   "Dalej",      0x43A047, Icon::ArrowRight},
    {"wstecz",  "Wstecz",     0x1E88E5, Icon::ArrowLeft},
    {"pomoc",   "Pomoc",      0xFB8C00, Icon::Question},
    {"stop",    "Stop",       0xE53935, Icon::Square},
};
// clang-format on

enum class Indicator { Radio, Tick };

struct CheckStyle {
    std::string_view Picture;
    std::string_view Caption;
    uint32_t Colour;
    Indicator Mark;
    double CaptionSize;  // design pixels
};

// One colour per group of choices; a group that allows one choice shows radio dots, the
// sound groups (any number of them) show ticks.
constexpr CheckStyle CheckStyles[] = {
    {"m", "5 zadań", 0xF57C00, Indicator::Radio, 26},
    {"s", "10 zadań", 0xF57C00, Indicator::Radio, 26},
    {"d", "15 zadań", 0xF57C00, Indicator::Radio, 26},
    {"pI", "I", 0x1E88E5, Indicator::Radio, 30},
    {"pII", "II", 0x1E88E5, Indicator::Radio, 30},
    {"pIII", "III", 0x1E88E5, Indicator::Radio, 30},
    {"pIV", "IV", 0x1E88E5, Indicator::Radio, 30},
    // Upper and lower case side by side: a lone sans-serif "l" reads like a capital I.
    {"l", "L l", 0x43A047, Indicator::Tick, 32},
    {"r", "R r", 0x43A047, Indicator::Tick, 32},
    {"j", "J j", 0x43A047, Indicator::Tick, 32},
    {"wyl", "Wyłączone", 0x00897B, Indicator::Radio, 26},
    {"wl", "Włączone", 0x00897B, Indicator::Radio, 26},
    {"opskwew", "Cykl wewnętrzny", 0x00897B, Indicator::Radio, 24},
    {"opskzew", "Cykl zewnętrzny", 0x00897B, Indicator::Radio, 24},
    {"opsk1p", "Jeden przełącznik", 0x00897B, Indicator::Radio, 24},
    {"opsk2p", "Dwa przełączniki", 0x00897B, Indicator::Radio, 24},
};

struct LabelStyle {
    std::string_view Picture;
    std::string_view Text;
    kit::Align Align;
    double Size;  // design pixels
};

// The menu labels end next to the check buttons they name, so they are set flush right.
constexpr LabelStyle LabelStyles[] = {
    {"poziom", "Poziom:", kit::Align::Right, 36},
    {"ilosc", "Liczba zadań:", kit::Align::Right, 36},
    {"gloski", "Głoski:", kit::Align::Right, 36},
    {"opskanowanie", "Skanowanie", kit::Align::Left, 46},
    {"czasprzejsc", "Czas przejścia:", kit::Align::Left, 30},
};

const Colour White = Rgb(0xFFFFFF);
const Colour Shadow = Rgb(0x000000, 0.35);
const Colour HoverRing = Rgb(0xFFD600);
const Colour DisabledTop = Rgb(0xDADADA);
const Colour DisabledBottom = Rgb(0xC2C2C2);
const Colour DisabledInk = Rgb(0x9A9A9A);

template <typename Style, size_t N>
const Style& Lookup(const Style (&styles)[N], std::string_view picture) {
    for (const Style& style : styles) {
        if (style.Picture == picture) {
            return style;
        }
    }
    throw std::runtime_error("no drawing for button picture \"" + std::string(picture) + "\"");
}

// One line of text in box: vertically centred on its ink, aligned left or centred.
void TextInBox(cairo_t* cr, std::string_view text, kit::Font font, Colour colour, Box box,
               bool centred) {
    font.Size = kit::FitFontSize(cr, text, font, box.W, box.H);
    const kit::TextLayout layout(cr, text, font);
    const Box ink = layout.Ink();
    const double x = centred ? box.CentreX() - layout.Width() / 2.0 : box.X;
    layout.Draw(cr, x, box.CentreY() - (ink.Y + ink.H / 2.0), colour);
}

void ArrowPath(cairo_t* cr, Box b, bool right) {
    // Drawn pointing right, mirrored for left.
    const double pts[][2] = {{0.05, 0.38}, {0.52, 0.38}, {0.52, 0.12}, {0.95, 0.50},
                             {0.52, 0.88}, {0.52, 0.62}, {0.05, 0.62}};
    cairo_new_sub_path(cr);
    for (const auto& p : pts) {
        const double x = right ? p[0] : 1.0 - p[0];
        cairo_line_to(cr, b.X + x * b.W, b.Y + p[1] * b.H);
    }
    cairo_close_path(cr);
}

void GearPath(cairo_t* cr, Box b) {
    const double pi = std::numbers::pi;
    const double cx = b.CentreX();
    const double cy = b.CentreY();
    const double outer = b.W * 0.48;
    const double inner = b.W * 0.36;
    constexpr int Teeth = 8;
    cairo_new_sub_path(cr);
    for (int i = 0; i < Teeth; ++i) {
        const double a = 2.0 * pi * i / Teeth;
        const double half = pi / Teeth;
        // Each tooth: up the flank, across the top, down the flank, along the rim.
        const double angles[] = {a - half * 0.55, a - half * 0.35, a + half * 0.35, a + half * 0.55,
                                 a + half * 1.45};
        const double radii[] = {inner, outer, outer, inner, inner};
        for (int k = 0; k < 5; ++k) {
            cairo_line_to(cr, cx + radii[k] * std::cos(angles[k]),
                          cy + radii[k] * std::sin(angles[k]));
        }
    }
    cairo_close_path(cr);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, cx, cy, b.W * 0.15, 0.0, -2.0 * pi);
    cairo_close_path(cr);
}

// A symbol in ink colour; ground is the button colour for symbols cut out of a disc.
void DrawIcon(cairo_t* cr, Icon icon, Box b, Colour ink, Colour ground) {
    const double pi = std::numbers::pi;
    const double s = b.W;
    switch (icon) {
        case Icon::Play:
            cairo_move_to(cr, b.X + 0.22 * s, b.Y + 0.08 * s);
            cairo_line_to(cr, b.X + 0.92 * s, b.Y + 0.50 * s);
            cairo_line_to(cr, b.X + 0.22 * s, b.Y + 0.92 * s);
            cairo_close_path(cr);
            kit::SetSource(cr, ink);
            cairo_fill_preserve(cr);
            kit::StrokeWith(cr, ink, 0.08 * s);
            break;
        case Icon::Gear:
            GearPath(cr, b);
            kit::SetSource(cr, ink);
            cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
            cairo_fill(cr);
            break;
        case Icon::Info:
        case Icon::Question: {
            cairo_arc(cr, b.CentreX(), b.CentreY(), 0.48 * s, 0.0, 2.0 * pi);
            kit::SetSource(cr, ink);
            cairo_fill(cr);
            TextInBox(cr, icon == Icon::Info ? "i" : "?", {0.72 * s, true, false}, ground,
                      b.Inset(0.14 * s), true);
            break;
        }
        case Icon::Cross:
            cairo_move_to(cr, b.X + 0.18 * s, b.Y + 0.18 * s);
            cairo_line_to(cr, b.X + 0.82 * s, b.Y + 0.82 * s);
            cairo_move_to(cr, b.X + 0.82 * s, b.Y + 0.18 * s);
            cairo_line_to(cr, b.X + 0.18 * s, b.Y + 0.82 * s);
            kit::StrokeWith(cr, ink, 0.2 * s);
            break;
        case Icon::ArrowRight:
        case Icon::ArrowLeft:
            ArrowPath(cr, b, icon == Icon::ArrowRight);
            kit::SetSource(cr, ink);
            cairo_fill_preserve(cr);
            kit::StrokeWith(cr, ink, 0.06 * s);
            break;
        case Icon::Square:
            kit::RoundedRectPath(cr, b.Inset(0.14 * s), 0.12 * s);
            kit::SetSource(cr, ink);
            cairo_fill(cr);
            break;
    }
}

Surface DrawPushButton(const PushStyle& style, Look state, PixelSize size, double k) {
    Surface surface(size.Width, size.Height);
    const Painter painter(surface);
    cairo_t* cr = *painter;
    const bool pressed = state == Look::Pressed;
    const bool disabled = state == Look::Disabled;
    const bool hover = state == Look::Hover;
    const double margin = 6.0 * k;
    const Box rest{margin, margin, size.Width - 2.0 * margin, size.Height - 2.0 * margin - 3.0 * k};
    const Box body = pressed ? rest.Moved(0.0, 2.0 * k) : rest;
    const double radius = 18.0 * k;
    auto shape = [&](cairo_t* c) { kit::RoundedRectPath(c, body, radius); };

    kit::SoftShadow(cr, shape, 0.0, (pressed ? 1.0 : 3.0) * k, (pressed ? 3.0 : 6.0) * k,
                    disabled ? kit::WithAlpha(Shadow, 0.18) : Shadow);
    if (hover) {
        kit::SoftShadow(cr, shape, 0.0, 0.0, 8.0 * k, kit::WithAlpha(HoverRing, 0.9));
    }

    const Colour base = Rgb(style.Colour);
    Colour top = kit::Lighten(base, 0.30);
    Colour bottom = base;
    if (hover) {
        top = kit::Lighten(base, 0.42);
        bottom = kit::Lighten(base, 0.12);
    } else if (pressed) {
        top = kit::Darken(base, 0.08);
        bottom = kit::Darken(base, 0.28);
    } else if (disabled) {
        top = DisabledTop;
        bottom = DisabledBottom;
    }
    shape(cr);
    kit::FillVertical(cr, top, bottom, body.Y, body.Bottom());
    shape(cr);
    kit::StrokeWith(cr, disabled ? Rgb(0xA8A8A8) : kit::Darken(base, 0.35), 2.5 * k);
    if (hover) {
        kit::RoundedRectPath(cr, body.Inset(-2.0 * k), radius + 2.0 * k);
        kit::StrokeWith(cr, HoverRing, 3.5 * k);
    }
    if (!pressed && !disabled) {
        const Box gloss{body.X + 5.0 * k, body.Y + 3.0 * k, body.W - 10.0 * k, body.H * 0.42};
        kit::RoundedRectPath(cr, gloss, radius - 5.0 * k);
        kit::FillVertical(cr, kit::WithAlpha(White, 0.38), kit::WithAlpha(White, 0.04), gloss.Y,
                          gloss.Bottom());
    }

    const Colour ink = disabled ? DisabledInk : White;
    const Colour ground = disabled ? DisabledTop : base;
    const double iconSize = std::min(body.H * 0.46, body.W * 0.5);
    const Box icon{body.CentreX() - iconSize / 2.0, body.Y + 8.0 * k, iconSize, iconSize};
    const double captionTop = icon.Bottom() + 3.0 * k;
    const Box caption{body.X + 6.0 * k, captionTop, body.W - 12.0 * k,
                      body.Bottom() - 6.0 * k - captionTop};
    if (!disabled) {
        // A faint dark copy under the white keeps the symbol and caption crisp on light tints.
        DrawIcon(cr, style.Symbol, icon.Moved(0.0, 1.5 * k), kit::WithAlpha(Shadow, 0.25),
                 kit::WithAlpha(Shadow, 0.0));
        TextInBox(cr, style.Caption, {19.0 * k, true, false}, kit::WithAlpha(Shadow, 0.3),
                  caption.Moved(0.0, 1.5 * k), true);
    }
    DrawIcon(cr, style.Symbol, icon, ink, ground);
    TextInBox(cr, style.Caption, {19.0 * k, true, false}, ink, caption, true);
    return surface;
}

Surface DrawCheckButton(const CheckStyle& style, Look state, PixelSize size, double k) {
    Surface surface(size.Width, size.Height);
    const Painter painter(surface);
    cairo_t* cr = *painter;
    const bool on = state == Look::On || state == Look::DisabledOn;
    const bool disabled = state == Look::DisabledOn || state == Look::DisabledOff;
    const double margin = 4.0 * k;
    const Box body{margin, margin, size.Width - 2.0 * margin, size.Height - 2.0 * margin - 2.0 * k};
    const double radius = body.H / 2.0;
    auto shape = [&](cairo_t* c) { kit::RoundedRectPath(c, body, radius); };
    kit::SoftShadow(cr, shape, 0.0, 2.0 * k, 4.0 * k,
                    kit::WithAlpha(Shadow, disabled ? 0.12 : 0.25));

    const Colour accent = disabled ? Rgb(0xA6A6A6) : Rgb(style.Colour);
    Colour top = White;
    Colour bottom = Rgb(0xEEF1F3);
    Colour border = disabled ? Rgb(0xCFCFCF) : Rgb(0xA7B6BE);
    if (on) {
        top = kit::Lighten(accent, 0.82);
        bottom = kit::Lighten(accent, 0.62);
        border = accent;
    }
    if (disabled) {
        top = kit::Mix(top, Rgb(0xF0F0F0), 0.5);
        bottom = kit::Mix(bottom, Rgb(0xE2E2E2), 0.5);
    }
    shape(cr);
    kit::FillVertical(cr, top, bottom, body.Y, body.Bottom());
    shape(cr);
    kit::StrokeWith(cr, border, (on ? 3.0 : 2.0) * k);

    const double d = body.H * 0.62;
    const double cx = body.X + body.H * 0.55;
    const double cy = body.CentreY();
    const Box mark{cx - d / 2.0, cy - d / 2.0, d, d};
    const Colour markBorder = on ? kit::Darken(accent, 0.15) : Rgb(disabled ? 0xC4C4C4 : 0x8A9BA4);
    if (style.Mark == Indicator::Radio) {
        cairo_arc(cr, cx, cy, d / 2.0, 0.0, 2.0 * std::numbers::pi);
    } else {
        kit::RoundedRectPath(cr, mark, d * 0.24);
    }
    kit::SetSource(cr, on ? accent : White);
    cairo_fill_preserve(cr);
    kit::StrokeWith(cr, markBorder, 2.5 * k);
    if (on && style.Mark == Indicator::Radio) {
        cairo_arc(cr, cx, cy, d * 0.2, 0.0, 2.0 * std::numbers::pi);
        kit::SetSource(cr, White);
        cairo_fill(cr);
    } else if (on) {
        kit::TickPath(cr, mark.Inset(d * 0.22));
        kit::StrokeWith(cr, White, 4.0 * k);
    }

    const double captionLeft = mark.Right() + 10.0 * k;
    const Box caption{captionLeft, body.Y + 4.0 * k, body.Right() - radius * 0.6 - captionLeft,
                      body.H - 8.0 * k};
    const Colour ink = disabled ? DisabledInk : on ? kit::Darken(accent, 0.5) : Rgb(0x37474F);
    TextInBox(cr, style.Caption, {style.CaptionSize * k, true, false}, ink, caption, false);
    return surface;
}

Surface DrawLabel(const LabelStyle& style, PixelSize size, double k) {
    Surface surface(size.Width, size.Height);
    const Painter painter(surface);
    cairo_t* cr = *painter;
    const double halo = 7.0 * k;
    const Box box =
        Box{0.0, 0.0, static_cast<double>(size.Width), static_cast<double>(size.Height)}.Inset(
            halo / 2.0 + 1.0 * k);
    kit::Font font{style.Size * k, true, false};
    font.Size = kit::FitFontSize(cr, style.Text, font, box.W, box.H);
    const kit::TextLayout layout(cr, style.Text, font);
    const Box ink = layout.Ink();
    const double x = style.Align == kit::Align::Right ? box.Right() - layout.Width() : box.X;
    layout.DrawWithHalo(cr, x, box.CentreY() - (ink.Y + ink.H / 2.0), Rgb(0x0D47A1),
                        Rgb(0xFFFFFF, 0.9), halo);
    return surface;
}

Surface DrawSliderTrack(bool enabled, PixelSize size, int layout, double k) {
    Surface surface(size.Width, size.Height);
    const Painter painter(surface);
    cairo_t* cr = *painter;
    const SliderGeometry g = SliderArguments(layout);
    const double thickness = 14.0 * k;
    const Box groove{g.TrackStart - thickness / 2.0, g.CentreLine - thickness / 2.0,
                     g.Length + thickness, thickness};
    auto shape = [&](cairo_t* c) { kit::RoundedRectPath(c, groove, thickness / 2.0); };
    kit::SoftShadow(cr, shape, 0.0, 1.0 * k, 3.0 * k, kit::WithAlpha(Shadow, 0.25));
    shape(cr);
    kit::FillVertical(cr, enabled ? Rgb(0x80CBC4) : Rgb(0xE4E4E4),
                      enabled ? Rgb(0x26A69A) : Rgb(0xC4C4C4), groove.Y, groove.Bottom());
    shape(cr);
    kit::StrokeWith(cr, enabled ? Rgb(0x00695C) : Rgb(0xA8A8A8), 1.5 * k);

    // One mark per second of the 0...5 s range; the knob hides the marks it stands on.
    const Colour ink = enabled ? Rgb(0x004D40) : DisabledInk;
    const kit::Font digits{13.0 * k, true, false};
    // All digits share the baseline of "0", whose top sits just under the knob.
    const double digitTop = g.CentreLine + 32.0 * k - kit::TextLayout(cr, "0", digits).Ink().Y;
    for (int second = 0; second <= 5; ++second) {
        const double x = g.TrackStart + g.Length * second / 5.0;
        cairo_move_to(cr, x, g.CentreLine + thickness / 2.0 + 3.0 * k);
        cairo_line_to(cr, x, g.CentreLine + thickness / 2.0 + 9.0 * k);
        kit::StrokeWith(cr, ink, 2.0 * k);
        const std::string digit = std::to_string(second);
        const kit::TextLayout text(cr, digit, digits);
        text.Draw(cr, x - text.Width() / 2.0, digitTop, ink);
    }
    return surface;
}

Surface DrawSliderKnob(bool enabled, PixelSize size, double k) {
    Surface surface(size.Width, size.Height);
    const Painter painter(surface);
    cairo_t* cr = *painter;
    const Box body =
        Box{0.0, 0.0, static_cast<double>(size.Width), static_cast<double>(size.Height)}.Inset(2.0 *
                                                                                               k);
    kit::RoundedRectPath(cr, body, 9.0 * k);
    kit::FillVertical(cr, enabled ? Rgb(0xFFD54F) : Rgb(0xEEEEEE),
                      enabled ? Rgb(0xFB8C00) : Rgb(0xBDBDBD), body.Y, body.Bottom());
    kit::RoundedRectPath(cr, body, 9.0 * k);
    kit::StrokeWith(cr, enabled ? Rgb(0xBF360C) : Rgb(0x9E9E9E), 2.0 * k);
    for (int i = -1; i <= 1; ++i) {
        const double x = body.CentreX() + i * 7.0 * k;
        cairo_move_to(cr, x, body.Y + body.H * 0.3);
        cairo_line_to(cr, x, body.Y + body.H * 0.7);
        kit::StrokeWith(cr, enabled ? Rgb(0xFFFFFF, 0.8) : Rgb(0xFFFFFF, 0.6), 2.5 * k);
    }
    return surface;
}

}  // namespace

Surface DrawButtonPicture(const ButtonPicture& picture, int layout) {
    const PixelSize size = ButtonPictureSize(picture, layout);
    const double k = LayoutScale(layout);
    switch (picture.Kind) {
        case ControlKind::PushButton:
            return DrawPushButton(Lookup(PushStyles, picture.Picture), picture.State, size, k);
        case ControlKind::CheckButton:
            if (picture.Picture == "jakgrac") {
                return DrawAboutToggle(picture.State, layout);
            }
            return DrawCheckButton(Lookup(CheckStyles, picture.Picture), picture.State, size, k);
        case ControlKind::Label:
            return DrawLabel(Lookup(LabelStyles, picture.Picture), size, k);
        case ControlKind::Slider: {
            const bool enabled = picture.State == Look::Track || picture.State == Look::Knob;
            if (picture.State == Look::Track || picture.State == Look::DisabledTrack) {
                return DrawSliderTrack(enabled, size, layout, k);
            }
            return DrawSliderKnob(enabled, size, k);
        }
    }
    throw std::runtime_error("unknown kind of button picture");
}

}  // namespace datagen
