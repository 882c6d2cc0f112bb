#pragma once

#include <cstdint>
#include <string>

#include "controls/bitmap_control.h"
#include "media/ctransbitmap.h"
#include "media/invalidate.h"
#include "platform/action.h"
#include "platform/bitmap.h"
#include "platform/control.h"
#include "platform/form.h"

namespace controls {

// A horizontal slider drawn from transparent looks of the button library: a track and a
// knob, each in an enabled and a disabled look. Its value is a whole percentage 0...100 of
// the track; step turns it into the quantity the tooltip shows (and the owner stores).
// The knob is dragged with the mouse; every release of the left button runs the bound
// action, whose handler reads GetPercent.
//
// Coordinates: the knob's centre is at (track start + knob position, knob centre line) in
// the control's own pixels; the knob position runs 0 ... travel (= length).
class CTrackBar : public BitmapControl {
  public:
    // The track's measures, in the control's own pixels, and the value's scale.
    struct Track {
        std::string UnitText;        // after the value in the tooltip and the readout
        float Step = 0.0f;           // the value one percent stands for
        int32_t Length = 0;          // the knob's travel
        int32_t KnobCentreLine = 0;  // the knob centre's height
        int32_t TrackStart = 0;      // the knob centre's place at 0 %
    };

    // Loads name + LayoutSuffix + "_as", "_nas", "_ap", "_nap" (track, disabled track, knob,
    // disabled knob), each + "_W"/"_B"; the control takes the track look's size, its top-left
    // corner at `at`, enabled, with the knob at 0 (nothing is drawn: the owner sets the value
    // and redraws). action may be null. Throws CBlad: code 100 "Brak Bitmapy w dll" when the
    // library lacks a picture, code 10 for a length below 1 (no position can be set on such
    // a track), code 1 with ResourceMissingText for any other failure; nothing of the slider
    // is left then.
    CTrackBar(platform::Form& owner, const media::DrawContext& context, platform::Action* action,
              const std::string& name, platform::Point at, const Track& track);

    // truncate(knob position / length x 100), rounded to single precision before truncating.
    virtual int32_t GetPercent() const;
    // Knob position = truncate(p x 0.01 x length), kept on the track; renews the tooltip.
    // Draws nothing: the owner calls Redraw.
    virtual void SetPercent(int32_t p);
    // Keeps the knob where it reads at least p %, so that a value the owner would not take
    // cannot be shown. The knob moves there if it stands lower.
    void SetLowestPercent(int32_t p);

    // Sets the enabled state and, once the looks are loaded, draws the looks of that state.
    // Owners use this instead of the plain enabled property.
    void SetEnabled(bool enabled);
    // Draws the looks of the current state and reports the control's rectangle.
    void Redraw();

    // The tooltip: the value (percent x step, at most two significant digits) followed by a
    // space and the unit text; empty until the first SetPercent or drag.
    const std::string& Hint() const { return hint_; }
    bool ShowHint() const { return showHint_; }
    // While the pointer is over the slider or drags its knob, the value stands in words
    // below the track (a decimal comma, as Polish writes it); otherwise nothing is there.
    bool ReadoutShown() const { return !readoutPlace_.IsEmpty(); }
    // Where the readout stands, or an empty rectangle.
    const platform::Rect& ReadoutPlace() const { return readoutPlace_; }
    std::string ReadoutText() const;

    int32_t KnobPosition() const { return knobPosition_; }
    int32_t Travel() const { return travel_; }
    int32_t KnobWidth() const { return knobWidth_; }
    int32_t KnobHeight() const { return knobHeight_; }
    int32_t TrackStart() const { return trackStart_; }
    int32_t KnobCentreLine() const { return knobCentreLine_; }
    float Step() const { return step_; }
    bool Dragging() const { return dragging_; }
    platform::Action* BoundAction() const { return action_; }
    // The knob's rectangle on the screen (also in the disabled look, which keeps this size).
    platform::Rect KnobRect() const;

    // Reports the rectangle on every paint of the form.
    void Paint(platform::FormCanvas& canvas) override;

  private:
    // Whether (x, y), in the control's pixels, lies strictly inside the knob.
    bool OnKnob(int32_t x, int32_t y) const;
    void DrawState();
    void Report() const;
    void RenewHint();
    void MouseMove(platform::MouseEvent& e);
    void MouseDown(platform::MouseEvent& e);
    void MouseUp(platform::MouseEvent& e);
    // Draws the readout when it should stand and it is not there or out of date, and
    // takes it away when it should not.
    void UpdateReadout();
    void EraseReadout();
    int32_t LowestPosition() const;

    media::CTransBitmap trackLook_;
    media::CTransBitmap knobLook_;
    media::CTransBitmap disabledTrackLook_;
    media::CTransBitmap disabledKnobLook_;
    platform::Action* action_ = nullptr;
    int32_t knobPosition_ = 0;
    int32_t travel_ = 0;
    int32_t knobWidth_ = 0;
    int32_t knobHeight_ = 0;
    int32_t grabOffset_ = 0;
    bool dragging_ = false;
    bool hovered_ = false;
    int32_t lowestPercent_ = 0;
    platform::Rect readoutPlace_;
    bool looksLoaded_ = false;
    bool showHint_ = false;
    std::string unitText_;
    std::string hint_;
    int32_t length_ = 0;
    int32_t trackStart_ = 0;
    int32_t knobCentreLine_ = 0;
    float step_ = 0.0f;
};

}  // namespace controls
