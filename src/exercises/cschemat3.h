#pragma once

#include <cstdint>
#include <string>

#include "exercises/bar_exercise.h"
#include "game/cwybor.h"
#include "game/exercise_host.h"

namespace exercises {

// Finding the result: the bar at the bottom shows a sum or a difference within ten as number
// pictures, a, the operation, b, "=" and a question mark in place of the result; ten answer
// tiles 0 ... 9 stand in two columns at the sides. The child brings the result.
// Tiles by number: 0 "=", 1 the operation, 2 a, 3 b, 4 the result c; tile 5 + k the answer k,
// the only ones to choose from. A tile's number is its code: the numbers 0 ... 9 and the
// signs below.
// The Polish names are explained in docs/glossary.md.
class CSchemat3 : public BarExercise {
  public:
    static constexpr int TileTotal = 15;
    static constexpr std::int32_t kEquals = -1;
    static constexpr std::int32_t kPlus = -2;
    static constexpr std::int32_t kMinus = -3;
    static constexpr std::int32_t kQuestion = -4;
    static constexpr std::int32_t kEqualsTile = 0;
    static constexpr std::int32_t kOperationTile = 1;
    static constexpr std::int32_t kFirstOperand = 2;
    static constexpr std::int32_t kSecondOperand = 3;
    static constexpr std::int32_t kResult = 4;
    static constexpr std::int32_t kFirstAnswer = 5;

    // Draws the operation and the numbers and stands the answers in their columns. Throws
    // CBlad code 1 when a picture is missing.
    CSchemat3(game::ExerciseHost& host, const game::CWybor& settings);

    // The code of the number k.
    std::int32_t NumberCode(std::int32_t k) const { return Numbers.FirstCode + k; }

  protected:
    // How a variant writes its numbers and which member it hides.
    struct Variant {
        const char* Instruction;
        // The code of the number 0, and the symbol whose picture shows it.
        std::int32_t FirstCode;
        std::int32_t FirstSymbol;
        std::int32_t Hidden;
        unsigned QuestionRetire;
    };
    CSchemat3(game::ExerciseHost& host, const game::CWybor& settings, const Variant& variant);

    std::string TileName(std::int32_t code) const override;

  private:
    Variant Numbers;
};

}  // namespace exercises
