#pragma once

#include <string_view>

#include "datagen.h"
#include "game_faces.h"

// The drawing routines behind MakeGamePictures, one file per kind of picture. Each returns a
// picture of the size its layout needs (1 = 1024x768, 4 = 1280x960) and throws
// std::runtime_error for something it cannot draw.
namespace datagen::game {

// tiles.cpp: opaque tiles for the tile library (an enlarged tile is the same at its size),
// selection frames with pure white as the key colour, transparent score digits.
Surface DrawTile(const TileFace& face, int size);
Surface DrawSelectionFrame(std::string_view colour, int layout);
Surface DrawScoreDigit(int digit, int layout);

// scenes.cpp: the three exercise backgrounds with their score box, the transparent bar
// pieces ("lewo", "srodek", "prawo") and framed pictures ("sluch", "mysl", "niewiadoma").
Surface DrawExerciseBackground(int number, int layout);
Surface DrawTrackPiece(std::string_view piece, int layout);
Surface DrawFramedPicture(std::string_view name, int layout);

// vehicle.cpp: direction frame n (transparent) and the collision map (black on white).
Surface DrawVehicleFrame(int n, int layout);
Surface DrawVehicleMap(int layout);

}  // namespace datagen::game
