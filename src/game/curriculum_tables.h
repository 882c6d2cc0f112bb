#pragma once

#include <array>

#include "game/cgrupa.h"
#include "game/cpara.h"

namespace game {

// The hand-made curriculum: themed word groups and sets of associated word pairs. Entries are
// word numbers of the word database and are right only with its fixed order.

inline constexpr int WordGroupCount = 19;
using WordGroupTable = std::array<CGrupa, WordGroupCount>;

// Groups 0 ... 11 serve level II, groups 12 ... 18 level III.
WordGroupTable BuildWordGroups();

// Nine entries indexed by the level bit: 2, 4 and 8 hold 21, 24 and 23 sets, 1 exists with
// none, the others stay empty. SetNo of every pair is the number of its set.
PairSetTable BuildPairSets();

}  // namespace game
