#pragma once

#include <optional>
#include <string>
#include <string_view>

// What the game pictures show and how large they are: the part of their drawing that follows
// from picture names and the layout geometry, kept free of cairo so it can be checked alone.
namespace datagen::game {

// Sizes are design pixels of the large layout; the small layout has them times 0.8,
// truncated the way the program maps every length, so both layouts keep the same proportions.
int LayoutPixels(double designLength, int layout);
// 1.0 for the 1280x960 layout (4), 0.8 for the 1024x768 one (1).
double LayoutScale(int layout);
int ScreenWidth(int layout);
int ScreenHeight(int layout);

// A letter, digit or sign tile: square, small enough that a tile keeps clear of the work
// area's edge after the placement's 100 px margin, and five of them with their gaps fill a
// column of the play area.
inline constexpr int TileSize = 100;
// The zoomed tile, centred in the layout.
inline constexpr int EnlargedTileSize = 400;
// Selection frames and framed pictures: a tile or card placed 16 px inside the picture (the
// model in the thought bubble) sits centred in it, and a frame around a tile lies 16 px out.
inline constexpr int FrameSize = 132;
inline constexpr int FrameRing = 12;
// The bar under tiles: a tile stands 15 px below its top edge and 15 px in from the start of
// a middle piece, so the bar is a tile plus 15 px all round; the middle piece repeats
// seamlessly, so tiles spaced by their own rules all sit on it.
inline constexpr int TrackHeight = 130;
inline constexpr int TrackMiddleWidth = 130;
inline constexpr int TrackEndWidth = 40;
// Two score digits, overlapping by 2 px, fit the score box.
inline constexpr int ScoreDigitWidth = 40;
inline constexpr int ScoreDigitHeight = 60;
// The score box of the backgrounds, centred where the score digits are centred.
inline constexpr double ScoreBoxCentreX = 1223.0;
inline constexpr double ScoreBoxCentreY = 546.0;
inline constexpr double ScoreBoxSize = 96.0;
// The vehicle's frames are square so every direction fits the same picture.
inline constexpr int VehicleSize = 70;

enum class FaceKind {
    Letter,    // a letter or a written grapheme
    Digit,     // "d0" ... "d9"
    Quantity,  // a number picture: "zero" ... "dziewiec" as that many dots
    Sign,      // "=", "+", "-", "<", ">", "?"
};

struct TileFace {
    FaceKind Kind = FaceKind::Letter;
    std::string Text;  // UTF-8; empty for a quantity
    int Count = 0;     // the number of a quantity
    bool Red = false;  // the "_red" variant
};

// The face of a tile by its picture name (without size suffix): a letter ("l", "sz", "zzz"
// for ź), a digit ("d7"), a number picture ("siedem"), a sign ("plus", "niewiadoma"), each
// also with "_red". Throws std::runtime_error for a name no exercise asks for.
TileFace FaceOfTile(std::string_view name);

// The Polish letter a letter file name stands for ("aa" -> "ą", "dzzz" -> "dź"), the
// reverse of the program's `LetterFileName`; nothing when the name is not one of them.
std::optional<std::string> PolishLetterOf(std::string_view fileName);

// The rotation, in cairo's sense (radians, positive turns clockwise on the screen), that
// turns the vehicle as drawn (facing up) into direction frame n: frame n faces
// n x 22.5 degrees counter-clockwise from up, so 4 faces left and 12 right.
double VehicleFrameRotation(int n);

}  // namespace datagen::game
