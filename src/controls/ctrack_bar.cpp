#include "controls/ctrack_bar.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "catalog/screen_geometry.h"
#include "media/blend_masked.h"
#include "media/cblad.h"

using namespace media;
using namespace catalog;

namespace controls {

using platform::MouseButton;
using platform::MouseEvent;
using platform::Rect;

namespace {

// The percent a knob position reads: the quotient rounded to single precision absorbs the
// error of the double one, so 29 of 100 reads 29.
int32_t PercentAt(int32_t position, int32_t length) {
    const float percent = static_cast<float>(static_cast<double>(position) / length * 100.0);
    return static_cast<int32_t>(percent);
}

// The readout's letters: a dark blue that stands out on the light page, about a third of the
// large layout's check-button height.
constexpr platform::Color ReadoutInk{0x15, 0x65, 0xC0};
constexpr double ReadoutCellHeight = 26.0;
constexpr double ReadoutGap = 4.0;

}  // namespace

CTrackBar::CTrackBar(platform::Form& owner, const DrawContext& context, platform::Action* action,
                     const std::string& name, platform::Point at, const Track& track)
    : BitmapControl(owner, context),
      action_(action),
      showHint_(true),
      unitText_(track.UnitText),
      length_(track.Length),
      trackStart_(track.TrackStart),
      knobCentreLine_(track.KnobCentreLine),
      step_(track.Step) {
    const int32_t length = track.Length;
    SetEnabled(true);
    if (length < 1) {
        throw CBlad::FromCode(CBlad::SliderPositionCode);
    }
    const std::string base = name + LayoutSuffix();
    ReportingResourceErrors([&] {
        trackLook_ = LoadButtonLook(base + "_as");
        disabledTrackLook_ = LoadButtonLook(base + "_nas");
        knobLook_ = LoadButtonLook(base + "_ap");
        disabledKnobLook_ = LoadButtonLook(base + "_nap");
    });
    looksLoaded_ = true;
    knobWidth_ = knobLook_.Width();
    knobHeight_ = knobLook_.Height();
    knobPosition_ = 0;
    travel_ = length;
    SetBounds(Rect::FromSize(at.X, at.Y, trackLook_.Width(), trackLook_.Height()));

    OnMouseEnter = [this](MouseEvent&) {
        hovered_ = true;
        UpdateReadout();
    };
    OnMouseLeave = [this](MouseEvent&) {
        hovered_ = false;
        UpdateReadout();
    };
    OnMouseMove = [this](MouseEvent& e) { MouseMove(e); };
    OnMouseDown = [this](MouseEvent& e) { MouseDown(e); };
    OnMouseUp = [this](MouseEvent& e) { MouseUp(e); };
}

int32_t CTrackBar::GetPercent() const {
    return PercentAt(knobPosition_, length_);
}

void CTrackBar::SetPercent(int32_t p) {
    const double position = p * 0.01 * length_;
    // Values beyond 0...100 (an edited settings record) leave the knob at an end of the track.
    knobPosition_ =
        std::clamp(static_cast<int32_t>(std::clamp(position, 0.0, static_cast<double>(travel_))),
                   LowestPosition(), travel_);
    RenewHint();
}

void CTrackBar::SetLowestPercent(int32_t p) {
    lowestPercent_ = std::clamp(p, 0, 100);
    if (knobPosition_ < LowestPosition()) {
        knobPosition_ = LowestPosition();
        RenewHint();
    }
}

int32_t CTrackBar::LowestPosition() const {
    // Both conversions truncate, so the place p % puts the knob may read one less: step on
    // to the first place that reads p.
    auto position = static_cast<int32_t>(lowestPercent_ * 0.01 * length_);
    while (position < travel_ && PercentAt(position, length_) < lowestPercent_) {
        ++position;
    }
    return std::min(position, travel_);
}

void CTrackBar::SetEnabled(bool enabled) {
    platform::Control::SetEnabled(enabled);
    if (!enabled) {
        // A disabled slider gets no mouse messages, so nothing would take the readout away.
        hovered_ = false;
        dragging_ = false;
    }
    if (looksLoaded_) {
        DrawState();
        UpdateReadout();
    }
}

void CTrackBar::Redraw() {
    DrawState();
    Report();
}

Rect CTrackBar::KnobRect() const {
    return Rect::FromSize(Bounds().Left + trackStart_ + knobPosition_ - knobWidth_ / 2,
                          Bounds().Top + knobCentreLine_ - knobHeight_ / 2, knobWidth_,
                          knobHeight_);
}

void CTrackBar::Paint(platform::FormCanvas&) {
    Report();
}

bool CTrackBar::OnKnob(int32_t x, int32_t y) const {
    const int32_t centre = trackStart_ + knobPosition_;
    return centre - knobWidth_ / 2 < x && x < centre + knobWidth_ / 2 &&
           knobCentreLine_ - knobHeight_ / 2 < y && y < knobCentreLine_ + knobHeight_ / 2;
}

void CTrackBar::DrawState() {
    const bool enabled = Enabled();
    DrawLookHere(enabled ? trackLook_ : disabledTrackLook_);
    // The knob goes over the freshly drawn track, placed and clipped by the enabled knob.
    const CTransBitmap& knob = enabled ? knobLook_ : disabledKnobLook_;
    if (!knob.IsUsable()) {
        return;
    }
    const Rect place = KnobRect();
    BlendMasked(FrameBitmap(), place.Left, place.Top, *knob.Colour(), *knob.Mask(),
                {0, 0, knobWidth_, knobHeight_}, FrameBitmap(), place.Left, place.Top, 255);
}

void CTrackBar::Report() const {
    Queue(Bounds());
}

void CTrackBar::RenewHint() {
    // The product of the single-precision step is exact in double precision.
    const double value = static_cast<double>(GetPercent()) * static_cast<double>(step_);
    char text[32];
    std::snprintf(text, sizeof text, "%.2g", value);
    hint_ = std::string(text) + " " + unitText_;
}

void CTrackBar::MouseMove(MouseEvent& e) {
    // The position arrives as the window system's signed 16-bit coordinate.
    const int32_t x = static_cast<int16_t>(e.X);
    SetCursor(OnKnob(x, e.Y) ? platform::CursorShape::Hand : platform::CursorShape::Arrow);
    if (!dragging_) {
        return;
    }
    knobPosition_ = std::clamp(x - trackStart_ - grabOffset_, LowestPosition(), travel_);
    DrawState();
    Report();
    RenewHint();
    UpdateReadout();
    Parent().Repaint();
}

void CTrackBar::MouseDown(MouseEvent& e) {
    if (e.Button != MouseButton::Left) {
        return;
    }
    e.Handled = true;
    dragging_ = true;
    UpdateReadout();
    const int32_t x = static_cast<int16_t>(e.X);
    // A press beside the knob keeps the previous grab offset.
    if (OnKnob(x, e.Y)) {
        grabOffset_ = x - (trackStart_ + knobPosition_);
    }
}

void CTrackBar::MouseUp(MouseEvent& e) {
    if (e.Button != MouseButton::Left) {
        return;
    }
    e.Handled = true;
    dragging_ = false;
    if (action_ != nullptr) {
        action_->Execute();
    }
    UpdateReadout();
}

std::string CTrackBar::ReadoutText() const {
    std::string number = hint_.substr(0, hint_.find(' '));
    std::replace(number.begin(), number.end(), '.', ',');
    return number + unitText_;
}

void CTrackBar::UpdateReadout() {
    const Rect old = readoutPlace_;
    EraseReadout();
    if (Enabled() && Visible() && (hovered_ || dragging_)) {
        const ScreenGeometry& g = Geometry();
        const Rect knob = KnobRect();
        readoutPlace_ = DrawTextLine(
            FrameBitmap(), SceneBitmap(), ReadoutText(), g.MapLength(ReadoutCellHeight), ReadoutInk,
            (knob.Left + knob.Right) / 2, Bounds().Bottom + g.MapLength(ReadoutGap));
    }
    const Rect changed = old.Union(readoutPlace_);
    if (!changed.IsEmpty()) {
        Queue(changed);
        Parent().Invalidate(changed);
    }
}

void CTrackBar::EraseReadout() {
    if (!readoutPlace_.IsEmpty()) {
        RestoreScene(FrameBitmap(), SceneBitmap(), readoutPlace_);
        readoutPlace_ = {};
    }
}

}  // namespace controls
