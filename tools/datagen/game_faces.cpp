#include "game_faces.h"

#include <array>
#include <numbers>
#include <stdexcept>
#include <utility>

namespace datagen::game {

namespace {

// The program's letter file names and the letters they stand for.
constexpr std::array<std::pair<std::string_view, std::string_view>, 11> PolishLetters{{
    {"aa", "ą"},
    {"cc", "ć"},
    {"ee", "ę"},
    {"ll", "ł"},
    {"nn", "ń"},
    {"ss", "ś"},
    {"oo", "ó"},
    {"zz", "ż"},
    {"zzz", "ź"},
    {"dzz", "dż"},
    {"dzzz", "dź"},
}};

// Graphemes of the word database written with more than one letter; their tiles show them
// as written.
constexpr std::array<std::string_view, 10> Digraphs{"ch", "ci", "cz", "dz", "dzi",
                                                    "ni", "rz", "si", "sz", "zi"};

constexpr std::array<std::string_view, 10> NumberWords{
    "zero", "jeden", "dwa", "trzy", "cztery", "piec", "szesc", "siedem", "osiem", "dziewiec"};

constexpr std::array<std::pair<std::string_view, std::string_view>, 6> Signs{{
    {"rowny", "="},
    {"plus", "+"},
    {"minus", "\u2212"},
    {"wiekszy", ">"},
    {"mniejszy", "<"},
    {"niewiadoma", "?"},
}};

constexpr std::string_view RedSuffix = "_red";

}  // namespace

double LayoutScale(int layout) {
    if (layout == 4) {
        return 1.0;
    }
    if (layout == 1) {
        return 0.8;
    }
    throw std::runtime_error("no picture size for layout " + std::to_string(layout));
}

int LayoutPixels(double designLength, int layout) {
    return static_cast<int>(designLength * LayoutScale(layout));
}

int ScreenWidth(int layout) {
    return LayoutPixels(1280, layout);
}

int ScreenHeight(int layout) {
    return LayoutPixels(960, layout);
}

std::optional<std::string> PolishLetterOf(std::string_view fileName) {
    for (const auto& [file, letter] : PolishLetters) {
        if (file == fileName) {
            return std::string(letter);
        }
    }
    return std::nullopt;
}

TileFace FaceOfTile(std::string_view name) {
    TileFace face;
    std::string_view base = name;
    if (base.size() > RedSuffix.size() && base.ends_with(RedSuffix)) {
        face.Red = true;
        base.remove_suffix(RedSuffix.size());
    }
    if (base.size() == 1 && base[0] >= 'a' && base[0] <= 'z') {
        face.Text = std::string(base);
        return face;
    }
    if (auto letter = PolishLetterOf(base)) {
        face.Text = *letter;
        return face;
    }
    for (std::string_view digraph : Digraphs) {
        if (digraph == base) {
            face.Text = std::string(base);
            return face;
        }
    }
    if (base.size() == 2 && base[0] == 'd' && base[1] >= '0' && base[1] <= '9') {
        face.Kind = FaceKind::Digit;
        face.Text = std::string(1, base[1]);
        return face;
    }
    for (size_t n = 0; n < NumberWords.size(); ++n) {
        if (NumberWords[n] == base) {
            face.Kind = FaceKind::Quantity;
            face.Count = static_cast<int>(n);
            return face;
        }
    }
    for (const auto& [sign, text] : Signs) {
        if (sign == base) {
            face.Kind = FaceKind::Sign;
            face.Text = std::string(text);
            return face;
        }
    }
    throw std::runtime_error("no tile picture for the name \"" + std::string(name) + "\"");
}

double VehicleFrameRotation(int n) {
    if (n < 0 || n > 15) {
        throw std::runtime_error("the vehicle has no direction frame " + std::to_string(n));
    }
    return -n * std::numbers::pi / 8.0;
}

}  // namespace datagen::game
