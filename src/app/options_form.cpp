#include "app/options_form.h"

#include <algorithm>
#include <optional>
#include <string>

#include "app/program_texts.h"
#include "catalog/screen_geometry.h"
#include "controls/bitmap_control.h"
#include "media/cblad.h"
#include "media/ctransbitmap.h"
#include "media/data_paths.h"

using namespace game;
using namespace controls;
using namespace media;
using namespace catalog;

namespace app {

namespace {

// A place d design units beyond ref (screen pixels), the sum truncated like every layout
// position.
int32_t Beyond(int32_t ref, double d) {
    return static_cast<int32_t>(ref + static_cast<double>(Geometry().LayoutScale) * d);
}

int8_t WithBits(int8_t scan, int set, int clear) {
    return static_cast<int8_t>((scan | set) & ~clear);
}

}  // namespace

TfmOptions::TfmOptions(platform::Form* /*owner*/, CWybor* settings) : settings_(settings) {
    A_Stop.OnExecute = [this] { A_StopExecute(); };
    // Every choice reaches the owner as soon as it changed the record.
    auto reporting = [this](void (TfmOptions::*handler)()) {
        return [this, handler] {
            const CWybor before = *settings_;
            (this->*handler)();
            if (*settings_ != before && OnSettingsChanged) {
                OnSettingsChanged();
            }
        };
    };
    A_CSk_1prz.OnExecute = reporting(&TfmOptions::A_CSk_1przExecute);
    A_CSk_2prz.OnExecute = reporting(&TfmOptions::A_CSk_2przExecute);
    A_CSk_wew.OnExecute = reporting(&TfmOptions::A_CSk_wewExecute);
    A_CSk_zew.OnExecute = reporting(&TfmOptions::A_CSk_zewExecute);
    VolumeTrackBarAction.OnExecute = reporting(&TfmOptions::VolumeTrackBarActionExecute);
    A_ScanWl.OnExecute = reporting(&TfmOptions::A_ScanWlExecute);
    A_ScanWyl.OnExecute = reporting(&TfmOptions::A_ScanWylExecute);
    // Whatever part was missing (the slider reports its own code), the user is told to
    // reinstall.
    BuildOrReportMissing([this] { Build(); });
}

void TfmOptions::Build() {
    const ScreenGeometry& g = Geometry();
    const CWybor& s = *settings_;
    LayBackground("op");

    const std::string layout = LayoutSuffix();
    const CTransBitmap heading = LoadButtonLook("opskanowanie" + layout);
    const int32_t headingTop = g.MapY(150);
    DrawLook(heading, frame_, scene_, g.MapX(505), headingTop);
    const CTransBitmap stepTimeLabel = LoadButtonLook("czasprzejsc" + layout);

    const bool scanning = !s.ScanFlag(ScanOff);
    const int32_t left = g.MapX(515);
    // Each toggle stands 10 design pixels below the one before.
    auto check = [&](platform::Action* action, const char* name, int32_t top,
                     CButtonCheck::Setup setup) {
        return std::make_unique<CButtonCheck>(*this, Context(), action, name,
                                              platform::Point{left, top}, setup);
    };
    auto below = [&](const std::unique_ptr<CButtonCheck>& above) {
        return Beyond(above->Bounds().Bottom, 10);
    };
    scanOff_ = check(&A_ScanWyl, "wyl", Beyond(headingTop + heading.Height(), 10),
                     {.FourLooks = false, .On = !scanning});
    scanOn_ = check(&A_ScanWl, "wl", below(scanOff_), {.FourLooks = false, .On = scanning});
    internalCycle_ = check(&A_CSk_wew, "opskwew", below(scanOn_),
                           {.Enabled = scanning, .On = s.ScanFlag(ScanInternalCycle)});
    externalCycle_ = check(&A_CSk_zew, "opskzew", below(internalCycle_),
                           {.Enabled = scanning, .On = s.ScanFlag(ScanExternalCycle)});
    oneSwitch_ = check(&A_CSk_1prz, "opsk1p", below(externalCycle_),
                       {.Enabled = scanning, .On = s.ScanFlag(ScanOneSwitch)});

    DrawLook(stepTimeLabel, frame_, scene_, Beyond(externalCycle_->Bounds().Right, 10),
             Beyond(externalCycle_->Bounds().Top, 5));

    exitButton_ = std::make_unique<CButton>(*this, Context(), &A_Stop, "powrot",
                                            platform::Point{g.MapX(1151), g.MapY(729)});

    const CTrackBar::Track track{.UnitText = " s",
                                 .Step = StepSeconds,
                                 .Length = g.MapLength(253),
                                 .KnobCentreLine = g.MapLength(46),
                                 .TrackStart = g.MapLength(23)};
    slider_ = std::make_unique<CTrackBar>(*this, Context(), &VolumeTrackBarAction, "track",
                                          platform::Point{Beyond(oneSwitch_->Bounds().Right, 20),
                                                          Beyond(oneSwitch_->Bounds().Top, 10)},
                                          track);
    slider_->SetEnabled(scanning && s.ScanFlag(ScanOneSwitch));
    slider_->SetLowestPercent(LowestPercent());
    slider_->SetPercent(PercentForScanTime(s.scanTime));
    slider_->Redraw();
    storedTimePercent_ = slider_->GetPercent();

    twoSwitches_ = check(&A_CSk_2prz, "opsk2p", Beyond(slider_->Bounds().Bottom, 10),
                         {.Enabled = scanning, .On = s.ScanFlag(ScanTwoSwitches)});

    tester_ = std::make_unique<SwitchTester>(*this, frame_, scene_);
}

int32_t TfmOptions::PercentForScanTime(int32_t scanTime) {
    // The single-precision step is a hair above 0.05, so 1500 ms reads 29 %, not 30 %.
    return static_cast<int32_t>(scanTime / static_cast<long double>(StepSeconds) * 0.001L);
}

namespace {

int32_t MsForPercent(int32_t percent) {
    return static_cast<int32_t>(percent * static_cast<long double>(TfmOptions::StepSeconds) *
                                1000.0L);
}

}  // namespace

int32_t TfmOptions::ScanTimeForPercent(int32_t percent) {
    return std::max(MsForPercent(percent), ScanTimeMin);
}

int32_t TfmOptions::LowestPercent() {
    int32_t percent = 0;
    while (MsForPercent(percent) < ScanTimeMin) {
        ++percent;
    }
    return percent;
}

void TfmOptions::EnableScanChecks(bool enabled) {
    for (CButtonCheck* check :
         {internalCycle_.get(), externalCycle_.get(), oneSwitch_.get(), twoSwitches_.get()}) {
        check->SetEnabled(enabled);
        check->Redraw();
    }
}

void TfmOptions::A_StopExecute() {
    Close();
}

void TfmOptions::A_ScanWylExecute() {
    if (scanOff_->State()) {
        return;
    }
    settings_->scan = WithBits(settings_->scan, ScanOff, 0);
    scanOff_->Toggle();
    if (scanOn_->State()) {
        scanOn_->Toggle();
        slider_->SetEnabled(false);
        // The switch and cycle choices stay as they are, only greyed out.
        EnableScanChecks(false);
    }
    Invalidate();
}

void TfmOptions::A_ScanWlExecute() {
    if (scanOn_->State()) {
        return;
    }
    settings_->scan = WithBits(settings_->scan, 0, ScanOff);
    scanOn_->Toggle();
    if (scanOff_->State()) {
        scanOff_->Toggle();
        EnableScanChecks(true);
        // The step time only matters to one-switch scanning.
        if (settings_->ScanFlag(ScanOneSwitch)) {
            slider_->SetEnabled(true);
        }
    }
    Invalidate();
}

bool TfmOptions::ChooseOfPair(CButtonCheck& chosen, int chosenBit, CButtonCheck& other,
                              int otherBit) {
    if (chosen.State()) {
        return false;
    }
    settings_->scan = WithBits(settings_->scan, chosenBit, other.State() ? otherBit : 0);
    chosen.Toggle();
    if (other.State()) {
        other.Toggle();
    }
    return true;
}

void TfmOptions::A_CSk_1przExecute() {
    if (ChooseOfPair(*oneSwitch_, ScanOneSwitch, *twoSwitches_, ScanTwoSwitches)) {
        slider_->SetEnabled(true);
        slider_->Redraw();
        Repaint();
    }
}

void TfmOptions::A_CSk_2przExecute() {
    if (ChooseOfPair(*twoSwitches_, ScanTwoSwitches, *oneSwitch_, ScanOneSwitch)) {
        slider_->SetEnabled(false);
        slider_->Redraw();
        Repaint();
    }
}

void TfmOptions::A_CSk_zewExecute() {
    if (ChooseOfPair(*externalCycle_, ScanExternalCycle, *internalCycle_, ScanInternalCycle)) {
        Repaint();
    }
}

void TfmOptions::A_CSk_wewExecute() {
    if (ChooseOfPair(*internalCycle_, ScanInternalCycle, *externalCycle_, ScanExternalCycle)) {
        Repaint();
    }
}

void TfmOptions::VolumeTrackBarActionExecute() {
    // The knob shows the stored time only to a whole percent (1500 ms reads 28 %): unless it
    // was moved to another reading, the stored time stays exactly as it was.
    const int32_t percent = slider_->GetPercent();
    if (percent == storedTimePercent_) {
        return;
    }
    settings_->scanTime = ScanTimeForPercent(percent);
    storedTimePercent_ = percent;
}

namespace {

// The switch a key or a mouse button stands for, as in a series: K or the left button
// selects, L or the right button steps.
std::optional<SwitchTester::Switch> SwitchOfKey(platform::Key key, char32_t ch) {
    if (key != platform::Key::Char) {
        return std::nullopt;
    }
    if (ch == U'k') {
        return SwitchTester::Switch::Select;
    }
    if (ch == U'l') {
        return SwitchTester::Switch::Step;
    }
    return std::nullopt;
}

std::optional<SwitchTester::Switch> SwitchOfButton(platform::MouseButton button) {
    if (button == platform::MouseButton::Left) {
        return SwitchTester::Switch::Select;
    }
    if (button == platform::MouseButton::Right) {
        return SwitchTester::Switch::Step;
    }
    return std::nullopt;
}

}  // namespace

void TfmOptions::OnPageKey(platform::Key key, char32_t ch) {
    if (const auto which = SwitchOfKey(key, ch)) {
        tester_->Press(*which, SwitchTester::Key);
    }
}

void TfmOptions::OnKeyUp(platform::Key key, char32_t ch) {
    if (const auto which = SwitchOfKey(key, ch)) {
        tester_->Release(*which, SwitchTester::Key);
    }
}

void TfmOptions::OnMouseDown(platform::MouseEvent& e) {
    if (const auto which = SwitchOfButton(e.Button)) {
        tester_->Press(*which, SwitchTester::Mouse);
    }
}

void TfmOptions::OnMouseUp(platform::MouseEvent& e) {
    if (const auto which = SwitchOfButton(e.Button)) {
        tester_->Release(*which, SwitchTester::Mouse);
    }
}

}  // namespace app
