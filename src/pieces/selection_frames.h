#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "platform/bitmap.h"
#include "platform/geometry.h"

namespace pieces {

// The coloured selection frames drawn around cards and tiles. Each class of object keeps
// its own set, shared by all its objects: the pictures are loaded on first use and freed,
// and forgotten, when the last object of the class goes.
class SelectionFrames {
  public:
    // Frame styles; 0 means no frame.
    static constexpr int16_t None = 0;
    static constexpr int16_t Red = 1;
    static constexpr int16_t Green = 2;
    static constexpr int16_t Yellow = 3;
    static constexpr int16_t Blue = 4;
    static constexpr int16_t Orange = 5;

    // Frames are drawn with pure white left out.
    static constexpr platform::Color KeyColour{255, 255, 255};

    // which = 0: red, green, orange; 1: yellow, blue; 2: all five. Pictures already loaded
    // are kept. Throws CBlad code 1 when the frame library lacks one; what loaded stays.
    void Load(int which);
    // Loads the frame of one style if it is not loaded yet. Throws CBlad code 1.
    void LoadStyle(int16_t style);
    // The picture of a style, nullptr while it is not loaded (or for an unknown style).
    const platform::Bitmap* Picture(int16_t style) const;
    // The size all frames share, taken from the first loaded one in the order green,
    // yellow, red, blue, orange; nothing while none is loaded.
    std::optional<platform::Point> Size() const;
    bool AnyLoaded() const { return Size().has_value(); }
    // Forgets every picture.
    void Free();

    // Objects alive that use the set.
    int LiveCount() const { return live_; }

    // Counts one object as alive for its lifetime. The first one loads all five frames
    // when loadAll is set; when that fails nothing is counted and nothing stays loaded
    // unless another object still uses the set. The last one frees the pictures.
    class User {
      public:
        User(SelectionFrames& set, bool loadAll);
        ~User();
        User(const User&) = delete;
        User& operator=(const User&) = delete;

      private:
        SelectionFrames& set_;
    };

  private:
    std::array<std::unique_ptr<platform::Bitmap>, 6> pictures_{};  // indexed by style
    int live_ = 0;
};

}  // namespace pieces
