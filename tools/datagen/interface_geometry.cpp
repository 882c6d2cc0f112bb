#include "interface_geometry.h"

#include <array>
#include <stdexcept>
#include <vector>

#include "catalog/screen_geometry.h"

using namespace catalog;

namespace datagen {

namespace {

struct PictureInfo {
    std::string_view Name;
    ControlKind Kind;
    int Width;  // design pixels
    int Height;
};

// Push buttons: the menu column at x 1151 leaves 129 pixels and rows 115 apart; the game
// column at x 1170 leaves 110 pixels right of the work area and rows 106 apart. Check
// buttons: menu rows are 65 apart, levels 170 apart side by side; the options chain needs
// check button + 20 + slider to end left of the exit column. Labels end left of the check
// buttons beside them. The about toggle covers the page window (see AboutPageGeometry).
// clang-format off
constexpr PictureInfo Pictures[] = {
    {"start",        ControlKind::PushButton,  125, 105},
    {"options",      ControlKind::PushButton,  125, 105},
    {"info",         ControlKind::PushButton,  125, 105},
    {"exit",         ControlKind::PushButton,  125, 105},
    {"powrot",       ControlKind::PushButton,  125, 105},
    {"dalej",        ControlKind::PushButton,  100, 95},
    {"wstecz",       ControlKind::PushButton,  100, 95},
    {"pomoc",        ControlKind::PushButton,  100, 95},
    {"stop",         ControlKind::PushButton,  100, 95},
    {"m",            ControlKind::CheckButton, 210, 60},
    {"s",            ControlKind::CheckButton, 210, 60},
    {"d",            ControlKind::CheckButton, 210, 60},
    {"pI",           ControlKind::CheckButton, 160, 60},
    {"pII",          ControlKind::CheckButton, 160, 60},
    {"pIII",         ControlKind::CheckButton, 160, 60},
    {"pIV",          ControlKind::CheckButton, 160, 60},
    {"l",            ControlKind::CheckButton, 130, 60},
    {"r",            ControlKind::CheckButton, 130, 60},
    {"j",            ControlKind::CheckButton, 130, 60},
    {"wyl",          ControlKind::CheckButton, 300, 60},
    {"wl",           ControlKind::CheckButton, 300, 60},
    {"opskwew",      ControlKind::CheckButton, 300, 60},
    {"opskzew",      ControlKind::CheckButton, 300, 60},
    {"opsk1p",       ControlKind::CheckButton, 300, 60},
    {"opsk2p",       ControlKind::CheckButton, 300, 60},
    {"jakgrac",      ControlKind::CheckButton, 620, 770},
    {"poziom",       ControlKind::Label,       330, 60},
    {"ilosc",        ControlKind::Label,       345, 60},
    {"gloski",       ControlKind::Label,       335, 60},
    {"opskanowanie", ControlKind::Label,       420, 70},
    {"czasprzejsc",  ControlKind::Label,       300, 55},
    {"track",        ControlKind::Slider,      300, 90},
};
// clang-format on

// The slider knob; the track pictures take the table's size.
constexpr int KnobWidth = 40;
constexpr int KnobHeight = 60;

// The about form's places (design): toggle at (520, 50), page window at (583, 150), 640 high.
constexpr int ToggleLeft = 520;
constexpr int ToggleTop = 50;
constexpr int WindowLeft = 583;
constexpr int WindowTop = 150;
constexpr int WindowHeight = 640;
constexpr int PageWidth = 500;

const PictureInfo& Find(std::string_view picture) {
    for (const PictureInfo& info : Pictures) {
        if (info.Name == picture) {
            return info;
        }
    }
    throw std::runtime_error("unknown button picture \"" + std::string(picture) + "\"");
}

std::vector<std::string_view> SplitUnderscores(std::string_view text) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (true) {
        const size_t end = text.find('_', start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

Look StateOf(ControlKind kind, const std::vector<std::string_view>& state) {
    struct Infix {
        ControlKind Kind;
        std::array<std::string_view, 2> Parts;  // an empty second part: one-part infix
        Look State;
    };
    static constexpr Infix infixes[] = {
        {ControlKind::PushButton, {"d", ""}, Look::Normal},
        {ControlKind::PushButton, {"a", ""}, Look::Hover},
        {ControlKind::PushButton, {"c", ""}, Look::Pressed},
        {ControlKind::PushButton, {"na", ""}, Look::Disabled},
        {ControlKind::CheckButton, {"A", "C"}, Look::On},
        {ControlKind::CheckButton, {"A", "NC"}, Look::Off},
        {ControlKind::CheckButton, {"NA", "C"}, Look::DisabledOn},
        {ControlKind::CheckButton, {"NA", "NC"}, Look::DisabledOff},
        {ControlKind::Slider, {"as", ""}, Look::Track},
        {ControlKind::Slider, {"nas", ""}, Look::DisabledTrack},
        {ControlKind::Slider, {"ap", ""}, Look::Knob},
        {ControlKind::Slider, {"nap", ""}, Look::DisabledKnob},
    };
    if (kind == ControlKind::Label && state.empty()) {
        return Look::Plain;
    }
    for (const Infix& infix : infixes) {
        const size_t parts = infix.Parts[1].empty() ? 1 : 2;
        if (infix.Kind == kind && state.size() == parts && state[0] == infix.Parts[0] &&
            (parts == 1 || state[1] == infix.Parts[1])) {
            return infix.State;
        }
    }
    throw std::runtime_error("no such state");
}

}  // namespace

int ToLayout(int design, int layout) {
    // The program's own mapping, on the screen each layout is made for.
    static const ScreenGeometry big = SelectScreenMode(1280, 960);
    static const ScreenGeometry small = SelectScreenMode(1024, 768);
    if (layout == BigLayout) {
        return big.MapLength(design);
    }
    if (layout == SmallLayout) {
        return small.MapLength(design);
    }
    throw std::runtime_error("layout " + std::to_string(layout) + " is neither 1 nor 4");
}

double LayoutScale(int layout) {
    return ToLayout(1000, layout) / 1000.0;
}

ButtonPicture ParseButtonPicture(std::string_view name, int layout) {
    const std::vector<std::string_view> parts = SplitUnderscores(name);
    const PictureInfo& info = Find(parts.front());
    std::vector<std::string_view> state;
    for (size_t i = 1; i < parts.size(); ++i) {
        const std::string_view part = parts[i];
        if (part == "mini" || part == "maxi" || part == "s" || part == "b") {
            const bool small = part == "mini" || part == "s";
            if (small != (layout == SmallLayout)) {
                throw std::runtime_error("button picture \"" + std::string(name) +
                                         "\" belongs to the other layout");
            }
            continue;
        }
        state.push_back(part);
    }
    try {
        return {std::string(info.Name), info.Kind, StateOf(info.Kind, state)};
    } catch (const std::runtime_error&) {
        throw std::runtime_error("button picture \"" + std::string(name) +
                                 "\" has no state its kind knows");
    }
}

PixelSize ButtonPictureSize(const ButtonPicture& picture, int layout) {
    const PictureInfo& info = Find(picture.Picture);
    const bool knob = picture.State == Look::Knob || picture.State == Look::DisabledKnob;
    const int width = knob ? KnobWidth : info.Width;
    const int height = knob ? KnobHeight : info.Height;
    return {ToLayout(width, layout), ToLayout(height, layout)};
}

PixelSize FormBackgroundSize(std::string_view form, int layout) {
    // The message form holds one line of large text over its exit button at (560, 280); the
    // results form four lines of figures from y 100 over its exit button at (50, 300).
    if (form == "T" || form == "op" || form == "ab") {
        return {ToLayout(1280, layout), ToLayout(960, layout)};
    }
    if (form == "kom") {
        return {ToLayout(720, layout), ToLayout(420, layout)};
    }
    if (form == "wyn") {
        return {ToLayout(480, layout), ToLayout(440, layout)};
    }
    throw std::runtime_error("unknown form background \"" + std::string(form) + "\"");
}

PixelSize SplashSize() {
    return {600, 400};
}

AboutGeometry AboutPageGeometry(int layout) {
    return {ToLayout(WindowLeft - ToggleLeft, layout), ToLayout(WindowTop - ToggleTop, layout),
            ToLayout(PageWidth, layout), ToLayout(WindowHeight, layout)};
}

SliderGeometry SliderArguments(int layout) {
    return {ToLayout(23, layout), ToLayout(253, layout), ToLayout(46, layout)};
}

}  // namespace datagen
