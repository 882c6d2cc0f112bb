#include "game/tfm_wynik.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "app/shell_form_fixture.h"
#include "media/cblad.h"
#include "media/data_paths.h"

using namespace catalog;
using namespace media;
using namespace game;

using platform::Color;
using platform::Form;
using platform::Point;
using platform::Rect;

namespace {

constexpr Color kBackground{230, 240, 250};
constexpr Color kNavy{0, 0, 128};

struct Layout {
    const char* name;
    Point screen;
    Point picture;   // the results picture in this layout
    Rect bounds;     // the window centred on the screen
    Point exit;      // exit button's top-left inside the window
    Point punkty;    // "Punkty:" inside the window
    int valuesLeft;  // the column of the figures
    int fontSize;
};

const Layout kLarge{"large",   {1280, 1024}, {480, 440}, {400, 292, 880, 732},
                    {50, 300}, {140, 100},   270,        25};
const Layout kSmall{"small",   {1280, 800}, {384, 352}, {448, 224, 832, 576},
                    {40, 240}, {112, 80},   216,        20};

void PrintTo(const Layout& layout, std::ostream* os) {
    *os << layout.name;
}

std::string LayoutName(const testing::TestParamInfo<Layout>& info) {
    return info.param.name;
}

class TfmWynikTest : public ShellFormTest, public testing::WithParamInterface<Layout> {
  protected:
    TfmWynikTest() : TfmWynikTest(GetParam()) {}
    explicit TfmWynikTest(const Layout& layout) : ShellFormTest(layout.screen), l_(layout) {
        WriteJpeg("Intf/wyn" + SizeSuffix() + ".xji",
                  Plain(l_.picture.X, l_.picture.Y, kBackground));
    }

    // Screen pixels of exactly the labels' ink inside r (window coordinates).
    int InkPixels(const Rect& r) const {
        int count = 0;
        for (int y = r.Top; y < r.Bottom; ++y) {
            for (int x = r.Left; x < r.Right; ++x) {
                count += ScreenAt(l_.bounds.Left + x, l_.bounds.Top + y) == kNavy ? 1 : 0;
            }
        }
        return count;
    }

    // A callback that counts its calls and answers `result`.
    std::function<bool()> Writer(bool result = true) {
        return [this, result] {
            ++writes_;
            return result;
        };
    }

    Layout l_;
    int writes_ = 0;
};

class TfmWynikLargeTest : public TfmWynikTest {
  protected:
    TfmWynikLargeTest() : TfmWynikTest(kLarge) {}
};

}  // namespace

INSTANTIATE_TEST_SUITE_P(Layouts, TfmWynikTest, testing::Values(kLarge, kSmall), LayoutName);

TEST_P(TfmWynikTest, LaysOutTheFourLinesByTheLayoutScale) {
    TfmWynik wynik({3, 70000, 12, 4}, Writer());
    EXPECT_EQ(wynik.Caption(), "Vimbaro Cz.II");
    EXPECT_EQ(wynik.Bounds(), l_.bounds);
    EXPECT_EQ(wynik.ExitButton().Bounds(),
              Rect::FromSize(l_.exit.X, l_.exit.Y, kExitWidth, kExitHeight));
    EXPECT_EQ(wynik.FontSize(), l_.fontSize);

    const char* captions[] = {"Punkty:", "Nierozwiązane:", "Podpowiedzi:", "Nierozpoczęte:"};
    const char* values[] = {"3", "70000", "12", "4"};
    const Rect punkty = wynik.CaptionLabel(TfmWynik::Punkty).Bounds();
    ASSERT_FALSE(punkty.IsEmpty()) << "DejaVu Sans is not installed";
    EXPECT_EQ(punkty.Left, l_.punkty.X);
    EXPECT_EQ(punkty.Top, l_.punkty.Y);
    const double s = Geometry().LayoutScale;
    for (int line = 0; line < TfmWynik::LineCount; ++line) {
        SCOPED_TRACE(captions[line]);
        const auto& caption = wynik.CaptionLabel(static_cast<TfmWynik::Line>(line));
        const auto& value = wynik.ValueLabel(static_cast<TfmWynik::Line>(line));
        EXPECT_EQ(caption.Text(), captions[line]);
        EXPECT_EQ(value.Text(), values[line]);
        EXPECT_EQ(caption.Ink(), kNavy);
        EXPECT_EQ(value.Ink(), kNavy);
        // The captions' right edges line up on that of "Punkty:", whatever their widths.
        EXPECT_EQ(caption.Bounds().Right, punkty.Right);
        EXPECT_EQ(value.Bounds().Left, l_.valuesLeft);
        EXPECT_EQ(value.Bounds().Top, caption.Bounds().Top);
        if (line > 0) {
            const Rect above = wynik.CaptionLabel(static_cast<TfmWynik::Line>(line - 1)).Bounds();
            EXPECT_EQ(caption.Bounds().Top, static_cast<int>(above.Bottom + 13 * s));
        }
    }
    EXPECT_NE(wynik.CaptionLabel(TfmWynik::NieRozp).Bounds().Width(), punkty.Width());
    // The labels stay left of the figures and above the exit button.
    EXPECT_LT(punkty.Right, l_.valuesLeft);
    EXPECT_GE(wynik.CaptionLabel(TfmWynik::NieRozp).Bounds().Left, 0);
    EXPECT_LE(wynik.CaptionLabel(TfmWynik::NieRozp).Bounds().Bottom, l_.exit.Y);
}

TEST_P(TfmWynikTest, ShowsTheFiguresInNavyOverItsPictureWithRoundedCorners) {
    TfmWynik wynik({7, 2, 5, 1}, Writer());
    wynik.Show();
    Pump();
    for (int line = 0; line < TfmWynik::LineCount; ++line) {
        SCOPED_TRACE(line);
        EXPECT_GT(InkPixels(wynik.ValueLabel(static_cast<TfmWynik::Line>(line)).Bounds()), 0);
        EXPECT_GT(InkPixels(wynik.CaptionLabel(static_cast<TfmWynik::Line>(line)).Bounds()), 0);
    }
    // Between the captions and the figures only the picture shows.
    const Rect punkty = wynik.CaptionLabel(TfmWynik::Punkty).Bounds();
    EXPECT_EQ(InkPixels({punkty.Right, punkty.Top, l_.valuesLeft, punkty.Bottom}), 0);
    EXPECT_TRUE(Near(ScreenAt(l_.bounds.Left + 8, l_.bounds.Top + 8), kBackground));
    EXPECT_EQ(ScreenAt(l_.bounds.Left, l_.bounds.Top), PatternAt(l_.bounds.Left, l_.bounds.Top));
    // The shape starts two pixels in: the first two rows and columns show what is below.
    const int midX = l_.bounds.Left + l_.picture.X / 2;
    const int midY = l_.bounds.Top + l_.picture.Y / 2;
    EXPECT_EQ(ScreenAt(midX, l_.bounds.Top + 1), PatternAt(midX, l_.bounds.Top + 1));
    EXPECT_EQ(ScreenAt(l_.bounds.Left + 1, midY), PatternAt(l_.bounds.Left + 1, midY));
    EXPECT_TRUE(Near(ScreenAt(midX, l_.bounds.Top + 2), kBackground));
    EXPECT_TRUE(Near(ScreenAt(l_.bounds.Left + 2, midY), kBackground));
    EXPECT_EQ(ScreenAt(l_.bounds.Right - 1, l_.bounds.Bottom - 1),
              PatternAt(l_.bounds.Right - 1, l_.bounds.Bottom - 1));
    EXPECT_EQ(ScreenAt(l_.bounds.Left + l_.exit.X + 30, l_.bounds.Top + l_.exit.Y + 20),
              kExitNormal);
}

TEST_F(TfmWynikLargeTest, SavesOnceOnItsFirstShowingHoweverOftenItPaints) {
    TfmWynik wynik({1, 0, 0, 4}, Writer());
    EXPECT_EQ(writes_, 0);
    wynik.Show();
    EXPECT_EQ(writes_, 1);
    for (int i = 0; i < 3; ++i) {
        wynik.Repaint();
        Pump();
    }
    wynik.Hide();
    wynik.Show();
    Pump();
    EXPECT_EQ(writes_, 1);
    EXPECT_EQ(wynik.NotSavedLabel(), nullptr);
    // A second window is a second series: it saves again.
    TfmWynik next({0, 1, 0, 0}, Writer());
    next.Show();
    EXPECT_EQ(writes_, 2);
}

TEST_F(TfmWynikLargeTest, AFailedSaveSaysSoInTheSameInkBelowTheExitButton) {
    TfmWynik wynik({2, 1, 0, 3}, Writer(false));
    EXPECT_EQ(wynik.NotSavedLabel(), nullptr);
    wynik.Show();
    Pump();
    EXPECT_EQ(writes_, 1);
    const platform::Control* failed = wynik.NotSavedLabel();
    ASSERT_NE(failed, nullptr);
    EXPECT_EQ(wynik.NotSavedLabel()->Text(), "Nie zapisano wyników.");
    EXPECT_EQ(wynik.NotSavedLabel()->Ink(), kNavy);
    const Rect line = failed->Bounds();
    const Rect exit = wynik.ExitButton().Bounds();
    EXPECT_GE(line.Top, exit.Bottom);
    EXPECT_LE(line.Bottom, l_.picture.Y);
    EXPECT_GE(line.Left, 0);
    EXPECT_LE(line.Right, l_.picture.X);
    EXPECT_GT(InkPixels(line), 0);

    // A save that works shows no such line.
    TfmWynik fine({2, 1, 0, 3}, Writer(true));
    fine.Show();
    Pump();
    EXPECT_EQ(fine.NotSavedLabel(), nullptr);
    EXPECT_EQ(InkPixels(line), 0);
}

TEST_F(TfmWynikLargeTest, EscAndTheExitButtonCloseTheModalWindow) {
    ExpectEscAndExitButtonClose(
        [this] { return std::make_unique<TfmWynik>(SeriesTotals{}, Writer()); });
    EXPECT_EQ(writes_, 2);
}

TEST_F(TfmWynikLargeTest, AMissingOrBrokenPictureLeavesWithResourceMissing) {
    // The other layout's picture does not stand in for the missing one.
    WriteJpeg("Intf/wyn_s.xji", Plain(384, 352, kBackground));
    ExpectResourceMissingWithout(
        {{"Intf/wyn_b.xji", false}, {"Intf/wyn_b.xji", true}, {"Lib/BUTT/exit_a_b_B.xbi", false}},
        [this] { TfmWynik wynik({}, Writer()); });
    EXPECT_EQ(writes_, 0);
    EXPECT_NO_THROW(TfmWynik({}, Writer()));
}
