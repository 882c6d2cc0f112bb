#include "exercises/cschemat5.h"

#include <string>
#include <utility>

#include "catalog/resource_names.h"
#include "catalog/screen_geometry.h"
#include "exercises/shelf.h"
#include "media/random.h"
#include "pieces/selection_frames.h"

using namespace catalog;
using namespace media;
using namespace pieces;

namespace exercises {

using platform::Point;
using platform::Rect;

namespace {

// The row of signs and its spacing, in design pixels.
constexpr int kRowX = 420;
constexpr int kRowY = 189;
constexpr int kRowStep = 150;
// The provisional gap: this far above the bottom edge, one row step right of the row.
constexpr int kGapLift = 10;
// The digits keep this far from the gap.
constexpr int kDigitGap = 25;
// Where the vehicle starts, right of the row's left edge.
constexpr int kVehicleX = 145;
// The bar and where a tile lies in one of its middle pieces.
constexpr int kBarLeft = 365;
constexpr int kBarMiddles = 3;
constexpr int kInBarX = 5;
constexpr int kInBarY = 15;

std::string TileName(std::int32_t code) {
    switch (code) {
        case CSchemat5::kGreater:
            return std::string(RelationSignTiles[0]);
        case CSchemat5::kLess:
            return std::string(RelationSignTiles[1]);
        case CSchemat5::kEquals:
        case CSchemat5::kQuestion:
            return std::string(SymbolName(code));
        default:
            return std::string(SymbolName(FirstDigitCode + code - CSchemat5::kFirstDigit));
    }
}

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
    : CSuperSchemat(host, settings) {
    CreateInstructionPicture("mysl");
    InstructionName = "S5";
    Tiles.resize(TileTotal);
    const ScreenGeometry& g = Geometry();
    RowX = g.MapX(kRowX);
    RowY = g.MapY(kRowY);
    const Task task = DrawTask();
    MakeTile(kSignTile, {0, 0}, task.Sign, false);
    CLitCyf::LoadFrames(0);
    const std::int32_t signWidth = Tiles[kSignTile]->ObjectRect().Width();
    GapY = static_cast<std::int32_t>(g.LayoutRect.Top + g.DesignHeight -
                                     Tiles[kSignTile]->ObjectRect().Height() -
                                     kGapLift * g.LayoutScale);
    GapX = RowX + g.MapLength(kRowStep);
    Tiles[kSignTile]->MoveTo({GapX, GapY});
    const std::int32_t digitOffset = signWidth + g.MapLength(kDigitGap);
    MakeTile(kLeftDigit, {GapX - digitOffset, GapY}, kFirstDigit + task.Left, false);
    MakeTile(kRightDigit, {GapX + digitOffset, GapY}, kFirstDigit + task.Right, false);
    const std::int32_t signs[] = {kEquals, kLess, kGreater};
    for (std::int32_t i = 0; i < 3; ++i) {
        MakeTile(kFirstAnswer + i, {RowX + g.MapLength(kRowStep * i), RowY}, signs[i], true);
    }
    QuestionTile = std::make_unique<CLitCyf>(Host.HostForm(), Host.Context(), Point{GapX, GapY},
                                             TileName(kQuestion), false, kQuestion, 0);
    CLitCyf::LoadFrames(1);
    // Drawn with the tile once the exercise is painted.
    QuestionTile->SetFrameStyle(SelectionFrames::Yellow);
    for (std::int32_t i = 0; i < TileTotal; ++i) {
        const Rect& r = Tiles[static_cast<size_t>(i)]->ObjectRect();
        HomePositions[static_cast<size_t>(i)] = {r.Left, r.Top};
    }
    HomePositions[TileTotal] = {GapX, GapY};
}

CSchemat5::~CSchemat5() = default;

void CSchemat5::MakeTile(std::int32_t n, Point at, std::int32_t code, bool selectable) {
    Tiles[static_cast<size_t>(n)] = std::make_unique<CLitCyf>(Host.HostForm(), Host.Context(), at,
                                                              TileName(code), selectable, code, 0);
}

CLitCyf* CSchemat5::At(std::int32_t n) const {
    if (n < 0 || n >= TileTotal) {
        return nullptr;
    }
    return Tiles[static_cast<size_t>(n)].get();
}

Rect CSchemat5::ObjectRect(std::int32_t n) const {
    const CLitCyf* tile = At(n);
    return tile != nullptr ? tile->ObjectRect() : Rect{};
}

bool CSchemat5::ObjectVisible(std::int32_t n) const {
    const CLitCyf* tile = At(n);
    return tile != nullptr && tile->Visible();
}

bool CSchemat5::ObjectSelectable(std::int32_t n) const {
    const CLitCyf* tile = At(n);
    return tile != nullptr && tile->Selectable();
}

void CSchemat5::HighlightObject(std::int32_t n, bool on) {
    if (CLitCyf* tile = At(n)) {
        if (on) {
            tile->SetFrame(SelectionFrames::Orange);
        } else {
            tile->RemoveFrame();
        }
    }
}

void CSchemat5::ZoomObject(std::int32_t n) {
    if (CLitCyf* tile = At(n)) {
        tile->Zoom();
    }
}

std::vector<std::int32_t> CSchemat5::ObjectScanOrder() const {
    return {kFirstAnswer, kFirstAnswer + 1, kFirstAnswer + 2};
}

bool CSchemat5::VehicleTouches(const Rect& vehicle, const Rect& object) const {
    return VehicleMapTouches(vehicle, object);
}

void CSchemat5::Show(bool on) {
    for (const auto& tile : Tiles) {
        tile->SetEnabled(on);
    }
    QuestionTile->SetEnabled(on);
    if (InstructionPicture) {
        InstructionPicture->SetEnabled(on);
    }
}

void CSchemat5::Paint() {
    for (const auto& tile : Tiles) {
        tile->Paint();
    }
    if (!Solved) {
        QuestionTile->Paint();
    }
    if (InstructionPicture) {
        InstructionPicture->Paint();
    }
}

void CSchemat5::DrawScenery() {
    const ScreenGeometry& g = Geometry();
    std::vector<std::int32_t> middles;  // the left edges of the bar's middle pieces
    const ShelfPlace bar = DrawShelf(Host.Context(), g.MapX(kBarLeft), kBarMiddles,
                                     [&](std::size_t, int x, int) { middles.push_back(x); });
    const std::int32_t y = bar.Top + g.MapLength(kInBarY);
    const auto place = [&](CLitCyf& tile, std::size_t middle) {
        const Point at{middles.at(middle) + g.MapLength(kInBarX), y};
        tile.MoveTo(at);
        return at;
    };
    HomePositions[kLeftDigit] = place(*Tiles[kLeftDigit], 0);
    HomePositions[kSignTile] = place(*Tiles[kSignTile], 1);
    HomePositions[TileTotal] = place(*QuestionTile, 1);
    HomePositions[kRightDigit] = place(*Tiles[kRightDigit], 2);
}

bool CSchemat5::ScanNext() {
    CSuperSchemat::ScanNext();
    return ScanPos == static_cast<std::int32_t>(ScanOrder.size()) - 1;
}

void CSchemat5::Hint() {
    if (Solved) {
        return;
    }
    for (std::int32_t i = kFirstAnswer; i < TileTotal; ++i) {
        if (Tiles[static_cast<size_t>(i)]->Number() == Tiles[kSignTile]->Number()) {
            Tiles[static_cast<size_t>(i)]->SetFrame(SelectionFrames::Blue);
            break;
        }
    }
    ++Stat.Last().Hints;
    Host.HostForm().Repaint();
}

game::Hit CSchemat5::HitTest(std::int32_t dx, std::int32_t dy) {
    const Rect moved = Vehicle.Rectangle().Offset(dx, dy);
    game::Hit hit;
    for (std::int32_t n = 0; n < TileTotal; ++n) {
        if (!ObjectVisible(n) || !VehicleTouches(moved, ObjectRect(n))) {
            continue;
        }
        if (ObjectSelectable(n)) {
            return {n, 1};
        }
        hit = {n, -1};
    }
    return hit;
}

bool CSchemat5::Choose(std::int32_t element, std::int32_t /*extra*/) {
    CLitCyf* tile = element >= kFirstAnswer ? At(element) : nullptr;
    if (tile == nullptr || !tile->Selectable()) {
        return false;
    }
    if (tile->Number() != Tiles[kSignTile]->Number()) {
        if (!Solved) {
            PlayFeedback(false);
            ++Stat.Last().Errors;
            tile->SetFrame(SelectionFrames::Red);
            Vehicle.Draw();
        }
        return false;
    }
    PlayFeedback(true);
    ++Stat.Last().Points;
    QuestionTile->SetEnabled(false);
    tile->SetFrame(SelectionFrames::Green);
    const Rect from = tile->FrameRect();
    const Rect& gap = Tiles[kSignTile]->ObjectRect();
    tile->MoveTo({gap.Left, gap.Top});
    DissolveMove(from, tile->FrameRect());
    Vehicle.Draw();
    tile->SetSelectable(false);
    QuestionTile->SetVisible(false);
    Solved = true;
    Host.DrawScore();
    Vehicle.Celebrate(5);
    return true;
}

Point CSchemat5::VehicleStart() {
    return {RowX + Geometry().MapLength(kVehicleX), RowY + (GapY - RowY) / 2};
}

std::optional<std::int32_t> CSchemat5::ObjectUnderVehicle() const {
    for (std::int32_t n = 0; n < TileTotal; ++n) {
        const CLitCyf* tile = At(n);
        if (tile->Selectable() && tile->Visible() && Vehicle.TouchesNear(tile->ObjectRect())) {
            return n;
        }
    }
    return std::nullopt;
}

void CSchemat5::Restart() {
    Host.StopAutoNext();
    for (std::int32_t i = 0; i < TileTotal; ++i) {
        CLitCyf& tile = *Tiles[static_cast<size_t>(i)];
        tile.RemoveFrame();
        tile.Erase();
        tile.MoveTo(HomePositions[static_cast<size_t>(i)]);
        tile.SetSelectable(i >= kFirstAnswer);
    }
    QuestionTile->SetVisible(true);
    QuestionTile->SetEnabled(true);
    QuestionTile->MoveTo(HomePositions[TileTotal]);
    Stat.NewAttempt(Solved);
    Solved = false;
    DrawScenery();
    Paint();
    Vehicle.Erase();
    Vehicle.MoveTo(VehicleStart());
    Vehicle.Draw();
    Host.HostForm().Repaint();
}

}  // namespace exercises
