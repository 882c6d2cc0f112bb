#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "exercises/cstat.h"
#include "exercises/scored_exercise.h"
#include "game/cwybor.h"
#include "game/exercise.h"
#include "game/exercise_host.h"
#include "pieces/cgraf.h"
#include "pieces/cludek.h"
#include "pieces/cwatek.h"
#include "platform/geometry.h"

namespace exercises {

// The base of every exercise type: what the game form drives (game::Exercise), what the
// score reads (ScoredExercise), and the shapes the types share, written once here so that a
// type's own file holds only its own rules: showing for the first time and again, the
// background of the exercise, the instruction picture and sound, the standard scanning
// scheme over the type's objects, the hit test of the vehicle, the statistics of the
// attempts and the cross-dissolve that carries a picture to its place.
// Named "super scheme"; the Polish names are explained in docs/glossary.md.
class CSuperSchemat : public game::Exercise, public ScoredExercise {
  public:
    ~CSuperSchemat() override;
    CSuperSchemat(const CSuperSchemat&) = delete;
    CSuperSchemat& operator=(const CSuperSchemat&) = delete;

    // ---- Written once for all types.
    platform::Rect Begin() final;
    void Suspend() final;
    platform::Rect Resume() final;
    void PlayInstruction() final;
    void SetTiming(bool on) final { Stat.SetTiming(on); }
    bool IsSolved() const final { return Solved; }
    void EndAnimationThread() final;
    const CStat& GetStat() const final { return Stat; }
    const std::string& GetInstructionName() const final { return InstructionName; }

    // ---- The standard scanning scheme; a type whose scanning differs overrides these.
    // Builds the order on first use (the instruction picture, then the objects by their
    // left edge), moves to the next selectable element and tells whether it is the last
    // selectable one.
    bool ScanNext() override;
    bool ScanStop() override;
    bool ScanZoom() override;
    bool ScanSelect() override;
    std::optional<platform::Rect> ScanTargetRect() override;

    // ---- Defaults most types keep.
    // Blends the instruction picture into the background.
    virtual void DrawInstructionPicture();
    // Draws the type's fixed decoration; most types have none.
    virtual void DrawScenery() {}
    void StartAnimation() override {}
    void EndAnimation() override {}
    bool Block(std::int32_t) override { return false; }
    void Unblock(std::int32_t) override {}
    // The first visible object that the vehicle moved by (dx, dy) touches: kind 1 when it is
    // selectable, -1 when it is not; kind 0 when there is none.
    game::Hit HitTest(std::int32_t dx, std::int32_t dy) override;

    // The visible, selectable objects.
    std::vector<game::Choosable> ChoosableElements() const override;

    // The area the vehicle may move in and where objects are placed.
    const platform::Rect& GetWorkRect() const { return WorkRect; }
    int GetBackgroundNo() const { return BackgroundNo; }
    // Where the highlight stands in the scanning order (-1: nowhere) and the order itself.
    std::int32_t GetScanPos() const { return ScanPos; }
    const std::vector<std::int32_t>& GetScanOrder() const { return ScanOrder; }
    pieces::CGraf* GetInstructionPicture() const { return InstructionPicture.get(); }

  protected:
    // Takes a copy of the settings, starts timing the first attempt and chooses the
    // background of the exercise.
    CSuperSchemat(game::ExerciseHost& host, const game::CWybor& settings);

    // Creates the instruction picture "Data\Res\" + name ("mysl" for a thinking task,
    // "sluch" for a listening one) at the bottom-left corner of the layout; a click plays
    // the instruction, a double click starts the task again. Throws CBlad code 1.
    void CreateInstructionPicture(const std::string& name);

    // Carries the picture at a to b (the same size) with a 40-frame cross-dissolve of about
    // 0.8 s that blocks the caller: a fades into the bare background, b into what a held.
    void DissolveMove(platform::Rect a, platform::Rect b);

    // The objects the standard scanning scheme and the hit test look at, by the type's own
    // numbers 0 ... ObjectCount() - 1.
    virtual std::int32_t ObjectCount() const { return 0; }
    virtual platform::Rect ObjectRect(std::int32_t) const { return {}; }
    virtual bool ObjectVisible(std::int32_t) const { return false; }
    virtual bool ObjectSelectable(std::int32_t) const { return false; }
    // Puts the scanning highlight on the object or gives it its normal look back.
    virtual void HighlightObject(std::int32_t, bool /*on*/) {}
    virtual void ZoomObject(std::int32_t) {}
    // Whether the vehicle's rectangle touches an object's rectangle (cards and tiles test
    // this in their own ways).
    virtual bool VehicleTouches(const platform::Rect& vehicle, const platform::Rect& object) const;
    // The scanning order after the instruction picture's entry; by default the objects by
    // ascending left edge.
    virtual std::vector<std::int32_t> ObjectScanOrder() const;
    // The given objects by ascending left edge, equal edges in the order this selection
    // yields: the leftmost remaining one is taken and the last one fills its place.
    std::vector<std::int32_t> OrderByLeftEdge(std::vector<std::int32_t> work) const;
    // Whether the vehicle's collision map, moved to the rectangle vehicle, touches object.
    bool VehicleMapTouches(const platform::Rect& vehicle, const platform::Rect& object) const;

    // Whether position is the last one of the order whose object is still selectable.
    bool LastSelectablePosition(std::int32_t position) const;
    // Takes the highlight away from the element at position (instruction picture at 0).
    void Unhighlight(std::int32_t position);
    // The object at a position of the order, if the position holds one.
    std::optional<std::int32_t> ObjectAt(std::int32_t position) const;

    // Fields, in the order the design names them.
    platform::Rect WorkRect;
    platform::Rect SavedVehicleRect;
    pieces::CLudek& Vehicle;
    int BackgroundNo = 0;
    bool Solved = false;
    game::CWybor Settings;
    std::unique_ptr<pieces::CGraf> InstructionPicture;
    game::ExerciseHost& Host;
    std::vector<std::int32_t> ScanOrder;
    std::int32_t ScanPos = -1;
    std::string InstructionName;
    CStat Stat;
    std::unique_ptr<pieces::CWatek> AnimationThread;

  private:
    // Lays this exercise's background picture into the background bitmap and copies it
    // into the frame and scene bitmaps; then scenery, objects and score. Errors become the
    // reinstall message.
    void LayOut(bool first);
};

}  // namespace exercises
