#include "catalog/resource_names.h"

namespace catalog {

namespace {

struct Rename {
    std::string_view From;
    std::string_view To;
};

constexpr std::array<std::string_view, 9> kDistractorLetters{"p", "s", "c", "t", "o",
                                                             "m", "n", "g", "e"};
constexpr std::array<std::string_view, 10> kNumberWords{
    "zero", "jeden", "dwa", "trzy", "cztery", "piec", "szesc", "siedem", "osiem", "dziewiec"};
constexpr std::array<std::string_view, 10> kDigits{"d0", "d1", "d2", "d3", "d4",
                                                   "d5", "d6", "d7", "d8", "d9"};
constexpr std::array<std::string_view, 4> kSigns{"rowny", "plus", "minus", "niewiadoma"};

// File names carry no diacritics: a Polish letter is written with a doubled ASCII letter.
constexpr std::array<Rename, 11> kPolishLetters{{
    {"ą", "aa"},
    {"ć", "cc"},
    {"ę", "ee"},
    {"ł", "ll"},
    {"ń", "nn"},
    {"ś", "ss"},
    {"ó", "oo"},
    {"dż", "dzz"},
    {"dź", "dzzz"},
    {"ż", "zz"},
    {"ź", "zzz"},
}};

// Digits speak their number word; letters written with a helper letter speak their sound.
constexpr std::array<Rename, 16> kSpokenAs{{
    {"d0", "zero"},
    {"d1", "jeden"},
    {"d2", "dwa"},
    {"d3", "trzy"},
    {"d4", "cztery"},
    {"d5", "piec"},
    {"d6", "szesc"},
    {"d7", "siedem"},
    {"d8", "osiem"},
    {"d9", "dziewiec"},
    {"si", "ss"},
    {"ci", "cc"},
    {"zi", "zzz"},
    {"oo", "u"},
    {"dzi", "dzzz"},
    {"rz", "zz"},
}};

template <size_t N>
std::string_view Renamed(const std::array<Rename, N>& table, std::string_view name) {
    for (const Rename& r : table) {
        if (name == r.From) {
            return r.To;
        }
    }
    return name;
}

}  // namespace

std::string_view SizeSuffixOf(int layout) {
    return layout == 4 ? "_b" : "_s";
}

std::string_view LayoutSuffixOf(int layout) {
    return layout == 4 ? "_maxi" : "_mini";
}

std::string_view SymbolName(int code) {
    switch (code) {
        case 1:
            return "l";
        case 2:
            return "r";
        case 9:
            return "j";
        default:
            break;
    }
    if (code >= FirstDistractorCode && code <= LastDistractorCode) {
        return kDistractorLetters[static_cast<size_t>(code - FirstDistractorCode)];
    }
    if (code >= FirstNumberWordCode && code < FirstNumberWordCode + 10) {
        return kNumberWords[static_cast<size_t>(code - FirstNumberWordCode)];
    }
    if (code >= FirstDigitCode && code < FirstDigitCode + 10) {
        return kDigits[static_cast<size_t>(code - FirstDigitCode)];
    }
    if (code <= -1 && code >= LastSignCode) {
        return kSigns[static_cast<size_t>(-code - 1)];
    }
    return {};
}

std::string LetterFileName(std::string_view letter) {
    if (letter.starts_with('_')) {
        letter.remove_prefix(1);
    }
    return std::string(Renamed(kPolishLetters, letter));
}

int SoundOfName(std::string_view name) {
    if (name.find("_r") != std::string_view::npos) {
        return 2;
    }
    if (name.find("_j") != std::string_view::npos) {
        return 9;
    }
    if (name.find("_l") != std::string_view::npos) {
        return 1;
    }
    return -1;
}

std::string LetterSoundName(std::string_view tileName) {
    // The last four characters go whatever they are: "_red" is expected at the end.
    if (tileName.find(RedTileSuffix) != std::string_view::npos) {
        tileName.remove_suffix(RedTileSuffix.size());
    }
    return std::string(Renamed(kSpokenAs, tileName));
}

}  // namespace catalog
