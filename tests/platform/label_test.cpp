#include "platform/label.h"

#include <gtest/gtest.h>

#include "platform/form.h"
#include "platform/headless_app.h"

using namespace platform;

TEST(Text, PolishLettersRenderAtTheAskedCellHeight) {
    TextImage image = RenderText("Zmień Rozdzielczość", 30, true, {255, 255, 255});
    ASSERT_FALSE(image.Colour.Empty()) << "DejaVu Sans is not installed";
    EXPECT_NEAR(image.Colour.Height(), 30, 3);
    EXPECT_EQ(image.Mask.Width(), image.Colour.Width());
    // Some pixels are covered, some are not.
    int covered = 0;
    for (int y = 0; y < image.Mask.Height(); ++y) {
        for (int x = 0; x < image.Mask.Width(); ++x) {
            covered += image.Mask.Pixel(x, y)[0] > 128;
        }
    }
    EXPECT_GT(covered, 50);
    EXPECT_LT(covered, image.Mask.Width() * image.Mask.Height() / 2);
    // Diacritics take room: the word with "ś" and "ć" is wider than without them.
    EXPECT_GT(RenderText("ść", 30, true, {}).Colour.Width(), 0);
}

TEST(Label, PaintsTransparentlyOverTheForm) {
    HeadlessApp h({300, 100});
    class Back : public Form {
      public:
        void Paint(FormCanvas& c) override { c.FillRect({0, 0, 300, 100}, {0, 0, 200}); }
    } form;
    form.SetBounds({0, 0, 300, 100});
    Label label(form);
    label.SetFont(30, true);
    label.SetColour({255, 255, 0});
    label.SetText("Brak Zasobów");
    label.MoveTo(10, 10);
    form.Show();
    h.app->ProcessMessages();
    const Bitmap& screen = h.headless->Screen();
    int yellow = 0;
    for (int y = label.Bounds().Top; y < label.Bounds().Bottom; ++y) {
        for (int x = label.Bounds().Left; x < label.Bounds().Right; ++x) {
            yellow += screen.GetPixel(x, y) == Color{255, 255, 0};
        }
    }
    EXPECT_GT(yellow, 30);
    // Between the letters the form shows through.
    EXPECT_EQ(screen.GetPixel(label.Bounds().Left, label.Bounds().Bottom - 1), (Color{0, 0, 200}));
}
