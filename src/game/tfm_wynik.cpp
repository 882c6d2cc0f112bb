#include "game/tfm_wynik.h"

#include <string>
#include <utility>

#include "catalog/screen_geometry.h"
#include "media/cblad.h"
#include "media/data_paths.h"
#include "media/product.h"

using namespace controls;
using namespace media;
using namespace catalog;

namespace game {

namespace {

constexpr const char* kCaptions[TfmWynik::LineCount] = {
    "Punkty:", "Nierozwiązane:", "Podpowiedzi:", "Nierozpoczęte:"};
constexpr const char* kNotSaved = "Nie zapisano wyników.";
constexpr platform::Color kInk{0, 0, 128};  // navy
constexpr int kCornerEllipse = 14;
constexpr double kFontSize = 25;
// The not-saved line is smaller and stands below the exit button.
constexpr double kNotSavedFontSize = 16;
constexpr double kNotSavedTop = 408;

// A font size in points as the height of a character cell in pixels, at 96 pixels an inch.
int CellHeightOf(int points) {
    return points * 96 / 72;
}

}  // namespace

TfmWynik::TfmWynik(const SeriesTotals& totals, std::function<bool()> writeStatistics)
    : PictureWindow(ProductTitle), writeStatistics_(std::move(writeStatistics)) {
    ReportingResourceErrors([&] { Build(totals); });
}

TfmWynik::~TfmWynik() = default;

void TfmWynik::Build(const SeriesTotals& totals) {
    LayPicture("Data\\Intf\\wyn" + SizeSuffix() + ".xji");
    CenterOnScreen(frame_.Width(), frame_.Height());
    const ScreenGeometry& g = Geometry();
    AddExitButton({g.MapLength(50), g.MapLength(300)});
    // The shape leaves out the picture's first two rows and columns.
    SetRoundedShape(kCornerEllipse, kCornerEllipse, {2, 2});

    fontSize_ = g.MapLength(kFontSize);
    const int cell = CellHeightOf(fontSize_);
    const std::string values[LineCount] = {
        std::to_string(totals.Solved), std::to_string(totals.Unsolved),
        std::to_string(totals.Hints), std::to_string(totals.NotStarted)};
    for (int line = 0; line < LineCount; ++line) {
        captions_[line] = std::make_unique<TextLabel>(*this, kCaptions[line], cell, false, kInk);
        values_[line] = std::make_unique<TextLabel>(*this, values[line], cell, false, kInk);
    }

    // The captions stand right-aligned on the right edge of "Punkty:", the values in one
    // column, each line 13 design pixels under the one above.
    const double s = g.LayoutScale;
    captions_[Punkty]->MoveTo(g.MapLength(140), g.MapLength(100));
    const int captionsRight = captions_[Punkty]->Bounds().Right;
    const int valuesLeft = g.MapLength(270);
    for (int line = 0; line < LineCount; ++line) {
        TextLabel& caption = *captions_[line];
        if (line > 0) {
            const int top = static_cast<int>(captions_[line - 1]->Bounds().Bottom + 13 * s);
            caption.MoveTo(captionsRight - caption.Bounds().Width(), top);
        }
        values_[line]->MoveTo(valuesLeft, caption.Bounds().Top);
    }
}

void TfmWynik::OnShow() {
    if (saved_) {
        return;
    }
    saved_ = true;
    if (!writeStatistics_ || writeStatistics_()) {
        return;
    }
    // A series whose record could not be written is not lost without a word.
    const ScreenGeometry& g = Geometry();
    notSaved_ = std::make_unique<TextLabel>(
        *this, kNotSaved, CellHeightOf(g.MapLength(kNotSavedFontSize)), false, kInk);
    notSaved_->MoveTo(ClientWidth() / 2 - notSaved_->Bounds().Width() / 2,
                      g.MapLength(kNotSavedTop));
    Invalidate();
}

}  // namespace game
