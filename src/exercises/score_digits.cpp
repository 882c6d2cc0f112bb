#include "exercises/score_digits.h"

#include <cstdint>
#include <string>

#include "catalog/screen_geometry.h"
#include "controls/bitmap_control.h"
#include "media/ctransbitmap.h"
#include "media/data_paths.h"

using namespace media;

namespace exercises {

namespace {

// The score box's centre in design pixels, as its corner plus half its side, and the shift
// of the digits within it.
constexpr double kBoxLeft = 1175;
constexpr double kBoxTop = 498;
constexpr double kBoxSide = 76;
constexpr double kShift = 10;
// How far the units digit reaches left over the centre line, under the tens digit.
constexpr double kOverlap = 2;

CTransBitmap LoadDigit(char digit) {
    const std::string base = std::string("Data\\Res\\Wyncyf\\") + digit + SizeSuffix();
    CTransBitmap picture;
    picture.LoadPair(NativePath(base + PairSuffix(false) + ".xbi"),
                     NativePath(base + PairSuffix(true) + ".xbi"));
    return picture;
}

}  // namespace

void DrawScore(const DrawContext& target, int solvedCount) {
    // The count is a 16-bit number; a count that wrapped below zero shows as nothing solved.
    int16_t n = static_cast<int16_t>(solvedCount);
    if (n < 0) {
        n = 0;
    }
    std::string text = std::to_string(n);
    if (n > 99) {
        text = text.substr(text.size() - 2);
    }

    const catalog::ScreenGeometry& g = catalog::Geometry();
    const double s = g.LayoutScale;
    const double centreX = g.LayoutRect.Left + kBoxLeft * s + kBoxSide * s * 0.5;
    const double centreY = g.LayoutRect.Top + kBoxTop * s + kBoxSide * s * 0.5;
    const auto top = [&](const CTransBitmap& digit) {
        return static_cast<int>(centreY - digit.Height() / 2 + kShift * s);
    };
    const auto place = [](const CTransBitmap& digit, int x, int y) {
        return platform::Rect::FromSize(x, y, digit.Width(), digit.Height());
    };
    const auto draw = [&](const CTransBitmap& digit, const platform::Rect& at) {
        controls::DrawLook(digit, target.Frame, target.Scene, at.Left, at.Top);
    };

    platform::Rect changed;
    if (n < 10) {
        const CTransBitmap digit = LoadDigit(text[0]);
        changed =
            place(digit, static_cast<int>(centreX - digit.Width() / 2 + kShift * s), top(digit));
        draw(digit, changed);
    } else {
        const CTransBitmap tens = LoadDigit(text[0]);
        const CTransBitmap units = LoadDigit(text[1]);
        const platform::Rect unitsAt =
            place(units, static_cast<int>(centreX - kOverlap * s + kShift * s), top(units));
        const platform::Rect tensAt =
            place(tens, static_cast<int>(centreX - tens.Width() + kShift * s), top(tens));
        // The units digit goes last, whole over the tens digit where the two overlap.
        draw(tens, tensAt);
        draw(units, unitsAt);
        changed = {tensAt.Left, tensAt.Top, unitsAt.Right, unitsAt.Bottom};
    }
    target.Queue(changed);
}

}  // namespace exercises
