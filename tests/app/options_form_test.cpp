#include "app/options_form.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "catalog/screen_geometry.h"
#include "controls/control_fixture.h"
#include "game/cwybor.h"
#include "media/cblad.h"
#include "media/data_paths.h"
#include "platform/timer.h"

using namespace catalog;
using namespace media;
using namespace controls;
using namespace game;
using namespace app;

using platform::Color;
using platform::Control;
using platform::Key;
using platform::Point;
using platform::Rect;

namespace {

constexpr Color kBackground{40, 90, 160};
constexpr Color kHeading{250, 220, 0};
constexpr Color kStepLabel{255, 120, 0};
constexpr Color kOn{0, 200, 0};
constexpr Color kOff{200, 0, 0};
constexpr Color kOnDisabled{70, 130, 70};
constexpr Color kOffDisabled{130, 70, 70};
constexpr Color kExit{0, 0, 230};
constexpr Color kTrack{30, 160, 40};
constexpr Color kKnob{230, 30, 200};
constexpr Color kDisabledTrack{120, 120, 120};
constexpr Color kDisabledKnob{20, 40, 90};

Color CheckColour(bool on, bool enabled) {
    if (enabled) {
        return on ? kOn : kOff;
    }
    return on ? kOnDisabled : kOffDisabled;
}

// One screen layout: the fixture's picture sizes and where the form must put each item,
// worked out by hand from the design places.
struct Sizes {
    Point check, heading, stepLabel, exit, track, knob;
};
struct Places {
    Point heading, scanOff, scanOn, internal, external, one, stepLabel, exit, slider, two;
};
struct Layout {
    const char* name;
    Point screen;
    const char* layoutSuffix;
    const char* sizeSuffix;
    Sizes size;
    Places at;
    int32_t length, centreLine, trackStart;
};

// clang-format off
const Layout kLayouts[] = {
    // LayoutRect (0, 32), scale 1: the places are the design values plus 32 in y.
    {"big", {1280, 1024}, "_maxi", "_b",
     {{200, 40}, {250, 40}, {150, 30}, {100, 60}, {300, 60}, {20, 30}},
     {{505, 182}, {515, 232}, {515, 282}, {515, 332}, {515, 382}, {515, 432}, {725, 387},
      {1151, 761}, {735, 442}, {515, 512}},
     253, 46, 23},
    // Scale 0.8: 10 design units below something is 8 px, 5 is 4 px, 20 is 16 px.
    {"small", {1024, 768}, "_mini", "_s",
     {{160, 32}, {200, 32}, {120, 24}, {80, 48}, {240, 48}, {16, 24}},
     {{404, 120}, {412, 160}, {412, 200}, {412, 240}, {412, 280}, {412, 320}, {580, 284},
      {920, 583}, {588, 328}, {412, 384}},
     202, 36, 18},
};
// clang-format on

void PrintTo(const Layout& layout, std::ostream* os) {
    *os << layout.name;
}

// The options form over a stand-in menu, with a fixture data root for either layout.
class OptionsFormTest : public ::testing::WithParamInterface<Layout>, public ControlTest {
  protected:
    OptionsFormTest() : ControlTest(GetParam().screen) {
        const Layout& l = GetParam();
        const std::string m = l.layoutSuffix;
        WriteJpeg(BackgroundFile(),
                  Plain(Geometry().DesignWidth, Geometry().DesignHeight, kBackground));
        WriteLook("opskanowanie" + m, l.size.heading.X, l.size.heading.Y, kHeading);
        WriteLook("czasprzejsc" + m, l.size.stepLabel.X, l.size.stepLabel.Y, kStepLabel);
        for (const char* name : {"wyl", "wl"}) {
            WriteLook(name + m + "_A_C", l.size.check.X, l.size.check.Y, kOn);
            WriteLook(name + m + "_A_NC", l.size.check.X, l.size.check.Y, kOff);
        }
        for (const char* name : {"opskwew", "opskzew", "opsk1p", "opsk2p"}) {
            WriteLook(name + m + "_A_C", l.size.check.X, l.size.check.Y, kOn);
            WriteLook(name + m + "_A_NC", l.size.check.X, l.size.check.Y, kOff);
            WriteLook(name + m + "_NA_C", l.size.check.X, l.size.check.Y, kOnDisabled);
            WriteLook(name + m + "_NA_NC", l.size.check.X, l.size.check.Y, kOffDisabled);
        }
        for (const char* state : {"_a", "_d", "_c", "_na"}) {
            WriteLook(std::string("powrot") + state + l.sizeSuffix, l.size.exit.X, l.size.exit.Y,
                      kExit);
        }
        WriteLook("track" + m + "_as", l.size.track.X, l.size.track.Y, kTrack);
        WriteLook("track" + m + "_nas", l.size.track.X, l.size.track.Y, kDisabledTrack);
        WriteLook("track" + m + "_ap", l.size.knob.X, l.size.knob.Y, kKnob);
        WriteLook("track" + m + "_nap", l.size.knob.X, l.size.knob.Y, kDisabledKnob);
    }

    static std::string BackgroundFile() {
        return std::string("Intf/op") + GetParam().sizeSuffix + ".xji";
    }

    // Builds the form on settings_ and shows it (not modally, so a test can look at it
    // between clicks).
    TfmOptions& Open() {
        options_ = std::make_unique<TfmOptions>(&form_, &settings_);
        options_->Show();
        h_.app->ProcessMessages();
        return *options_;
    }

    const Control& ControlNamed(const std::string& name) const {
        const std::pair<const char*, const Control*> controls[] = {
            {"wyl", &options_->ScanOffCheck()},
            {"wl", &options_->ScanOnCheck()},
            {"opskwew", &options_->InternalCycleCheck()},
            {"opskzew", &options_->ExternalCycleCheck()},
            {"opsk1p", &options_->OneSwitchCheck()},
            {"opsk2p", &options_->TwoSwitchesCheck()},
            {"exit", &options_->ExitButton()},
            {"track", &options_->StepTimeSlider()}};
        for (const auto& [n, c] : controls) {
            if (name == n) {
                return *c;
            }
        }
        ADD_FAILURE() << "no control named " << name;
        return options_->ExitButton();
    }
    static Point Centre(const Rect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }
    void ClickOn(const std::string& name) {
        const Point c = Centre(ControlNamed(name).Bounds());
        h_.headless->Click(c.X, c.Y);
        h_.app->ProcessMessages();
    }
    Color ScreenAt(Point p) const { return ControlTest::ScreenAt(p.X, p.Y); }

    // The screen shows every option as the record says: on when its bit is set, the four
    // scanning options greyed while scanning is off, the slider live only for one switch.
    void ExpectScreenShows(const CWybor& s) {
        const bool scanning = (s.scan & ScanOff) == 0;
        struct Probe {
            const char* name;
            bool on;
            bool enabled;
        };
        const Probe probes[] = {{"wyl", !scanning, true},
                                {"wl", scanning, true},
                                {"opskwew", (s.scan & ScanInternalCycle) != 0, scanning},
                                {"opskzew", (s.scan & ScanExternalCycle) != 0, scanning},
                                {"opsk1p", (s.scan & ScanOneSwitch) != 0, scanning},
                                {"opsk2p", (s.scan & ScanTwoSwitches) != 0, scanning}};
        for (const Probe& p : probes) {
            SCOPED_TRACE(p.name);
            EXPECT_EQ(ScreenAt(Centre(ControlNamed(p.name).Bounds())),
                      CheckColour(p.on, p.enabled));
        }
        const bool sliderLive = scanning && (s.scan & ScanOneSwitch) != 0;
        const CTrackBar& slider = options_->StepTimeSlider();
        EXPECT_EQ(slider.Enabled(), sliderLive);
        EXPECT_EQ(ScreenAt(Centre(slider.KnobRect())), sliderLive ? kKnob : kDisabledKnob);
        EXPECT_EQ(ScreenAt({slider.Bounds().Left + 4, slider.Bounds().Top + 4}),
                  sliderLive ? kTrack : kDisabledTrack);
    }

    // Drags the knob to the screen column x and lets go there.
    void DragKnobTo(int x) {
        const Point knob = Centre(options_->StepTimeSlider().KnobRect());
        Move(knob.X, knob.Y);
        Down(knob.X, knob.Y);
        Move(x, knob.Y);
        Up(x, knob.Y);
    }

    // Shows the form modally with the queued input; a guard ends the run should the input
    // fail to close the form, instead of letting the test hang.
    bool RunModal() {
        bool timedOut = false;
        platform::Timer guard(60000, [&] {
            timedOut = true;
            options_->Close();
        });
        guard.SetEnabled(true);
        options_->ShowModal();
        return !timedOut;
    }

    CWybor settings_;
    std::unique_ptr<TfmOptions> options_;
};

// Longer sessions whose rules do not depend on the layout run in the small one only: every
// full repaint of the headless screen costs time.
class OptionsFormSessionTest : public OptionsFormTest {};

std::string LayoutName(const testing::TestParamInfo<Layout>& info) {
    return info.param.name;
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(Layouts, OptionsFormTest, testing::ValuesIn(kLayouts), LayoutName);
INSTANTIATE_TEST_SUITE_P(Layouts, OptionsFormSessionTest, testing::Values(kLayouts[1]), LayoutName);

TEST_P(OptionsFormTest, PlacesEveryItemByTheDesignRules) {
    const Layout& l = GetParam();
    TfmOptions& form = Open();
    EXPECT_EQ(form.Caption(), "Vimbaro Cz.II");
    EXPECT_EQ(form.Bounds(), Geometry().ScreenRect);
    auto at = [](Point p, Point size) { return Rect::FromSize(p.X, p.Y, size.X, size.Y); };
    EXPECT_EQ(form.ScanOffCheck().Bounds(), at(l.at.scanOff, l.size.check));
    EXPECT_EQ(form.ScanOnCheck().Bounds(), at(l.at.scanOn, l.size.check));
    EXPECT_EQ(form.InternalCycleCheck().Bounds(), at(l.at.internal, l.size.check));
    EXPECT_EQ(form.ExternalCycleCheck().Bounds(), at(l.at.external, l.size.check));
    EXPECT_EQ(form.OneSwitchCheck().Bounds(), at(l.at.one, l.size.check));
    EXPECT_EQ(form.TwoSwitchesCheck().Bounds(), at(l.at.two, l.size.check));
    EXPECT_EQ(form.ExitButton().Bounds(), at(l.at.exit, l.size.exit));
    const CTrackBar& slider = form.StepTimeSlider();
    EXPECT_EQ(slider.Bounds(), at(l.at.slider, l.size.track));
    EXPECT_EQ(slider.Travel(), l.length);
    EXPECT_EQ(slider.KnobCentreLine(), l.centreLine);
    EXPECT_EQ(slider.TrackStart(), l.trackStart);
    EXPECT_FLOAT_EQ(slider.Step(), 0.05f);

    // The labels are drawn at their places, the background fills the layout area, and
    // the screen shows the form's frame.
    const Rect heading = at(l.at.heading, l.size.heading);
    const Rect stepLabel = at(l.at.stepLabel, l.size.stepLabel);
    EXPECT_EQ(ScreenAt(Centre(heading)), kHeading);
    EXPECT_EQ(ScreenAt({heading.Left + 3, heading.Top + 3}), kHeading);
    EXPECT_TRUE(Near(ScreenAt({heading.Left - 2, heading.Top + 3}), kBackground));
    EXPECT_EQ(ScreenAt(Centre(stepLabel)), kStepLabel);
    EXPECT_TRUE(Near(ScreenAt({stepLabel.Left - 2, stepLabel.Top + 3}), kBackground));
    EXPECT_EQ(ScreenAt(Centre(form.ExitButton().Bounds())), kExit);
    const Rect& layout = Geometry().LayoutRect;
    EXPECT_TRUE(Near(ScreenAt({layout.Left + 5, layout.Top + 5}), kBackground));
    EXPECT_TRUE(Near(ScreenAt({layout.Right - 5, layout.Bottom - 5}), kBackground));
    if (layout.Top > 0) {
        EXPECT_EQ(ScreenAt({10, layout.Top - 1}), (Color{0, 0, 0}));
        EXPECT_EQ(ScreenAt({10, layout.Bottom}), (Color{0, 0, 0}));
    }
    platform::Bitmap shown = h_.headless->Screen();
    shown.ConvertTo(platform::PixelFormat::Bgr24);
    EXPECT_TRUE(shown == form.FrameBitmap());
}

TEST_P(OptionsFormTest, OpensShowingTheRecord) {
    const int8_t scans[] = {13, 19, 10, 20};
    for (int8_t scan : scans) {
        SCOPED_TRACE(testing::Message() << "scan " << int{scan});
        settings_.scan = scan;
        Open();
        ExpectScreenShows(settings_);
    }
}

TEST_P(OptionsFormSessionTest, ClicksChangeTheRecordAtOnce) {
    struct Case {
        int8_t scan;
        std::vector<std::string> clicks;
        int8_t expected;
    };
    const Case cases[] = {
        {13, {"wl"}, 12},
        {13, {"wl", "opsk1p"}, 10},
        {13, {"wl", "opskwew"}, 20},
        {13, {"wl", "opskwew", "opskzew"}, 12},
        {13, {"wl", "opsk1p", "opsk2p"}, 12},
        // Turning scanning off keeps the switch and cycle chosen.
        {13, {"wl", "opsk1p", "opskwew", "wyl"}, 19},
        // While scanning is off the four scanning options take no clicks.
        {13, {"opsk1p", "opskwew"}, 13},
        {11, {"opsk2p", "opskwew"}, 11},
        // A click on the option already on changes nothing.
        {13, {"wyl"}, 13},
        {12, {"wl", "opsk2p", "opskzew"}, 12},
        {18, {"opsk1p", "opskwew"}, 18},
        {18, {"opskzew", "opsk2p"}, 12},
        {10, {"wyl", "wl"}, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "scan " << int{c.scan} << ", " << c.clicks.size() << " clicks");
        settings_ = CWybor{};
        settings_.scan = c.scan;
        Open();
        for (const std::string& name : c.clicks) {
            ClickOn(name);
        }
        EXPECT_EQ(settings_.scan, c.expected);
        EXPECT_EQ(settings_.scanTime, 1500);
        ExpectScreenShows(settings_);
    }
}

TEST_P(OptionsFormTest, SliderStartsAtTheStoredStepTime) {
    TfmOptions& form = Open();
    const CTrackBar& slider = form.StepTimeSlider();
    // 1500 ms makes 29 %, whose knob place reads back as 28 %.
    EXPECT_EQ(slider.KnobPosition(), static_cast<int32_t>(29 * 0.01 * GetParam().length));
    EXPECT_EQ(slider.GetPercent(), 28);
    EXPECT_EQ(slider.Hint(), "1.4  s");
    EXPECT_EQ(ScreenAt(Centre(slider.KnobRect())), kDisabledKnob);
}

TEST_P(OptionsFormTest, ReleasingTheSliderStoresTheStepTime) {
    struct Case {
        const char* what;
        bool drag;
        int dragTo;  // screen column
        int32_t expected;
    };
    // A release without a move keeps the stored time, though the knob reads 1.4 s for it.
    const Case cases[] = {{"release without moving", false, 0, 1500},
                          {"left end: the floor, not faster", true, -300, ScanTimeMin},
                          {"right end", true, 5000, 5000}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        settings_ = CWybor{};
        settings_.scan = ScanOneSwitch | ScanExternalCycle;
        Open();
        if (c.drag) {
            DragKnobTo(c.dragTo);
        } else {
            const Point knob = Centre(options_->StepTimeSlider().KnobRect());
            h_.headless->Click(knob.X, knob.Y);
            h_.app->ProcessMessages();
        }
        EXPECT_EQ(settings_.scanTime, c.expected);
        EXPECT_EQ(settings_.scan, ScanOneSwitch | ScanExternalCycle);
    }
}

TEST_P(OptionsFormSessionTest, TouchingTheKnobWithoutMovingItKeepsTheStoredTime) {
    for (int32_t stored : {1500, 1450, 520, 5000}) {
        SCOPED_TRACE(stored);
        settings_ = CWybor{};
        settings_.scan = ScanOneSwitch | ScanExternalCycle;
        settings_.scanTime = stored;
        Open();
        const Point knob = Centre(options_->StepTimeSlider().KnobRect());
        for (int i = 0; i < 10; ++i) {
            h_.headless->Click(knob.X, knob.Y);
            h_.app->ProcessMessages();
        }
        EXPECT_EQ(settings_.scanTime, stored);
        // A move to another reading stores what the knob shows, and going back to the
        // first reading stores that reading's time.
        DragKnobTo(stored < 3000 ? knob.X + 40 : knob.X - 40);
        const int32_t moved =
            TfmOptions::ScanTimeForPercent(options_->StepTimeSlider().GetPercent());
        EXPECT_NE(moved, stored);
        EXPECT_EQ(settings_.scanTime, moved);
    }
}

TEST_P(OptionsFormSessionTest, TheKnobStopsAtTheFloor) {
    settings_.scan = ScanOneSwitch | ScanExternalCycle;
    Open();
    const CTrackBar& slider = options_->StepTimeSlider();
    DragKnobTo(slider.Bounds().Left - 100);
    EXPECT_EQ(slider.GetPercent(), TfmOptions::LowestPercent());
    EXPECT_EQ(slider.Hint(), "0.5  s");
    EXPECT_EQ(settings_.scanTime, ScanTimeMin);
}

TEST_P(OptionsFormSessionTest, TheValueStandsBelowTheTrackWhileThePointerIsOnTheSlider) {
    settings_.scan = ScanOneSwitch | ScanExternalCycle;
    Open();
    const CTrackBar& slider = options_->StepTimeSlider();
    // Right of the two-switches option, which stands below the slider's left end.
    const Rect below = Rect::FromSize(slider.Bounds().Left, slider.Bounds().Bottom,
                                      slider.Bounds().Width() + 60, 40);
    auto pixels = [&] {
        std::vector<Color> v;
        for (int y = below.Top; y < below.Bottom; ++y) {
            for (int x = below.Left; x < below.Right; ++x) {
                v.push_back(ScreenAt({x, y}));
            }
        }
        return v;
    };
    const std::vector<Color> page = pixels();
    auto differs = [&] {
        const std::vector<Color> now = pixels();
        int n = 0;
        for (size_t i = 0; i < now.size(); ++i) {
            n += now[i] != page[i] ? 1 : 0;
        }
        return n;
    };
    EXPECT_FALSE(slider.ReadoutShown());
    EXPECT_EQ(differs(), 0);

    const Point knob = Centre(slider.KnobRect());
    Move(knob.X, knob.Y);
    EXPECT_TRUE(slider.ReadoutShown());
    EXPECT_EQ(slider.ReadoutText(), "1,4 s");
    EXPECT_GT(differs(), 20);
    EXPECT_TRUE(below.Intersect(slider.ReadoutPlace()) == slider.ReadoutPlace());

    // Dragging far off the slider keeps it up and current; letting go there takes it away.
    Down(knob.X, knob.Y);
    Move(slider.Bounds().Right + 200, knob.Y);
    EXPECT_TRUE(slider.ReadoutShown());
    EXPECT_EQ(slider.ReadoutText(), "5 s");
    Up(slider.Bounds().Right + 200, knob.Y);
    EXPECT_FALSE(slider.ReadoutShown());
    EXPECT_EQ(differs(), 0);

    // The pointer back over the slider shows it again; leaving takes it away.
    Move(Centre(slider.KnobRect()).X, knob.Y);
    EXPECT_TRUE(slider.ReadoutShown());
    ClickOn("opsk2p");
    EXPECT_FALSE(slider.Enabled());
    EXPECT_FALSE(slider.ReadoutShown());
    EXPECT_EQ(differs(), 0);
}

TEST_P(OptionsFormSessionTest, HeldSwitchesLightTheirLamps) {
    using Switch = SwitchTester::Switch;
    Open();
    const SwitchTester& tester = options_->Tester();
    auto centre = [&](Switch which) { return Centre(tester.LampPlace(which)); };
    const Color selectDark = ScreenAt(centre(Switch::Select));
    const Color stepDark = ScreenAt(centre(Switch::Step));
    auto key = [&](platform::InputEvent::Type type, char32_t ch) {
        platform::InputEvent e;
        e.type = type;
        e.key = Key::Char;
        e.ch = ch;
        h_.headless->Inject(e);
        h_.app->ProcessMessages();
    };
    auto button = [&](platform::InputEvent::Type type, platform::MouseButton b) {
        platform::InputEvent e;
        e.type = type;
        e.button = b;
        e.x = 5;  // a corner of the page where no control stands
        e.y = Geometry().ScreenRect.Bottom - 5;
        h_.headless->Inject(e);
        h_.app->ProcessMessages();
    };
    using Type = platform::InputEvent::Type;
    struct Case {
        const char* what;
        std::function<void()> press, release;
        Switch lit;
    };
    const Case cases[] = {
        {"K", [&] { key(Type::KeyDown, U'k'); }, [&] { key(Type::KeyUp, U'k'); }, Switch::Select},
        {"L", [&] { key(Type::KeyDown, U'l'); }, [&] { key(Type::KeyUp, U'l'); }, Switch::Step},
        {"left button", [&] { button(Type::MouseDown, platform::MouseButton::Left); },
         [&] { button(Type::MouseUp, platform::MouseButton::Left); }, Switch::Select},
        {"right button", [&] { button(Type::MouseDown, platform::MouseButton::Right); },
         [&] { button(Type::MouseUp, platform::MouseButton::Right); }, Switch::Step},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Switch other = c.lit == Switch::Select ? Switch::Step : Switch::Select;
        c.press();
        EXPECT_TRUE(tester.Lit(c.lit));
        EXPECT_FALSE(tester.Lit(other));
        EXPECT_NE(ScreenAt(centre(c.lit)), c.lit == Switch::Select ? selectDark : stepDark);
        EXPECT_EQ(ScreenAt(centre(other)), other == Switch::Select ? selectDark : stepDark);
        c.release();
        EXPECT_FALSE(tester.Lit(c.lit));
        EXPECT_EQ(ScreenAt(centre(Switch::Select)), selectDark);
        EXPECT_EQ(ScreenAt(centre(Switch::Step)), stepDark);
    }
    // Held by the key and the button, the lamp stays lit until both let go.
    key(Type::KeyDown, U'k');
    button(Type::MouseDown, platform::MouseButton::Left);
    key(Type::KeyUp, U'k');
    EXPECT_TRUE(tester.Lit(Switch::Select));
    button(Type::MouseUp, platform::MouseButton::Left);
    EXPECT_FALSE(tester.Lit(Switch::Select));
    // Nothing of this touches the settings.
    EXPECT_EQ(settings_, CWybor{});
}

TEST_P(OptionsFormSessionTest, SliderFollowsTheSwitchChoice) {
    TfmOptions& form = Open();
    const CTrackBar& slider = form.StepTimeSlider();
    // Scanning on with two switches: still no step time to set.
    ClickOn("wl");
    EXPECT_FALSE(slider.Enabled());
    DragKnobTo(0);
    EXPECT_EQ(settings_.scanTime, 1500);

    ClickOn("opsk1p");
    EXPECT_TRUE(slider.Enabled());
    EXPECT_EQ(ScreenAt(Centre(slider.KnobRect())), kKnob);
    DragKnobTo(slider.Bounds().Right + 100);
    EXPECT_EQ(settings_.scanTime, 5000);
    EXPECT_EQ(ScreenAt(Centre(slider.KnobRect())), kKnob);

    ClickOn("wyl");
    EXPECT_FALSE(slider.Enabled());
    EXPECT_EQ(ScreenAt(Centre(slider.KnobRect())), kDisabledKnob);
    ClickOn("wl");
    EXPECT_TRUE(slider.Enabled());
    ClickOn("opsk2p");
    EXPECT_FALSE(slider.Enabled());
    ExpectScreenShows(settings_);
}

TEST_P(OptionsFormTest, EscapeAndExitCloseKeepingEveryChange) {
    for (bool byExit : {false, true}) {
        SCOPED_TRACE(byExit ? "exit button" : "Esc");
        settings_ = CWybor{};
        options_ = std::make_unique<TfmOptions>(&form_, &settings_);
        auto click = [&](const Control& c) {
            const Point p = Centre(c.Bounds());
            h_.headless->Click(p.X, p.Y);
        };
        click(options_->ScanOnCheck());
        click(options_->OneSwitchCheck());
        // Keys other than Esc are ignored.
        h_.headless->PressKey(Key::Enter);
        h_.headless->PressKey(Key::Char, U'q');
        h_.headless->PressKey(Key::Space);
        h_.headless->PressKey(Key::Backspace);
        if (byExit) {
            click(options_->ExitButton());
        } else {
            h_.headless->PressKey(Key::Escape);
        }
        EXPECT_TRUE(RunModal());
        EXPECT_FALSE(options_->Visible());
        EXPECT_EQ(h_.app->ActiveForm(), &form_);
        EXPECT_EQ(settings_.scan, ScanOneSwitch | ScanExternalCycle);
    }
}

TEST_P(OptionsFormSessionTest, OtherKeysLeaveTheFormOpen) {
    TfmOptions& form = Open();
    for (Key key : {Key::Enter, Key::Space, Key::Left, Key::Backspace, Key::Tab}) {
        h_.headless->PressKey(key);
        h_.app->ProcessMessages();
    }
    h_.headless->PressKey(Key::Char, U'z');
    h_.app->ProcessMessages();
    EXPECT_TRUE(form.Visible());
    h_.headless->PressKey(Key::Escape);
    h_.app->ProcessMessages();
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(settings_, CWybor{});
}

TEST_P(OptionsFormTest, AMissingPictureEndsConstructionWithResourceError) {
    const Layout& l = GetParam();
    const std::string m = l.layoutSuffix;
    const std::string missing[] = {
        BackgroundFile(),
        "Lib/BUTT/opskanowanie" + m + "_W.xbi",
        "Lib/BUTT/czasprzejsc" + m + "_B.xbi",
        "Lib/BUTT/wl" + m + "_A_NC_W.xbi",
        "Lib/BUTT/opsk1p" + m + "_NA_C_B.xbi",
        std::string("Lib/BUTT/powrot_na") + l.sizeSuffix + "_W.xbi",
        "Lib/BUTT/track" + m + "_nap_B.xbi",
        "Lib/BUTT/opsk2p" + m + "_NA_NC_B.xbi",
    };
    settings_.scan = ScanOneSwitch | ScanInternalCycle;
    const CWybor before = settings_;
    for (const std::string& file : missing) {
        SCOPED_TRACE(file);
        const std::filesystem::path path = dir_.Path() / file;
        const std::filesystem::path aside = dir_.Path() / "aside";
        std::filesystem::rename(path, aside);
        const auto error = CBladFrom([&] { TfmOptions form(&form_, &settings_); });
        std::filesystem::rename(aside, path);
        EXPECT_EQ(error.first, CBlad::ResourceMissingCode);
        EXPECT_EQ(error.second, ResourceMissingText);
        EXPECT_EQ(settings_, before);
        EXPECT_EQ(h_.app->ActiveForm(), &form_);
    }
    // The failures left nothing behind that spoils the next attempt.
    Open();
    ExpectScreenShows(settings_);
    EXPECT_TRUE(Messages().empty());
}

TEST(OptionsFormArithmetic, StepTimeAndPercentTruncateTheSinglePrecisionStep) {
    struct Case {
        int32_t ms;
        int32_t percent;
    };
    // 0.05f is a hair above 0.05: every whole multiple of 50 ms lands just under its percent.
    const Case toPercent[] = {{1500, 29}, {1400, 27}, {5000, 99}, {50, 0},
                              {51, 1},    {1, 0},     {5050, 100}};
    for (const Case& c : toPercent) {
        EXPECT_EQ(TfmOptions::PercentForScanTime(c.ms), c.percent) << c.ms << " ms";
    }
    // Below the floor every reading stores the floor.
    const Case toMs[] = {{1400, 28}, {ScanTimeMin, 0}, {ScanTimeMin, 1}, {ScanTimeMin, 9},
                         {500, 10},  {550, 11},        {5000, 100},      {1450, 29}};
    for (const Case& c : toMs) {
        EXPECT_EQ(TfmOptions::ScanTimeForPercent(c.percent), c.ms) << c.percent << " %";
    }
    EXPECT_EQ(TfmOptions::LowestPercent(), 10);
}
