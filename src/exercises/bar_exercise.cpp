#include "exercises/bar_exercise.h"

#include <numeric>
#include <utility>

#include "catalog/screen_geometry.h"
#include "exercises/placement.h"
#include "exercises/shelf.h"
#include "media/random.h"
#include "pieces/selection_frames.h"

using namespace catalog;
using namespace pieces;

namespace exercises {

using platform::Point;
using platform::Rect;

namespace {

// Where a tile lies in a middle piece of the bar, design pixels.
constexpr int kInBarX = 5;
constexpr int kInBarY = 15;
// Where the vehicle starts, right of the answer row's left edge.
constexpr int kVehicleX = 145;

}  // namespace

bool DrawMinus() {
    std::int32_t operation = 0;
    while (operation == 0) {
        operation = media::Random() % 3;
    }
    return operation == 1;
}

BarExercise::BarExercise(game::ExerciseHost& host, const game::CWybor& settings, Shape shape)
    : PieceExercise(host, settings), Layout(std::move(shape)) {
    CreateInstructionPicture("mysl");
    Tiles.resize(static_cast<size_t>(Layout.TileTotal));
    HomePositions.resize(static_cast<size_t>(Layout.TileTotal) + 1);
}

BarExercise::~BarExercise() = default;

void BarExercise::MakeTile(std::int32_t n, Point at, std::int32_t code, bool selectable) {
    Tiles.at(static_cast<size_t>(n)) = std::make_unique<CLitCyf>(
        Host.HostForm(), Host.Context(), at, TileName(code), selectable, code, 0);
}

void BarExercise::MakeQuestionTile(Point at, std::int32_t code) {
    QuestionTile = std::make_unique<CLitCyf>(Host.HostForm(), Host.Context(), at, TileName(code),
                                             false, code, 0);
    CLitCyf::LoadFrames(2);
    // Drawn with the tile once the exercise is painted.
    QuestionTile->SetFrameStyle(SelectionFrames::Yellow);
}

void BarExercise::RecordAnswerHomes() {
    for (std::int32_t i = Layout.FirstAnswer; i < Layout.TileTotal; ++i) {
        const Rect& r = Tiles[static_cast<size_t>(i)]->ObjectRect();
        HomePositions[static_cast<size_t>(i)] = {r.Left, r.Top};
    }
}

CLitCyf* BarExercise::At(std::int32_t n) const {
    if (n < 0 || n >= Layout.TileTotal) {
        return nullptr;
    }
    return Tiles[static_cast<size_t>(n)].get();
}

std::vector<std::int32_t> BarExercise::ObjectScanOrder() const {
    if (Layout.Place == Answers::Columns) {
        return PieceExercise::ObjectScanOrder();
    }
    std::vector<std::int32_t> order(static_cast<size_t>(Layout.TileTotal - Layout.FirstAnswer));
    std::iota(order.begin(), order.end(), Layout.FirstAnswer);
    return order;
}

void BarExercise::Show(bool on) {
    for (const auto& tile : Tiles) {
        tile->SetEnabled(on);
    }
    QuestionTile->SetEnabled(on);
    if (InstructionPicture) {
        InstructionPicture->SetEnabled(on);
    }
}

void BarExercise::Paint() {
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

void BarExercise::DrawScenery() {
    const ScreenGeometry& g = Geometry();
    std::vector<std::int32_t> middles;  // the left edges of the bar's middle pieces
    const ShelfPlace bar = DrawShelf(Host.Context(), g.MapX(Layout.BarLeft), Layout.InBar.size(),
                                     [&](std::size_t, int x, int) { middles.push_back(x); });
    const std::int32_t y = bar.Top + g.MapLength(kInBarY);
    for (std::size_t k = 0; k < Layout.InBar.size(); ++k) {
        const Point at{middles[k] + g.MapLength(kInBarX), y};
        const auto n = static_cast<size_t>(Layout.InBar[k]);
        Tiles[n]->MoveTo(at);
        HomePositions[n] = at;
        if (Layout.InBar[k] == Layout.Hidden) {
            QuestionTile->MoveTo(at);
            HomePositions.back() = at;
        }
    }
}

bool BarExercise::ScanNext() {
    const bool lastSelectable = CSuperSchemat::ScanNext();
    if (Layout.Place == Answers::Columns) {
        return lastSelectable;
    }
    return ScanPos == static_cast<std::int32_t>(ScanOrder.size()) - 1;
}

void BarExercise::Hint() {
    if (Solved) {
        return;
    }
    const std::int32_t right = Tiles[static_cast<size_t>(Layout.Hidden)]->Number();
    for (std::int32_t i = Layout.FirstAnswer; i < Layout.TileTotal; ++i) {
        if (Tiles[static_cast<size_t>(i)]->Number() == right) {
            Tiles[static_cast<size_t>(i)]->SetFrame(SelectionFrames::Blue);
            break;
        }
    }
    ++Stat.Last().Hints;
    Host.HostForm().Repaint();
}

game::Hit BarExercise::HitTest(std::int32_t dx, std::int32_t dy) {
    const Rect moved = Vehicle.Rectangle().Offset(dx, dy);
    game::Hit hit;
    for (std::int32_t n = 0; n < Layout.TileTotal; ++n) {
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

bool BarExercise::Choose(std::int32_t element, std::int32_t /*extra*/) {
    CLitCyf* tile = element >= Layout.FirstAnswer ? At(element) : nullptr;
    if (tile == nullptr || !tile->Selectable()) {
        return false;
    }
    const CLitCyf& hidden = *Tiles[static_cast<size_t>(Layout.Hidden)];
    if (tile->Number() != hidden.Number()) {
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
    tile->SetFrame(SelectionFrames::Green);
    const Rect from = tile->FrameRect();
    tile->MoveTo({hidden.ObjectRect().Left, hidden.ObjectRect().Top});
    DissolveMove(from, tile->FrameRect());
    // The dissolve may have faded the part of the vehicle that overlapped the tile's frame.
    Vehicle.Draw();
    tile->SetSelectable(false);
    if ((Layout.QuestionRetire & Disable) != 0) {
        QuestionTile->SetEnabled(false);
    }
    if ((Layout.QuestionRetire & Hide) != 0) {
        QuestionTile->SetVisible(false);
    }
    Solved = true;
    Host.DrawScore();
    Vehicle.Celebrate(5);
    return true;
}

Point BarExercise::VehicleStart() {
    const ScreenGeometry& g = Geometry();
    if (Layout.Place == Answers::Row) {
        return {RowCorner.X + g.MapLength(kVehicleX), RowCorner.Y + (GapY - RowCorner.Y) / 2};
    }
    const Point vehicle{Vehicle.Width(), Vehicle.Height()};
    std::vector<Rect> tiles;
    for (const auto& tile : Tiles) {
        tiles.push_back(tile->ObjectRect());
    }
    return RandomVehicleStart(WorkRect, g.LayoutScale * vehicle.X, g.LayoutScale * vehicle.Y,
                              vehicle, tiles);
}

std::optional<std::int32_t> BarExercise::ObjectUnderVehicle() const {
    for (std::int32_t n = 0; n < Layout.TileTotal; ++n) {
        const CLitCyf* tile = At(n);
        if (tile->Selectable() && tile->Visible() && Vehicle.TouchesNear(tile->ObjectRect())) {
            return n;
        }
    }
    return std::nullopt;
}

void BarExercise::Restart() {
    Host.StopAutoNext();
    for (std::int32_t i = 0; i < Layout.TileTotal; ++i) {
        CLitCyf& tile = *Tiles[static_cast<size_t>(i)];
        tile.RemoveFrame();
        tile.Erase();
        tile.MoveTo(HomePositions[static_cast<size_t>(i)]);
        tile.SetSelectable(i >= Layout.FirstAnswer);
    }
    QuestionTile->SetVisible(true);
    QuestionTile->SetEnabled(true);
    QuestionTile->MoveTo(HomePositions.back());
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
