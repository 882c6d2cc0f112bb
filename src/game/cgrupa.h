#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace game {

// The Polish names in this file are explained in docs/glossary.md.

// One themed word group. Both lists hold word numbers in three consecutive sections, the
// words practising "l", then "r", then "j". Which section an entry stands in belongs to the
// table, not to the word: a few entries carry words of another sound or of none.
class CGrupa {
  public:
    std::vector<std::int32_t> Words;   // the theme's words
    std::vector<std::int32_t> Others;  // words from outside the theme
    std::int32_t CountL = 0;           // section sizes of Words
    std::int32_t CountR = 0;
    std::int32_t CountJ = 0;
    std::int32_t UsableL = 0;  // leading words of each Words section a level-III draw may use
    std::int32_t UsableR = 0;
    std::int32_t UsableJ = 0;
    std::int32_t OtherL = 0;  // section sizes of Others
    std::int32_t OtherR = 0;
    std::int32_t OtherJ = 0;
    std::int32_t Levels = 0;  // GroupLevelII or GroupLevelIII
};

// Values of CGrupa::Levels.
inline constexpr std::int32_t GroupLevelII = 16;
inline constexpr std::int32_t GroupLevelIII = 32;

// Level bits of the settings and the sound-group bits ("gloski").
inline constexpr int LevelI = 1;
inline constexpr int LevelII = 2;
inline constexpr int LevelIII = 4;
inline constexpr int LevelIV = 8;
inline constexpr int SoundGroupL = 1;
inline constexpr int SoundGroupR = 2;
inline constexpr int SoundGroupJ = 4;

// Whether the group may serve an exercise of this level and sound-group selection: the
// selected sections of Words must hold more than 4 words (and at level III at least one usable
// one; both tests are skipped when no sound group is selected), and at levels II and III the
// group must be meant for that level.
bool WordGroupSuitable(const CGrupa& group, int level, int soundGroups);

// Draws a suitable group: k = random mod (count + 1) - 1, drawn again while k < 0 or the
// group is unsuitable. Raises CBlad code 9 when no group of the table is suitable (instead of
// drawing for ever).
int ChooseWordGroup(std::span<const CGrupa> groups, int level, int soundGroups);

// One of the group's usable leading words: the first UsableL / UsableR / UsableJ entries of
// the sections whose section mask shares a bit with mask, picked at random mod their number.
// The word's own flags are not looked at: at level III the model is the theme's leading word.
// std::out_of_range when no entry is usable.
std::int32_t DrawWord(const CGrupa& group, std::uint32_t mask, std::uint32_t sectionMaskL = 0x100,
                      std::uint32_t sectionMaskR = 0x10, std::uint32_t sectionMaskJ = 0x1);

// The target word of a group. Level II: m = random mod (CountL + CountR + CountJ) drawn again
// until m != 0 and Words[m - 1] matches mask, so the last entry is never chosen; CBlad code 9
// when no entry could ever be drawn. Level III: DrawWord. Other levels have no target:
// std::invalid_argument.
std::int32_t DrawGroupTarget(const CGrupa& group, int level, std::uint32_t mask);

}  // namespace game
