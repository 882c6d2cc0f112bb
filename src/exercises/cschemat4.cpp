#include "exercises/cschemat4.h"

#include "catalog/resource_names.h"
#include "catalog/screen_geometry.h"
#include "media/random.h"

using namespace catalog;
using namespace media;

namespace exercises {

namespace {

// The row of answers, in design pixels.
constexpr int kRowX = 325;
constexpr int kRowY = 189;
constexpr int kMinusX = 290;
// The provisional gap: this far above the bottom edge and right of the layout's middle.
constexpr int kGapLift = 10;
constexpr int kGapRight = 25;
// Before the bar takes them in, the members stand one tile and this much apart.
constexpr int kMemberGap = 25;
// The bar's left edge.
constexpr int kBarLeft = 265;

// A sum or a difference within ten without a zero operand.
Equation DrawTask() {
    if (DrawMinus()) {
        const std::int32_t a = Random() % 9 + 1;
        const std::int32_t b = a != 1 ? Random() % (a - 1) + 1 : 1;
        return {CSchemat4::kMinus, a, b, a - b};
    }
    const std::int32_t a = Random() % 8 + 1;
    const std::int32_t b = a != 8 ? Random() % (8 - a) + 1 : 1;
    return {CSchemat4::kPlus, a, b, a + b};
}

}  // namespace

CSchemat4::CSchemat4(game::ExerciseHost& host, const game::CWybor& settings)
    : BarExercise(host, settings,
                  {.TileTotal = TileTotal,
                   .FirstAnswer = kPlusTile,
                   .Hidden = kOperationTile,
                   .BarLeft = kBarLeft,
                   .InBar = {kFirstOperand, kOperationTile, kSecondOperand, kEqualsTile, kResult},
                   .Place = Answers::Row,
                   .QuestionRetire = Hide}) {
    // Only level IV draws this type; its instruction is the level's variant.
    InstructionName = "S4a";
    const ScreenGeometry& g = Geometry();
    RowCorner = {g.MapX(kRowX), g.MapY(kRowY)};
    MakeTile(kEqualsTile, {0, 0}, kEquals, false);
    const platform::Rect& equals = Tiles[kEqualsTile]->ObjectRect();
    const std::int32_t w = equals.Width();
    GapY = static_cast<std::int32_t>(g.LayoutRect.Top + g.DesignHeight - equals.Height() -
                                     kGapLift * g.LayoutScale);
    const auto gapX = static_cast<std::int32_t>(g.LayoutRect.Left + g.DesignWidth / 2 +
                                                kGapRight * g.LayoutScale);
    Tiles[kEqualsTile]->MoveTo({gapX, GapY});
    const Equation task = DrawTask();
    const auto operationX =
        static_cast<std::int32_t>(gapX - 2 * w - 2 * kMemberGap * g.LayoutScale);
    MakeTile(kOperationTile, {operationX, GapY}, task.Operation, false);
    // a, b and c every other place, around the operation and "=".
    const std::int32_t numbers[] = {task.A, task.B, task.C};
    auto x = static_cast<std::int32_t>(gapX - 3 * w - 3 * kMemberGap * g.LayoutScale);
    for (std::int32_t i = 0; i < 3; ++i) {
        MakeTile(kFirstOperand + i, {x, GapY}, numbers[i], false);
        x = static_cast<std::int32_t>(x + 2 * w + 2 * kMemberGap * g.LayoutScale);
    }
    MakeTile(kPlusTile, RowCorner, kPlus, true);
    MakeTile(kMinusTile, {RowCorner.X + g.MapLength(kMinusX), RowCorner.Y}, kMinus, true);
    MakeQuestionTile({operationX, GapY}, kQuestion);
    RecordAnswerHomes();
}

std::string CSchemat4::TileName(std::int32_t code) const {
    switch (code) {
        case kEquals:
            return std::string(SymbolName(-1));
        case kPlus:
            return std::string(SymbolName(-2));
        case kMinus:
            return std::string(SymbolName(-3));
        case kQuestion:
            return std::string(SymbolName(-4));
        default:
            return std::string(SymbolName(FirstNumberWordCode + code));
    }
}

}  // namespace exercises
