#include "catalog/resource_catalog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "catalog/resource_names.h"
#include "catalog/word_table.h"
#include "media/cslowo.h"

using namespace catalog;
using namespace media;

namespace {

std::vector<const ResourceEntry*> InGroup(ResourceGroup group) {
    std::vector<const ResourceEntry*> out;
    for (const ResourceEntry& e : AllResources()) {
        if (e.Group == group) {
            out.push_back(&e);
        }
    }
    return out;
}

bool IsPairGroup(ResourceGroup g) {
    return g == ResourceGroup::AboutPage || g == ResourceGroup::FramedPicture ||
           g == ResourceGroup::TrackPiece || g == ResourceGroup::ScoreDigit ||
           g == ResourceGroup::FigureFrame || g == ResourceGroup::ButtonPicture;
}

bool IsOneSizeGroup(ResourceGroup g) {
    return g == ResourceGroup::Splash || g == ResourceGroup::EnlargedWordCard ||
           g == ResourceGroup::WordRecording || g == ResourceGroup::Praise ||
           g == ResourceGroup::Remark || g == ResourceGroup::SpokenTile ||
           g == ResourceGroup::Instruction || g == ResourceGroup::MenuTune;
}

// The name of the same picture in the big layout: the first size suffix of the path
// ("_s" before "_" or ".", or "_mini") turns big.
std::string BigLayoutPath(const std::string& path) {
    if (size_t at = path.find("_mini"); at != std::string::npos) {
        return path.substr(0, at) + "_maxi" + path.substr(at + 5);
    }
    const size_t at = std::min(path.find("_s_"), path.find("_s."));
    if (at == std::string::npos) {
        return {};
    }
    return path.substr(0, at) + "_b" + path.substr(at + 2);
}

// True when the catalogue holds path in the big and the small layout, in both libraries.
bool HasTile(const std::string& name) {
    for (const char* library : {"Lib/GFX/", "Lib/POW/"}) {
        for (const char* size : {"_s", "_b"}) {
            if (FindResource(library + name + size + ".xbi") == nullptr) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

TEST(ResourceCatalog, PathsAreUniqueDataRelativeAndFoundByFindResource) {
    std::set<std::string> seen;
    ASSERT_GT(AllResources().size(), 3000u);
    for (const ResourceEntry& e : AllResources()) {
        EXPECT_TRUE(seen.insert(e.Path).second) << "twice: " << e.Path;
        EXPECT_FALSE(e.Path.starts_with('/') || e.Path.starts_with("Data/")) << e.Path;
        EXPECT_EQ(e.Path.find('\\'), std::string::npos) << e.Path;
        EXPECT_EQ(e.Path.find("//"), std::string::npos) << e.Path;
        EXPECT_FALSE(e.Name.empty()) << e.Path;
        EXPECT_EQ(FindResource(e.Path), &e) << e.Path;
    }
    EXPECT_EQ(FindResource("res/kar/nor/zolw_b.xji"), nullptr);  // letter case counts
    EXPECT_EQ(FindResource("Data/Res/Kar/Nor/zolw_b.xji"), nullptr);
    EXPECT_EQ(FindResource(""), nullptr);
    EXPECT_EQ(&AllResources(), &AllResources());
}

TEST(ResourceCatalog, PairHalvesNameEachOtherAndAreBmp) {
    int pairs = 0;
    for (const ResourceEntry& e : AllResources()) {
        if (!IsPairGroup(e.Group)) {
            EXPECT_TRUE(e.Partner.empty()) << e.Path;
            EXPECT_FALSE(e.OnWhite) << e.Path;
            continue;
        }
        const ResourceEntry* other = FindResource(e.Partner);
        ASSERT_NE(other, nullptr) << e.Path << " names " << e.Partner;
        EXPECT_EQ(other->Partner, e.Path);
        EXPECT_NE(other->OnWhite, e.OnWhite) << e.Path;
        EXPECT_EQ(e.Format, ResourceFormat::Bmp) << e.Path;
        EXPECT_TRUE(std::tie(other->Group, other->Name, other->Layout) ==
                    std::tie(e.Group, e.Name, e.Layout))
            << e.Path;
        pairs += e.OnWhite ? 1 : 0;
    }
    EXPECT_GT(pairs, 0);
}

TEST(ResourceCatalog, FormatFollowsTheExtension) {
    int tunes = 0;
    for (const ResourceEntry& e : AllResources()) {
        if (e.Path.ends_with(".xji")) {
            EXPECT_EQ(e.Format, ResourceFormat::Jpeg) << e.Path;
        } else if (e.Path.ends_with(".xbi")) {
            EXPECT_EQ(e.Format, ResourceFormat::Bmp) << e.Path;
        } else if (e.Path.ends_with(".snd")) {
            const bool tune = e.Format == ResourceFormat::Midi;
            EXPECT_EQ(tune, e.Group == ResourceGroup::MenuTune) << e.Path;
            EXPECT_TRUE(tune || e.Format == ResourceFormat::Wave) << e.Path;
            tunes += tune ? 1 : 0;
        } else {
            ADD_FAILURE() << "unknown kind: " << e.Path;
        }
    }
    EXPECT_EQ(tunes, 1);
}

// Every sized picture of the small layout has its twin in the big one and the other way
// round; one-size files carry layout 0.
TEST(ResourceCatalog, SizedPicturesExistInBothLayouts) {
    size_t small = 0;
    size_t big = 0;
    for (const ResourceEntry& e : AllResources()) {
        EXPECT_EQ(e.Layout == 0, IsOneSizeGroup(e.Group)) << e.Path;
        if (e.Layout == 4) {
            ++big;
        }
        if (e.Layout != 1) {
            continue;
        }
        ++small;
        const ResourceEntry* twin = FindResource(BigLayoutPath(e.Path));
        ASSERT_NE(twin, nullptr) << "no big twin of " << e.Path;
        EXPECT_TRUE(std::tuple(twin->Group, twin->Name, twin->Layout, twin->OnWhite) ==
                    std::tuple(e.Group, e.Name, 4, e.OnWhite))
            << e.Path;
    }
    EXPECT_EQ(small, big);
}

TEST(ResourceCatalog, PathsTheProgramNames) {
    struct Case {
        const char* Path;
        ResourceGroup Group;
        ResourceFormat Format;
        const char* Name;
        int Layout;
    };
    using G = ResourceGroup;
    using F = ResourceFormat;
    const Case kCases[] = {
        {"sph.xji", G::Splash, F::Jpeg, "sph", 0},
        {"kom_b.xji", G::FormBackground, F::Jpeg, "kom", 4},
        {"Intf/T_s.xji", G::FormBackground, F::Jpeg, "T", 1},
        {"Intf/op_b.xji", G::FormBackground, F::Jpeg, "op", 4},
        {"Intf/ab_s.xji", G::FormBackground, F::Jpeg, "ab", 1},
        {"Intf/wyn_b.xji", G::FormBackground, F::Jpeg, "wyn", 4},
        {"Intf/abo_w_s.xbi", G::AboutPage, F::Bmp, "abo", 1},
        {"Intf/hp_b_b.xbi", G::AboutPage, F::Bmp, "hp", 4},
        {"Res/t2_b.xji", G::ExerciseBackground, F::Jpeg, "t2", 4},
        {"Res/t3_s.xji", G::ExerciseBackground, F::Jpeg, "t3", 1},
        {"Res/sluch_s_W.xbi", G::FramedPicture, F::Bmp, "sluch", 1},
        {"Res/niewiadoma_b_B.xbi", G::FramedPicture, F::Bmp, "niewiadoma", 4},
        {"Res/lewo_s_W.xbi", G::TrackPiece, F::Bmp, "lewo", 1},
        {"Res/srodek_b_B.xbi", G::TrackPiece, F::Bmp, "srodek", 4},
        {"Res/Wyncyf/0_s_W.xbi", G::ScoreDigit, F::Bmp, "0", 1},
        {"Res/Wyncyf/9_b_B.xbi", G::ScoreDigit, F::Bmp, "9", 4},
        {"Res/Kar/Nor/zolw_b.xji", G::WordCard, F::Jpeg, "zolw", 4},
        {"Res/Kar/Nor/Pow/zolw_b.xji", G::EnlargedWordCard, F::Jpeg, "zolw", 0},
        {"Res/Kar/Kon/zolw_s.xji", G::WordCardSecondSet, F::Jpeg, "zolw", 1},
        {"Res/Kar/Kon/Pow/zolw_b.xji", G::EnlargedWordCard, F::Jpeg, "zolw", 0},
        {"pojazd_s_obszar.xbi", G::FigureMap, F::Bmp, "pojazd", 1},
        {"pojazd_b_w_15.xbi", G::FigureFrame, F::Bmp, "pojazd_15", 4},
        {"pojazd_s_b_0.xbi", G::FigureFrame, F::Bmp, "pojazd_0", 1},
        {"Lib/GFX/ramka_orange_s.xbi", G::SelectionFrame, F::Bmp, "ramka_orange", 1},
        {"Lib/GFX/ramka_yellow_b.xbi", G::SelectionFrame, F::Bmp, "ramka_yellow", 4},
        {"Lib/GFX/l_red_s.xbi", G::Tile, F::Bmp, "l_red", 1},
        {"Lib/GFX/d7_b.xbi", G::Tile, F::Bmp, "d7", 4},
        {"Lib/GFX/wiekszy_s.xbi", G::Tile, F::Bmp, "wiekszy", 1},
        {"Lib/GFX/niewiadoma_b.xbi", G::Tile, F::Bmp, "niewiadoma", 4},
        {"Lib/POW/zero_b.xbi", G::EnlargedTile, F::Bmp, "zero", 4},
        {"Lib/BUTT/dalej_a_s_W.xbi", G::ButtonPicture, F::Bmp, "dalej_a", 1},
        {"Lib/BUTT/dalej_na_b_B.xbi", G::ButtonPicture, F::Bmp, "dalej_na", 4},
        {"Lib/BUTT/exit_c_b_W.xbi", G::ButtonPicture, F::Bmp, "exit_c", 4},
        {"Lib/BUTT/pI_maxi_A_C_W.xbi", G::ButtonPicture, F::Bmp, "pI_A_C", 4},
        {"Lib/BUTT/l_mini_A_NC_B.xbi", G::ButtonPicture, F::Bmp, "l_A_NC", 1},
        {"Lib/BUTT/opsk2p_mini_NA_NC_W.xbi", G::ButtonPicture, F::Bmp, "opsk2p_NA_NC", 1},
        {"Lib/BUTT/jakgrac_maxi_A_NC_B.xbi", G::ButtonPicture, F::Bmp, "jakgrac_A_NC", 4},
        {"Lib/BUTT/track_mini_nap_B.xbi", G::ButtonPicture, F::Bmp, "track_nap", 1},
        {"Lib/BUTT/gloski_maxi_W.xbi", G::ButtonPicture, F::Bmp, "gloski", 4},
        {"Lib/BUTT/czasprzejsc_mini_B.xbi", G::ButtonPicture, F::Bmp, "czasprzejsc", 1},
        {"Res/Snd/losss.snd", G::WordRecording, F::Wave, "losss", 0},
        {"Res/Snd/zebraa.snd", G::WordRecording, F::Wave, "zebraa", 0},
        {"Res/Snd/g36.snd", G::Praise, F::Wave, "g36", 0},
        {"Res/Snd/b31.snd", G::Remark, F::Wave, "b31", 0},
        {"Res/Snd/LC/trzy.snd", G::SpokenTile, F::Wave, "trzy", 0},
        {"Res/Snd/LC/dzzz.snd", G::SpokenTile, F::Wave, "dzzz", 0},
        {"Res/Snd/LC/u.snd", G::SpokenTile, F::Wave, "u", 0},
        {"Res/Snd/Pol/S1a.snd", G::Instruction, F::Wave, "S1a", 0},
        {"Res/Snd/Pol/S3_4a.snd", G::Instruction, F::Wave, "S3_4a", 0},
        {"Res/Snd/Pol/S1722.snd", G::Instruction, F::Wave, "S1722", 0},
        {"Res/Snd/Men/s.snd", G::MenuTune, F::Midi, "s", 0},
    };
    for (const Case& c : kCases) {
        const ResourceEntry* e = FindResource(c.Path);
        ASSERT_NE(e, nullptr) << c.Path;
        EXPECT_EQ(e->Group, c.Group) << c.Path;
        EXPECT_EQ(e->Format, c.Format) << c.Path;
        EXPECT_EQ(e->Name, c.Name) << c.Path;
        EXPECT_EQ(e->Layout, c.Layout) << c.Path;
    }
    EXPECT_TRUE(FindResource("Intf/abo_w_s.xbi")->OnWhite);
    EXPECT_EQ(FindResource("pojazd_b_w_15.xbi")->Partner, "pojazd_b_b_15.xbi");
}

TEST(ResourceCatalog, NothingTheProgramNeverAsksFor) {
    for (const char* path : {
             "Res/Snd/g0.snd",
             "Res/Snd/g37.snd",
             "Res/Snd/b0.snd",
             "Res/Snd/b32.snd",
             "Res/Kar/Nor/Pow/zolw_s.xji",    // enlarged pictures are always big
             "Lib/BUTT/wyl_mini_NA_C_W.xbi",  // scanning off/on are never disabled
             "Lib/BUTT/start_a_mini_W.xbi",   // push buttons take the size suffix
             "pojazd_s_w_16.xbi",
             "Res/t4_s.xji",
             "Lib/GFX/-_s.xbi",
         }) {
        EXPECT_EQ(FindResource(path), nullptr) << path;
    }
}

TEST(ResourceCatalog, CountsOfNumberedFiles) {
    std::map<ResourceGroup, std::set<std::string>> names;
    std::map<int, int> figureFrames;
    for (const ResourceEntry& e : AllResources()) {
        names[e.Group].insert(e.Name);
        figureFrames[e.Layout] += e.Group == ResourceGroup::FigureFrame ? 1 : 0;
    }
    EXPECT_EQ(InGroup(ResourceGroup::Praise).size(), 36u);
    EXPECT_EQ(InGroup(ResourceGroup::Remark).size(), 31u);
    EXPECT_TRUE(names[ResourceGroup::Praise].contains("g1"));
    EXPECT_TRUE(names[ResourceGroup::Remark].contains("b1"));
    EXPECT_EQ(figureFrames[1], 32);  // 16 directions, each on white and on black
    EXPECT_EQ(figureFrames[4], 32);
    EXPECT_EQ(names[ResourceGroup::FigureFrame].size(), 16u);
    EXPECT_EQ(InGroup(ResourceGroup::FigureMap).size(), 2u);
    EXPECT_EQ(InGroup(ResourceGroup::ExerciseBackground).size(), 6u);
    EXPECT_EQ(names[ResourceGroup::ScoreDigit].size(), 10u);
    EXPECT_EQ(InGroup(ResourceGroup::SelectionFrame).size(), 10u);
    EXPECT_EQ(InGroup(ResourceGroup::Instruction).size(), 23u);
}

// Duplicate keys share one picture and one recording.
TEST(ResourceCatalog, EveryWordHasItsCardsEnlargedPicturesAndRecording) {
    std::set<std::string> keys;
    for (const WordRecord& w : WordTable()) {
        const std::string k(w.Key);
        keys.insert(k);
        for (const std::string& path :
             {"Res/Kar/Nor/" + k + "_s.xji", "Res/Kar/Nor/" + k + "_b.xji",
              "Res/Kar/Kon/" + k + "_s.xji", "Res/Kar/Kon/" + k + "_b.xji",
              "Res/Kar/Nor/Pow/" + k + "_b.xji", "Res/Kar/Kon/Pow/" + k + "_b.xji",
              "Res/Snd/" + k + ".snd"}) {
            EXPECT_NE(FindResource(path), nullptr) << path;
        }
    }
    EXPECT_LT(keys.size(), static_cast<size_t>(WordCount));
    EXPECT_EQ(InGroup(ResourceGroup::WordCard).size(), 2 * keys.size());
    EXPECT_EQ(InGroup(ResourceGroup::WordCardSecondSet).size(), 2 * keys.size());
    EXPECT_EQ(InGroup(ResourceGroup::EnlargedWordCard).size(), 2 * keys.size());
    EXPECT_EQ(InGroup(ResourceGroup::WordRecording).size(), keys.size());
}

TEST(ResourceCatalog, SymbolTilesOfEveryExercise) {
    std::vector<std::string> tiles;
    for (int code = -4; code <= 60; ++code) {
        if (!SymbolName(code).empty()) {
            tiles.emplace_back(SymbolName(code));
        }
    }
    EXPECT_EQ(tiles.size(), 3u + 9u + 10u + 10u + 4u);
    for (const char* extra : {"wiekszy", "mniejszy", "l_red", "r_red", "j_red", "a", "b", "f", "h",
                              "k", "u", "w", "y", "z"}) {
        tiles.emplace_back(extra);
    }
    for (const std::string& tile : tiles) {
        EXPECT_TRUE(HasTile(tile)) << tile;
    }
}

// The spelling exercises show the letters of short words that practise a trained sound:
// one tile per grapheme, the first marked one also red (missing letter), and one tile per
// character with the red letter of the sound (word building).
TEST(ResourceCatalog, LetterTilesOfTheSpellingExercises) {
    int words = 0;
    for (const WordRecord& w : WordTable()) {
        if ((w.Flags & FlagAnyTrained) == 0 || w.Key.size() > 6) {
            continue;
        }
        ++words;
        bool slot = false;
        for (const Grapheme& g : SplitGraphemes(w.Spelling)) {
            EXPECT_TRUE(HasTile(LetterFileName(g.Text))) << w.Key << " " << g.Text;
            if (g.Marked && !slot) {
                EXPECT_TRUE(HasTile(LetterFileName(g.Text) + "_red")) << w.Key;
                slot = true;
            }
            if (!g.Marked && w.Key.size() <= 5) {
                for (const std::string& c : SplitCharacters(g.Text)) {
                    EXPECT_TRUE(HasTile(LetterFileName(c))) << w.Key << " " << c;
                }
            }
        }
    }
    EXPECT_GT(words, 100);
}

// A zoom shows the enlarged tile and speaks it, for every tile; no recording is left over.
TEST(ResourceCatalog, EveryTileIsEnlargedAndSpoken) {
    std::set<std::string> spoken;
    for (const ResourceEntry* tile : InGroup(ResourceGroup::Tile)) {
        const std::string s(SizeSuffixOf(tile->Layout));
        EXPECT_NE(FindResource("Lib/POW/" + tile->Name + s + ".xbi"), nullptr) << tile->Name;
        spoken.insert(LetterSoundName(tile->Name));
    }
    std::set<std::string> recorded;
    for (const ResourceEntry* e : InGroup(ResourceGroup::SpokenTile)) {
        EXPECT_EQ(e->Path, "Res/Snd/LC/" + e->Name + ".snd");
        recorded.insert(e->Name);
    }
    EXPECT_EQ(recorded, spoken);
    EXPECT_EQ(InGroup(ResourceGroup::EnlargedTile).size(), InGroup(ResourceGroup::Tile).size());
}
