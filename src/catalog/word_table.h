#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace catalog {

// One row of the built-in word database, exactly as the program ships it. Only standard
// headers are used here so that tools can compile word_table.cpp on its own and walk the
// same rows the game uses.
struct WordRecord {
    // The word in plain ASCII, lower case; the base name of its picture and recording.
    std::string_view Key;
    // Practised sound group and where in the word it stands (see cslowo.h).
    std::uint32_t Flags;
    // The word split into graphemes, each followed by a comma; "_" marks the practised sound.
    std::string_view Spelling;
};

// Number of words; word numbers 0 ... WordCount - 1 index the table.
inline constexpr int WordCount = 397;

// The rows in their fixed order. The curriculum names words by their position here, so the
// order must never change. Keys repeat where one picture practises two different sounds.
std::span<const WordRecord, WordCount> WordTable();

}  // namespace catalog
