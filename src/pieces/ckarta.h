#pragma once

#include <cstdint>
#include <string>

#include "media/cslowo.h"
#include "media/draw_context.h"
#include "pieces/picture_tile.h"
#include "pieces/selection_frames.h"
#include "platform/bitmap.h"
#include "platform/form.h"

namespace pieces {

// The folder of the plain card pictures, as the program writes it.
inline constexpr const char* NormalCardFolder = "Data//Res//Kar//Nor//";

// A picture card: the JPEG picture of one word, read from folder + key + SizeSuffix +
// ".xji". A right click shows the word's enlarged picture (always the large one, from the
// "Pow" folder under the card's own folder) while its recording plays.
// Named from the Polish "karta" (card); see docs/glossary.md.
class CKarta : public PictureTile {
  public:
    // Loads the picture and places its top-left corner at position; does not paint. Throws
    // CBlad code 1 with ResourceMissingText when the picture or a frame picture is missing,
    // having freed whatever it made.
    CKarta(platform::Form& owner, const media::DrawContext& context, platform::Point position,
           std::string folder, media::CSlowo word, bool selectable, uint8_t extra, int32_t tag);
    ~CKarta() override;

    // The enlarged picture with the word's recording; blocks for the recording and 400 ms.
    void Zoom() override;
    // Speaks the word and returns once it has been said; false when there is no recording.
    bool PlayWord() const;

    // The frames shared by all cards. which = 0: red, green, orange; 1: yellow, blue; 2: all.
    static void LoadFrames(int which);
    static const SelectionFrames& Frames() { return SharedFrames(); }

    const media::CSlowo& Word() const { return word_; }
    const std::string& Folder() const { return folder_; }
    const platform::Rect& CardRect() const { return ObjectRect(); }
    int32_t Tag() const { return tag_; }
    void SetTag(int32_t tag) { tag_ = tag; }
    uint8_t Extra() const { return extra_; }

  private:
    static SelectionFrames& SharedFrames();

    uint8_t extra_;
    int32_t tag_;
    std::string folder_;
    media::CSlowo word_;
};

}  // namespace pieces
