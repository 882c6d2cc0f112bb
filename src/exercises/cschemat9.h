#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "exercises/word_picture_exercise.h"
#include "game/cwybor.h"
#include "game/exercise_host.h"
#include "pieces/ckarta.h"
#include "pieces/clitcyf.h"
#include "platform/geometry.h"

namespace exercises {

// The missing letter: a word's picture fades in beside the ear, the word is spelled with
// letter tiles on a shelf and the tile of its practised sound is missing, its place framed
// yellow. Three (level III) or five (level IV) letters lie above; the right one turns red and
// dissolves into the place, a wrong one is framed red and counts an error.
// Named "scheme 9"; the Polish names are explained in docs/glossary.md.
class CSchemat9 : public WordPictureExercise {
  public:
    // Longest word key this exercise spells, in characters.
    static constexpr std::size_t kMaxKeyLength = 6;

    // Draws the word and the letters and places them; a placement that finds no room is
    // built again with new draws. Throws CBlad code 1 for a missing picture.
    CSchemat9(game::ExerciseHost& host, const game::CWybor& settings);
    ~CSchemat9() override;

    void Show(bool on) override;
    void Restart() override;
    void Paint() override;
    // The shelf, with the letters of the word moved onto it.
    void DrawScenery() override;
    void Hint() override;
    // The word's picture and its letters stop the vehicle; letters to choose from are kind 1
    // while selectable.
    game::Hit HitTest(std::int32_t dx, std::int32_t dy) override;
    // Candidate 0 goes into the slot and solves the task; another is an error while unsolved.
    // Numbers outside the candidates are ignored.
    bool Choose(std::int32_t element, std::int32_t extra) override;
    // A random place inside the play area clear of every piece.
    platform::Point VehicleStart() override;

    const std::vector<std::unique_ptr<pieces::CLitCyf>>& GetRowTiles() const { return RowTiles; }
    const std::vector<std::unique_ptr<pieces::CLitCyf>>& GetCandidates() const {
        return Candidates;
    }
    const std::vector<platform::Point>& GetHomes() const { return HomePositions; }
    std::int32_t GetGapIndex() const { return GapIndex; }
    platform::Point GetGap() const { return {GapX, GapY}; }

  protected:
    std::int32_t ObjectCount() const override {
        return static_cast<std::int32_t>(Candidates.size());
    }
    pieces::PictureTile* PieceAt(std::int32_t n) const override;

  private:
    void Build();
    void FreePieces();
    // A top-left corner for candidate i clear of the card, the candidates before it and the
    // row. CBlad code 3 on the thousandth draw.
    platform::Point PlaceCandidate(std::size_t i) const;

    std::vector<std::unique_ptr<pieces::CLitCyf>> RowTiles;
    std::vector<std::unique_ptr<pieces::CLitCyf>> Candidates;
    std::vector<platform::Point> HomePositions;
    std::unique_ptr<pieces::CLitCyf> ReplacedAnswer;
    std::int32_t ShelfX = 0;
    std::int32_t GapIndex = -1;
    std::int32_t RowX = 0;
    std::int32_t RowY = 0;
    std::int32_t GapX = 0;
    std::int32_t GapY = 0;
};

}  // namespace exercises
