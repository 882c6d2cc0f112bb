#include "exercises/cschemat3_11.h"

#include <vector>

#include "catalog/screen_geometry.h"
#include "exercises/draws.h"
#include "exercises/placement.h"
#include "game/cgrupa.h"
#include "media/cslowo.h"

using namespace media;
using namespace pieces;

namespace exercises {

using platform::Point;
using platform::Rect;

namespace {

// Where the model stands in the bubble, in design pixels from its corner.
constexpr int kModelInset = 16;
// The cards keep 110 design pixels from the play area's right and bottom edges and from
// the shelf's height, and the vehicle's size from the cards before them.
constexpr double kMargin = 110;
constexpr double kRoom = 1.0;
// The shelf's provisional height above the layout's bottom edge, before it is drawn.
constexpr int kShelfRise = 100;

}  // namespace

CSchemat3_11::CSchemat3_11(game::ExerciseHost& host, const game::CWybor& settings)
    : SearchExercise(host, settings) {
    InstructionName = "S3_11";
    BuildRetryingRepeatedDraws([this] { Build(); }, [this] { FreeObjects(); });
}

CSchemat3_11::~CSchemat3_11() {
    // The fade draws the model: it ends before the model goes.
    EndAnimationThread();
}

SearchExercise::ShelfPlan CSchemat3_11::Shelf() const {
    ShelfPlan plan;
    plan.Left = 300;
    plan.AtBubbleTop = true;
    plan.SlotInsetX = 8;
    plan.SlotInsetY = 15;
    plan.Gap = 20;
    plan.CompletionPoint = true;
    return plan;
}

void CSchemat3_11::FreeObjects() {
    Cards.clear();
    HomePositions.clear();
    InstructionPicture.reset();
}

void CSchemat3_11::MakeCard(int i, Point at, std::int32_t word, bool selectable) {
    Cards[static_cast<size_t>(i)] = std::make_unique<CKarta>(
        Host.HostForm(), Host.Context(), at, NormalCardFolder, WordAt(word), selectable, 0, 0);
}

void CSchemat3_11::Build() {
    const catalog::ScreenGeometry& g = catalog::Geometry();
    Solved = false;
    Found = 0;
    FirstScenery = true;
    SlotY = g.LayoutRect.Top + g.DesignHeight - g.MapLength(kShelfRise);
    Cards.resize(CardTotal);
    CreateInstructionPicture("mysl");

    const int level = Settings.Level();
    const int groups = SelectedSoundGroups();
    const auto mask =
        static_cast<std::uint32_t>(SoundMask(groups, SectionMaskL | SectionMaskR | SectionMaskJ));
    const auto& table = Host.WordGroups();
    Group = game::ChooseWordGroup(table, level, groups);
    const game::CGrupa& group = table[static_cast<size_t>(Group)];
    const std::int32_t model = game::DrawGroupTarget(group, level, mask);

    MakeCard(0, ModelPlace(kModelInset), model, false);
    SetUpModel(*Cards[0]);
    CKarta::LoadFrames(2);
    const std::vector<std::int32_t> theme =
        DrawWords(group.Words, static_cast<std::int32_t>(mask), group.CountL, group.CountR,
                  group.CountJ, MatchingTotal, model);
    for (int k = 1; k <= MatchingTotal; ++k) {
        const Point at = PlaceCard(k);
        MakeCard(k, at, theme[static_cast<size_t>(k - 1)], true);
    }
    const std::vector<std::int32_t> others =
        DrawWords(group.Others, static_cast<std::int32_t>(mask), group.OtherL, group.OtherR,
                  group.OtherJ, MatchingTotal, -1);
    for (int k = MatchingTotal + 1; k < CardTotal; ++k) {
        const Point at = PlaceCard(k);
        MakeCard(k, at, others[static_cast<size_t>(k - MatchingTotal - 1)], true);
    }
    RecordHomes();
}

Point CSchemat3_11::PlaceCard(int i) const {
    std::vector<Rect> placed;
    for (int j = 0; j < i; ++j) {
        placed.push_back(Cards[static_cast<size_t>(j)]->ObjectRect());
    }
    // Clear of the shelf that is yet to come.
    const std::int32_t floor = SlotY - catalog::Geometry().MapLength(static_cast<int>(kMargin));
    return PlaceObject(i % 4 + 1, kMargin, {kRoom, kRoom}, placed, floor);
}

std::int32_t CSchemat3_11::ObjectCount() const {
    return static_cast<std::int32_t>(Cards.size());
}

PictureTile* CSchemat3_11::Object(std::int32_t index) const {
    if (index < 0 || index >= ObjectCount()) {
        return nullptr;
    }
    return Cards[static_cast<size_t>(index)].get();
}

PictureTile* CSchemat3_11::Model() const {
    return Cards.empty() ? nullptr : Cards[0].get();
}

bool CSchemat3_11::Matches(std::int32_t index) const {
    const PictureTile* card = Object(index);
    return index >= 1 && index <= MatchingTotal && card != nullptr && card->Selectable() &&
           card->Visible();
}

bool CSchemat3_11::Wrong(std::int32_t index) const {
    return index > MatchingTotal && index < ObjectCount();
}

}  // namespace exercises
