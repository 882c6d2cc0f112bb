#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "pieces/cwatek.h"
#include "pieces/picture_control.h"
#include "pieces/selection_frames.h"
#include "platform/bitmap.h"
#include "platform/geometry.h"

// What picture cards and letter tiles share: an opaque picture drawn into the game form's
// bitmaps, a coloured selection frame around it, moving, the fade-in and the enlarged view
// on a right click. They differ only in where the picture, the enlarged picture and the
// sound come from.
//
// The canvases belong to the game form: FrameCanvas is what the player sees, SceneCanvas
// holds everything at rest, BackgroundCanvas the clean background. Every change of
// FrameCanvas is reported through the invalidation callback.
class CPictureTile : public CPictureControl {
  public:
    ~CPictureTile() override;

    // Draws the picture (and its frame, if it has one) into FrameCanvas and SceneCanvas.
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
    platform::Rect MoveTo(int32_t left, int32_t top);
    // Starts the fade-in of this object into FrameCanvas; the caller owns the thread and ends
    // it before this object goes. The object is made visible at the end of the fade.
    std::unique_ptr<CWatek> StartAnimation(AddDirtyRectFn invalidate);
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
    CPictureTile(platform::Form& owner, SelectionFrames& frames, bool selectable,
                 AddDirtyRectFn invalidate, platform::Bitmap& frameCanvas,
                 platform::Bitmap& backgroundCanvas, platform::Bitmap& sceneCanvas);

    // Takes over the picture and places the object at (left, top).
    void Place(platform::Bitmap picture, int32_t left, int32_t top);
    // The zoom of the derived classes: viewName goes to CPow::ShowPicture.
    void ShowEnlarged(const std::string& viewName, const std::function<void()>& speak);

    void MouseUp(platform::MouseEvent& e) override;

  private:
    void Queue(const platform::Rect& r) const;
    void UpdateFrameRect();
    // Copies the background's rectangle r into SceneCanvas and FrameCanvas.
    void RestoreBackground(const platform::Rect& r);
    void DrawPicture();

    SelectionFrames& frames_;
    SelectionFrames::User frameUser_;
    int16_t frameStyle_ = SelectionFrames::None;
    bool selectable_;
    platform::Bitmap picture_;
    platform::Bitmap& frameCanvas_;
    platform::Bitmap& backgroundCanvas_;
    platform::Bitmap& sceneCanvas_;
    platform::Rect rect_;
    platform::Rect pictureRect_;
    platform::Rect frameRect_;
    platform::Rect frameSourceRect_;
    AddDirtyRectFn invalidate_;
};
