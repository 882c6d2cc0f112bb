#include "catalog/screen_geometry.h"

#include <gtest/gtest.h>

using namespace catalog;

using platform::Rect;

TEST(ScreenMode, FollowsTheSizeTable) {
    struct Case {
        int w, h;
        int16_t mode;
        Rect layout;
        float scale;
    } cases[] = {
        {1023, 2000, 0, {}, 0.0f},  // scale is not checked for mode 0 below
        {1024, 600, 0, {}, 0.0f},
        {1024, 767, 0, {}, 0.0f},
        {1280, 767, 0, {}, 0.0f},
        {1024, 768, 1, {0, 0, 1024, 768}, 0.8f},
        {1280, 800, 1, {128, 16, 1152, 784}, 0.8f},
        {1152, 1152, 1, {64, 192, 1088, 960}, 0.8f},
        {1279, 1024, 1, {127, 128, 1151, 896}, 0.8f},
        {1280, 959, 1, {128, 95, 1152, 863}, 0.8f},
        {1280, 960, 4, {0, 0, 1280, 960}, 1.0f},
        {1280, 1024, 4, {0, 32, 1280, 992}, 1.0f},
        {1600, 1200, 4, {160, 120, 1440, 1080}, 1.0f},
    };
    for (const auto& c : cases) {
        ScreenGeometry g = SelectScreenMode(c.w, c.h);
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h);
        EXPECT_EQ(g.ScreenMode, c.mode);
        EXPECT_EQ(g.FigureStep, 2);
        if (c.mode == 0) {
            EXPECT_EQ(g.DesignWidth, c.w);
            EXPECT_EQ(g.DesignHeight, c.h);
            continue;
        }
        EXPECT_EQ(g.LayoutRect, c.layout);
        EXPECT_EQ(g.ScreenRect, (Rect{0, 0, c.w, c.h}));
        EXPECT_EQ(g.DesignRect, (Rect{0, 0, g.DesignWidth, g.DesignHeight}));
        EXPECT_FLOAT_EQ(g.LayoutScale, c.scale);
    }
}

TEST(ScreenMode, SmallScreenStillGetsScaleAndStep) {
    // Mode 0 keeps the screen size as design size; the scale is capped at 1.
    EXPECT_FLOAT_EQ(SelectScreenMode(800, 600).LayoutScale, 0.625f);
    EXPECT_FLOAT_EQ(SelectScreenMode(1279, 700).LayoutScale, 1279 * 0.00078125f);
    EXPECT_FLOAT_EQ(SelectScreenMode(2000, 700).LayoutScale, 1.0f);
}

TEST(ScreenMode, DesignCoordinatesTruncateTowardZero) {
    ScreenGeometry g = SelectScreenMode(1280, 800);  // small layout at (128, 16)
    EXPECT_EQ(g.MapX(1151), 128 + 920);              // 920.8 truncates
    EXPECT_EQ(g.MapY(729), 16 + 583);                // 583.2 truncates
    EXPECT_EQ(g.MapLength(640), 512);
    EXPECT_EQ(g.MapLength(-3), -2);  // -2.4 truncates toward zero
}
