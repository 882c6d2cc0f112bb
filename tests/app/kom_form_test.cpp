#include "app/kom_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/shell_form_fixture.h"
#include "media/cblad.h"
#include "media/data_paths.h"
#include "platform/message_log.h"

using namespace catalog;
using namespace media;
using namespace app;

using platform::Color;
using platform::Form;
using platform::Key;
using platform::Point;
using platform::Rect;

namespace {

constexpr Color kKomBackground{240, 230, 200};

struct Layout {
    const char* name;
    Point screen;
    Point picture;  // the message form's background size in this layout
    Rect bounds;    // the form centred on the screen
    Point exit;     // exit button's top-left inside the form
};

const Layout kLarge{"large", {1280, 1024}, {720, 420}, {280, 302, 1000, 722}, {560, 280}};
const Layout kSmall{"small", {1280, 800}, {576, 336}, {352, 232, 928, 568}, {448, 224}};

// Where the dark text pixels of a band of screen rows lie: the first and last column.
struct Extent {
    int first = -1;
    int last = -1;
    int Middle() const { return (first + last + 1) / 2; }
};

class KomFormTest : public ShellFormTest, public testing::WithParamInterface<Layout> {
  protected:
    KomFormTest() : KomFormTest(GetParam()) {}
    explicit KomFormTest(const Layout& layout) : ShellFormTest(layout.screen), l_(layout) {
        WriteJpeg("kom" + SizeSuffix() + ".xji", Plain(l_.picture.X, l_.picture.Y, kKomBackground));
    }
    ~KomFormTest() override { SetMessageFormHandler({}); }

    Extent DarkColumns(int top, int bottom, int left, int right) const {
        Extent e;
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                if (ScreenAt(x, y).R < 90) {
                    e.first = e.first < 0 ? x : std::min(e.first, x);
                    e.last = std::max(e.last, x);
                }
            }
        }
        return e;
    }

    Layout l_;
};

class KomFormLargeTest : public KomFormTest {
  protected:
    KomFormLargeTest() : KomFormTest(kLarge) {}
};

void PrintTo(const Layout& layout, std::ostream* os) {
    *os << layout.name;
}

std::string LayoutName(const testing::TestParamInfo<Layout>& info) {
    return info.param.name;
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(Layouts, KomFormTest, testing::Values(kLarge, kSmall), LayoutName);

TEST_P(KomFormTest, TakesItsSizeFromTheLayoutsPictureAndPlacesTheExitButtonInside) {
    TfmKom kom(nullptr, "Zła odpowiedź");
    EXPECT_EQ(kom.Caption(), "Vimbaro Cz.II");
    EXPECT_EQ(kom.Bounds(), l_.bounds);
    EXPECT_EQ(kom.ExitButton().Bounds(),
              Rect::FromSize(l_.exit.X, l_.exit.Y, kExitWidth, kExitHeight));
    kom.Show();
    Pump();
    const int left = l_.bounds.Left;
    const int top = l_.bounds.Top;
    EXPECT_EQ(ScreenAt(left + l_.exit.X + 30, top + l_.exit.Y + 20), kExitNormal);
    EXPECT_TRUE(Near(ScreenAt(left + 30, l_.bounds.Bottom - 30), kKomBackground));
    // Rounded corners: the form underneath shows at the very corners.
    EXPECT_EQ(ScreenAt(left, top), PatternAt(left, top));
    EXPECT_EQ(ScreenAt(l_.bounds.Right - 1, l_.bounds.Bottom - 1),
              PatternAt(l_.bounds.Right - 1, l_.bounds.Bottom - 1));
    EXPECT_TRUE(Near(ScreenAt(left + 9, top + 9), kKomBackground));

    // The text line is centred, its middle a quarter of the way down.
    const Rect text = kom.MessageBounds();
    ASSERT_FALSE(text.IsEmpty()) << "DejaVu Sans is not installed";
    const int width = l_.bounds.Width();
    const int height = l_.bounds.Height();
    EXPECT_EQ(text.Top, height / 4 - text.Height() / 2);
    const Extent ink = DarkColumns(top + text.Top, top + text.Bottom, left, l_.bounds.Right);
    ASSERT_GE(ink.first, 0);
    EXPECT_NEAR(ink.Middle(), left + width / 2, 3);
}

TEST_F(KomFormLargeTest, CentresOnItsOwnerElseOnTheMainForm) {
    Form owner;
    owner.SetBounds({100, 100, 500, 400});
    bool checked = false;
    h_.app->Post([&] {
        form_.SetBounds({600, 500, 1280, 1024});
        EXPECT_EQ(TfmKom(&owner, "x").Bounds(), (Rect{-60, 40, 660, 460}));
        EXPECT_EQ(TfmKom(nullptr, "x").Bounds(), (Rect{580, 552, 1300, 972}));
        checked = true;
        h_.app->Terminate();
    });
    h_.app->Run(form_);
    EXPECT_TRUE(checked);
}

TEST_F(KomFormLargeTest, LongAndTwoLineMessagesStayCentredOnTheForm) {
    const Rect form = kLarge.bounds;
    const int centre = form.Left + form.Width() / 2;
    {
        // Wider than the form: cut off equally at both edges.
        TfmKom kom(nullptr, std::string(60, 'W'));
        kom.Show();
        Pump();
        const Rect text = kom.MessageBounds();
        ASSERT_GT(text.Width(), form.Width());
        EXPECT_NEAR(-text.Left, text.Right - form.Width(), 1);
        const Extent ink =
            DarkColumns(form.Top + text.Top, form.Top + text.Bottom, form.Left, form.Right);
        EXPECT_LE(ink.first, form.Left + 8);
        EXPECT_GE(ink.last, form.Right - 9);
    }
    {
        TfmKom kom(nullptr, std::string(ResourceMissingText));
        kom.Show();
        Pump();
        const Rect text = kom.MessageBounds();
        EXPECT_EQ(text.Top, form.Height() / 4 - text.Height() / 2);
        // Two lines of different widths, each centred on the form.
        const int split = form.Top + text.Top + text.Height() / 2;
        const Extent first = DarkColumns(form.Top + text.Top, split, form.Left, form.Right);
        const Extent second = DarkColumns(split, form.Top + text.Bottom, form.Left, form.Right);
        ASSERT_GE(first.first, 0);
        ASSERT_GE(second.first, 0);
        EXPECT_LT(first.last - first.first, second.last - second.first);
        EXPECT_NEAR(first.Middle(), centre, 3);
        EXPECT_NEAR(second.Middle(), centre, 3);
    }
}

TEST_F(KomFormLargeTest, EscAndTheExitButtonCloseTheModalForm) {
    ExpectEscAndExitButtonClose([] { return std::make_unique<TfmKom>(nullptr, "Koniec"); });
}

TEST_F(KomFormLargeTest, AMissingOrBrokenPictureLeavesWithResourceMissing) {
    // The other layout's picture does not stand in for the missing one.
    WriteJpeg("kom_s.xji", Plain(576, 336, kKomBackground));
    ExpectResourceMissingWithout(
        {{"kom_b.xji", false}, {"kom_b.xji", true}, {"Lib/BUTT/exit_c_b_W.xbi", false}},
        [] { TfmKom kom(nullptr, "x"); });
    EXPECT_NO_THROW(TfmKom(nullptr, "x"));
}

TEST_F(KomFormLargeTest, CBladShowUsesTheMessageFormOnceInstalled) {
    InstallMessageForm();
    std::string shownText;
    h_.app->Post([&] {
        if (auto* kom = dynamic_cast<TfmKom*>(h_.app->ActiveForm())) {
            shownText = kom->Message();
        }
        h_.headless->PressKey(Key::Escape);
    });
    CBlad(9, "Za malo slow do losowania").Show();
    EXPECT_EQ(shownText, "Za malo slow do losowania");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(h_.app->ActiveForm(), static_cast<Form*>(&form_));
}

TEST_F(KomFormLargeTest, CBladShowFallsBackToASystemBoxWhenTheFormCannotBeBuilt) {
    InstallMessageForm();
    for (const char* file : {"kom_b.xji", "Lib/BUTT/exit_d_b_B.xbi"}) {
        SCOPED_TRACE(file);
        WithoutFile(file, [&] {
            platform::MessageLog::Capture();
            CBlad(9, "Za malo slow do losowania").Show();
            const auto boxes = platform::MessageLog::Entries();
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_EQ(boxes[0].Text, ResourceMissingText);
            EXPECT_EQ(boxes[0].Caption, "Błąd");
            EXPECT_EQ(h_.app->ActiveForm(), static_cast<Form*>(&form_));
        });
    }
}
