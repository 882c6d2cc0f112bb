#pragma once

#include <cstdint>

namespace catalog {

// The two round switches painted on the options page's background, in design pixels of the
// large layout. The page lights each one while its switch is held, so that a therapist can
// try a switch before a series: yellow for the select switch, blue for the step switch.
struct SwitchLamp {
    double CentreX;
    double CentreY;
    double Radius;
    uint32_t Colour;  // 0xRRGGBB
};

inline constexpr SwitchLamp SelectSwitchLamp{165.0, 480.0, 80.0, 0xFFCA28};
inline constexpr SwitchLamp StepSwitchLamp{345.0, 540.0, 62.0, 0x42A5F5};

}  // namespace catalog
