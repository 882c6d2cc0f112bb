#include "datagen/spoken_texts.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>
#include <string>

#include "catalog/resource_catalog.h"
#include "catalog/resource_names.h"

using namespace catalog;

namespace {

bool IsRecording(ResourceGroup group) {
    switch (group) {
        case ResourceGroup::WordRecording:
        case ResourceGroup::Praise:
        case ResourceGroup::Remark:
        case ResourceGroup::SpokenTile:
        case ResourceGroup::Instruction:
            return true;
        default:
            return false;
    }
}

bool IsPhonemeMarkup(const std::string& text) {
    return text.starts_with("[[") && text.ends_with("]]") && text.size() > 4;
}

TEST(SpokenTextsTest, EveryRecordingOfTheCatalogueHasAText) {
    std::map<ResourceGroup, int> perGroup;
    for (const ResourceEntry& entry : AllResources()) {
        if (!IsRecording(entry.Group)) {
            continue;
        }
        std::string text;
        ASSERT_NO_THROW(text = datagen::SpokenText(entry)) << entry.Path;
        EXPECT_FALSE(text.empty()) << entry.Path;
        ++perGroup[entry.Group];
    }
    EXPECT_EQ(perGroup[ResourceGroup::Praise], PraiseCount);
    EXPECT_EQ(perGroup[ResourceGroup::Remark], RemarkCount);
    EXPECT_EQ(perGroup[ResourceGroup::Instruction], static_cast<int>(InstructionNames.size()));
    EXPECT_GT(perGroup[ResourceGroup::SpokenTile], 0);
    EXPECT_GT(perGroup[ResourceGroup::WordRecording], 0);
}

TEST(SpokenTextsTest, PraisesAndRemarksAreAllDifferent) {
    std::set<std::string_view> praises;
    std::set<std::string_view> remarks;
    for (int n = 1; n <= PraiseCount; ++n) {
        praises.insert(datagen::PraiseText(n));
    }
    for (int n = 1; n <= RemarkCount; ++n) {
        remarks.insert(datagen::RemarkText(n));
    }
    EXPECT_EQ(praises.size(), static_cast<size_t>(PraiseCount));
    EXPECT_EQ(remarks.size(), static_cast<size_t>(RemarkCount));
    for (std::string_view remark : remarks) {
        EXPECT_FALSE(praises.contains(remark)) << remark;
    }
    EXPECT_THROW(datagen::PraiseText(0), std::out_of_range);
    EXPECT_THROW(datagen::PraiseText(PraiseCount + 1), std::out_of_range);
    EXPECT_THROW(datagen::RemarkText(RemarkCount + 1), std::out_of_range);
}

// A tile speaks through the recording the game derives from its name; the text of that
// recording and the text for the tile name itself must be the same sound.
TEST(SpokenTextsTest, EveryTileSaysWhatItsRecordingSays) {
    int tiles = 0;
    for (const ResourceEntry& entry : AllResources()) {
        if (entry.Group != ResourceGroup::Tile) {
            continue;
        }
        ++tiles;
        std::string direct;
        ASSERT_NO_THROW(direct = datagen::TileText(entry.Name)) << entry.Name;
        EXPECT_EQ(direct, datagen::TileText(LetterSoundName(entry.Name))) << entry.Name;
    }
    EXPECT_GT(tiles, 0);
}

// A single letter in plain text would be read out as its alphabet name ("el", "er").
TEST(SpokenTextsTest, LettersAreSpokenAsSoundsNotLetterNames) {
    for (std::string_view letter : AlphabetLetters) {
        EXPECT_TRUE(IsPhonemeMarkup(datagen::TileText(letter))) << letter;
    }
    for (const char* polish : {"aa", "ee", "ss", "zz", "zzz", "cc", "dzz", "dzzz", "sz", "cz"}) {
        EXPECT_TRUE(IsPhonemeMarkup(datagen::TileText(polish))) << polish;
    }
}

TEST(SpokenTextsTest, WordsAreSaidAsTheWordTableSpellsThem) {
    const std::pair<const char*, const char*> cases[] = {
        {"zolw", "żółw"},       // marks and commas go, Polish letters stay
        {"losss", "łoś"},       // an altered key says its word
        {"zebraa", "zebra"},    // the animal ...
        {"zebra", "żebra"},     // ... and the ribs
        {"bucik", "bucik"},     // two marked graphemes
        {"traktor", "traktor"}  // no comma after the last grapheme
    };
    for (const auto& [key, word] : cases) {
        EXPECT_EQ(datagen::WordText(key), word) << key;
    }
    EXPECT_THROW(datagen::WordText("no-such-word"), std::invalid_argument);
}

TEST(SpokenTextsTest, NamesThatCannotBeVoicedThrow) {
    for (const char* name : {"", "-", "q", "d10", "_red", "ramka_red"}) {
        EXPECT_THROW(datagen::TileText(name), std::invalid_argument) << name;
    }
    for (const char* name : {"", "S7", "S1", "S17", "s1a"}) {
        EXPECT_THROW(datagen::InstructionText(name), std::invalid_argument) << name;
    }
    const ResourceEntry notSpoken[] = {
        {"Res/Snd/g0.snd", ResourceFormat::Wave, ResourceGroup::Praise, "g0", 0, {}, false},
        {"Res/Snd/g37.snd", ResourceFormat::Wave, ResourceGroup::Praise, "g37", 0, {}, false},
        {"Res/Snd/g01.snd", ResourceFormat::Wave, ResourceGroup::Praise, "g01", 0, {}, false},
        {"Res/Snd/b1.snd", ResourceFormat::Wave, ResourceGroup::Praise, "b1", 0, {}, false},
        {"Res/Snd/b32.snd", ResourceFormat::Wave, ResourceGroup::Remark, "b32", 0, {}, false},
        {"Res/t1_s.xji",
         ResourceFormat::Jpeg,
         ResourceGroup::ExerciseBackground,
         "t1",
         1,
         {},
         false},
    };
    for (const ResourceEntry& entry : notSpoken) {
        EXPECT_THROW(datagen::SpokenText(entry), std::invalid_argument) << entry.Path;
    }
}

}  // namespace
