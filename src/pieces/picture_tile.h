#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "media/draw_context.h"
#include "pieces/cwatek.h"
#include "pieces/picture_control.h"
#include "pieces/selection_frames.h"
#include "platform/bitmap.h"
#include "platform/geometry.h"

namespace pieces {

// What picture cards and letter tiles share: an opaque picture drawn into the game form's
// bitmaps, a coloured selection frame around it, moving, the fade-in and the enlarged view
// on a right click. They differ only in where the picture, the enlarged picture and the
// sound come from.
//
// The bitmaps of the drawing context belong to the game form; this object needs all three.
// Every change of the frame bitmap is reported through the context's callback.
class PictureTile : public PictureControl {
  public:
    ~PictureTile() override;

    // Draws the picture (and its frame, if it has one) into the frame and scene bitmaps.
    // Does nothing while the control is hidden.
    // The control's own paint on the form stays; this one draws into the bitmaps.
    using platform::Control::Paint;
    void Paint();
    // Puts the background back under the picture; the visibility stays as it is.
    void Erase();
    // Draws the frame of a style (SelectionFrames::Red ... Orange) around the picture. A style
    // whose picture is not loaded draws nothing and is not taken on; the frame rectangle is
    // queued in every case.
    void SetFrame(int16_t style);
    // Takes the frame away again, restoring the background under it.
    void RemoveFrame();
    // Moves the object and returns its new rectangle. Queues the old rectangle but draws
    // nothing: callers Erase before and Paint after.
    platform::Rect MoveTo(platform::Point position);
    // Starts the fade-in of this object into the frame bitmap; the caller owns the thread and ends
    // it before this object goes. The object is made visible at the end of the fade.
    std::unique_ptr<CWatek> StartAnimation(media::AddDirtyRectFn invalidate);
    // Shows the enlarged picture on the parent form's CPow while the object's recording
    // plays, then 400 ms more, and removes it. Blocks the caller all that time.
    virtual void Zoom() = 0;

    // The owning exercise may still accept this object as an answer.
    bool Selectable() const { return selectable_; }
    void SetSelectable(bool selectable) { selectable_ = selectable; }
    int16_t FrameStyle() const { return frameStyle_; }
    // Changes the remembered style only; nothing is drawn or removed. An exercise leaves a
    // frame drawn as a placeholder this way.
    void SetFrameStyle(int16_t style) { frameStyle_ = style; }
    // Where the picture is on the screen.
    const platform::Rect& ObjectRect() const { return rect_; }
    // (0, 0, width, height).
    const platform::Rect& PictureRect() const { return pictureRect_; }
    // Where the frame goes, as last computed by SetFrame or MoveTo, and the frame's own size.
    const platform::Rect& FrameRect() const { return frameRect_; }
    const platform::Rect& FrameSourceRect() const { return frameSourceRect_; }
    const platform::Bitmap& Picture() const { return picture_; }

  protected:
    // Counts the object in frames (loading the five frames for the first one).
    PictureTile(platform::Form& owner, const media::DrawContext& context, SelectionFrames& frames,
                bool selectable);

    // Takes over the picture and places the object's top-left corner at position.
    void Place(platform::Bitmap picture, platform::Point position);
    // The zoom of the derived classes: viewName goes to CPow::ShowPicture.
    void ShowEnlarged(const std::string& viewName, const std::function<void()>& speak);

    void MouseUp(platform::MouseEvent& e) override;

  private:
    void UpdateFrameRect();
    void DrawPicture();

    SelectionFrames& frames_;
    SelectionFrames::User frameUser_;
    int16_t frameStyle_ = SelectionFrames::None;
    bool selectable_;
    platform::Bitmap picture_;
    media::DrawContext context_;
    platform::Rect rect_;
    platform::Rect pictureRect_;
    platform::Rect frameRect_;
    platform::Rect frameSourceRect_;
};

}  // namespace pieces
