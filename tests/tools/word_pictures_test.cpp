#include "word_pictures.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/word_table.h"
#include "emoji_set.h"

using namespace catalog;

namespace datagen {
void PrintTo(const IconRef& icon, std::ostream* os) {
    *os << IconSetFolder(icon.Set) << ":" << icon.Name;
}
}  // namespace datagen

namespace {

using datagen::CardText;
using datagen::CellIcons;
using datagen::CheckWordPictures;
using datagen::EmojiSet;
using datagen::FindWordPicture;
using datagen::IconRef;
using datagen::IconSet;
using datagen::IconSets;
using datagen::WordPicture;
using datagen::WordPictures;

// Below this share of words with a real picture the normal cards have lost pictures.
constexpr double MinimumPictureShare = 0.85;

// A picture as comparable text: the set and name of each icon, in order.
std::string Identity(const std::vector<IconRef>& icons) {
    std::string text;
    for (const IconRef& icon : icons) {
        text += std::to_string(static_cast<int>(icon.Set)) + ":" + std::string(icon.Name) + "+";
    }
    return text;
}

TEST(WordPictures, EveryWordOfTheWordTableHasARow) {
    for (const WordRecord& word : WordTable()) {
        const WordPicture* row = FindWordPicture(word.Key);
        ASSERT_NE(row, nullptr) << word.Key;
        EXPECT_EQ(row->Key, word.Key);
    }
}

TEST(WordPictures, RowsAreSortedUniqueAndBelongToWords) {
    std::set<std::string_view> keys;
    for (const WordRecord& word : WordTable()) {
        keys.insert(word.Key);
    }
    const auto rows = WordPictures();
    EXPECT_EQ(rows.size(), keys.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_TRUE(keys.contains(rows[i].Key)) << rows[i].Key << " is no word";
        if (i > 0) {
            EXPECT_LT(rows[i - 1].Key, rows[i].Key) << "at row " << i;
        }
    }
}

TEST(WordPictures, MostWordsHaveAPicture) {
    int withPicture = 0;
    for (const WordPicture& row : WordPictures()) {
        withPicture += row.Normal.empty() ? 0 : 1;
    }
    EXPECT_GE(withPicture, MinimumPictureShare * static_cast<double>(WordPictures().size()));
}

// Names are Iconify names: lower-case words joined by '-'; a set prefix must be known.
TEST(WordPictures, IconNamesAreWellFormed) {
    for (const WordPicture& row : WordPictures()) {
        for (const auto& icons : {NormalIcons(row), SecondIcons(row)}) {
            for (const IconRef& icon : icons) {
                ASSERT_FALSE(icon.Name.empty()) << row.Key;
                EXPECT_NE(icon.Name.front(), '-') << row.Key;
                EXPECT_NE(icon.Name.back(), '-') << row.Key;
                for (char c : icon.Name) {
                    EXPECT_TRUE((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-')
                        << row.Key << ": \"" << icon.Name << "\"";
                }
            }
        }
    }
}

// Picture-pair exercises need exactly one card that matches: two words of one set must not
// look alike.
TEST(WordPictures, NoTwoWordsOfASetShareAPicture) {
    for (bool normal : {true, false}) {
        std::map<std::string, std::string_view> owner;
        for (const WordPicture& row : WordPictures()) {
            const auto icons = normal ? NormalIcons(row) : SecondIcons(row);
            if (icons.empty()) {
                continue;
            }
            const auto [at, added] = owner.emplace(Identity(icons), row.Key);
            EXPECT_TRUE(added) << (normal ? "normal" : "second") << " set: " << row.Key
                               << " looks like " << at->second;
        }
    }
}

// The second card of a word is paired with its normal card, so it must not be the same
// picture: another set, or a silhouette in the other set's colour.
TEST(WordPictures, TheSecondCardDiffersFromTheNormalOne) {
    for (const WordPicture& row : WordPictures()) {
        const auto normal = NormalIcons(row);
        const auto second = SecondIcons(row);
        if (normal.empty() || normal != second) {
            continue;
        }
        for (const IconRef& icon : normal) {
            EXPECT_EQ(icon.Set, IconSet::GameIcons)
                << row.Key << ": " << icon.Name << " shows the same on both cards";
        }
    }
}

TEST(WordPictures, CellsNameIconsOfTheirSets) {
    using Icons = std::vector<IconRef>;
    const struct {
        std::string_view Cell;
        IconSet Plain;
        Icons Expected;
    } cases[] = {
        {"", IconSet::Fluent, {}},
        {"fox", IconSet::Fluent, {{IconSet::Fluent, "fox"}}},
        {"fox", IconSet::Noto, {{IconSet::Noto, "fox"}}},
        {"game:anvil+fox+openmoji:lighter",
         IconSet::Noto,
         {{IconSet::GameIcons, "anvil"}, {IconSet::Noto, "fox"}, {IconSet::OpenMoji, "lighter"}}},
        // A stray '+' leaves an empty name, which the set lookup then rejects.
        {"fox+", IconSet::Fluent, {{IconSet::Fluent, "fox"}, {IconSet::Fluent, ""}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CellIcons(c.Cell, c.Plain), c.Expected) << c.Cell;
    }
    EXPECT_THROW(CellIcons("noto:fox", IconSet::Fluent), std::invalid_argument);
    EXPECT_THROW(CellIcons("fox+gam:anvil", IconSet::Fluent), std::invalid_argument);
}

TEST(WordPictures, CheckingNamesTheWordOfAMissingIcon) {
    const EmojiSet fluent = EmojiSet::FromJson(
        R"({"icons": {"cat": {"body": "<circle r=\"8\" cx=\"8\" cy=\"8\"/>"}}})", "fluent");
    const EmojiSet game = EmojiSet::FromJson(
        R"({"icons": {"anvil": {"body": "<circle r=\"8\" cx=\"8\" cy=\"8\"/>"}}})", "game");
    IconSets sets{};
    sets[static_cast<size_t>(IconSet::Fluent)] = &fluent;
    sets[static_cast<size_t>(IconSet::GameIcons)] = &game;

    const WordPicture good[] = {{"kot", "cat+game:anvil", "dog"}};  // Noto is not loaded
    EXPECT_NO_THROW(CheckWordPictures(good, sets));

    const WordPicture bad[] = {{"kot", "cat", ""}, {"kowal", "cat", "game:hammer"}};
    try {
        CheckWordPictures(bad, sets);
        FAIL() << "a missing icon passed";
    } catch (const std::runtime_error& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("kowal"), std::string::npos) << message;
        EXPECT_NE(message.find("hammer"), std::string::npos) << message;
    }
}

// The real sets, where the build has fetched them (VIMBARO_EMOJI_DIR points elsewhere).
TEST(WordPictures, EveryIconIsInTheFetchedSets) {
    const char* dir = std::getenv("VIMBARO_EMOJI_DIR");
    const std::filesystem::path root = dir != nullptr
                                           ? std::filesystem::path(dir)
                                           : std::filesystem::path(VIMBARO_BINARY_DIR) / "emoji";
    std::optional<EmojiSet> loaded[datagen::IconSetCount];
    IconSets sets{};
    for (int i = 0; i < datagen::IconSetCount; ++i) {
        const auto file = root / datagen::IconSetFolder(static_cast<IconSet>(i)) / "icons.json";
        if (!std::filesystem::exists(file)) {
            GTEST_SKIP() << file << " has not been fetched";
        }
        loaded[i].emplace(file);
        sets[static_cast<size_t>(i)] = &*loaded[i];
    }
    EXPECT_NO_THROW(CheckWordPictures(WordPictures(), sets));
}

TEST(WordPictures, CardTextDropsCommasAndMarks) {
    const struct {
        std::string_view Spelling;
        std::string_view Text;
    } cases[] = {
        {"ż,ó,_ł,w,", "żółw"},
        {"t,_r,a,k,t,o,r", "traktor"},  // no comma after the last grapheme
        {"b,u,_dz,_i,k,", "budzik"},    // two marked graphemes
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CardText(c.Spelling), c.Text) << c.Spelling;
    }
}

}  // namespace
