#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "exercises/csuper_schemat.h"
#include "exercises/piece_exercise.h"
#include "game/cwybor.h"
#include "game/exercise_host.h"
#include "pieces/clitcyf.h"
#include "platform/geometry.h"

namespace exercises {

// Putting six tiles in order: the tiles lie scattered over the play area and a track of six
// places runs along the bottom of the layout. The first place holds the smallest symbol
// (ascending) or the largest one (descending); the child picks the others one by one, each
// time the next in order. A right tile dissolves into the next free place, a wrong one is
// framed red. The number and the letter ordering differ only in their rules.
class OrderingExercise : public PieceExercise {
  public:
    static constexpr std::int32_t kTileCount = 6;

    // What an ordering type chooses for itself.
    struct Rules {
        // The instruction is this followed by "a" (ascending) or "b" (descending).
        const char* InstructionPrefix;
        // Random symbols are drawn from 0 ... SymbolCount - 1.
        int SymbolCount;
        // A consecutive run starts at 1 ... ConsecutiveStarts.
        int ConsecutiveStarts;
        // The tile picture of a symbol.
        std::string (*TileName)(int symbol);
        // Where the track is taken to be while the tiles are placed (before it is drawn),
        // from the picture of the first tile made.
        platform::Point (*ProvisionalSlot)(const platform::Rect& firstTile);
        // The top of a placed tile stays above this line, given the provisional slot.
        std::int32_t (*PlacementBottom)(platform::Point slot, const platform::Rect& firstTile);
        // Whether solving stops the timing of the attempt at once (else it runs on until the
        // game form leaves the exercise).
        bool StopsTimingWhenSolved;
        // Whether the vehicle's start keeps its size times the layout scale from the right
        // and bottom edges of the play area (else its whole size).
        bool ScalesVehicleStartRoom;
    };

    ~OrderingExercise() override;

    void Show(bool on) override;
    // The same symbols at the same home places, the starting tile back on the track.
    void Restart() override;
    void Paint() override;
    // The track; on the first call after creation or a restart it also puts the starting
    // tile on the first place.
    void DrawScenery() override;
    void Hint() override;
    // Tile number `element`: the expected one moves onto the track, any other is an error.
    // True when this choice put the last tile in place. A number outside the tiles, or any
    // choice once the task is solved, changes nothing.
    bool Choose(std::int32_t element, std::int32_t extra) override;
    // A random place in the play area, clear of every tile.
    platform::Point VehicleStart() override;
    // The first selectable tile the vehicle touches, if any.
    std::optional<std::int32_t> ObjectUnderVehicle() const;

    bool GetAscending() const { return Ascending; }
    bool GetRandomNumbers() const { return RandomNumbers; }
    // Index of the tile that must come next; outside 0 ... 5 once solved.
    std::int32_t GetExpected() const { return Expected; }
    // The symbols of the tiles, in ascending order: tile i shows Numbers[i].
    const std::vector<std::int32_t>& GetNumbers() const { return Numbers; }
    const pieces::CLitCyf& Tile(std::int32_t i) const { return *Tiles.at(static_cast<size_t>(i)); }
    platform::Point HomePosition(std::int32_t i) const {
        return HomePositions.at(static_cast<size_t>(i));
    }
    // The top-left corner of the next free place on the track.
    platform::Point GetSlot() const { return {SlotX, SlotY}; }
    // The tile that starts on the track: the smallest when ascending, else the largest.
    std::int32_t StartingTile() const { return Ascending ? 0 : kTileCount - 1; }

  protected:
    // Draws the symbols and places the tiles; a layout that leaves no room is built again
    // with new draws. Throws CBlad code 1 when a picture is missing.
    OrderingExercise(game::ExerciseHost& host, const game::CWybor& settings, bool ascending,
                     bool randomNumbers, const Rules& rules);

    std::int32_t ObjectCount() const override { return static_cast<std::int32_t>(Tiles.size()); }
    pieces::PictureTile* PieceAt(std::int32_t n) const override { return TileAt(n); }
    // Unlike the other piece exercises, the tiles are touched by the vehicle's rectangle and
    // scanned by their left edge.
    bool VehicleTouches(const platform::Rect& vehicle,
                        const platform::Rect& object) const override {
        return CSuperSchemat::VehicleTouches(vehicle, object);
    }
    std::vector<std::int32_t> ObjectScanOrder() const override {
        return CSuperSchemat::ObjectScanOrder();
    }

  private:
    void Build();
    void FreeObjects();
    // Symbol i: a random one no tile has yet, or the next of a consecutive run.
    std::int32_t DrawNumber(std::int32_t i) const;
    // Sorts the tiles by their symbols, smallest first.
    void SortTiles();
    // Takes the starting tile out of the choice and expects its neighbour.
    void SetStartingTile();
    // A random top-left corner for tile k in its quarter of the layout, above bottom and
    // with room for the vehicle around the tiles placed before it. CBlad code 3 on the
    // thousandth draw.
    platform::Point PlaceTile(std::int32_t k, std::int32_t bottom) const;
    // The tile of a number the game form passed, or null for a number outside the tiles.
    pieces::CLitCyf* TileAt(std::int32_t n) const;

    Rules rules_;
    bool FirstScenery = true;
    std::int32_t SlotX = 0;
    std::int32_t SlotY = 0;
    std::vector<std::unique_ptr<pieces::CLitCyf>> Tiles;
    std::vector<platform::Point> HomePositions;
    std::int16_t Expected = 0;
    std::vector<std::int32_t> Numbers;
    bool Ascending;
    bool RandomNumbers;
};

}  // namespace exercises
