#include "exercises/tile_search.h"

#include <utility>
#include <vector>

#include "catalog/resource_names.h"
#include "exercises/placement.h"

using namespace catalog;
using namespace pieces;

namespace exercises {

using platform::Point;
using platform::Rect;

namespace {
// Where the model stands in the bubble, in design pixels from its corner.
constexpr int kModelInset = 16;
}  // namespace

TileSearch::TileSearch(game::ExerciseHost& host, const game::CWybor& settings, Rules rules)
    : SearchExercise(host, settings), rules_(rules) {
    InstructionName = rules_.Instruction;
}

TileSearch::~TileSearch() {
    // The fade draws the model: it ends before the model goes.
    EndAnimationThread();
}

void TileSearch::Construct() {
    BuildRetryingRepeatedDraws([this] { Build(); }, [this] { FreeObjects(); });
}

void TileSearch::FreeObjects() {
    Tiles.clear();
    HomePositions.clear();
    InstructionPicture.reset();
}

void TileSearch::MakeTile(int i, Point at, std::string name, int code, bool selectable) {
    Tiles[static_cast<size_t>(i)] = std::make_unique<CLitCyf>(Host.HostForm(), Host.Context(), at,
                                                              std::move(name), selectable, code, 0);
}

void TileSearch::Build() {
    FirstScenery = true;
    Found = 0;
    CreateInstructionPicture("mysl");
    Tiles.resize(TileTotal);
    const int target = DrawTarget();
    MakeTile(0, ModelPlace(kModelInset), ModelName(target), target, false);
    SetUpModel(*Tiles[0]);
    // Each place is found before its tile's symbol is drawn.
    for (int i = 1; i <= MatchingTotal; ++i) {
        const Point at = PlaceTile(i);
        const int code = DrawOther(target);
        MakeTile(i, at, std::string(SymbolName(code)), code, true);
    }
    for (int i = MatchingTotal + 1; i < TileTotal; ++i) {
        const Point at = PlaceTile(i);
        MakeTile(i, at, std::string(SymbolName(target)), target, true);
    }
    RecordHomes();
}

Point TileSearch::PlaceTile(int i) const {
    // Clear of every tile made before, the hidden model included.
    std::vector<Rect> placed;
    for (int j = 0; j < i; ++j) {
        placed.push_back(Tiles[static_cast<size_t>(j)]->ObjectRect());
    }
    return PlaceObject(i % 4 + 1, rules_.Margin, rules_.Room, placed);
}

std::int32_t TileSearch::ObjectCount() const {
    return static_cast<std::int32_t>(Tiles.size());
}

PictureTile* TileSearch::Object(std::int32_t index) const {
    if (index < 0 || index >= ObjectCount()) {
        return nullptr;
    }
    return Tiles[static_cast<size_t>(index)].get();
}

PictureTile* TileSearch::Model() const {
    return Tiles.empty() ? nullptr : Tiles[0].get();
}

bool TileSearch::Matches(std::int32_t index) const {
    const PictureTile* tile = Object(index);
    return tile != nullptr && tile->Selectable() && tile->Visible() &&
           Tiles[static_cast<size_t>(index)]->Number() == Tiles[0]->Number();
}

game::Hit TileSearch::HitChoosableFirst(std::int32_t dx, std::int32_t dy) {
    const platform::Rect moved = Vehicle.Rectangle().Offset(dx, dy);
    game::Hit blocking;
    for (std::int32_t n = 0; n < ObjectCount(); ++n) {
        if (!ObjectVisible(n) || !VehicleTouches(moved, ObjectRect(n))) {
            continue;
        }
        if (ObjectSelectable(n)) {
            return {n, 1};
        }
        blocking = {n, -1};
    }
    return blocking;
}

}  // namespace exercises
