#pragma once

// Word cards are square. The large layout's card is 100 pixels: five cards and their gaps
// fill a column of the work area, and the shelf that starts 100 pixels above the bottom of
// the layout holds a card. The small layout scales by 0.8. Selection frames must be larger.
namespace datagen {

inline constexpr int SmallCardSide = 80;
inline constexpr int BigCardSide = 100;
// The enlarged card shows in both layouts, so it must fit the small one with room around it.
inline constexpr int EnlargedCardSide = 400;

}  // namespace datagen
