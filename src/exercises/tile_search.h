#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "exercises/search_exercise.h"
#include "game/cwybor.h"
#include "game/exercise_host.h"
#include "pieces/clitcyf.h"
#include "pieces/picture_tile.h"

namespace exercises {

// The search among nine tiles. Tile 0 is the model over the thought bubble: hidden until it
// fades in and never to be chosen, so touching it only stops the vehicle. Tiles 1 ... 4 show
// other symbols, tiles 5 ... 8 copies of the model; tile i lies in quarter (i mod 4) + 1 of
// the layout. Tile numbers are the symbols' codes.
class TileSearch : public SearchExercise {
  public:
    static constexpr int TileTotal = 9;

    ~TileSearch() override;

    // Tile index; null outside 0 ... 8.
    pieces::PictureTile* Object(std::int32_t index) const override;
    // A tile still to be found, with the model's number.
    bool Matches(std::int32_t index) const override;

    const std::vector<std::unique_ptr<pieces::CLitCyf>>& GetTiles() const { return Tiles; }
    const pieces::CLitCyf& Tile(std::int32_t index) const {
        return *Tiles.at(static_cast<size_t>(index));
    }

  protected:
    // What the types of this shape differ in, besides their draws.
    struct Rules {
        const char* Instruction;
        // The tiles' distance to the play area's right and bottom edges, in design pixels.
        double Margin;
        Clearance Room;
        bool Green;
    };

    TileSearch(game::ExerciseHost& host, const game::CWybor& settings, Rules rules);

    // Builds the tiles; the derived constructor calls it, as the draws are its own. A layout
    // that leaves no room is built again with new draws.
    void Construct();
    // The model's code.
    virtual int DrawTarget() = 0;
    // The picture name of the model.
    virtual std::string ModelName(int target) const = 0;
    // The code of one of the other tiles.
    virtual int DrawOther(int target) = 0;

    // The first touched tile still to be chosen; otherwise the last touched tile that stops
    // the vehicle; otherwise nothing.
    game::Hit HitChoosableFirst(std::int32_t dx, std::int32_t dy);

    std::int32_t ObjectCount() const override;
    pieces::PictureTile* Model() const override;
    bool GreenOnMatch() const override { return rules_.Green; }

  private:
    void Build();
    void FreeObjects();
    platform::Point PlaceTile(int i) const;
    void MakeTile(int i, platform::Point at, std::string name, int code, bool selectable);

    Rules rules_;
    std::vector<std::unique_ptr<pieces::CLitCyf>> Tiles;
};

}  // namespace exercises
