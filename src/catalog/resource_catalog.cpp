#include "catalog/resource_catalog.h"

#include <cstdint>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "catalog/resource_names.h"
#include "catalog/word_table.h"

namespace catalog {

namespace {

// Sound-group bits of a flag word that a sound filter can ask for ("l", "r", "j"). The
// filters of the exercises are built from these three only, so a word without any of them
// (the hissing group, the two-sound words) is never drawn by one.
constexpr std::uint32_t kTrainedSoundBits = 0x111;

std::string Str(std::string_view s) {
    return std::string(s);
}

// ---- Spellings -----------------------------------------------------------------------------

// "b,u,_c,_i,k," gives b, u, _c, _i, k: marks kept, a last grapheme without its comma
// still counts.
std::vector<std::string_view> Graphemes(std::string_view spelling) {
    std::vector<std::string_view> out;
    while (!spelling.empty()) {
        const size_t comma = spelling.find(',');
        const std::string_view piece = spelling.substr(0, comma);
        if (!piece.empty()) {
            out.push_back(piece);
        }
        spelling.remove_prefix(comma == std::string_view::npos ? spelling.size() : comma + 1);
    }
    return out;
}

// The UTF-8 characters of text; a stray continuation byte stays with the one before.
std::vector<std::string_view> Characters(std::string_view text) {
    std::vector<std::string_view> out;
    size_t start = 0;
    for (size_t i = 1; i <= text.size(); ++i) {
        if (i == text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            out.push_back(text.substr(start, i - start));
            start = i;
        }
    }
    return out;
}

bool DrawnBySoundFilter(const WordRecord& word) {
    return (word.Flags & kTrainedSoundBits) != 0;
}

// The missing letter exercise takes words of at most six letters.
bool MissingLetterWord(const WordRecord& word) {
    return DrawnBySoundFilter(word) && word.Key.size() <= 6;
}

// The word building exercise (level IV only) keeps words at five tiles or fewer: a key of at
// most five letters when the marked grapheme is one letter, at most six when it is two.
bool WordBuildingWord(const WordRecord& word) {
    if (!DrawnBySoundFilter(word)) {
        return false;
    }
    const size_t mark = word.Spelling.find('_');
    if (mark == std::string_view::npos) {
        return false;
    }
    const std::vector<std::string_view> fromMark = Characters(word.Spelling.substr(mark));
    const bool oneLetter = fromMark.size() > 2 && fromMark[2] == ",";
    return word.Key.size() <= (oneLetter ? 5u : 6u);
}

// Keeps the first of equal names, in the order they come.
class NameList {
  public:
    void Add(std::string name) {
        if (!name.empty() && seen_.insert(name).second) {
            names_.push_back(std::move(name));
        }
    }
    template <typename Range>
    void AddAll(const Range& range) {
        for (const auto& name : range) {
            Add(Str(name));
        }
    }
    const std::vector<std::string>& Names() const { return names_; }

  private:
    std::vector<std::string> names_;
    std::unordered_set<std::string> seen_;
};

std::vector<std::string> WordKeys() {
    NameList keys;
    for (const WordRecord& word : WordTable()) {
        keys.Add(Str(word.Key));
    }
    return keys.Names();
}

// The letters of words that an exercise spells with tiles, plain and red.
void AddWordLetterTiles(NameList& tiles) {
    std::set<std::string> plain;
    std::set<std::string> red;
    for (const WordRecord& word : WordTable()) {
        const std::vector<std::string_view> graphemes = Graphemes(word.Spelling);
        if (MissingLetterWord(word)) {
            // One tile per grapheme; the first marked one also turns red in its slot.
            bool slotMade = false;
            for (std::string_view g : graphemes) {
                plain.insert(LetterFileName(g));
                if (!slotMade && g.starts_with('_')) {
                    red.insert(LetterFileName(g) + Str(RedTileSuffix));
                    slotMade = true;
                }
            }
        }
        if (WordBuildingWord(word)) {
            // One tile per character; the marked grapheme is the red letter of its sound.
            for (std::string_view g : graphemes) {
                if (!g.starts_with('_')) {
                    for (std::string_view c : Characters(g)) {
                        plain.insert(LetterFileName(c));
                    }
                }
            }
            red.insert(Str(SymbolName(SoundOfName(word.Spelling))) + Str(RedTileSuffix));
        }
        if (DrawnBySoundFilter(word)) {
            // The search by letter shows the plain letter of the model word's sound.
            plain.insert(Str(SymbolName(SoundOfName(word.Spelling))));
        }
    }
    tiles.AddAll(plain);
    tiles.AddAll(red);
}

std::vector<std::string> TileNames() {
    NameList tiles;
    for (int code : TrainedSoundCodes) {
        tiles.Add(Str(SymbolName(code)));
    }
    for (int code = FirstDistractorCode; code <= LastDistractorCode; ++code) {
        tiles.Add(Str(SymbolName(code)));
    }
    for (int n = 0; n < 10; ++n) {
        tiles.Add(Str(SymbolName(FirstNumberWordCode + n)));
    }
    for (int n = 0; n < 10; ++n) {
        tiles.Add(Str(SymbolName(FirstDigitCode + n)));
    }
    for (int code = -1; code >= LastSignCode; --code) {
        tiles.Add(Str(SymbolName(code)));
    }
    tiles.AddAll(RelationSignTiles);
    tiles.AddAll(AlphabetLetters);
    // The red model letter of the letter searches.
    for (int code : TrainedSoundCodes) {
        tiles.Add(Str(SymbolName(code)) + Str(RedTileSuffix));
    }
    AddWordLetterTiles(tiles);
    return tiles.Names();
}

// ---- The table -----------------------------------------------------------------------------

class Builder {
  public:
    void File(std::string path, ResourceFormat format, ResourceGroup group, std::string name,
              int layout) {
        if (!paths_.insert(path).second) {
            throw std::logic_error("resource listed twice: " + path);
        }
        entries_.push_back({std::move(path), format, group, std::move(name), layout, {}, false});
    }

    // One on-white and one on-black BMP, each naming the other.
    void Pair(const std::string& whitePath, const std::string& blackPath, ResourceGroup group,
              const std::string& name, int layout) {
        File(whitePath, ResourceFormat::Bmp, group, name, layout);
        entries_.back().Partner = blackPath;
        entries_.back().OnWhite = true;
        File(blackPath, ResourceFormat::Bmp, group, name, layout);
        entries_.back().Partner = whitePath;
    }

    // The usual pair: base + "_W.xbi" and base + "_B.xbi".
    void Pair(const std::string& base, ResourceGroup group, const std::string& name, int layout) {
        Pair(base + "_W.xbi", base + "_B.xbi", group, name, layout);
    }

    std::vector<ResourceEntry> Take() { return std::move(entries_); }

  private:
    std::vector<ResourceEntry> entries_;
    std::unordered_set<std::string> paths_;
};

void AddForms(Builder& b) {
    b.File("sph.xji", ResourceFormat::Jpeg, ResourceGroup::Splash, "sph", 0);
    struct Background {
        const char* Folder;
        const char* Name;
    };
    // Message, main menu, options, information and results forms.
    constexpr Background kBackgrounds[] = {
        {"", "kom"}, {"Intf/", "T"}, {"Intf/", "op"}, {"Intf/", "ab"}, {"Intf/", "wyn"}};
    for (int layout : Layouts) {
        const std::string s = Str(SizeSuffixOf(layout));
        for (const Background& bg : kBackgrounds) {
            b.File(std::string(bg.Folder) + bg.Name + s + ".xji", ResourceFormat::Jpeg,
                   ResourceGroup::FormBackground, bg.Name, layout);
        }
    }
    // The information form's pages carry their pair infix before the size suffix.
    for (int layout : Layouts) {
        const std::string s = Str(SizeSuffixOf(layout));
        for (const char* page : {"abo", "hp"}) {
            const std::string base = std::string("Intf/") + page;
            b.Pair(base + "_w" + s + ".xbi", base + "_b" + s + ".xbi", ResourceGroup::AboutPage,
                   page, layout);
        }
    }
}

void AddExercisePictures(Builder& b) {
    for (int layout : Layouts) {
        const std::string s = Str(SizeSuffixOf(layout));
        for (int n = 1; n <= ExerciseBackgroundCount; ++n) {
            const std::string name = "t" + std::to_string(n);
            b.File("Res/" + name + s + ".xji", ResourceFormat::Jpeg,
                   ResourceGroup::ExerciseBackground, name, layout);
        }
    }
    for (int layout : Layouts) {
        const std::string s = Str(SizeSuffixOf(layout));
        for (std::string_view name : FramedPictureNames) {
            b.Pair("Res/" + Str(name) + s, ResourceGroup::FramedPicture, Str(name), layout);
        }
    }
    for (int layout : Layouts) {
        const std::string s = Str(SizeSuffixOf(layout));
        for (std::string_view name : TrackPieceNames) {
            b.Pair("Res/" + Str(name) + s, ResourceGroup::TrackPiece, Str(name), layout);
        }
    }
    for (int layout : Layouts) {
        const std::string s = Str(SizeSuffixOf(layout));
        for (int d = 0; d <= 9; ++d) {
            const std::string digit = std::to_string(d);
            b.Pair("Res/Wyncyf/" + digit + s, ResourceGroup::ScoreDigit, digit, layout);
        }
    }
}

void AddCards(Builder& b, const std::vector<std::string>& keys) {
    struct Set {
        const char* Folder;
        ResourceGroup Group;
    };
    constexpr Set kSets[] = {{"Res/Kar/Nor/", ResourceGroup::WordCard},
                             {"Res/Kar/Kon/", ResourceGroup::WordCardSecondSet}};
    for (const Set& set : kSets) {
        for (int layout : Layouts) {
            const std::string s = Str(SizeSuffixOf(layout));
            for (const std::string& key : keys) {
                b.File(set.Folder + key + s + ".xji", ResourceFormat::Jpeg, set.Group, key, layout);
            }
        }
    }
    // The enlarged picture sits in "Pow" under its card's folder and is always the big one.
    for (const Set& set : kSets) {
        for (const std::string& key : keys) {
            b.File(set.Folder + std::string("Pow/") + key + "_b.xji", ResourceFormat::Jpeg,
                   ResourceGroup::EnlargedWordCard, key, 0);
        }
    }
}

void AddFigure(Builder& b) {
    const std::string figure = Str(FigureName);
    for (int layout : Layouts) {
        const std::string base = figure + Str(SizeSuffixOf(layout));
        for (int n = 0; n < FigureFrameCount; ++n) {
            const std::string number = std::to_string(n);
            b.Pair(base + "_w_" + number + ".xbi", base + "_b_" + number + ".xbi",
                   ResourceGroup::FigureFrame, figure + "_" + number, layout);
        }
    }
    for (int layout : Layouts) {
        b.File(figure + Str(SizeSuffixOf(layout)) + "_obszar.xbi", ResourceFormat::Bmp,
               ResourceGroup::FigureMap, figure, layout);
    }
}

void AddLibraryPictures(Builder& b, const std::vector<std::string>& tiles) {
    for (int layout : Layouts) {
        const std::string s = Str(SizeSuffixOf(layout));
        for (std::string_view frame : SelectionFrameNames) {
            b.File("Lib/GFX/" + Str(frame) + s + ".xbi", ResourceFormat::Bmp,
                   ResourceGroup::SelectionFrame, Str(frame), layout);
        }
    }
    struct Library {
        const char* Folder;
        ResourceGroup Group;
    };
    constexpr Library kTileLibraries[] = {{"Lib/GFX/", ResourceGroup::Tile},
                                          {"Lib/POW/", ResourceGroup::EnlargedTile}};
    for (const Library& library : kTileLibraries) {
        for (int layout : Layouts) {
            const std::string s = Str(SizeSuffixOf(layout));
            for (const std::string& tile : tiles) {
                b.File(library.Folder + tile + s + ".xbi", ResourceFormat::Bmp, library.Group, tile,
                       layout);
            }
        }
    }
}

void AddButtonPictures(Builder& b) {
    const std::string folder = "Lib/BUTT/";
    for (int layout : Layouts) {
        const std::string s = Str(SizeSuffixOf(layout));
        const std::string mini = Str(LayoutSuffixOf(layout));
        for (std::string_view button : PushButtonNames) {
            for (std::string_view look : PushButtonLooks) {
                const std::string name = Str(button) + Str(look);
                b.Pair(folder + name + s, ResourceGroup::ButtonPicture, name, layout);
            }
        }
        for (std::string_view button : FourLookCheckButtonNames) {
            for (std::string_view look : CheckButtonLooks) {
                b.Pair(folder + Str(button) + mini + Str(look), ResourceGroup::ButtonPicture,
                       Str(button) + Str(look), layout);
            }
        }
        for (std::string_view button : TwoLookCheckButtonNames) {
            for (std::string_view look : EnabledCheckButtonLooks) {
                b.Pair(folder + Str(button) + mini + Str(look), ResourceGroup::ButtonPicture,
                       Str(button) + Str(look), layout);
            }
        }
        for (std::string_view look : SliderLooks) {
            b.Pair(folder + Str(SliderName) + mini + Str(look), ResourceGroup::ButtonPicture,
                   Str(SliderName) + Str(look), layout);
        }
        for (std::string_view label : LabelNames) {
            b.Pair(folder + Str(label) + mini, ResourceGroup::ButtonPicture, Str(label), layout);
        }
    }
}

void AddSounds(Builder& b, const std::vector<std::string>& keys,
               const std::vector<std::string>& tiles) {
    for (const std::string& key : keys) {
        b.File("Res/Snd/" + key + ".snd", ResourceFormat::Wave, ResourceGroup::WordRecording, key,
               0);
    }
    for (int n = 1; n <= PraiseCount; ++n) {
        const std::string name = "g" + std::to_string(n);
        b.File("Res/Snd/" + name + ".snd", ResourceFormat::Wave, ResourceGroup::Praise, name, 0);
    }
    for (int n = 1; n <= RemarkCount; ++n) {
        const std::string name = "b" + std::to_string(n);
        b.File("Res/Snd/" + name + ".snd", ResourceFormat::Wave, ResourceGroup::Remark, name, 0);
    }
    // Every tile can be zoomed, and the zoom speaks it.
    NameList spoken;
    for (const std::string& tile : tiles) {
        spoken.Add(LetterSoundName(tile));
    }
    for (const std::string& name : spoken.Names()) {
        b.File("Res/Snd/LC/" + name + ".snd", ResourceFormat::Wave, ResourceGroup::SpokenTile, name,
               0);
    }
    for (std::string_view name : InstructionNames) {
        b.File("Res/Snd/Pol/" + Str(name) + ".snd", ResourceFormat::Wave,
               ResourceGroup::Instruction, Str(name), 0);
    }
    b.File("Res/Snd/Men/s.snd", ResourceFormat::Midi, ResourceGroup::MenuTune, "s", 0);
}

struct Catalog {
    std::vector<ResourceEntry> Entries;
    std::unordered_map<std::string_view, size_t> ByPath;
};

std::unique_ptr<Catalog> BuildCatalog() {
    const std::vector<std::string> keys = WordKeys();
    const std::vector<std::string> tiles = TileNames();
    Builder b;
    AddForms(b);
    AddExercisePictures(b);
    AddCards(b, keys);
    AddFigure(b);
    AddLibraryPictures(b, tiles);
    AddButtonPictures(b);
    AddSounds(b, keys, tiles);

    auto catalog = std::make_unique<Catalog>();
    catalog->Entries = b.Take();
    for (size_t i = 0; i < catalog->Entries.size(); ++i) {
        catalog->ByPath.emplace(catalog->Entries[i].Path, i);
    }
    return catalog;
}

const Catalog& TheCatalog() {
    static const std::unique_ptr<Catalog> catalog = BuildCatalog();
    return *catalog;
}

}  // namespace

const std::vector<ResourceEntry>& AllResources() {
    return TheCatalog().Entries;
}

const ResourceEntry* FindResource(std::string_view path) {
    const Catalog& catalog = TheCatalog();
    auto it = catalog.ByPath.find(path);
    return it == catalog.ByPath.end() ? nullptr : &catalog.Entries[it->second];
}

std::string_view ResourceGroupName(ResourceGroup group) {
    switch (group) {
        case ResourceGroup::Splash:
            return "splash";
        case ResourceGroup::FormBackground:
            return "form backgrounds";
        case ResourceGroup::AboutPage:
            return "information pages";
        case ResourceGroup::ExerciseBackground:
            return "exercise backgrounds";
        case ResourceGroup::FramedPicture:
            return "framed pictures";
        case ResourceGroup::TrackPiece:
            return "track pieces";
        case ResourceGroup::ScoreDigit:
            return "score digits";
        case ResourceGroup::WordCard:
            return "word cards";
        case ResourceGroup::WordCardSecondSet:
            return "second card set";
        case ResourceGroup::EnlargedWordCard:
            return "enlarged word cards";
        case ResourceGroup::FigureFrame:
            return "vehicle frames";
        case ResourceGroup::FigureMap:
            return "vehicle collision map";
        case ResourceGroup::SelectionFrame:
            return "selection frames";
        case ResourceGroup::Tile:
            return "tiles";
        case ResourceGroup::EnlargedTile:
            return "enlarged tiles";
        case ResourceGroup::ButtonPicture:
            return "buttons and labels";
        case ResourceGroup::WordRecording:
            return "word recordings";
        case ResourceGroup::Praise:
            return "praise";
        case ResourceGroup::Remark:
            return "remarks";
        case ResourceGroup::SpokenTile:
            return "spoken letters and digits";
        case ResourceGroup::Instruction:
            return "instructions";
        case ResourceGroup::MenuTune:
            return "menu tune";
    }
    return "unknown";
}

}  // namespace catalog
