#include "app/switch_tester.h"

#include <algorithm>
#include <cmath>

#include "catalog/screen_geometry.h"

using namespace catalog;

namespace app {

namespace {

const SwitchLamp& LampOf(SwitchTester::Switch which) {
    return which == SwitchTester::Switch::Select ? SelectSwitchLamp : StepSwitchLamp;
}

// A lit lamp: its face washed towards white, and a glow of its colour around it.
constexpr double GlowWidth = 0.3;    // of the radius
constexpr unsigned FaceLight = 150;  // of 256 towards white

uint8_t Mix(uint8_t from, uint8_t to, unsigned weight) {
    return static_cast<uint8_t>((from * (256u - weight) + to * weight) >> 8);
}

}  // namespace

SwitchTester::SwitchTester(platform::Form& form, platform::Bitmap& frame,
                           const platform::Bitmap& scene)
    : form_(form), frame_(frame), scene_(scene) {}

void SwitchTester::Press(Switch which, Input input) {
    const bool wasLit = Lit(which);
    held_[Index(which)] |= input;
    if (!wasLit) {
        Draw(which);
    }
}

void SwitchTester::Release(Switch which, Input input) {
    const bool wasLit = Lit(which);
    held_[Index(which)] &= ~static_cast<unsigned>(input);
    if (wasLit && !Lit(which)) {
        Draw(which);
    }
}

platform::Rect SwitchTester::LampPlace(Switch which) const {
    const ScreenGeometry& g = Geometry();
    const SwitchLamp& lamp = LampOf(which);
    const double reach = lamp.Radius * (1.0 + GlowWidth);
    return platform::Rect{g.MapX(lamp.CentreX - reach), g.MapY(lamp.CentreY - reach),
                          g.MapX(lamp.CentreX + reach) + 1, g.MapY(lamp.CentreY + reach) + 1}
        .Intersect(frame_.Bounds());
}

void SwitchTester::Draw(Switch which) {
    const platform::Rect place = LampPlace(which);
    frame_.CopyRect(place, scene_, place);
    if (Lit(which) && frame_.Format() != platform::PixelFormat::Grey8) {
        const ScreenGeometry& g = Geometry();
        const SwitchLamp& lamp = LampOf(which);
        const double cx = g.LayoutRect.Left + g.LayoutScale * lamp.CentreX;
        const double cy = g.LayoutRect.Top + g.LayoutScale * lamp.CentreY;
        const double r = g.LayoutScale * lamp.Radius;
        const double glow = r * GlowWidth;
        // Bytes are blue, green, red, like the bitmaps.
        const uint8_t colour[3] = {static_cast<uint8_t>(lamp.Colour & 0xFF),
                                   static_cast<uint8_t>((lamp.Colour >> 8) & 0xFF),
                                   static_cast<uint8_t>((lamp.Colour >> 16) & 0xFF)};
        for (int y = place.Top; y < place.Bottom; ++y) {
            for (int x = place.Left; x < place.Right; ++x) {
                const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
                uint8_t* p = frame_.Pixel(x, y);
                if (d <= r) {
                    for (int i = 0; i < 3; ++i) {
                        p[i] = Mix(p[i], 255, FaceLight);
                    }
                } else if (d < r + glow) {
                    const auto weight = static_cast<unsigned>(220.0 * (1.0 - (d - r) / glow));
                    for (int i = 0; i < 3; ++i) {
                        p[i] = Mix(p[i], colour[i], weight);
                    }
                }
            }
        }
    }
    form_.Invalidate(place);
}

}  // namespace app
