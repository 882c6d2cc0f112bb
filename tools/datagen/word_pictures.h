#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace datagen {

class EmojiSet;

// The icon sets word cards are drawn from. Fluent Emoji Flat draws the normal cards and Noto
// Emoji the second set; OpenMoji and Game Icons fill in for words the two have no icon for.
enum class IconSet { Fluent, Noto, OpenMoji, GameIcons };
inline constexpr int IconSetCount = 4;

// The folder of a set below the emoji directory, holding its icons.json.
std::string_view IconSetFolder(IconSet set);

// One icon of a card picture.
struct IconRef {
    IconSet Set;
    std::string_view Name;
    bool operator==(const IconRef&) const = default;
};

// Which icons show a word on its cards. A cell names one icon, or several joined by "+" for
// a picture made of a few (plurals, groups of things), or is empty where no icon really shows
// the word and the card shows the written word instead. A plain name is an icon of the
// column's own set (Fluent for Normal, Noto for Second); "openmoji:" or "game:" in front of
// a name takes it from that set instead.
struct WordPicture {
    std::string_view Key;
    std::string_view Normal;  // the normal cards
    std::string_view Second;  // the second card set, which must look different
};

// One row per distinct word key, sorted by key.
std::span<const WordPicture> WordPictures();

// The row of a word key, or nullptr.
const WordPicture* FindWordPicture(std::string_view key);

// The icons of a cell whose plain names belong to plainSet: "a+game:b" gives {a, b}, ""
// gives nothing. Throws std::invalid_argument for an unknown set prefix.
std::vector<IconRef> CellIcons(std::string_view cell, IconSet plainSet);
inline std::vector<IconRef> NormalIcons(const WordPicture& row) {
    return CellIcons(row.Normal, IconSet::Fluent);
}
inline std::vector<IconRef> SecondIcons(const WordPicture& row) {
    return CellIcons(row.Second, IconSet::Noto);
}

// Loaded sets indexed by IconSet; nullptr for a set that was not loaded.
using IconSets = std::array<const EmojiSet*, IconSetCount>;

// Every icon the rows name must be in its set, not only those of the words asked for: a set
// update that drops an icon breaks the build instead of quietly changing a card. Sets not
// loaded are not checked. Throws std::runtime_error naming the word and the icon.
void CheckWordPictures(std::span<const WordPicture> rows, const IconSets& sets);

// The word as a text card writes it: the spelling without its grapheme commas and the
// marks of the practised sound.
std::string CardText(std::string_view spelling);

}  // namespace datagen
