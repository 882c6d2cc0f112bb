#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "exercises/piece_exercise.h"
#include "game/cwybor.h"
#include "game/exercise.h"
#include "game/exercise_host.h"
#include "pieces/clitcyf.h"
#include "platform/geometry.h"

namespace exercises {

// A sum or a difference of the arithmetic exercises: its operation's code and its numbers.
struct Equation {
    std::int32_t Operation = 0;
    std::int32_t A = 0;
    std::int32_t B = 0;
    std::int32_t C = 0;
};

// Whether a new task subtracts: draws rand() mod 3 until it is not 0; 1 means minus, 2 plus.
bool DrawMinus();

// The exercises that write a relation or an equation in the bar at the bottom with one member
// hidden under a question mark, and offer answer tiles above: the child brings the tile that
// belongs in the gap. It dissolves there; a wrong one is framed red and the child tries again.
// The tiles are told by number: the members of the bar first, the answers from FirstAnswer
// on. A tile's Number() is its code, and the answer is right when its code is the hidden
// tile's.
class BarExercise : public PieceExercise {
  public:
    // Where the answers stand, and with it how scanning and the vehicle's start go.
    enum class Answers {
        // A row above the bar: scanning visits the answers only, and a round ends on the
        // last of them even once it is answered; the vehicle starts between row and bar.
        Row,
        // Two columns at the sides: scanning visits every tile, skipping the fixed ones, and
        // a round ends on the last one still to choose; the vehicle starts at random.
        Columns,
    };
    // What becomes of the question mark once the task is solved (a restart undoes it).
    // Either way Paint no longer draws it once the task is solved.
    enum QuestionRetire : unsigned { Disable = 1, Hide = 2 };

    struct Shape {
        std::int32_t TileTotal = 0;
        std::int32_t FirstAnswer = 0;
        // The tile the question mark covers.
        std::int32_t Hidden = 0;
        // The left edge of the bar, design pixels, and the tile in each of its middle pieces.
        int BarLeft = 0;
        std::vector<std::int32_t> InBar;
        Answers Place = Answers::Row;
        unsigned QuestionRetire = Disable | Hide;
    };

    ~BarExercise() override;

    // Switches the enabled state of every tile, the question mark and the instruction picture.
    void Show(bool on) override;
    // The answered tile back to its place, the question mark back in the gap, a new attempt.
    void Restart() override;
    void Paint() override;
    // The bar; the members go into its middle pieces and the question mark onto the hidden one.
    void DrawScenery() override;
    bool ScanNext() override;
    // Frames the right answer in blue while the task is unsolved.
    void Hint() override;
    // Like the base, but a selectable tile touched wins over a fixed one touched before it.
    // The question mark is not tested.
    game::Hit HitTest(std::int32_t dx, std::int32_t dy) override;
    // The right answer goes into the gap and solves the task; another one is an error while
    // the task is unsolved. Anything but a selectable answer is ignored.
    bool Choose(std::int32_t element, std::int32_t extra) override;
    platform::Point VehicleStart() override;
    // The first selectable tile the vehicle is near, if any.
    std::optional<std::int32_t> ObjectUnderVehicle() const;

    const std::vector<std::unique_ptr<pieces::CLitCyf>>& GetTiles() const { return Tiles; }
    const pieces::CLitCyf& Tile(std::int32_t index) const {
        return *Tiles.at(static_cast<size_t>(index));
    }
    const pieces::CLitCyf& GetQuestionTile() const { return *QuestionTile; }
    // Where each tile and, last, the question mark returns to on a restart.
    const std::vector<platform::Point>& GetHomes() const { return HomePositions; }
    const Shape& GetShape() const { return Layout; }

  protected:
    BarExercise(game::ExerciseHost& host, const game::CWybor& settings, Shape shape);

    // The tile picture of a code.
    virtual std::string TileName(std::int32_t code) const = 0;
    // Creates tile n (once) with the picture of its code.
    void MakeTile(std::int32_t n, platform::Point at, std::int32_t code, bool selectable);
    // Creates the question mark with the yellow frame; the other frames are loaded too.
    void MakeQuestionTile(platform::Point at, std::int32_t code);
    // Records where the answers stand now as their homes.
    void RecordAnswerHomes();
    // The corner of the answer row and the provisional gap's top, which the vehicle starts
    // between (Answers::Row).
    platform::Point RowCorner;
    std::int32_t GapY = 0;

    std::int32_t ObjectCount() const override { return Layout.TileTotal; }
    pieces::PictureTile* PieceAt(std::int32_t n) const override { return At(n); }
    std::vector<std::int32_t> ObjectScanOrder() const override;

    std::vector<std::unique_ptr<pieces::CLitCyf>> Tiles;
    std::unique_ptr<pieces::CLitCyf> QuestionTile;
    std::vector<platform::Point> HomePositions;

  private:
    pieces::CLitCyf* At(std::int32_t n) const;

    Shape Layout;
};

}  // namespace exercises
