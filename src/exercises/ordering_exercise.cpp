#include "exercises/ordering_exercise.h"

#include <algorithm>
#include <utility>

#include "catalog/screen_geometry.h"
#include "exercises/placement.h"
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

// Room between two places of the track, and from its left end to the first place.
constexpr double kPlaceGap = 20;
// How far down the track the places stand.
constexpr double kPlaceDrop = 15;
// Where the track starts.
constexpr double kTrackLeft = 200;
// What a placed tile keeps clear of the right and bottom edges of the play area.
constexpr double kEdgeRoom = 110;
// The vehicle's room between two tiles, in vehicle sizes.
constexpr double kVehicleRoom = 1.3;

}  // namespace

OrderingExercise::OrderingExercise(game::ExerciseHost& host, const game::CWybor& settings,
                                   bool ascending, bool randomNumbers, const Rules& rules)
    : PieceExercise(host, settings),
      rules_(rules),
      Ascending(ascending),
      RandomNumbers(randomNumbers) {
    InstructionName = std::string(rules_.InstructionPrefix) + (Ascending ? "a" : "b");
    BuildRetryingRepeatedDraws([this] { Build(); }, [this] { FreeObjects(); });
}

OrderingExercise::~OrderingExercise() = default;

void OrderingExercise::FreeObjects() {
    Tiles.clear();
    HomePositions.clear();
    Numbers.clear();
    InstructionPicture.reset();
}

void OrderingExercise::Build() {
    CreateInstructionPicture("mysl");
    const DrawContext context = Host.Context();
    for (std::int32_t i = 0; i < kTileCount; ++i) {
        const std::int32_t n = DrawNumber(i);
        Numbers.push_back(n);
        Tiles.push_back(std::make_unique<CLitCyf>(Host.HostForm(), context, Point{0, 0},
                                                  rules_.TileName(n), true, n, 0));
    }
    const Point slot = rules_.ProvisionalSlot(Tiles[0]->ObjectRect());
    SlotX = slot.X;
    SlotY = slot.Y;
    if (RandomNumbers) {
        SortTiles();
    }
    SetStartingTile();
    const std::int32_t bottom = rules_.PlacementBottom(slot, Tiles[0]->ObjectRect());
    for (std::int32_t k = 0; k < kTileCount; ++k) {
        const Point home = PlaceTile(k, bottom);
        Tiles[static_cast<size_t>(k)]->MoveTo(home);
        HomePositions.push_back(home);
    }
}

std::int32_t OrderingExercise::DrawNumber(std::int32_t i) const {
    if (!RandomNumbers) {
        return i == 0 ? Random() % rules_.ConsecutiveStarts + 1 : Numbers[0] + i;
    }
    // Six of at least ten symbols: a free one always comes up.
    for (;;) {
        const std::int32_t d = Random() % rules_.SymbolCount;
        if (std::find(Numbers.begin(), Numbers.end(), d) == Numbers.end()) {
            return d;
        }
    }
}

void OrderingExercise::SortTiles() {
    for (size_t i = 0; i + 1 < Numbers.size(); ++i) {
        for (size_t j = i + 1; j < Numbers.size(); ++j) {
            if (Numbers[j] < Numbers[i]) {
                std::swap(Numbers[i], Numbers[j]);
                std::swap(Tiles[i], Tiles[j]);
            }
        }
    }
}

void OrderingExercise::SetStartingTile() {
    Tiles[static_cast<size_t>(StartingTile())]->SetSelectable(false);
    Expected = static_cast<std::int16_t>(Ascending ? 1 : kTileCount - 2);
}

Point OrderingExercise::PlaceTile(std::int32_t k, std::int32_t bottom) const {
    const int edge = Geometry().MapLength(kEdgeRoom);
    const PlacementBounds bounds{static_cast<double>(WorkRect.Left),
                                 static_cast<double>(WorkRect.Top),
                                 static_cast<double>(WorkRect.Right - edge),
                                 static_cast<double>(std::min(WorkRect.Bottom - edge, bottom))};
    std::vector<Rect> placed;
    for (std::int32_t j = 0; j < k; ++j) {
        placed.push_back(ObjectRect(j));
    }
    return PlaceInQuadrant(k % 4 + 1, bounds, {Vehicle.Width(), Vehicle.Height()},
                           {kVehicleRoom, kVehicleRoom}, placed);
}

CLitCyf* OrderingExercise::TileAt(std::int32_t n) const {
    if (n < 0 || n >= static_cast<std::int32_t>(Tiles.size())) {
        return nullptr;
    }
    return Tiles[static_cast<size_t>(n)].get();
}

void OrderingExercise::Show(bool on) {
    for (const auto& tile : Tiles) {
        tile->SetEnabled(on);
    }
    if (InstructionPicture) {
        InstructionPicture->SetEnabled(on);
    }
}

void OrderingExercise::Paint() {
    for (const auto& tile : Tiles) {
        tile->Paint();
    }
    if (InstructionPicture) {
        InstructionPicture->Paint();
    }
}

void OrderingExercise::DrawScenery() {
    const ScreenGeometry& g = Geometry();
    const ShelfPlace track = DrawShelf(Host.Context(), g.MapX(kTrackLeft), kTileCount);
    if (!FirstScenery) {
        return;
    }
    FirstScenery = false;
    SlotX = track.MiddleLeft + g.MapLength(kPlaceGap);
    SlotY = track.Top + g.MapLength(kPlaceDrop);
    CLitCyf& start = *Tiles[static_cast<size_t>(StartingTile())];
    const Rect placed = start.MoveTo({SlotX, SlotY});
    SlotX += placed.Width() + g.MapLength(kPlaceGap);
}

bool OrderingExercise::Choose(std::int32_t element, std::int32_t /*extra*/) {
    CLitCyf* tile = TileAt(element);
    // Once solved nothing is expected any more: no choice completes the task again.
    if (tile == nullptr || Solved) {
        return false;
    }
    if (tile->Number() == Numbers[static_cast<size_t>(Expected)]) {
        PlayFeedback(true);
        for (const auto& t : Tiles) {
            t->RemoveFrame();
        }
        tile->SetSelectable(false);
        Vehicle.Draw();
        const Rect from = tile->ObjectRect();
        const Rect to = tile->MoveTo({SlotX, SlotY});
        DissolveMove(from, to);
        ++Stat.Last().Points;
        Expected = static_cast<std::int16_t>(Expected + (Ascending ? 1 : -1));
        SlotX += to.Width() + Geometry().MapLength(kPlaceGap);
    } else {
        PlayFeedback(false);
        tile->SetFrame(SelectionFrames::Red);
        Vehicle.Draw();
        ++Stat.Last().Errors;
    }
    if (Expected >= 0 && Expected < kTileCount) {
        return false;
    }
    Solved = true;
    if (rules_.StopsTimingWhenSolved) {
        Stat.SetTiming(false);
    }
    Host.DrawScore();
    Vehicle.Celebrate(5);
    return true;
}

void OrderingExercise::Hint() {
    if (Solved) {
        return;
    }
    Tiles[static_cast<size_t>(Expected)]->SetFrame(SelectionFrames::Blue);
    Host.HostForm().Repaint();
    ++Stat.Last().Hints;
}

void OrderingExercise::Restart() {
    Host.StopAutoNext();
    for (size_t i = 0; i < Tiles.size(); ++i) {
        CLitCyf& tile = *Tiles[i];
        tile.RemoveFrame();
        // Off the track first: the track is drawn again below.
        tile.Erase();
        tile.MoveTo(HomePositions[i]);
        tile.SetSelectable(true);
    }
    Stat.NewAttempt(Solved);
    Solved = false;
    SetStartingTile();
    FirstScenery = true;
    DrawScenery();
    Paint();
    Vehicle.Erase();
    Vehicle.MoveTo(VehicleStart());
    Vehicle.Draw();
    Host.HostForm().Repaint();
}

Point OrderingExercise::VehicleStart() {
    const double scale = rules_.ScalesVehicleStartRoom ? Geometry().LayoutScale : 1.0;
    const Point vehicle{Vehicle.Width(), Vehicle.Height()};
    std::vector<Rect> tiles;
    for (const auto& tile : Tiles) {
        tiles.push_back(tile->ObjectRect());
    }
    return RandomVehicleStart(WorkRect, scale * vehicle.X, scale * vehicle.Y, vehicle, tiles);
}

std::optional<std::int32_t> OrderingExercise::ObjectUnderVehicle() const {
    for (std::int32_t i = 0; i < ObjectCount(); ++i) {
        const CLitCyf& tile = *Tiles[static_cast<size_t>(i)];
        if (tile.Selectable() && tile.Visible() && Vehicle.Touches(tile.ObjectRect())) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace exercises
