#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "exercises/word_picture_exercise.h"
#include "game/cwybor.h"
#include "game/exercise_host.h"
#include "pieces/clitcyf.h"
#include "platform/geometry.h"

namespace exercises {

// Word building: a word's picture fades in on the ear, the letters of the word lie about the
// play area in green frames (the letter of the practised sound red), and a shelf below has a
// place, framed green, for every letter. The child takes the letters in the order of the
// word; each right one dissolves into the next place, a wrong one is framed red and counts an
// error. The last letter on the shelf solves the task.
// Named "scheme 10"; the Polish names are explained in docs/glossary.md.
class CSchemat10 : public WordPictureExercise {
  public:
    // Longest key of a word whose practised sound is written with one letter, and of one
    // whose practised sound is written with more.
    static constexpr std::size_t kMaxKeyOneLetterSound = 5;
    static constexpr std::size_t kMaxKeyLongerSound = 6;

    // Draws the word and places its letters; a placement that finds no room is built again
    // with a new word. Throws CBlad code 1 for a missing picture, code 9 when no word of the
    // selected sounds fits.
    CSchemat10(game::ExerciseHost& host, const game::CWybor& settings);
    ~CSchemat10() override;

    void Restart() override;
    // Frames the places of the shelf green while the word is unfinished, then every piece.
    void Paint() override;
    // The shelf under the places.
    void DrawScenery() override;
    // Frames blue a letter that may come next.
    void Hint() override;
    // A letter showing the expected one goes to the next place; another is an error while
    // unsolved. Letters on the shelf and numbers outside the letters are ignored.
    bool Choose(std::int32_t element, std::int32_t extra) override;
    platform::Point VehicleStart() override;

    // The letters in the order of the word.
    const std::vector<std::unique_ptr<pieces::CLitCyf>>& GetTiles() const { return Tiles; }
    const std::vector<platform::Point>& GetHomes() const { return HomePositions; }
    // 1-based position in the word of the letter to take next.
    std::int32_t GetNextLetter() const { return NextLetter; }
    // The top-left corner of the next free place.
    platform::Point GetSlot() const { return {SlotX, SlotY}; }
    std::int32_t GetRowStartX() const { return RowStartX; }

  protected:
    std::int32_t ObjectCount() const override { return static_cast<std::int32_t>(Tiles.size()); }
    pieces::PictureTile* PieceAt(std::int32_t n) const override;

  private:
    void Build();
    void FreePieces();
    // Adds a selectable letter, framed green, at a place drawn for it.
    void AddTile(const std::string& name);
    // A top-left corner for tile k clear of the tiles before it and of the word's picture.
    // CBlad code 3 on the thousandth draw.
    platform::Point PlaceTile(std::size_t k) const;

    std::int32_t SlotX = 0;
    std::int32_t SlotY = 0;
    std::int32_t RowStartX = 0;
    std::vector<std::unique_ptr<pieces::CLitCyf>> Tiles;
    std::vector<platform::Point> HomePositions;
    std::int32_t NextLetter = 1;
};

}  // namespace exercises
