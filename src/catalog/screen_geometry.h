#pragma once

#include <cstdint>

#include "platform/geometry.h"

namespace catalog {

// The layout of the run, fixed once before any form exists and read-only afterwards.
struct ScreenGeometry {
    int16_t ScreenMode = 0;  // 0 = screen too small, 1 = 1024x768 layout, 4 = 1280x960 layout
    platform::Rect ScreenRect;
    platform::Rect DesignRect;
    platform::Rect LayoutRect;
    int32_t DesignWidth = 0;
    int32_t DesignHeight = 0;
    float LayoutScale = 0.0f;
    int32_t FigureStep = 2;

    // Design coordinates (large-layout pixels) to screen pixels, truncating toward zero.
    int32_t MapX(double x) const;
    int32_t MapY(double y) const;
    int32_t MapLength(double length) const;
};

// Picks the layout for a screen of the given size.
ScreenGeometry SelectScreenMode(int32_t screenWidth, int32_t screenHeight);

// The process-wide geometry; mode 0 until SetScreenGeometry is called.
const ScreenGeometry& Geometry();
void SetScreenGeometry(const ScreenGeometry& geometry);

}  // namespace catalog
