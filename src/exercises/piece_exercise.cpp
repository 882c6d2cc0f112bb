#include "exercises/piece_exercise.h"

#include <numeric>
#include <stdexcept>

#include "pieces/selection_frames.h"

using namespace pieces;

namespace exercises {

using platform::Rect;

PictureTile& PieceExercise::Piece(std::int32_t n) const {
    PictureTile* piece = PieceAt(n);
    if (piece == nullptr) {
        throw std::out_of_range("PieceExercise: no piece of this number");
    }
    return *piece;
}

Rect PieceExercise::ObjectRect(std::int32_t n) const {
    return Piece(n).ObjectRect();
}

bool PieceExercise::ObjectVisible(std::int32_t n) const {
    return Piece(n).Visible();
}

bool PieceExercise::ObjectSelectable(std::int32_t n) const {
    return Piece(n).Selectable();
}

void PieceExercise::HighlightObject(std::int32_t n, bool on) {
    if (on) {
        Piece(n).SetFrame(SelectionFrames::Orange);
    } else {
        Piece(n).RemoveFrame();
    }
}

void PieceExercise::ZoomObject(std::int32_t n) {
    Piece(n).Zoom();
}

bool PieceExercise::VehicleTouches(const Rect& vehicle, const Rect& object) const {
    return VehicleMapTouches(vehicle, object);
}

std::vector<std::int32_t> PieceExercise::ObjectScanOrder() const {
    std::vector<std::int32_t> order(static_cast<size_t>(ObjectCount()));
    std::iota(order.begin(), order.end(), 0);
    return order;
}

}  // namespace exercises
