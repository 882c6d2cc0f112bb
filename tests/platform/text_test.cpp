#include "platform/text.h"

#include <gtest/gtest.h>

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
