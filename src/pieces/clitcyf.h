#pragma once

#include <cstdint>
#include <string>

#include "media/draw_context.h"
#include "pieces/picture_tile.h"
#include "pieces/selection_frames.h"
#include "platform/bitmap.h"
#include "platform/form.h"

namespace pieces {

// A letter, digit, number-word or sign tile. Its picture comes from the frame and tile
// library under name + SizeSuffix ("l_red_s"), its enlarged picture from the enlargement
// library under the same name, its sound from the letter recordings. Tiles keep their
// own set of selection frames, separate from the cards'.
// Named from the Polish "litery i cyfry" (letters and digits); see docs/glossary.md.
class CLitCyf : public PictureTile {
  public:
    // Fetches the picture and places its top-left corner at position; does not paint. Throws
    // CBlad code 1 with ResourceMissingText when the library lacks the picture or a frame,
    // having freed whatever it made.
    CLitCyf(platform::Form& owner, const media::DrawContext& context, platform::Point position,
            std::string name, bool selectable, int32_t number, uint8_t extra);
    ~CLitCyf() override;

    // The enlarged tile with its sound; blocks for the sound and 400 ms.
    void Zoom() override;
    // Speaks the tile and returns once it has been said; false when there is no recording.
    bool PlayLetter() const;

    // The frames shared by all tiles. which = 0: red, green, orange; 1: yellow, blue; 2: all.
    static void LoadFrames(int which);
    static const SelectionFrames& Frames() { return SharedFrames(); }

    const std::string& Name() const { return name_; }
    const platform::Rect& TileRect() const { return ObjectRect(); }
    // A value the exercise keeps with the tile, usually its symbol code.
    int32_t Number() const { return number_; }
    void SetNumber(int32_t number) { number_ = number; }
    uint8_t Extra() const { return extra_; }

  private:
    static SelectionFrames& SharedFrames();

    int32_t number_;
    uint8_t extra_;
    std::string name_;
};

// Plays a random praise ("g1" ... "g36") after a right answer or a random remark ("b1" ...
// "b31") after a wrong one, in the background. Not played at all while another recording
// plays. False when the chosen file is missing.
bool PlayFeedback(bool right);

}  // namespace pieces
