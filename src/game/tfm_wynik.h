#pragma once

#include <array>
#include <functional>
#include <memory>

#include "controls/picture_window.h"
#include "controls/text_label.h"
#include "game/series_totals.h"

namespace game {

// The Polish names in this file are explained in docs/glossary.md.

// The results window shown when a series stops: points, unsolved tasks, hints and tasks not
// started over its own picture, centred on the screen with rounded corners, and an exit
// button. Shown modally; the exit button and Esc close it. Its first showing saves the
// series; when that fails, a line under the figures says the results were not saved.
class TfmWynik : public controls::PictureWindow {
  public:
    // The four lines, top to bottom.
    enum Line { Punkty, NieRoz, Pomoc, NieRozp, LineCount };

    // Throws CBlad code 1 with ResourceMissingText when the picture or the exit button is
    // missing or broken; nothing of the window is left then.
    TfmWynik(const SeriesTotals& totals, std::function<bool()> writeStatistics);
    ~TfmWynik() override;

    void OnShow() override;

    const controls::TextLabel& CaptionLabel(Line line) const { return *captions_[line]; }
    const controls::TextLabel& ValueLabel(Line line) const { return *values_[line]; }
    // The line saying the results were not saved; null until a save has failed.
    const controls::TextLabel* NotSavedLabel() const { return notSaved_.get(); }
    // The labels' font size in points.
    int FontSize() const { return fontSize_; }

  private:
    void Build(const SeriesTotals& totals);

    std::function<bool()> writeStatistics_;
    bool saved_ = false;
    int fontSize_ = 0;
    // LPunkty, LNieRoz, LPomoc, LNieRozp and their values LWPunkty ... LWNieRozp.
    std::array<std::unique_ptr<controls::TextLabel>, LineCount> captions_;
    std::array<std::unique_ptr<controls::TextLabel>, LineCount> values_;
    std::unique_ptr<controls::TextLabel> notSaved_;
};

}  // namespace game
