#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "media/ctransbitmap.h"
#include "media/draw_context.h"
#include "platform/bitmap.h"
#include "platform/form.h"
#include "platform/geometry.h"

namespace pieces {

// A turning sprite: sixteen direction frames drawn over the game picture, moved in small
// steps, turned frame by frame and tested for contact through its own collision map.
// Frame n faces n * 22.5 degrees counter-clockwise from up: 0 up, 4 left, 8 down, 12 right.
// The game form owns one, named "pojazd"; exercises borrow it.
// Named from the Polish "ludek" (little man); see docs/glossary.md.
class CLudek {
  public:
    static constexpr int kFrameCount = 16;
    static constexpr uint8_t kFacingDown = 8;
    // How far TouchesNear reaches beyond a rectangle.
    static constexpr int32_t kNearMargin = 5;
    // The pace of one celebration turn, per frame.
    static constexpr uint32_t kCelebrateIntervalMs = 30;

    // Loads "Data//<name><size suffix>_obszar.xbi" and the sixteen frame pairs
    // "..._b_<n>.xbi" / "..._w_<n>.xbi", and puts the figure's top-left corner at position.
    // The figure is drawn into the context's frame bitmap and erased from its scene; the
    // background is only kept for the owner. owner (may be null) is repainted after every
    // frame of a turn; the context's callback (may be empty) receives every changed
    // rectangle. Nothing is drawn yet; the figure faces down.
    // Throws CBlad code 1 (ResourceMissingText) when a picture cannot be read.
    CLudek(platform::Form* owner, const media::DrawContext& context, platform::Point position,
           std::string name);
    CLudek(const CLudek&) = delete;
    CLudek& operator=(const CLudek&) = delete;

    // Restores what lies under the figure from the scene.
    void Erase();
    // Blends the current frame over whatever the frame bitmap holds at the figure's rectangle.
    void Draw();
    // Moves the rectangle without drawing.
    void Offset(int32_t dx, int32_t dy);
    // Erase, Offset, Draw.
    void Step(int32_t dx, int32_t dy);
    // Turns to frame direction (0...15) the shorter way round, one frame per tick of a
    // pacer of intervalMs, drawing and repainting each frame; the half turn goes clockwise
    // (downward through the frame numbers). Blocks for the turn. False, at once, when
    // already facing that way or for a direction outside 0...15.
    bool TurnTo(uint8_t direction, uint32_t intervalMs);
    // count full spins: turn to 0, then back to 8, at kCelebrateIntervalMs per frame.
    void Celebrate(int count);
    // True when a point of the rectangle's outline, its right and bottom edges included,
    // falls on a non-white pixel of the collision map under the figure's rectangle.
    // The map does not turn with the frames.
    bool Touches(const platform::Rect& r) const;
    // Touches for the rectangle grown by kNearMargin on every side.
    bool TouchesNear(const platform::Rect& r) const;
    // The horizontal centre, three quarters of the height down.
    platform::Point AnchorPoint() const;

    // Where the figure is.
    const platform::Rect& Rectangle() const { return rect_; }
    // Puts the rectangle's top-left corner at position, keeping its size; draws nothing.
    void MoveTo(platform::Point position);
    // The index of the frame shown, 0...15.
    uint8_t Direction() const { return direction_; }
    const media::CTransBitmap& CurrentFrame() const { return *current_; }
    const media::CTransBitmap& Frame(int n) const { return frames_.at(static_cast<size_t>(n)); }
    const platform::Bitmap& CollisionMap() const { return collisionMap_; }
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    // (0, 0, Width, Height).
    const platform::Rect& FrameRect() const { return frameRect_; }
    const std::string& Name() const { return name_; }
    // Where the figure was put at construction.
    platform::Point StartPosition() const { return start_; }
    const media::DrawContext& Context() const { return context_; }

  private:
    void Load();
    // Erases, makes frame n current, draws and repaints the owner.
    void ShowFrame(uint8_t n);
    bool TouchesOutline(int64_t left, int64_t top, int64_t right, int64_t bottom) const;
    bool CountsAt(int64_t x, int64_t y) const;

    platform::Form* owner_;
    std::array<media::CTransBitmap, kFrameCount> frames_;
    const media::CTransBitmap* current_ = nullptr;
    platform::Bitmap collisionMap_;
    media::DrawContext context_;
    std::string name_;
    platform::Point start_;
    int32_t width_ = 0;
    int32_t height_ = 0;
    platform::Rect frameRect_;
    platform::Rect rect_;
    uint8_t direction_ = kFacingDown;
};

}  // namespace pieces
