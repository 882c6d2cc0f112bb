// MakeCards: the word cards of both card sets and their enlarged pictures. Each word is an
// emoji (Fluent Emoji Flat for the normal set, Noto Emoji for the second set, which must look
// different because it is paired with the normal one; OpenMoji and Game Icons for words those
// lack) on a light card, or, where no icon really shows the word, the word itself written large.

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <functional>
#include <future>
#include <map>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "cards.h"
#include "catalog/word_table.h"
#include "datagen.h"
#include "draw_kit.h"
#include "emoji_set.h"
#include "word_pictures.h"

using namespace catalog;

namespace datagen {

namespace {

enum class CardSet { Normal, Second };

struct CardLook {
    kit::Colour Outer;        // the card's edge, outside its rounded border
    kit::Colour InnerTop;     // the face, a soft vertical gradient
    kit::Colour InnerBottom;  //
    kit::Colour Border;
    kit::Colour Ink;   // the written word of a text card
    uint32_t IconInk;  // single-colour icons, 0xRRGGBB
};

// Warm cream for the normal cards, cool blue for the second set: a child pairing the two
// sets sees at once which card belongs to which. A silhouette shows on both sets in a
// different colour, so its two cards still differ.
const CardLook NormalLook{kit::Rgb(0xFBE7C6), kit::Rgb(0xFFFDF7), kit::Rgb(0xFFF3DC),
                          kit::Rgb(0xE5B877), kit::Rgb(0x33406E), 0xC0502E};
const CardLook SecondLook{kit::Rgb(0xD3E9F7), kit::Rgb(0xF7FBFF), kit::Rgb(0xE3F1FB),
                          kit::Rgb(0x82B4DC), kit::Rgb(0x1E4A5C), 0x2E7D5B};

CardSet SetOf(const ResourceEntry& entry) {
    switch (entry.Group) {
        case ResourceGroup::WordCard:
            return CardSet::Normal;
        case ResourceGroup::WordCardSecondSet:
            return CardSet::Second;
        case ResourceGroup::EnlargedWordCard:
            return entry.Path.starts_with("Res/Kar/Kon/") ? CardSet::Second : CardSet::Normal;
        default:
            throw std::runtime_error(entry.Path + " is not a word card");
    }
}

int SideOf(const ResourceEntry& entry) {
    if (entry.Group == ResourceGroup::EnlargedWordCard) {
        return EnlargedCardSide;
    }
    switch (entry.Layout) {
        case 1:
            return SmallCardSide;
        case 4:
            return BigCardSide;
        default:
            throw std::runtime_error(entry.Path + " belongs to no layout");
    }
}

void DrawCardFace(cairo_t* cr, double side, const CardLook& look) {
    kit::SetSource(cr, look.Outer);
    cairo_paint(cr);
    const kit::Box face = kit::Box{0, 0, side, side}.Inset(side * 0.045);
    const double radius = side * 0.13;
    kit::RoundedRectPath(cr, face, radius);
    kit::FillVertical(cr, look.InnerTop, look.InnerBottom, face.Y, face.Bottom());
    kit::RoundedRectPath(cr, face, radius);
    kit::StrokeWith(cr, look.Border, std::max(1.5, side * 0.022));
}

// One icon fills the card's middle; two stand side by side, staggered; three form a little
// pile, one on top of two, so a plural reads as "several of them".
void DrawIcons(cairo_t* cr, const std::vector<EmojiPicture>& icons, double side) {
    const kit::Box area = kit::Box{0, 0, side, side}.Inset(side * 0.12);
    const double a = area.W;
    switch (icons.size()) {
        case 1:
            icons[0].Draw(cr, area.X, area.Y, a);
            return;
        case 2: {
            const double s = a * 0.6;
            icons[0].Draw(cr, area.X, area.CentreY() - s / 2 - a * 0.12, s);
            icons[1].Draw(cr, area.Right() - s, area.CentreY() - s / 2 + a * 0.12, s);
            return;
        }
        case 3: {
            const double s = a * 0.54;
            icons[0].Draw(cr, area.CentreX() - s / 2, area.Y, s);
            icons[1].Draw(cr, area.X, area.Bottom() - s, s);
            icons[2].Draw(cr, area.Right() - s, area.Bottom() - s, s);
            return;
        }
        default: {
            const double s = a / static_cast<double>(icons.size());
            for (size_t i = 0; i < icons.size(); ++i) {
                icons[i].Draw(cr, area.X + s * static_cast<double>(i), area.CentreY() - s / 2, s);
            }
            return;
        }
    }
}

// The word as large as it fits on one line, with a short stroke under it so that a card of
// a short word does not look empty.
void DrawWord(cairo_t* cr, const std::string& text, double side, const CardLook& look) {
    kit::Font font{side * 0.34, true, false};
    font.Size = kit::FitFontSize(cr, text, font, side * 0.84, side * 0.5);
    const kit::TextLayout layout(cr, text, font);
    const kit::Box ink = layout.Ink();
    const double x = side / 2 - layout.Width() / 2;
    const double y = side * 0.46 - (ink.Y + ink.H / 2);
    layout.Draw(cr, x, y, look.Ink);
    const double lineY = y + ink.Bottom() + side * 0.09;
    cairo_move_to(cr, side * 0.38, lineY);
    cairo_line_to(cr, side * 0.62, lineY);
    kit::StrokeWith(cr, look.Border, std::max(1.5, side * 0.03));
}

// Everything one word needs; the icons of each set are parsed once and drawn at every size.
class WordCards {
  public:
    WordCards(const IconSets& sets, const std::map<std::string, std::string, std::less<>>& texts)
        : sets_(sets), texts_(texts) {}

    void Make(const std::string& key, const std::vector<const ResourceEntry*>& entries,
              Output& out) const {
        const WordPicture* row = FindWordPicture(key);
        if (row == nullptr) {
            throw std::runtime_error("word \"" + key + "\" has no row in the picture table");
        }
        std::optional<std::vector<EmojiPicture>> icons[2];
        for (const ResourceEntry* entry : entries) {
            const CardSet set = SetOf(*entry);
            const CardLook& look = set == CardSet::Normal ? NormalLook : SecondLook;
            auto& prepared = icons[set == CardSet::Normal ? 0 : 1];
            if (!prepared) {
                prepared =
                    Pictures(set == CardSet::Normal ? NormalIcons(*row) : SecondIcons(*row), look);
            }
            const int side = SideOf(*entry);
            Surface card(side, side);
            Painter cr(card);
            DrawCardFace(*cr, side, look);
            if (!prepared->empty()) {
                DrawIcons(*cr, *prepared, side);
                out.Jpeg(*entry, card, Sheet::Cards);
            } else {
                DrawWord(*cr, Text(key), side, look);
                out.TextCardJpeg(*entry, card);
            }
        }
    }

  private:
    std::vector<EmojiPicture> Pictures(const std::vector<IconRef>& refs,
                                       const CardLook& look) const {
        std::vector<EmojiPicture> pictures;
        for (const IconRef& ref : refs) {
            const EmojiSet* set = sets_[static_cast<size_t>(ref.Set)];
            if (set == nullptr) {
                throw std::runtime_error("icon set " + std::string(IconSetFolder(ref.Set)) +
                                         " is not loaded");
            }
            pictures.push_back(ref.Set == IconSet::GameIcons ? set->Tinted(ref.Name, look.IconInk)
                                                             : set->Picture(ref.Name));
        }
        return pictures;
    }

    const std::string& Text(const std::string& key) const {
        auto found = texts_.find(key);
        if (found == texts_.end()) {
            throw std::runtime_error("word \"" + key + "\" is not in the word table");
        }
        return found->second;
    }

    const IconSets& sets_;
    const std::map<std::string, std::string, std::less<>>& texts_;
};

// Runs work(0 ... count - 1) on this thread and one more; the first error stops both and
// is raised here.
void ForEachOnTwoThreads(size_t count, const std::function<void(size_t)>& work) {
    std::atomic<size_t> next{0};
    std::atomic<bool> failed{false};
    std::mutex errorMutex;
    std::exception_ptr error;
    auto run = [&] {
        for (size_t i = next++; i < count && !failed; i = next++) {
            try {
                work(i);
            } catch (...) {
                std::lock_guard lock(errorMutex);
                if (!error) {
                    error = std::current_exception();
                }
                failed = true;
            }
        }
    };
    {
        std::jthread helper(run);
        run();
    }
    if (error) {
        std::rethrow_exception(error);
    }
}

}  // namespace

void MakeCards(const std::vector<const ResourceEntry*>& entries, Output& out, const Context& ctx) {
    // The files of one word stay together, in catalogue order, so one thread writes them all.
    std::vector<std::string> keys;
    std::map<std::string, std::vector<const ResourceEntry*>, std::less<>> byKey;
    bool needNormal = false;
    bool needSecond = false;
    for (const ResourceEntry* entry : entries) {
        (SetOf(*entry) == CardSet::Normal ? needNormal : needSecond) = true;
        auto& list = byKey[entry->Name];
        if (list.empty()) {
            keys.push_back(entry->Name);
        }
        list.push_back(entry);
    }

    // The sets are large JSON files: read them side by side. The normal cards draw on
    // Fluent, the second set on Noto, and both on the two sets that fill in.
    std::array<bool, IconSetCount> needed{};
    needed[static_cast<size_t>(IconSet::Fluent)] = needNormal;
    needed[static_cast<size_t>(IconSet::Noto)] = needSecond;
    needed[static_cast<size_t>(IconSet::OpenMoji)] = needNormal || needSecond;
    needed[static_cast<size_t>(IconSet::GameIcons)] = needNormal || needSecond;
    std::array<std::future<std::optional<EmojiSet>>, IconSetCount> loading;
    for (size_t i = 0; i < loading.size(); ++i) {
        const std::filesystem::path file =
            ctx.EmojiDir / IconSetFolder(static_cast<IconSet>(i)) / "icons.json";
        loading[i] = std::async(std::launch::async, [need = needed[i], file] {
            return need ? std::optional<EmojiSet>(EmojiSet(file)) : std::nullopt;
        });
    }
    std::array<std::optional<EmojiSet>, IconSetCount> loaded;
    IconSets sets{};
    for (size_t i = 0; i < loading.size(); ++i) {
        loaded[i] = loading[i].get();
        sets[i] = loaded[i] ? &*loaded[i] : nullptr;
    }
    CheckWordPictures(WordPictures(), sets);

    std::map<std::string, std::string, std::less<>> texts;
    for (const WordRecord& word : WordTable()) {
        texts.emplace(std::string(word.Key), CardText(word.Spelling));
    }

    const WordCards cards(sets, texts);
    ForEachOnTwoThreads(keys.size(),
                        [&](size_t i) { cards.Make(keys[i], byKey.find(keys[i])->second, out); });

    int withPicture = 0;
    for (const std::string& key : keys) {
        const WordPicture* row = FindWordPicture(key);
        if (row != nullptr && !row->Normal.empty()) {
            ++withPicture;
        }
    }
    const int total = static_cast<int>(keys.size());
    const int percent = total == 0 ? 0 : (withPicture * 100 + total / 2) / total;
    std::printf("cards: %d of %d word keys have a picture (%d%%)\n", withPicture, total, percent);
}

}  // namespace datagen
