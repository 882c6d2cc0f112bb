#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "exercises/piece_exercise.h"
#include "game/cwybor.h"
#include "game/exercise_host.h"
#include "pieces/ckarta.h"
#include "platform/geometry.h"

namespace exercises {

// Completing the theme row: four cards of one word group's theme stand in a row that ends in
// an empty place framed yellow; a column of five cards beside it holds one more word of the
// theme and four from outside it. The right card dissolves into the empty place; a wrong one
// is framed red and counts an error. The instruction picture is the thought bubble.
// Named "scheme 2.1"; the Polish names are explained in docs/glossary.md.
class CSchemat2_1 : public PieceExercise {
  public:
    static constexpr std::int32_t kRowCount = 4;
    static constexpr std::int32_t kCardCount = 9;

    // Chooses a word group of the level and sound groups, its answer word, the row and the
    // column. Only levels II and III have an answer word: other levels throw
    // std::invalid_argument. Throws CBlad code 9 when the group's lists cannot give the
    // words, code 1 when a picture is missing.
    CSchemat2_1(game::ExerciseHost& host, const game::CWybor& settings);
    ~CSchemat2_1() override;

    void Show(bool on) override;
    // The answer card back to its place in the column, the row's place empty, a new attempt.
    void Restart() override;
    // The empty place always shows its yellow frame, under the answer card once it lies there.
    void Paint() override;
    // Frames the answer card blue; every call counts a hint.
    void Hint() override;
    // The answer card goes into the row and solves the task; any other column card is an
    // error while the task is unsolved. Cards that are not selectable and numbers outside the
    // cards are ignored.
    bool Choose(std::int32_t element, std::int32_t extra) override;
    // Right of the lowest card of the column, level with its top.
    platform::Point VehicleStart() override;
    // The first selectable card the vehicle is near, if any.
    std::optional<std::int32_t> ObjectUnderVehicle() const;

    // Cards 0 ... 3 are the row left to right, 4 ... 8 the column top to bottom.
    const pieces::CKarta& Card(std::int32_t n) const { return *Cards.at(static_cast<size_t>(n)); }
    std::int32_t GetAnswerIndex() const { return AnswerIndex; }
    std::int32_t GetGroup() const { return Group; }
    platform::Point GetSlot() const { return {SlotX, SlotY}; }
    platform::Point GetAnswerHome() const { return {AnswerHomeX, AnswerHomeY}; }

  protected:
    // Scanning goes by index: the row is skipped as never selectable, so the highlight runs
    // down the column.
    std::int32_t ObjectCount() const override { return kCardCount; }
    pieces::PictureTile* PieceAt(std::int32_t n) const override { return CardAt(n); }

  private:
    pieces::CKarta* CardAt(std::int32_t n) const;
    pieces::CKarta& Answer() const { return *Cards[static_cast<size_t>(AnswerIndex)]; }

    std::vector<std::unique_ptr<pieces::CKarta>> Cards;
    std::int32_t AnswerHomeX = 0;
    std::int32_t AnswerHomeY = 0;
    std::int32_t SlotX = 0;
    std::int32_t SlotY = 0;
    std::int16_t AnswerIndex = 0;
    std::int32_t Group = -1;
};

}  // namespace exercises
