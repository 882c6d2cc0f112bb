#include "exercises/cschemat3.h"

#include "catalog/resource_names.h"
#include "catalog/screen_geometry.h"
#include "media/random.h"

using namespace catalog;
using namespace media;

namespace exercises {

namespace {

// The answer columns, their common top and the gap between two tiles, in design pixels.
constexpr int kColumnX[] = {190, 950};
constexpr int kColumnTop = 138;
constexpr int kColumnGap = 25;
constexpr int kPerColumn = 5;
// The bar's left edge.
constexpr int kBarLeft = 265;

// A number from 0 to n - 1 where 0 is drawn once again: 0 stays only when both draws give it.
std::int32_t DrawTwice(std::int32_t n) {
    const std::int32_t first = Random() % n;
    return first != 0 ? first : Random() % n;
}

// A sum or a difference within ten.
Equation DrawTask() {
    const bool minus = DrawMinus();
    const std::int32_t a = DrawTwice(10);
    if (minus) {
        const std::int32_t b = a == 0 ? 0 : DrawTwice(a + 1);
        return {CSchemat3::kMinus, a, b, a - b};
    }
    const std::int32_t b = a == 9 ? 0 : DrawTwice(9 - a);
    return {CSchemat3::kPlus, a, b, a + b};
}

}  // namespace

CSchemat3::CSchemat3(game::ExerciseHost& host, const game::CWybor& settings)
    : CSchemat3(host, settings,
                {.Instruction = "S3",
                 .FirstCode = 0,
                 .FirstSymbol = FirstNumberWordCode,
                 .Hidden = kResult,
                 .QuestionRetire = Disable}) {}

CSchemat3::CSchemat3(game::ExerciseHost& host, const game::CWybor& settings, const Variant& variant)
    : BarExercise(host, settings,
                  {.TileTotal = TileTotal,
                   .FirstAnswer = kFirstAnswer,
                   .Hidden = variant.Hidden,
                   .BarLeft = kBarLeft,
                   .InBar = {kFirstOperand, kOperationTile, kSecondOperand, kEqualsTile, kResult},
                   .Place = Answers::Columns,
                   .QuestionRetire = variant.QuestionRetire}),
      Numbers(variant) {
    InstructionName = variant.Instruction;
    const ScreenGeometry& g = Geometry();
    // The members wait at the layout's corner until the bar takes them in.
    const platform::Point corner{g.LayoutRect.Left, g.LayoutRect.Top};
    MakeTile(kEqualsTile, corner, kEquals, false);
    const Equation task = DrawTask();
    MakeTile(kOperationTile, corner, task.Operation, false);
    MakeTile(kFirstOperand, corner, NumberCode(task.A), false);
    MakeTile(kSecondOperand, corner, NumberCode(task.B), false);
    MakeTile(kResult, corner, NumberCode(task.C), false);
    const double pitch = Tiles[kEqualsTile]->ObjectRect().Width() + kColumnGap * g.LayoutScale;
    for (std::int32_t column = 0; column < 2; ++column) {
        std::int32_t top = g.MapY(kColumnTop);
        for (std::int32_t row = 0; row < kPerColumn; ++row) {
            const std::int32_t k = column * kPerColumn + row;
            MakeTile(kFirstAnswer + k, {g.MapX(kColumnX[column]), top}, NumberCode(k), true);
            top = static_cast<std::int32_t>(top + pitch);
        }
    }
    MakeQuestionTile(corner, kQuestion);
    RecordAnswerHomes();
}

std::string CSchemat3::TileName(std::int32_t code) const {
    if (code < 0) {
        return std::string(SymbolName(code));
    }
    return std::string(SymbolName(code - Numbers.FirstCode + Numbers.FirstSymbol));
}

}  // namespace exercises
