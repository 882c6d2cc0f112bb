#include "datagen/interface_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

using datagen::BigLayout;
using datagen::ButtonPicture;
using datagen::ButtonPictureSize;
using datagen::ControlKind;
using datagen::Look;
using datagen::ParseButtonPicture;
using datagen::SmallLayout;

namespace {

constexpr int Layouts[] = {SmallLayout, BigLayout};

struct Rect {
    std::string Name;
    int Left, Top, Width, Height;
    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
};

double ScaleOf(int layout) {
    return layout == BigLayout ? 1.0 : 0.8;
}

// The forms' own mapping of a design place: truncate(scale x value), LayoutRect at (0, 0).
int Place(double design, int layout) {
    return static_cast<int>(std::trunc(ScaleOf(layout) * design));
}

datagen::PixelSize SizeOf(const std::string& name, int layout) {
    return ButtonPictureSize(ParseButtonPicture(name, layout), layout);
}

// A control at a design place, sized by its picture (check buttons by their "on" look, as
// the program does).
Rect At(const std::string& name, double left, double top, int layout) {
    const auto size = SizeOf(name, layout);
    return {name, Place(left, layout), Place(top, layout), size.Width, size.Height};
}

bool Overlap(const Rect& a, const Rect& b) {
    return a.Left < b.Right() && b.Left < a.Right() && a.Top < b.Bottom() && b.Top < a.Bottom();
}

void ExpectInsideAndApart(const std::vector<Rect>& rects, int width, int height) {
    for (size_t i = 0; i < rects.size(); ++i) {
        const Rect& r = rects[i];
        EXPECT_TRUE(r.Left >= 0 && r.Top >= 0 && r.Right() <= width && r.Bottom() <= height)
            << r.Name << " leaves the " << width << "x" << height << " area";
        for (size_t j = i + 1; j < rects.size(); ++j) {
            EXPECT_FALSE(Overlap(r, rects[j])) << r.Name << " overlaps " << rects[j].Name;
        }
    }
}

std::string CheckName(const std::string& picture, int layout) {
    return picture + (layout == BigLayout ? "_maxi" : "_mini") + "_A_C";
}

}  // namespace

TEST(InterfaceGeometry, ReadsEveryNamingOfTheButtonLibrary) {
    struct Case {
        const char* Name;
        int Layout;
        const char* Picture;
        ControlKind Kind;
        Look State;
    };
    const Case cases[] = {
        {"start_a", SmallLayout, "start", ControlKind::PushButton, Look::Hover},
        {"dalej_na", BigLayout, "dalej", ControlKind::PushButton, Look::Disabled},
        {"exit_c_s", SmallLayout, "exit", ControlKind::PushButton, Look::Pressed},
        {"l_mini_A_C", SmallLayout, "l", ControlKind::CheckButton, Look::On},
        {"s_maxi_NA_NC", BigLayout, "s", ControlKind::CheckButton, Look::DisabledOff},
        {"pIV_A_NC", SmallLayout, "pIV", ControlKind::CheckButton, Look::Off},
        {"jakgrac_maxi_NA_C", BigLayout, "jakgrac", ControlKind::CheckButton, Look::DisabledOn},
        {"track_mini_nap", SmallLayout, "track", ControlKind::Slider, Look::DisabledKnob},
        {"track_as", BigLayout, "track", ControlKind::Slider, Look::Track},
        {"poziom_mini", SmallLayout, "poziom", ControlKind::Label, Look::Plain},
        {"czasprzejsc", BigLayout, "czasprzejsc", ControlKind::Label, Look::Plain},
    };
    for (const Case& c : cases) {
        const ButtonPicture parsed = ParseButtonPicture(c.Name, c.Layout);
        EXPECT_EQ(parsed.Picture, c.Picture) << c.Name;
        EXPECT_EQ(parsed.Kind, c.Kind) << c.Name;
        EXPECT_EQ(parsed.State, c.State) << c.Name;
    }
}

TEST(InterfaceGeometry, RejectsNamesNoPictureAnswers) {
    // "d" is the many-tasks check button: a push-button state is not one of its states.
    const char* bad[] = {"unknown_a", "start_A_C", "start",      "l_a",         "l_A",
                         "l_C_A",     "track_d",   "poziom_a",   "l_maxi_A_C",  "start_a_b",
                         "",          "start_a_x", "stop_na_na", "track_ap_as", "d_d"};
    for (const char* name : bad) {
        EXPECT_THROW(ParseButtonPicture(name, SmallLayout), std::runtime_error) << name;
    }
}

TEST(InterfaceGeometry, BigPicturesAreTheSmallOnesOverFourFifths) {
    const char* names[] = {"start_a", "dalej_a",      "m_A_C",       "pI_A_C",   "l_A_C",
                           "wyl_A_C", "opsk1p_A_C",   "jakgrac_A_C", "poziom",   "ilosc",
                           "gloski",  "opskanowanie", "czasprzejsc", "track_as", "track_ap"};
    for (const char* name : names) {
        const auto small = SizeOf(name, SmallLayout);
        const auto big = SizeOf(name, BigLayout);
        EXPECT_EQ(small.Width * 5, big.Width * 4) << name;
        EXPECT_EQ(small.Height * 5, big.Height * 4) << name;
    }
    for (const char* form : {"T", "op", "ab", "kom", "wyn"}) {
        const auto small = datagen::FormBackgroundSize(form, SmallLayout);
        const auto big = datagen::FormBackgroundSize(form, BigLayout);
        EXPECT_EQ(small.Width * 5, big.Width * 4) << form;
        EXPECT_EQ(small.Height * 5, big.Height * 4) << form;
    }
    EXPECT_THROW(datagen::FormBackgroundSize("sph", BigLayout), std::runtime_error);
}

TEST(InterfaceGeometry, MainMenuControlsFitTheLayoutWithoutOverlapping) {
    for (int layout : Layouts) {
        // The check buttons and labels stand 100 design units lower than their stored places.
        std::vector<Rect> rects = {
            At("start_a", 1151, 374, layout),
            At("options_a", 1151, 494, layout),
            At("info_a", 1151, 614, layout),
            At("exit_a", 1151, 729, layout),
            At("poziom", 76, 183, layout),
            At("ilosc", 91, 348, layout),
            At("gloski", 150, 580, layout),
            At(CheckName("m", layout), 460, 350, layout),
            At(CheckName("s", layout), 460, 415, layout),
            At(CheckName("d", layout), 460, 480, layout),
            At(CheckName("pI", layout), 430, 185, layout),
            At(CheckName("pII", layout), 600, 185, layout),
            At(CheckName("pIII", layout), 430, 258, layout),
            At(CheckName("pIV", layout), 600, 258, layout),
            At(CheckName("l", layout), 510, 580, layout),
            At(CheckName("r", layout), 510, 645, layout),
            At(CheckName("j", layout), 510, 715, layout),
        };
        const auto screen = datagen::FormBackgroundSize("T", layout);
        ExpectInsideAndApart(rects, screen.Width, screen.Height);
    }
}

TEST(InterfaceGeometry, OptionsChainFitsTheLayoutWithoutOverlapping) {
    for (int layout : Layouts) {
        const double s = ScaleOf(layout);
        // Each place follows from the one before, truncate(reference + s x distance).
        auto below = [&](const Rect& r, double d) {
            return static_cast<int>(std::trunc(r.Bottom() + s * d));
        };
        std::vector<Rect> rects;
        rects.push_back(At("opskanowanie", 505, 150, layout));
        const int left = Place(515, layout);
        for (const char* name : {"wyl", "wl", "opskwew", "opskzew", "opsk1p"}) {
            const auto size = SizeOf(CheckName(name, layout), layout);
            rects.push_back({name, left, below(rects.back(), 10), size.Width, size.Height});
        }
        const Rect external = rects[4];
        const Rect oneSwitch = rects[5];
        const auto label = SizeOf("czasprzejsc", layout);
        rects.push_back({"czasprzejsc", static_cast<int>(std::trunc(external.Right() + s * 10)),
                         static_cast<int>(std::trunc(external.Top + s * 5)), label.Width,
                         label.Height});
        const auto track = SizeOf("track_as", layout);
        const Rect slider{"track", static_cast<int>(std::trunc(oneSwitch.Right() + s * 20)),
                          static_cast<int>(std::trunc(oneSwitch.Top + s * 10)), track.Width,
                          track.Height};
        rects.push_back(slider);
        const auto twoSwitches = SizeOf(CheckName("opsk2p", layout), layout);
        rects.push_back({"opsk2p", left, below(slider, 10), twoSwitches.Width, twoSwitches.Height});
        rects.push_back(At("exit_a", 1151, 729, layout));
        const auto screen = datagen::FormBackgroundSize("op", layout);
        ExpectInsideAndApart(rects, screen.Width, screen.Height);
    }
}

TEST(InterfaceGeometry, GameButtonsStayRightOfTheWorkArea) {
    for (int layout : Layouts) {
        std::vector<Rect> rects = {
            At("dalej_a", 1170, 79, layout),
            At("wstecz_a", 1170, 185, layout),
            At("pomoc_a", 1170, 291, layout),
            At("stop_a", 1170, 397, layout),
        };
        const auto screen = datagen::FormBackgroundSize("T", layout);
        ExpectInsideAndApart(rects, screen.Width, screen.Height);
        for (const Rect& r : rects) {
            EXPECT_GE(r.Left, Place(1125, layout)) << r.Name;
        }
    }
}

TEST(InterfaceGeometry, SmallFormsHoldTheirExitButton) {
    for (int layout : Layouts) {
        const auto message = datagen::FormBackgroundSize("kom", layout);
        ExpectInsideAndApart({At("exit_a", 560, 280, layout)}, message.Width, message.Height);
        const auto results = datagen::FormBackgroundSize("wyn", layout);
        ExpectInsideAndApart({At("exit_a", 50, 300, layout)}, results.Width, results.Height);
    }
}

TEST(InterfaceGeometry, AboutToggleCoversThePageWindowAndScrollBar) {
    constexpr int ScrollBarWidth = 20;  // a generous system scroll bar
    for (int layout : Layouts) {
        // The window and the toggle are placed separately, each truncated on its own, with the
        // layout anywhere on the screen.
        for (int origin : {0, 37, 128}) {
            const double s = ScaleOf(layout);
            const int toggleLeft = static_cast<int>(std::trunc(origin + 520 * s));
            const int toggleTop = static_cast<int>(std::trunc(origin + 50 * s));
            const int windowLeft = static_cast<int>(std::trunc(origin + 583 * s));
            const int windowTop = static_cast<int>(std::trunc(origin + 150 * s));
            const auto g = datagen::AboutPageGeometry(layout);
            const auto toggle = SizeOf(CheckName("jakgrac", layout), layout);
            EXPECT_NEAR(windowLeft - toggleLeft, g.WindowLeft, 1);
            EXPECT_NEAR(windowTop - toggleTop, g.WindowTop, 1);
            EXPECT_GE(windowLeft, toggleLeft);
            EXPECT_GE(windowTop, toggleTop);
            EXPECT_LE(windowLeft + g.PageWidth + ScrollBarWidth, toggleLeft + toggle.Width);
            EXPECT_LE(windowTop + static_cast<int>(std::trunc(640 * s)), toggleTop + toggle.Height);
        }
        const auto screen = datagen::FormBackgroundSize("ab", layout);
        ExpectInsideAndApart(
            {At(CheckName("jakgrac", layout), 520, 50, layout), At("exit_a", 1151, 729, layout)},
            screen.Width, screen.Height);
    }
}

TEST(InterfaceGeometry, SliderKnobStaysOnTheTrackPictureAtBothEnds) {
    for (int layout : Layouts) {
        const auto g = datagen::SliderArguments(layout);
        const auto track = SizeOf("track_as", layout);
        const auto knob = SizeOf("track_ap", layout);
        EXPECT_EQ(SizeOf("track_nap", layout).Width, knob.Width);
        for (int position : {0, g.Length}) {
            const int left = g.TrackStart + position - knob.Width / 2;
            EXPECT_GE(left, 0);
            EXPECT_LE(left + knob.Width, track.Width);
        }
        const int top = g.CentreLine - knob.Height / 2;
        EXPECT_GE(top, 0);
        EXPECT_LE(top + knob.Height, track.Height);
    }
}
