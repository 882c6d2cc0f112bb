#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "exercises/csuper_schemat.h"
#include "exercises/piece_exercise.h"
#include "exercises/placement.h"
#include "game/cwybor.h"
#include "game/exercise_host.h"
#include "pieces/picture_tile.h"
#include "platform/geometry.h"

namespace exercises {

// What the search exercises share: a model fades in over the thought bubble, objects lie
// scattered over the four quarters of the play area and four of them match the
// model. The child collects those four onto a shelf; each one
// found dissolves there, a wrong one is framed red and counts an error.
//
// A type gives its objects (numbered as its Choose and HitTest number them), its model and
// what matches; the model may be one of the objects (the first, never selectable) or stand
// apart from them. Scanning starts at the model, then goes over the other objects by their
// left edge; the last entry of the order ends a round even when it is no longer selectable.
// The objects are pieces told by their number, touched by their shape.
class SearchExercise : public PieceExercise {
  public:
    // How many objects match the model: finding them all solves the task.
    static constexpr int MatchingTotal = 4;

    ~SearchExercise() override;

    void Show(bool on) override;
    // Objects back to their places and selectable again, the shelf empty, a new attempt.
    void Restart() override;
    void Paint() override;
    // The shelf at the bottom of the layout; its first call after creation or a restart
    // fixes the first place on it.
    void DrawScenery() override;
    bool ScanNext() override;
    bool ScanStop() override;
    bool ScanZoom() override;
    bool ScanSelect() override;
    std::optional<platform::Rect> ScanTargetRect() override;
    // Fades the model in; it is hidden until then.
    void StartAnimation() override;
    void EndAnimation() override;
    // Frames the first of the matching objects not yet on the shelf in blue.
    void Hint() override;
    // An object that matches goes to the shelf; any other is an error while the task is
    // unsolved. True when this was the last match. An index outside the objects is ignored.
    bool Choose(std::int32_t element, std::int32_t extra) override;
    // A random place inside the play area where the vehicle touches no object and no model.
    platform::Point VehicleStart() override;
    // The first selectable object the vehicle is near, if any; never the model.
    std::optional<std::int32_t> ObjectUnderVehicle() const;

    // The object of a number; null outside the objects.
    virtual pieces::PictureTile* Object(std::int32_t index) const = 0;
    // Whether the object would be accepted now: selectable and matching the model.
    virtual bool Matches(std::int32_t index) const = 0;

    std::int32_t GetFound() const { return Found; }
    // Where the next object found goes.
    platform::Point GetSlot() const { return {SlotX, SlotY}; }
    // Each object's place after construction, by object number.
    const std::vector<platform::Point>& GetHomes() const { return HomePositions; }

  protected:
    SearchExercise(game::ExerciseHost& host, const game::CWybor& settings);

    // The settings' sound groups; a selection of none counts as all three, so that every
    // draw has something to come from.
    int SelectedSoundGroups() const;

    virtual pieces::PictureTile* Model() const = 0;
    // A found object shows a green frame for a moment before it travels.
    virtual bool GreenOnMatch() const { return false; }
    // Whether a wrong choice counts an error.
    virtual bool CountsErrors() const { return true; }
    // Whether a choice that is not accepted is a wrong one (remarked on, framed red);
    // by default every object that does not match now.
    virtual bool Wrong(std::int32_t index) const { return !Matches(index); }
    // Where the shelf goes and how found objects line up on it, in design pixels.
    struct ShelfPlan {
        // The shelf's left end from the layout's left edge.
        int Left = 375;
        // On the bubble's top edge rather than on the layout's bottom edge.
        bool AtBubbleTop = false;
        // The first place from the left piece's right end and from the shelf's top.
        int SlotInsetX = 5;
        int SlotInsetY = 15;
        // The room between two objects on the shelf.
        int Gap = 25;
        // Points and praise once more for the last object found.
        bool CompletionPoint = false;
    };
    virtual ShelfPlan Shelf() const { return {}; }
    // The codes of the model and of an object in ScanOrder, and back; by default the
    // object numbers themselves.
    virtual std::int32_t ModelScanCode() const { return 0; }
    virtual std::int32_t ObjectScanCode(std::int32_t index) const { return index; }
    virtual std::int32_t ObjectOfScanCode(std::int32_t code) const { return code; }

    // A random top-left corner in quadrant (1 ... 4) at least Left/Top + 1 and margin
    // design pixels short of the play area's right and bottom edges, keeping clear of every
    // rectangle of placed. CBlad code 3 on the thousandth draw.
    // A corner at or below floor (a screen y) is refused as well.
    platform::Point PlaceObject(int quadrant, double margin, Clearance clearance,
                                std::span<const platform::Rect> placed,
                                std::int32_t floor = INT32_MAX) const;
    // The model's top-left corner: d design pixels right of and below the bubble's corner.
    platform::Point ModelPlace(int d) const;
    // Gives a model its hidden start and the instruction's clicks.
    void SetUpModel(pieces::PictureTile& model);
    // Keeps every object's place as its home.
    void RecordHomes();

    pieces::PictureTile* PieceAt(std::int32_t n) const override { return Object(n); }

    std::int32_t SlotX = 0;
    std::int32_t SlotY = 0;
    bool FirstScenery = true;
    std::int16_t Found = 0;
    std::vector<platform::Point> HomePositions;

  private:
    // The objects to choose from: all but the model, in number order.
    std::vector<std::int32_t> Choosable() const;
    // The piece at a position of the scanning order: the model at 0.
    pieces::PictureTile* ElementAt(std::int32_t position) const;
    bool SelectableAt(std::int32_t position) const;
    // Carries a match onto the shelf.
    void Collect(pieces::PictureTile& object);
};

}  // namespace exercises
