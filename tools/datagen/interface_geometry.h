#pragma once

#include <string>
#include <string_view>

// What each interface picture is and how large it is in either layout. The sizes are chosen
// so that the places the forms give their controls work out: buttons stay inside the layout
// and clear of the game's work area, neighbours do not overlap, the options form's chain of
// controls fits, the about form's toggle covers its page window. Lengths are given in design
// pixels (the 1280x960 layout) and reach the 1024x768 layout by the program's own rule,
// truncate(0.8 x length); every picture size is a multiple of 5 design pixels, so the big
// picture is exactly the small one / 0.8.
namespace datagen {

// ResourceEntry::Layout values.
inline constexpr int SmallLayout = 1;
inline constexpr int BigLayout = 4;

// A design length in the given layout (throws for a layout other than 1 or 4).
int ToLayout(int design, int layout);
// 1.0 for the big layout, 0.8 for the small one: what drawings in design units scale by.
double LayoutScale(int layout);

struct PixelSize {
    int Width = 0;
    int Height = 0;
};

enum class ControlKind { PushButton, CheckButton, Label, Slider };

enum class Look {
    Plain,  // a label
    // push buttons: "_d", "_a", "_c", "_na"
    Normal,
    Hover,
    Pressed,
    Disabled,
    // check buttons: "_A_C", "_A_NC", "_NA_C", "_NA_NC"
    On,
    Off,
    DisabledOn,
    DisabledOff,
    // slider: "_as", "_nas", "_ap", "_nap"
    Track,
    DisabledTrack,
    Knob,
    DisabledKnob,
};

// One picture of the button library, read from its name.
struct ButtonPicture {
    std::string Picture;  // "start", "pI", "track", "poziom" ...
    ControlKind Kind = ControlKind::PushButton;
    Look State = Look::Plain;
};

// Reads a button library name: picture, then optionally the layout suffix ("_mini"/"_maxi",
// which must match layout) or size suffix, then the state infix of its kind. Accepts
// "start_a", "l_mini_A_C", "l_A_C", "track_maxi_nap", "poziom_mini". Throws
// std::runtime_error for an unknown picture, a state that does not belong to its kind or a
// layout suffix of the other layout.
ButtonPicture ParseButtonPicture(std::string_view name, int layout);

// The size of a button library picture in a layout.
PixelSize ButtonPictureSize(const ButtonPicture& picture, int layout);

// Form backgrounds by their base name: "T" (menu), "op", "ab" (full layout), "kom" (message
// form), "wyn" (results form). Throws for any other name.
PixelSize FormBackgroundSize(std::string_view form, int layout);

// The splash picture: one size for both layouts, small enough for any screen the program
// starts on (it shows before the screen size is checked).
PixelSize SplashSize();

// The about form: where the page window lies inside the "jakgrac" toggle picture, how wide a
// page picture is and how tall the window is; a page picture is at least that tall.
struct AboutGeometry {
    int WindowLeft = 0;  // inside the toggle picture
    int WindowTop = 0;
    int PageWidth = 0;
    int WindowHeight = 0;
};
AboutGeometry AboutPageGeometry(int layout);

// The options form's slider: its arguments in a layout, where the pictures must put the
// groove and the knob.
struct SliderGeometry {
    int TrackStart = 0;  // from the control's left edge to knob position 0
    int Length = 0;      // knob travel
    int CentreLine = 0;  // from the control's top edge to the knob's centre
};
SliderGeometry SliderArguments(int layout);

}  // namespace datagen
