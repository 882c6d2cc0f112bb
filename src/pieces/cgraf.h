#pragma once

#include <cstdint>
#include <string>

#include "media/ctransbitmap.h"
#include "media/draw_context.h"
#include "pieces/picture_control.h"
#include "pieces/selection_frames.h"
#include "platform/bitmap.h"
#include "platform/form.h"
#include "platform/geometry.h"

namespace pieces {

// A framed picture: a transparent picture (such as an exercise's instruction picture)
// that can be highlighted with an orange frame while scanning stands on it.
// Named from the Polish "grafika" (graphic); see docs/glossary.md.
class CGraf : public PictureControl {
  public:
    // The context's background may be missing; only PaintIntoBackground and Unhighlight use
    // it.
    CGraf(platform::Form& owner, const media::DrawContext& context);
    ~CGraf() override;

    // Loads the pair folder + name + SizeSuffix + "_B.xbi" / "_W.xbi", sizes the control to
    // it and paints it. Throws CBlad code 1 with ResourceMissingText; the picture loaded
    // before stays then.
    void Load(const std::string& folder, const std::string& name);
    // Moves the picture and returns its rectangle; nothing is drawn.
    platform::Rect MoveTo(platform::Point position);
    // Blends the picture into the frame and scene bitmaps (while visible).
    // The control's own paint on the form stays; this one draws into the bitmaps.
    using platform::Control::Paint;
    void Paint();
    // Blends the picture into the background bitmap, so it becomes part of the background.
    void PaintIntoBackground();
    // Draws the shared orange frame around the picture (while visible and once the frame
    // is loaded).
    void Highlight();
    // Takes the orange frame away and paints the picture again.
    void Unhighlight();

    // Loads the orange frame all framed pictures share, if it is not loaded yet. Throws
    // CBlad code 1 with ResourceMissingText.
    static void LoadHighlightFrame();
    static const SelectionFrames& Frames() { return SharedFrames(); }

    const platform::Rect& PictureRectOnScreen() const { return rect_; }
    const platform::Rect& PictureRect() const { return pictureRect_; }
    const media::CTransBitmap& Picture() const { return picture_; }
    bool Highlighted() const { return highlighted_; }

  private:
    static SelectionFrames& SharedFrames();
    // Where the orange frame goes around the picture now.
    platform::Rect HighlightRect() const;

    SelectionFrames::User frameUser_;
    media::CTransBitmap picture_;
    media::DrawContext context_;
    platform::Rect rect_;
    platform::Rect pictureRect_;
    bool highlighted_ = false;
};

}  // namespace pieces
