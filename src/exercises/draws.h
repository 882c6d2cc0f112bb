#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/geometry.h"

namespace exercises {

// The random draws the exercise types share. Each one calls media::Random() a fixed number
// of times in a fixed order, so a seeded or scripted generator gives the same task again.

// The bits by which a mask lets the "l", "r" and "j" sections of a word list take part.
inline constexpr std::int32_t SectionMaskL = 256, SectionMaskR = 16, SectionMaskJ = 1;

// Random() mod n, drawn again while it is 0: 1 ... n - 1 (n at least 2).
int DrawNonZero(int n);

// The section mask of a sound-group selection (bit 1 = "l", 2 = "r", 4 = "j"): 1 ... 7 give
// L, R, L|R, J, L|J, R|J, L|R|J; any other selection gives fallback unchanged.
std::int32_t SoundMask(int soundGroups, std::int32_t fallback);

// One of the selected trained sounds (1 "l", 2 "r", 9 "j"), each equally likely.
// std::invalid_argument for a selection outside 1 ... 7, which selects no sound.
int DrawTargetSound(int soundGroups);

// A selected trained sound or a distractor letter (20 ... 28). With one sound selected the
// sound comes one time in ten; with two or three, each sound and "a distractor" are equally
// likely. std::invalid_argument for a selection outside 1 ... 7.
int DrawSoundOrDistractor(int soundGroups);

// True when code must not stand beside the target sound as another letter: "l" (1) rules
// out 1 and 9, "r" (2) rules out 1 ... 9, "j" (9) rules out 9; distractors never are.
bool ExcludedDistractor(int target, int code);

// count distinct draws from words, cut into the sections "l", "r", "j" of the given sizes;
// a section takes part when its section mask shares a bit with mask, and excluded is never
// a candidate. A word listed twice is two candidates. The result is filled from its end.
// CBlad code 9 when fewer than count candidates exist; std::out_of_range when a taking-part
// section reaches past the list or a size is negative.
std::vector<std::int32_t> DrawWords(std::span<const std::int32_t> words, std::int32_t mask,
                                    int sizeL, int sizeR, int sizeJ, int count,
                                    std::int32_t excluded);

// A random screen point in quadrant 1 (top left), 2 (top right), 3 (bottom left) or 4
// (bottom right) of the layout; (0, 0) for any other quadrant, without a draw.
platform::Point RandomPointInQuadrant(int quadrant);

}  // namespace exercises
