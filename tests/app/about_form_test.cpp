#include "app/about_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/shell_form_fixture.h"
#include "hang_guard.h"
#include "media/cblad.h"
#include "media/data_paths.h"

using namespace catalog;
using namespace media;
using namespace app;

using platform::Bitmap;
using platform::Color;
using platform::Form;
using platform::Key;
using platform::Point;
using platform::Rect;

namespace {

constexpr Color kBackground{40, 90, 160};
constexpr Color kTabOff{230, 180, 30};
constexpr Color kTabOn{170, 40, 140};
constexpr Color kBlack{0, 0, 0};
constexpr int kClearBand = 20;

// Each row of a page has a colour of its own, so a probe tells which row shows there.
Color PageRow(int row, bool secondPage) {
    return {static_cast<uint8_t>(row % 256), static_cast<uint8_t>(20 + row / 256 * 50),
            static_cast<uint8_t>(secondPage ? 200 : 10)};
}

// One layout: the screen, the picture sizes of the fixture and where the form must put
// things (screen pixels).
struct Layout {
    const char* name;
    Point screen;
    Point design;  // background size
    Point toggle;  // toggle look size, large enough to cover the page window
    Point page;    // page picture size
    Point exit;    // exit button's top-left
    Point tab;     // toggle's top-left
    Point window;  // page window's top-left
    int windowHeight;
    int lineStep;  // how far an arrow key and a wheel notch move the page
    int wheelStep;
    Point background;  // a place showing only the background
    Point outside;     // a place outside the layout area
};

const Layout kLarge{.name = "large",
                    .screen = {1280, 1024},
                    .design = {1280, 960},
                    .toggle = {600, 760},
                    .page = {480, 1250},
                    .exit = {1151, 761},
                    .tab = {520, 82},
                    .window = {583, 182},
                    .windowHeight = 640,
                    .lineStep = 40,
                    .wheelStep = 60,
                    .background = {100, 832},
                    .outside = {640, 10}};
// 1280 x 800 takes the small layout with an offset: LayoutRect (128, 16, 1152, 784).
const Layout kSmall{.name = "small",
                    .screen = {1280, 800},
                    .design = {1024, 768},
                    .toggle = {480, 608},
                    .page = {384, 1000},
                    .exit = {1048, 599},
                    .tab = {544, 56},
                    .window = {594, 136},
                    .windowHeight = 512,
                    .lineStep = 32,
                    .wheelStep = 48,
                    .background = {208, 656},
                    .outside = {50, 400}};

class AboutFormTest : public ShellFormTest, public testing::WithParamInterface<Layout> {
  protected:
    AboutFormTest() : AboutFormTest(GetParam()) {}
    explicit AboutFormTest(const Layout& layout) : ShellFormTest(layout.screen), l_(layout) {
        const std::string s = SizeSuffix();
        const std::string m = Geometry().ScreenMode == 4 ? "_maxi" : "_mini";
        WriteJpeg("Intf/ab" + s + ".xji", Plain(l_.design.X, l_.design.Y, kBackground));
        WriteLook("jakgrac" + m + "_A_NC", l_.toggle.X, l_.toggle.Y, kTabOff);
        WriteLook("jakgrac" + m + "_A_C", l_.toggle.X, l_.toggle.Y, kTabOn);
        WritePage("abo", s, false);
        WritePage("hp", s, true);
    }

    void WritePage(const std::string& base, const std::string& s, bool secondPage) {
        Bitmap onWhite(l_.page.X, l_.page.Y);
        for (int y = 0; y < onWhite.Height(); ++y) {
            onWhite.FillRect({0, y, onWhite.Width(), y + 1}, PageRow(y, secondPage));
        }
        // Opaque but for a clear band at the right edge, where the toggle shows through.
        Bitmap onBlack = onWhite;
        const Rect band{l_.page.X - kClearBand, 0, l_.page.X, l_.page.Y};
        onWhite.FillRect(band, {255, 255, 255});
        onBlack.FillRect(band, {0, 0, 0});
        WriteBmp("Intf/" + base + "_w" + s + ".xbi", onWhite);
        WriteBmp("Intf/" + base + "_b" + s + ".xbi", onBlack);
    }

    std::unique_ptr<TfmAbout> ShowAbout() {
        auto about = std::make_unique<TfmAbout>(&form_);
        form_.Hide();  // nothing of it shows under the full-screen form; spares the painting
        about->Show();
        Pump();
        return about;
    }

    // The page's offset when its last row stands at the window's bottom, and how far a
    // page turn goes (the window less a tenth, kept in view).
    int LastOffset() const { return l_.page.Y - l_.windowHeight; }
    int PageStep() const { return l_.windowHeight - l_.windowHeight / 10; }

    // The page row the window shows at its row y.
    Color WindowRow(int y) const { return ScreenAt(l_.window.X + 10, l_.window.Y + y); }
    Point ThumbCentre(TfmAbout& about) const {
        const Rect thumb = about.ScrollBar().ThumbRect();
        return {(thumb.Left + thumb.Right) / 2, (thumb.Top + thumb.Bottom) / 2};
    }

    Layout l_;
};

// The large layout only, for behaviour that does not depend on the layout.
class AboutFormLargeTest : public AboutFormTest {
  protected:
    AboutFormLargeTest() : AboutFormTest(kLarge) {}
};

void PrintTo(const Layout& layout, std::ostream* os) {
    *os << layout.name;
}

std::string LayoutName(const testing::TestParamInfo<Layout>& info) {
    return info.param.name;
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(Layouts, AboutFormTest, testing::Values(kLarge, kSmall), LayoutName);

TEST_P(AboutFormTest, PlacesEverythingByTheLayoutAndShowsTheAboutPageFromItsTop) {
    auto about = ShowAbout();
    EXPECT_EQ(about->Bounds(), Geometry().ScreenRect);
    EXPECT_EQ(about->Caption(), "Vimbaro Cz.II");
    EXPECT_EQ(about->ExitButton().Bounds(),
              Rect::FromSize(l_.exit.X, l_.exit.Y, kExitWidth, kExitHeight));
    EXPECT_EQ(about->PageToggle().Bounds(),
              Rect::FromSize(l_.tab.X, l_.tab.Y, l_.toggle.X, l_.toggle.Y));
    EXPECT_EQ(about->PageWindow(),
              Rect::FromSize(l_.window.X, l_.window.Y, l_.page.X, l_.windowHeight));
    // The scroll bar stands right of the page, as tall as the window.
    const Rect bar = about->ScrollBar().Bounds();
    EXPECT_EQ(bar.Left, l_.window.X + l_.page.X);
    EXPECT_EQ(bar.Top, l_.window.Y);
    EXPECT_EQ(bar.Height(), l_.windowHeight);
    EXPECT_EQ(about->ScrollBar().Position(), 0);
    EXPECT_FALSE(about->ShowsSecondPage());

    EXPECT_EQ(WindowRow(0), PageRow(0, false));
    EXPECT_EQ(WindowRow(l_.windowHeight - 1), PageRow(l_.windowHeight - 1, false));
    EXPECT_EQ(ScreenAt(l_.window.X + l_.page.X - kClearBand / 2, l_.window.Y + 10), kTabOff);
    // Just outside the window the toggle's own picture shows, not the page.
    EXPECT_EQ(ScreenAt(l_.window.X + 10, l_.window.Y - 1), kTabOff);
    EXPECT_EQ(ScreenAt(l_.window.X + 10, l_.window.Y + l_.windowHeight), kTabOff);
    EXPECT_EQ(ScreenAt(l_.exit.X + kExitWidth / 2, l_.exit.Y + kExitHeight / 2), kExitNormal);
    EXPECT_TRUE(Near(ScreenAt(l_.background.X, l_.background.Y), kBackground));
    EXPECT_EQ(ScreenAt(l_.outside.X, l_.outside.Y), kBlack);
    // The thumb is drawn at the top of the track.
    const Rect thumb = about->ScrollBar().ThumbRect();
    EXPECT_EQ(thumb.Top, bar.Top);
    EXPECT_NE(ScreenAt(bar.Left + 8, thumb.Top + thumb.Height() / 2),
              ScreenAt(bar.Left + 8, bar.Bottom - 2));
}

TEST_P(AboutFormTest, ScrollingMovesThePageUpWithinItsLimits) {
    auto about = ShowAbout();
    const Rect bar = about->ScrollBar().Bounds();
    const int x = bar.Left + 8;
    const int last = LastOffset();

    // Presses on the track below the thumb go down a page at a time, up to the page's end:
    // its last row at the window's bottom, not a pane left empty below it.
    std::vector<int> down;
    for (int offset = PageStep(); offset < last; offset += PageStep()) {
        down.push_back(offset);
    }
    down.push_back(last);
    for (int expected : down) {
        Down(x, bar.Bottom - 3);
        Up(x, bar.Bottom - 3);
        EXPECT_EQ(about->ScrollBar().Position(), expected);
        EXPECT_EQ(WindowRow(0), PageRow(expected, false));
    }
    Down(x, bar.Bottom - 3);
    Up(x, bar.Bottom - 3);
    EXPECT_EQ(about->ScrollBar().Position(), last);
    EXPECT_EQ(about->ScrollBar().ThumbRect().Bottom, bar.Bottom);
    EXPECT_EQ(WindowRow(l_.windowHeight - 1), PageRow(l_.page.Y - 1, false));
    // Nothing of the page shows outside the window.
    EXPECT_EQ(ScreenAt(l_.window.X + 10, l_.window.Y - 1), kTabOff);
    EXPECT_EQ(ScreenAt(l_.window.X + 10, l_.window.Y + l_.windowHeight), kTabOff);

    // Presses above the thumb go back up, down to the top.
    for (int expected = last - PageStep();; expected -= PageStep()) {
        Down(x, bar.Top + 1);
        Up(x, bar.Top + 1);
        EXPECT_EQ(about->ScrollBar().Position(), std::max(expected, 0));
        if (expected <= 0) {
            break;
        }
    }
    EXPECT_EQ(WindowRow(0), PageRow(0, false));

    // Dragging the thumb far below the track stops at the end, far above at the top.
    const struct {
        int pointerY;
        int position;
    } drags[] = {{bar.Bottom + 400, last}, {bar.Top - 400, 0}};
    for (const auto& drag : drags) {
        const Point grip = ThumbCentre(*about);
        Down(grip.X, grip.Y);
        Move(grip.X, (grip.Y + drag.pointerY) / 2);
        Move(grip.X, drag.pointerY);
        Up(grip.X, drag.pointerY);
        EXPECT_EQ(about->ScrollBar().Position(), drag.position);
        EXPECT_EQ(WindowRow(0), PageRow(drag.position, false));
    }
}

TEST_P(AboutFormTest, TheThumbIsAsLongAgainstTheTrackAsTheWindowAgainstThePage) {
    auto about = ShowAbout();
    const int track = about->ScrollBar().Bounds().Height();
    EXPECT_NEAR(about->ScrollBar().ThumbRect().Height(),
                static_cast<double>(track) * l_.windowHeight / l_.page.Y, 1.0);
}

TEST_P(AboutFormTest, KeysAndTheWheelScrollThePage) {
    auto about = ShowAbout();
    const int last = LastOffset();
    auto key = [&](Key k) {
        h_.headless->PressKey(k);
        Pump();
        return about->ScrollBar().Position();
    };
    auto wheel = [&](int notches) {
        h_.headless->TurnWheel(notches);
        Pump();
        return about->ScrollBar().Position();
    };
    EXPECT_EQ(key(Key::Down), l_.lineStep);
    EXPECT_EQ(key(Key::Down), 2 * l_.lineStep);
    EXPECT_EQ(key(Key::Up), l_.lineStep);
    EXPECT_EQ(key(Key::Up), 0);
    EXPECT_EQ(key(Key::Up), 0);  // the top holds
    EXPECT_EQ(key(Key::PageDown), PageStep());
    EXPECT_EQ(key(Key::PageUp), 0);
    EXPECT_EQ(key(Key::End), last);
    EXPECT_EQ(WindowRow(l_.windowHeight - 1), PageRow(l_.page.Y - 1, false));
    EXPECT_EQ(key(Key::PageDown), last);  // the end holds
    EXPECT_EQ(key(Key::Down), last);
    EXPECT_EQ(key(Key::Home), 0);
    EXPECT_EQ(WindowRow(0), PageRow(0, false));

    // The wheel turned towards the user moves down the page, away from the user back up.
    EXPECT_EQ(wheel(-1), l_.wheelStep);
    EXPECT_EQ(wheel(-2), 3 * l_.wheelStep);
    EXPECT_EQ(WindowRow(0), PageRow(3 * l_.wheelStep, false));
    EXPECT_EQ(wheel(1), 2 * l_.wheelStep);
    EXPECT_EQ(wheel(50), 0);
    EXPECT_EQ(wheel(-50), last);
    EXPECT_TRUE(about->Visible());
}

TEST_P(AboutFormTest, TheToggleSwitchesPagesAndShowsTheOtherOneFromItsTop) {
    auto about = ShowAbout();
    const Rect bar = about->ScrollBar().Bounds();
    Down(bar.Left + 8, bar.Bottom - 3);
    Up(bar.Left + 8, bar.Bottom - 3);
    ASSERT_EQ(WindowRow(0), PageRow(PageStep(), false));

    // A click on the toggle beside the window: the second page, from its top.
    const Point tab{l_.tab.X + 10, l_.tab.Y + 10};
    h_.headless->Click(tab.X, tab.Y);
    Pump();
    EXPECT_TRUE(about->ShowsSecondPage());
    EXPECT_TRUE(about->PageToggle().State());
    EXPECT_EQ(about->ScrollBar().Position(), 0);
    EXPECT_EQ(about->ScrollBar().ThumbRect().Top, bar.Top);
    EXPECT_EQ(ScreenAt(tab.X, tab.Y), kTabOn);
    EXPECT_EQ(WindowRow(0), PageRow(0, true));
    EXPECT_EQ(WindowRow(l_.windowHeight - 1), PageRow(l_.windowHeight - 1, true));

    // The page itself is part of the toggle: clicking the text goes back to the first page.
    h_.headless->Click(l_.window.X + 50, l_.window.Y + 100);
    Pump();
    EXPECT_FALSE(about->ShowsSecondPage());
    EXPECT_FALSE(about->PageToggle().State());
    EXPECT_EQ(ScreenAt(tab.X, tab.Y), kTabOff);
    EXPECT_EQ(WindowRow(0), PageRow(0, false));
}

TEST_F(AboutFormLargeTest, EscAndTheExitButtonCloseItAndBringTheMenuBackAtItsPlace) {
    struct Case {
        const char* how;
        bool useKey;
    } const cases[] = {{"Esc", true}, {"exit button", false}};
    bool checked = false;
    h_.app->Post([&] {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.how);
            form_.SetBounds({40, 30, 1320, 1054});  // the menu away from the form's place
            TfmAbout about(&form_);
            bool menuHiddenWhileShown = false;
            h_.app->Post([&] {
                menuHiddenWhileShown =
                    !form_.Visible() && h_.app->ActiveForm() == static_cast<Form*>(&about);
                if (c.useKey) {
                    h_.headless->PressKey(Key::Escape);
                } else {
                    const Rect exit = about.ExitButton().Bounds();
                    h_.headless->Click(exit.Left + 10, exit.Top + 10);
                }
            });
            HangGuard bound("the information form's modal loop", kHangLimit);
            about.ShowModal();
            EXPECT_TRUE(menuHiddenWhileShown);
            EXPECT_FALSE(about.Visible());
            EXPECT_TRUE(form_.Visible());
            EXPECT_EQ(h_.app->ActiveForm(), static_cast<Form*>(&form_));
            EXPECT_EQ(form_.Bounds(), (Rect{0, 0, 1280, 1024}));
        }
        checked = true;
        h_.app->Terminate();
    });
    h_.app->Run(form_);
    EXPECT_TRUE(checked);
}

TEST_F(AboutFormLargeTest, AnyMissingPictureLeavesWithResourceMissingAndNothingShown) {
    const char* const files[] = {
        "Intf/ab_b.xji",    "Lib/BUTT/powrot_na_b_B.xbi", "Lib/BUTT/jakgrac_maxi_A_NC_W.xbi",
        "Intf/abo_b_b.xbi", "Intf/abo_w_b.xbi",           "Intf/hp_b_b.xbi",
        "Intf/hp_w_b.xbi",
    };
    for (const char* file : files) {
        SCOPED_TRACE(file);
        WithoutFile(file, [&] {
            auto [code, text] = CBladFrom([&] { TfmAbout about(&form_); });
            EXPECT_EQ(code, CBlad::ResourceMissingCode);
            EXPECT_EQ(text, ResourceMissingText);
            EXPECT_EQ(h_.app->ActiveForm(), static_cast<Form*>(&form_));
        });
    }
    // A picture that is there but unreadable counts as missing.
    WithoutFile(
        "Intf/hp_w_b.xbi",
        [&] {
            EXPECT_EQ(CBladFrom([&] { TfmAbout about(&form_); }).first, CBlad::ResourceMissingCode);
        },
        true);
    // With every picture back the form builds.
    EXPECT_NO_THROW(TfmAbout about(&form_));
}
