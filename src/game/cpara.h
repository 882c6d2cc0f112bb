#pragma once

#include <cstdint>
#include <vector>

namespace game {

// The Polish names in this file are explained in docs/glossary.md.

// Two words that belong together ("szyja" and "jezyk"), for the associated-pairs exercise.
struct CPara {
    std::int32_t Reserved = 0;  // never set by the table and read by nobody; kept zero
    std::int32_t WordA = 0;     // word numbers of the word database
    std::int32_t WordB = 0;
    std::int32_t SetNo = 0;  // number of the set that holds the pair
};

// The pairs of one set.
using PairSet = std::vector<CPara>;

// PairSets[level bit][set][pair]: 9 entries indexed by the level bit 1, 2, 4, 8; entries that
// are no level stay empty.
using PairSetTable = std::vector<std::vector<PairSet>>;

}  // namespace game
