#include "media/cslowo.h"

#include <stdexcept>
#include <utility>

using namespace catalog;

namespace media {

std::string WordSoundPath(std::string_view key) {
    std::string path(WordSoundFolder);
    path += key;
    path += ".snd";
    return path;
}

std::vector<Grapheme> SplitGraphemes(std::string_view spelling) {
    std::vector<Grapheme> graphemes;
    while (!spelling.empty()) {
        std::size_t comma = spelling.find(',');
        std::string_view piece = spelling.substr(0, comma);
        spelling =
            comma == std::string_view::npos ? std::string_view{} : spelling.substr(comma + 1);
        bool marked = piece.starts_with('_');
        if (marked) {
            piece.remove_prefix(1);
        }
        if (!piece.empty()) {
            graphemes.push_back({std::string(piece), marked});
        }
    }
    return graphemes;
}

int CountMarks(std::string_view spelling) {
    int marks = 0;
    for (char c : spelling) {
        marks += c == '_' ? 1 : 0;
    }
    return marks;
}

std::string PlainSpelling(std::string_view spelling) {
    std::string text;
    for (char c : spelling) {
        if (c != ',' && c != '_') {
            text += c;
        }
    }
    return text;
}

std::vector<std::string> SplitCharacters(std::string_view text) {
    std::vector<std::string> characters;
    for (char c : text) {
        bool continuation = (static_cast<unsigned char>(c) & 0xC0u) == 0x80u;
        if (continuation && !characters.empty()) {
            characters.back() += c;
        } else {
            characters.emplace_back(1, c);
        }
    }
    return characters;
}

CSlowo::CSlowo(std::string key, std::uint32_t flags, std::string spelling)
    : Key(std::move(key)),
      Flags(flags),
      SoundPath(WordSoundPath(Key)),
      Spelling(std::move(spelling)) {}

int CSlowo::MarkedIndex() const {
    std::vector<Grapheme> graphemes = Graphemes();
    for (std::size_t i = 0; i < graphemes.size(); ++i) {
        if (graphemes[i].Marked) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string CSlowo::MarkedGrapheme() const {
    for (Grapheme& g : Graphemes()) {
        if (g.Marked) {
            return std::move(g.Text);
        }
    }
    return {};
}

const std::array<CSlowo, WordCount>& WordDatabase() {
    static const std::array<CSlowo, WordCount> database = [] {
        std::array<CSlowo, WordCount> words;
        std::span<const WordRecord, WordCount> rows = WordTable();
        for (int i = 0; i < WordCount; ++i) {
            const WordRecord& row = rows[static_cast<std::size_t>(i)];
            words[static_cast<std::size_t>(i)] =
                CSlowo(std::string(row.Key), row.Flags, std::string(row.Spelling));
        }
        return words;
    }();
    return database;
}

const CSlowo& WordAt(int index) {
    if (index < 0 || index >= WordCount) {
        throw std::out_of_range("word number " + std::to_string(index) + " outside the database");
    }
    return WordDatabase()[static_cast<std::size_t>(index)];
}

}  // namespace media
