#pragma once

#include <cstdint>
#include <vector>

#include "exercises/csuper_schemat.h"
#include "game/cwybor.h"
#include "game/exercise_host.h"
#include "pieces/picture_tile.h"
#include "platform/geometry.h"

namespace exercises {

// The exercises whose objects are a fixed list of cards or tiles told by their index: the
// scanning hooks look at the pieces themselves, the highlight is the orange frame, the
// scanning order is the index order and the vehicle touches a piece by its shape.
class PieceExercise : public CSuperSchemat {
  protected:
    PieceExercise(game::ExerciseHost& host, const game::CWybor& settings)
        : CSuperSchemat(host, settings) {}

    // The piece of a number, or null for a number outside the pieces.
    virtual pieces::PictureTile* PieceAt(std::int32_t n) const = 0;

    platform::Rect ObjectRect(std::int32_t n) const override;
    bool ObjectVisible(std::int32_t n) const override;
    bool ObjectSelectable(std::int32_t n) const override;
    // Orange while highlighted; leaving a piece takes its frame away.
    void HighlightObject(std::int32_t n, bool on) override;
    void ZoomObject(std::int32_t n) override;
    bool VehicleTouches(const platform::Rect& vehicle, const platform::Rect& object) const override;
    // The pieces by index, not by position.
    std::vector<std::int32_t> ObjectScanOrder() const override;

  private:
    // The hooks are only asked about numbers below ObjectCount().
    pieces::PictureTile& Piece(std::int32_t n) const;
};

}  // namespace exercises
