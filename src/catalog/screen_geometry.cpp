#include "catalog/screen_geometry.h"

namespace catalog {

namespace {
ScreenGeometry current;
}

int32_t ScreenGeometry::MapX(double x) const {
    return static_cast<int32_t>(LayoutRect.Left + static_cast<double>(LayoutScale) * x);
}

int32_t ScreenGeometry::MapY(double y) const {
    return static_cast<int32_t>(LayoutRect.Top + static_cast<double>(LayoutScale) * y);
}

int32_t ScreenGeometry::MapLength(double length) const {
    return static_cast<int32_t>(static_cast<double>(LayoutScale) * length);
}

ScreenGeometry SelectScreenMode(int32_t w, int32_t h) {
    ScreenGeometry g;
    if (w >= 1280 && h >= 960) {
        g.ScreenMode = 4;
        g.DesignWidth = 1280;
        g.DesignHeight = 960;
    } else if (w >= 1024 && h >= 768) {
        g.ScreenMode = 1;
        g.DesignWidth = 1024;
        g.DesignHeight = 768;
    } else {
        g.ScreenMode = 0;
        g.DesignWidth = w;
        g.DesignHeight = h;
    }
    if (g.ScreenMode != 0) {
        g.ScreenRect = {0, 0, w, h};
        g.DesignRect = {0, 0, g.DesignWidth, g.DesignHeight};
        int32_t left = (w - g.DesignWidth) / 2;
        int32_t top = (h - g.DesignHeight) / 2;
        g.LayoutRect = {left, top, left + g.DesignWidth, top + g.DesignHeight};
    }
    float scale = static_cast<float>(g.DesignWidth) * 0.00078125f;
    g.LayoutScale = scale > 1.0f ? 1.0f : scale;
    g.FigureStep = 2;
    return g;
}

const ScreenGeometry& Geometry() {
    return current;
}

void SetScreenGeometry(const ScreenGeometry& geometry) {
    current = geometry;
}

}  // namespace catalog
