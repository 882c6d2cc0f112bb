#include "media/ctransbitmap.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>
#include <utility>

#include "media/blend_masked.h"
#include "media/load_correct_bitmap.h"

namespace media {

using platform::Bitmap;
using platform::PixelFormat;

namespace {

// Whether a picture of that size at that place has coordinates that fit an int; one that
// does not lies far outside any canvas anyway.
bool PlaceFits(int x, int y, int width, int height) {
    return int64_t{x} + width <= INT32_MAX && int64_t{y} + height <= INT32_MAX;
}

// The part of the picture's rectangle at (x, y) that lies on the canvas.
platform::Rect OnCanvas(const Bitmap& canvas, int x, int y, int width, int height) {
    return platform::Rect::FromSize(x, y, width, height).Intersect(canvas.Bounds());
}

constexpr std::array<const char*, 18> kTexts = {
    "CTransBitmap, Błąd: berrUnknown",     "CTransBitmap, Błąd: berrFileOpen",
    "CTransBitmap, Błąd: berrFileCreate",  "CTransBitmap, Błąd: berrBroken",
    "CTransBitmap, Błąd: berrUnknownType", "CTransBitmap, Błąd berrLoad",
    "CTransBitmap, Błąd berrSave",         "CTransBitmap, Błąd berrSize",
    "CTransBitmap, Błąd berrRead",         "CTransBitmap, Błąd berrWrite",
    "CTransBitmap, Błąd berrClose",        "CTransBitmap, Błąd berrWidth",
    "CTransBitmap, Błąd berrHeight",       "CTransBitmap, Błąd berrFormat",
    "CTransBitmap, Błąd berrEmpty",        "CTransBitmap, Błąd berrBadIndex",
    "CTransBitmap, Błąd berrPixelFormat",  "CTransBitmap, Błąd berrDifferentType",
};

// One pixel of the pair: k over black, w over white (blue, green, red); writes colour and
// returns the opacity. Over black the picture shows colour x opacity, so dividing by the
// opacity that the blue channel reveals takes the black back out.
uint8_t Separate(const uint8_t* k, const uint8_t* w, uint8_t* colour) {
    if (k[0] == w[0] && k[1] == w[1] && k[2] == w[2]) {
        colour[0] = k[0], colour[1] = k[1], colour[2] = k[2];
        return 255;
    }
    const unsigned a = unsigned{k[0]} + 255 - w[0];
    if (a == 0) {
        colour[0] = colour[1] = colour[2] = 0;
        return 0;
    }
    for (int i = 0; i < 3; ++i) {
        colour[i] = static_cast<uint8_t>(std::min(255u, k[i] * 255u / a));
    }
    return static_cast<uint8_t>(std::min(255u, a));
}

Bitmap LoadOrThrow(const std::string& path) {
    Bitmap bitmap;
    try {
        LoadCorrectBitmap(bitmap, path);
    } catch (...) {
        throw ETransBitmap(ETransBitmap::LoadCode, path);
    }
    return bitmap;
}

}  // namespace

ETransBitmap::ETransBitmap(uint8_t code, std::string fileName)
    : code_(code), fileName_(std::move(fileName)), message_(TextOf(code)) {
    if (!fileName_.empty()) {
        message_ += ", Plik: " + fileName_;
    }
}

std::string ETransBitmap::TextOf(uint8_t code) {
    if (code >= 1 && code <= kTexts.size()) {
        return kTexts[code - 1];
    }
    return "CTransBitmap, Błąd: NIEZNANY!";
}

void CTransBitmap::Clear() {
    result_.reset();
    colour_.reset();
    mask_.reset();
}

void CTransBitmap::LoadPair(const std::string& blackPath, const std::string& whitePath) {
    Clear();
    Bitmap black = LoadOrThrow(blackPath);
    Bitmap white = LoadOrThrow(whitePath);
    Build(black, white);
}

uint8_t CTransBitmap::LoadPairCode(const std::string& blackPath,
                                   const std::string& whitePath) noexcept {
    try {
        LoadPair(blackPath, whitePath);
        return 0;
    } catch (const ETransBitmap& e) {
        return e.Code();
    } catch (...) {
        Clear();
        return 1;
    }
}

void CTransBitmap::Build(const Bitmap& black, const Bitmap& white) {
    // The new bitmaps are made before the old ones go, so a pair taken from this very
    // object is still readable; any failure leaves the object empty.
    auto fail = [this](uint8_t code) {
        Clear();
        return ETransBitmap(code);
    };
    if (black.Width() != white.Width() || black.Height() != white.Height()) {
        throw fail(ETransBitmap::SizeCode);
    }
    if (black.Format() != PixelFormat::Bgr24 || white.Format() != PixelFormat::Bgr24) {
        throw fail(ETransBitmap::PixelFormatCode);
    }
    const int width = black.Width(), height = black.Height();
    std::unique_ptr<Bitmap> colour, mask;
    try {
        colour = std::make_unique<Bitmap>(width, height, PixelFormat::Bgr24);
        mask = std::make_unique<Bitmap>(width, height, PixelFormat::Grey8);
    } catch (const std::exception&) {
        throw fail(ETransBitmap::FormatCode);
    }
    for (int y = 0; y < height; ++y) {
        const uint8_t* k = black.Row(y);
        const uint8_t* w = white.Row(y);
        uint8_t* c = colour->Row(y);
        uint8_t* m = mask->Row(y);
        for (int x = 0; x < width; ++x, k += 3, w += 3, c += 3) {
            m[x] = Separate(k, w, c);
        }
    }
    result_.reset();
    colour_ = std::move(colour);
    mask_ = std::move(mask);
}

Bitmap& CTransBitmap::EnsureResult(int width, int height) {
    if (!result_) {
        result_ = std::make_unique<Bitmap>(width, height, PixelFormat::Bgr24);
    } else if (result_->Width() != width || result_->Height() != height ||
               result_->Format() != PixelFormat::Bgr24) {
        result_->Reset(width, height, PixelFormat::Bgr24);
    }
    return *result_;
}

void CTransBitmap::Compose(const Bitmap& background, int x, int y, int opacity) {
    if (!IsUsable()) {
        return;
    }
    if (background.Format() != PixelFormat::Bgr24 && background.Format() != PixelFormat::Bgrx32) {
        return;
    }
    if (&background == result_.get()) {
        // Resizing the result would free the background under our feet.
        const Bitmap copy = background;
        Compose(copy, x, y, opacity);
        return;
    }
    Bitmap& result = EnsureResult(colour_->Width(), colour_->Height());
    // Picture columns [q0, q1) and rows [r0, r1) have background under them; 64-bit sums so
    // far-off positions cannot wrap.
    const int64_t q0 = std::max<int64_t>(0, -int64_t{x});
    const int64_t r0 = std::max<int64_t>(0, -int64_t{y});
    const int64_t q1 = std::min<int64_t>(result.Width(), background.Width() - int64_t{x});
    const int64_t r1 = std::min<int64_t>(result.Height(), background.Height() - int64_t{y});
    if (q0 >= q1 || r0 >= r1) {
        return;
    }
    BlendRowFn row = PickBlendRow(result.BytesPerPixel(), background.BytesPerPixel(),
                                  colour_->BytesPerPixel(), mask_->BytesPerPixel());
    opacity = ClampOpacity(opacity);
    const int qs = static_cast<int>(q0), n = static_cast<int>(q1 - q0);
    for (int r = static_cast<int>(r0); r < r1; ++r) {
        row(result.Pixel(qs, r), background.Pixel(x + qs, y + r), colour_->Pixel(qs, r),
            mask_->Pixel(qs, r), n, opacity);
    }
}

void CTransBitmap::Render(const Bitmap& canvas, int x, int y, int opacity) {
    if (!IsUsable() || !PlaceFits(x, y, Width(), Height())) {
        return;
    }
    // The canvas's own format keeps the copy a plain row copy; other formats go through
    // 32 bits. Parts off the canvas stay black.
    PixelFormat format =
        canvas.Format() == PixelFormat::Bgr24 ? PixelFormat::Bgr24 : PixelFormat::Bgrx32;
    Bitmap under(Width(), Height(), format);
    const platform::Rect area = OnCanvas(canvas, x, y, Width(), Height());
    if (!area.IsEmpty()) {
        under.CopyRect(area.Offset(-x, -y), canvas, area);
    }
    Compose(under, 0, 0, opacity);
}

void CTransBitmap::Draw(Bitmap& canvas, int x, int y, int opacity) {
    if (!IsUsable() || !PlaceFits(x, y, Width(), Height()) ||
        OnCanvas(canvas, x, y, Width(), Height()).IsEmpty()) {
        return;  // nothing of it would show
    }
    Render(canvas, x, y, opacity);
    if (result_) {
        canvas.Draw(x, y, *result_);
    }
    result_.reset();
}

}  // namespace media
