#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "exercises/csuper_schemat.h"
#include "game/cwybor.h"
#include "game/exercise_host.h"
#include "pieces/clitcyf.h"
#include "platform/geometry.h"

namespace exercises {

// Comparing numbers: a bar at the bottom shows a digit, a question mark and a digit; above
// it a row offers the signs "=", "<" and ">". The child brings the sign that belongs in the
// gap; it dissolves there, a wrong one is framed red and the child tries again.
// Tiles by number: 0 the right sign, hidden under the question mark; 1 and 2 the left and
// right digit; 3 "=", 4 "<", 5 ">", the only ones to choose from. A tile's number is its
// code: the digits 10 ... 19, the signs below.
// The Polish names are explained in docs/glossary.md.
class CSchemat5 : public CSuperSchemat {
  public:
    static constexpr int TileTotal = 6;
    static constexpr std::int32_t kEquals = -1;
    static constexpr std::int32_t kGreater = -2;
    static constexpr std::int32_t kLess = -3;
    static constexpr std::int32_t kQuestion = -4;
    static constexpr std::int32_t kFirstDigit = 10;
    static constexpr std::int32_t kSignTile = 0;
    static constexpr std::int32_t kLeftDigit = 1;
    static constexpr std::int32_t kRightDigit = 2;
    static constexpr std::int32_t kFirstAnswer = 3;

    // Draws the relation and two digits that obey it and lays out the row of signs. Throws
    // CBlad code 1 when a picture is missing.
    CSchemat5(game::ExerciseHost& host, const game::CWybor& settings);
    ~CSchemat5() override;

    void Show(bool on) override;
    // The answered sign back to the row, the question mark back in the gap, a new attempt.
    void Restart() override;
    void Paint() override;
    // The bar with three middle pieces; the digits, the hidden sign and the question mark go
    // into them.
    void DrawScenery() override;
    // The standard step, but a round ends on the last sign of the row even when it is the
    // one answered: after ">" was answered no step ends a round.
    bool ScanNext() override;
    // Frames the right sign in blue while the task is unsolved.
    void Hint() override;
    // Like the base, but a selectable tile touched wins over a fixed one touched before it.
    game::Hit HitTest(std::int32_t dx, std::int32_t dy) override;
    // The right sign goes into the gap and solves the task; another one is an error while the
    // task is unsolved. Anything but a selectable sign of the row is ignored.
    bool Choose(std::int32_t element, std::int32_t extra) override;
    // Between the row of signs and the bar.
    platform::Point VehicleStart() override;
    // The first selectable sign the vehicle is near, if any.
    std::optional<std::int32_t> ObjectUnderVehicle() const;

    const std::vector<std::unique_ptr<pieces::CLitCyf>>& GetTiles() const { return Tiles; }
    const pieces::CLitCyf& Tile(std::int32_t index) const {
        return *Tiles.at(static_cast<size_t>(index));
    }
    const pieces::CLitCyf& GetQuestionTile() const { return *QuestionTile; }
    // Where each tile and, last, the question mark stands at the start.
    const std::array<platform::Point, TileTotal + 1>& GetHomes() const { return HomePositions; }

  protected:
    std::int32_t ObjectCount() const override { return TileTotal; }
    platform::Rect ObjectRect(std::int32_t n) const override;
    bool ObjectVisible(std::int32_t n) const override;
    bool ObjectSelectable(std::int32_t n) const override;
    void HighlightObject(std::int32_t n, bool on) override;
    void ZoomObject(std::int32_t n) override;
    // The signs of the row, as they stand from left to right.
    std::vector<std::int32_t> ObjectScanOrder() const override;
    bool VehicleTouches(const platform::Rect& vehicle, const platform::Rect& object) const override;

  private:
    pieces::CLitCyf* At(std::int32_t n) const;
    void MakeTile(std::int32_t n, platform::Point at, std::int32_t code, bool selectable);

    std::vector<std::unique_ptr<pieces::CLitCyf>> Tiles;
    std::unique_ptr<pieces::CLitCyf> QuestionTile;
    std::array<platform::Point, TileTotal + 1> HomePositions{};
    std::int32_t RowX = 0;
    std::int32_t RowY = 0;
    std::int32_t GapX = 0;
    std::int32_t GapY = 0;
};

}  // namespace exercises
