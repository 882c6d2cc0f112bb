#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/word_table.h"

namespace media {

// The Polish names in this file are explained in docs/glossary.md.

// Bits of a word's flag word. Exactly one position bit is set, and one sound-group bit in
// every word but two (those carry FlagNoGroup, which no filter tests).
inline constexpr std::uint32_t FlagJ = 0x1;
inline constexpr std::uint32_t FlagR = 0x10;
inline constexpr std::uint32_t FlagL = 0x100;  // also the soft l before i
inline constexpr std::uint32_t FlagTwoSounds = 0x1000;
inline constexpr std::uint32_t FlagHissing = 0x10000;  // s, z, c, dz, sz, ż/rz, cz, dż, ś ...
inline constexpr std::uint32_t FlagAnyTrained = FlagL | FlagR | FlagJ;  // 0x111
inline constexpr std::uint32_t FlagPositionStart = 0x100000;
inline constexpr std::uint32_t FlagPositionInside = 0x200000;
inline constexpr std::uint32_t FlagPositionEnd = 0x400000;
inline constexpr std::uint32_t FlagNoGroup = 0x2000000;

// Position class of a flag word: 1 = beginning, 2 = inside, 4 = end (0 if none is set).
constexpr int PositionClassOf(std::uint32_t flags) {
    return static_cast<int>((flags >> 20) & 7u);
}

// True when a word with these flags passes a draw filtered by mask.
constexpr bool MatchesMask(std::uint32_t flags, std::uint32_t mask) {
    return (flags & mask) != 0;
}

// Folder literal of the word recordings; NativePath turns it into a real path.
inline constexpr std::string_view WordSoundFolder = "Data\\Res\\Snd\\";

// "Data\Res\Snd\" + key + ".snd".
std::string WordSoundPath(std::string_view key);

// One grapheme of a spelling, without its mark.
struct Grapheme {
    std::string Text;
    bool Marked = false;  // written with a leading "_": part of the practised sound
    bool operator==(const Grapheme&) const = default;
};

// Splits "b,u,_c,_i,k," into b, u, c*, i*, k. A last grapheme without its comma still
// counts; empty pieces are skipped.
std::vector<Grapheme> SplitGraphemes(std::string_view spelling);

// Number of "_" marks in a spelling.
int CountMarks(std::string_view spelling);

// The word as it is written: "ż,y,_r,a,n,d,o,_l," gives "żyrandol".
std::string PlainSpelling(std::string_view spelling);

// Splits UTF-8 text into its characters ("żuk" gives "ż", "u", "k"). A stray continuation
// byte stays with the character before it.
std::vector<std::string> SplitCharacters(std::string_view text);

// One word of the database. A plain value: picture cards keep their own copy.
class CSlowo {
  public:
    CSlowo() = default;
    // Sets the three given fields and derives SoundPath from the key.
    CSlowo(std::string key, std::uint32_t flags, std::string spelling);

    std::string Key;
    std::uint32_t Flags = 0;
    std::string SoundPath;
    std::string Spelling;

    bool Matches(std::uint32_t mask) const { return MatchesMask(Flags, mask); }
    int PositionClass() const { return PositionClassOf(Flags); }
    std::vector<Grapheme> Graphemes() const { return SplitGraphemes(Spelling); }
    // Index among Graphemes() of the first marked grapheme, -1 when none is marked.
    int MarkedIndex() const;
    // Text of the first marked grapheme ("r" for "a,d,_r,e,s,"), empty when none is marked.
    std::string MarkedGrapheme() const;
    // The word in Polish letters, e.g. for speech or a text card.
    std::string Text() const { return PlainSpelling(Spelling); }
};

// The process-wide database, built from WordTable() on first use (thread-safe) and read-only
// afterwards.
const std::array<CSlowo, catalog::WordCount>& WordDatabase();

// Word number index; std::out_of_range outside 0 ... WordCount - 1.
const CSlowo& WordAt(int index);

}  // namespace media
