#include "exercises/cschemat5.h"

#include <string>

#include "catalog/resource_names.h"
#include "catalog/screen_geometry.h"
#include "media/random.h"

using namespace catalog;
using namespace media;
using namespace pieces;

namespace exercises {

namespace {

// The row of signs and its spacing, in design pixels.
constexpr int kRowX = 420;
constexpr int kRowY = 189;
constexpr int kRowStep = 150;
// The provisional gap: this far above the bottom edge, one row step right of the row.
constexpr int kGapLift = 10;
// The digits keep this far from the gap.
constexpr int kDigitGap = 25;
// The bar's left edge.
constexpr int kBarLeft = 365;

// A number from 1 to k: zero is drawn again.
std::int32_t DrawFrom1To(std::int32_t k) {
    std::int32_t r = 0;
    while (r == 0) {
        r = Random() % (k + 1);
    }
    return r;
}

// The sign of the task and its two digits.
struct Task {
    std::int32_t Sign;
    std::int32_t Left;
    std::int32_t Right;
};

Task DrawTask() {
    std::int32_t relation = 0;
    while (relation == 0) {
        relation = Random() % 4;
    }
    if (relation == 1) {
        const std::int32_t e = DrawFrom1To(9);
        return {CSchemat5::kLess, e - 1, e - 1 + DrawFrom1To(10 - e)};
    }
    if (relation == 2) {
        const std::int32_t e = DrawFrom1To(9);
        return {CSchemat5::kGreater, e, DrawFrom1To(e) - 1};
    }
    const std::int32_t e = DrawFrom1To(10);
    return {CSchemat5::kEquals, e - 1, e - 1};
}

}  // namespace

CSchemat5::CSchemat5(game::ExerciseHost& host, const game::CWybor& settings)
    : BarExercise(host, settings,
                  {.TileTotal = TileTotal,
                   .FirstAnswer = kFirstAnswer,
                   .Hidden = kSignTile,
                   .BarLeft = kBarLeft,
                   .InBar = {kLeftDigit, kSignTile, kRightDigit},
                   .Place = Answers::Row,
                   .QuestionRetire = Disable | Hide}) {
    InstructionName = "S5";
    const ScreenGeometry& g = Geometry();
    RowCorner = {g.MapX(kRowX), g.MapY(kRowY)};
    const Task task = DrawTask();
    MakeTile(kSignTile, {0, 0}, task.Sign, false);
    const CLitCyf& sign = *Tiles[kSignTile];
    GapY = static_cast<std::int32_t>(g.LayoutRect.Top + g.DesignHeight -
                                     sign.ObjectRect().Height() - kGapLift * g.LayoutScale);
    const std::int32_t gapX = RowCorner.X + g.MapLength(kRowStep);
    Tiles[kSignTile]->MoveTo({gapX, GapY});
    const std::int32_t digitOffset = sign.ObjectRect().Width() + g.MapLength(kDigitGap);
    MakeTile(kLeftDigit, {gapX - digitOffset, GapY}, kFirstDigit + task.Left, false);
    MakeTile(kRightDigit, {gapX + digitOffset, GapY}, kFirstDigit + task.Right, false);
    const std::int32_t signs[] = {kEquals, kLess, kGreater};
    for (std::int32_t i = 0; i < 3; ++i) {
        MakeTile(kFirstAnswer + i, {RowCorner.X + g.MapLength(kRowStep * i), RowCorner.Y}, signs[i],
                 true);
    }
    MakeQuestionTile({gapX, GapY}, kQuestion);
    for (std::int32_t i = 0; i < kFirstAnswer; ++i) {
        const platform::Rect& r = Tiles[static_cast<size_t>(i)]->ObjectRect();
        HomePositions[static_cast<size_t>(i)] = {r.Left, r.Top};
    }
    HomePositions[TileTotal] = {gapX, GapY};
    RecordAnswerHomes();
}

std::string CSchemat5::TileName(std::int32_t code) const {
    switch (code) {
        case kGreater:
            return std::string(RelationSignTiles[0]);
        case kLess:
            return std::string(RelationSignTiles[1]);
        case kEquals:
        case kQuestion:
            return std::string(SymbolName(code));
        default:
            return std::string(SymbolName(FirstDigitCode + code - kFirstDigit));
    }
}

}  // namespace exercises
