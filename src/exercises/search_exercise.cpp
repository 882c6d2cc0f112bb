#include "exercises/search_exercise.h"

#include <algorithm>

#include "catalog/screen_geometry.h"
#include "exercises/placement.h"
#include "exercises/shelf.h"
#include "pieces/clitcyf.h"
#include "pieces/selection_frames.h"

using namespace catalog;
using namespace media;
using namespace pieces;

namespace exercises {

using platform::Point;
using platform::Rect;

SearchExercise::SearchExercise(game::ExerciseHost& host, const game::CWybor& settings)
    : PieceExercise(host, settings) {}

SearchExercise::~SearchExercise() = default;

int SearchExercise::SelectedSoundGroups() const {
    const int groups = Settings.SoundGroups();
    return groups >= 1 && groups <= 7 ? groups : 7;
}

std::vector<std::int32_t> SearchExercise::Choosable() const {
    std::vector<std::int32_t> objects;
    const PictureTile* model = Model();
    for (std::int32_t i = 0; i < ObjectCount(); ++i) {
        if (Object(i) != model) {
            objects.push_back(i);
        }
    }
    return objects;
}

Point SearchExercise::PlaceObject(int quadrant, double margin, Clearance clearance,
                                  std::span<const Rect> placed, std::int32_t floor) const {
    const double room = margin * Geometry().LayoutScale;
    const PlacementBounds bounds{static_cast<double>(WorkRect.Left),
                                 static_cast<double>(WorkRect.Top), WorkRect.Right - room,
                                 std::min<double>(WorkRect.Bottom - room, floor)};
    return PlaceInQuadrant(quadrant, bounds, {Vehicle.Width(), Vehicle.Height()}, clearance,
                           placed);
}

Point SearchExercise::ModelPlace(int d) const {
    const Rect bubble = InstructionPicture->PictureRectOnScreen();
    const ScreenGeometry& g = Geometry();
    return {bubble.Left + g.MapLength(d), bubble.Top + g.MapLength(d)};
}

void SearchExercise::SetUpModel(PictureTile& model) {
    model.SetVisible(false);
    model.SetOnClick([this](platform::MouseEvent&) { PlayInstruction(); });
    model.SetOnDoubleClick([this](platform::MouseEvent&) { Restart(); });
}

void SearchExercise::RecordHomes() {
    HomePositions.clear();
    for (std::int32_t i = 0; i < ObjectCount(); ++i) {
        const Rect r = ObjectRect(i);
        HomePositions.push_back({r.Left, r.Top});
    }
}

void SearchExercise::Show(bool on) {
    if (InstructionPicture) {
        InstructionPicture->SetEnabled(on);
    }
    for (std::int32_t i = 0; i < ObjectCount(); ++i) {
        if (PictureTile* object = Object(i)) {
            object->SetEnabled(on);
        }
    }
    if (PictureTile* model = Model()) {
        model->SetEnabled(on);
    }
}

void SearchExercise::Paint() {
    if (InstructionPicture) {
        InstructionPicture->Paint();
    }
    PictureTile* model = Model();
    bool modelPainted = false;
    for (std::int32_t i = 0; i < ObjectCount(); ++i) {
        if (PictureTile* object = Object(i)) {
            object->Paint();
            modelPainted = modelPainted || object == model;
        }
    }
    if (model != nullptr && !modelPainted) {
        model->Paint();
    }
}

void SearchExercise::DrawScenery() {
    const ScreenGeometry& g = Geometry();
    const ShelfPlan plan = Shelf();
    // On the bubble's top edge, or by default on the layout's bottom edge; one middle piece
    // for every two objects to choose from.
    std::optional<int> top;
    if (plan.AtBubbleTop && InstructionPicture) {
        top = InstructionPicture->PictureRectOnScreen().Top;
    }
    const ShelfPlace shelf =
        DrawShelf(Host.Context(), g.MapX(plan.Left), Choosable().size() / 2, {}, top);
    if (FirstScenery) {
        SlotX = shelf.MiddleLeft + g.MapLength(plan.SlotInsetX);
        SlotY = shelf.Top + g.MapLength(plan.SlotInsetY);
        FirstScenery = false;
    }
}

void SearchExercise::StartAnimation() {
    EndAnimationThread();
    if (PictureTile* model = Model()) {
        AnimationThread = model->StartAnimation(Host.Context().Invalidate);
    }
}

void SearchExercise::EndAnimation() {
    if (PictureTile* model = Model()) {
        model->SetVisible(true);
    }
}

void SearchExercise::Hint() {
    if (Solved) {
        return;
    }
    for (std::int32_t i = 0; i < ObjectCount(); ++i) {
        if (Matches(i)) {
            Object(i)->SetFrame(SelectionFrames::Blue);
            break;
        }
    }
    ++Stat.Last().Hints;
    Host.HostForm().Repaint();
}

void SearchExercise::Collect(PictureTile& object) {
    PlayFeedback(true);
    ++Stat.Last().Points;
    if (GreenOnMatch()) {
        object.SetFrame(SelectionFrames::Green);
    }
    Vehicle.Draw();
    // The frame goes before the object travels, or its ring would stay behind on the field.
    object.RemoveFrame();
    const Rect from = object.ObjectRect();
    const Rect to = object.MoveTo({SlotX, SlotY});
    DissolveMove(from, to);
    Vehicle.Draw();
    object.SetSelectable(false);
    SlotX += to.Width() + Geometry().MapLength(Shelf().Gap);
    ++Found;
}

bool SearchExercise::Choose(std::int32_t element, std::int32_t /*extra*/) {
    PictureTile* object = Object(element);
    if (object == nullptr) {
        return false;
    }
    if (Matches(element)) {
        Collect(*object);
    } else if (!Solved && Wrong(element)) {
        PlayFeedback(false);
        if (CountsErrors()) {
            ++Stat.Last().Errors;
        }
        object->SetFrame(SelectionFrames::Red);
        Vehicle.Draw();
    }
    if (!Solved && Found >= MatchingTotal) {
        if (Shelf().CompletionPoint) {
            PlayFeedback(true);
            ++Stat.Last().Points;
        }
        Solved = true;
        Host.DrawScore();
        Vehicle.Celebrate(5);
        return true;
    }
    return false;
}

std::optional<std::int32_t> SearchExercise::ObjectUnderVehicle() const {
    for (const std::int32_t i : Choosable()) {
        const PictureTile* object = Object(i);
        if (object->Selectable() && object->Visible() &&
            Vehicle.TouchesNear(object->ObjectRect())) {
            return i;
        }
    }
    return std::nullopt;
}

Point SearchExercise::VehicleStart() {
    std::vector<Rect> objects;
    for (std::int32_t i = 0; i < ObjectCount(); ++i) {
        objects.push_back(ObjectRect(i));
    }
    if (const PictureTile* model = Model()) {
        objects.push_back(model->ObjectRect());
    }
    // The whole vehicle inside the play area, touching nothing, edges included.
    const Point v{Vehicle.Width(), Vehicle.Height()};
    return RandomVehicleStart(WorkRect, v.X, v.Y, v, objects);
}

void SearchExercise::Restart() {
    Host.StopAutoNext();
    const PictureTile* model = Model();
    for (std::int32_t i = 0; i < ObjectCount(); ++i) {
        PictureTile* object = Object(i);
        if (object == nullptr) {
            continue;
        }
        // The model stays out of reach.
        object->SetSelectable(object != model);
        object->RemoveFrame();
        object->Erase();
        if (static_cast<size_t>(i) < HomePositions.size()) {
            object->MoveTo(HomePositions[static_cast<size_t>(i)]);
        }
    }
    Found = 0;
    Stat.NewAttempt(Solved);
    Solved = false;
    FirstScenery = true;
    DrawScenery();
    Paint();
    Vehicle.Erase();
    Vehicle.MoveTo(VehicleStart());
    Vehicle.Draw();
    Host.HostForm().Repaint();
}

// ---- Scanning: the model at position 0, then the objects by their left edge.

PictureTile* SearchExercise::ElementAt(std::int32_t position) const {
    if (position < 0 || position >= static_cast<std::int32_t>(ScanOrder.size())) {
        return nullptr;
    }
    if (position == 0) {
        return Model();
    }
    return Object(ObjectOfScanCode(ScanOrder[static_cast<size_t>(position)]));
}

bool SearchExercise::SelectableAt(std::int32_t position) const {
    const PictureTile* e = position >= 1 ? ElementAt(position) : nullptr;
    return e != nullptr && e->Selectable();
}

bool SearchExercise::ScanNext() {
    if (ScanOrder.empty()) {
        ScanOrder.push_back(ModelScanCode());
        for (const std::int32_t i : OrderByLeftEdge(Choosable())) {
            ScanOrder.push_back(ObjectScanCode(i));
        }
    }
    const auto count = static_cast<std::int32_t>(ScanOrder.size());
    const std::int32_t old = ScanPos >= 0 && ScanPos < count ? ScanPos : -1;
    std::int32_t position = old;
    do {
        position = position + 1 >= count ? 0 : position + 1;
    } while (position != 0 && !SelectableAt(position));
    if (old == 0 || SelectableAt(old)) {
        if (PictureTile* e = ElementAt(old)) {
            e->RemoveFrame();
        }
    }
    ScanPos = position;
    if (PictureTile* e = ElementAt(position)) {
        e->SetFrame(SelectionFrames::Orange);
    }
    // The round ends on the last entry the highlight still visits: were it the last of the
    // order, a shelved last object would keep the highlight in the exercise for ever, out of
    // reach of the form's buttons.
    std::int32_t last = count - 1;
    while (last > 0 && !SelectableAt(last)) {
        --last;
    }
    return position == last;
}

bool SearchExercise::ScanStop() {
    PictureTile* e = ElementAt(ScanPos);
    if (e == nullptr) {
        return false;
    }
    if (ScanPos == 0 || e->Selectable()) {
        e->RemoveFrame();
    }
    ScanPos = -1;
    return true;
}

bool SearchExercise::ScanZoom() {
    PictureTile* e = ElementAt(ScanPos);
    if (e == nullptr) {
        return false;
    }
    e->Zoom();
    return true;
}

bool SearchExercise::ScanSelect() {
    if (SelectableAt(ScanPos)) {
        return Choose(ObjectOfScanCode(ScanOrder[static_cast<size_t>(ScanPos)]), 0);
    }
    if (ScanPos == 0 && !ScanOrder.empty()) {
        PlayInstruction();
    }
    return false;
}

std::optional<Rect> SearchExercise::ScanTargetRect() {
    if (!SelectableAt(ScanPos)) {
        return std::nullopt;
    }
    const Rect& r = ElementAt(ScanPos)->ObjectRect();
    return Rect{r.Left, r.Top, r.Left + r.Width(), r.Top + r.Height()};
}

}  // namespace exercises
