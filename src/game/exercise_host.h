#pragma once

#include "game/cpara.h"
#include "game/curriculum_tables.h"
#include "media/draw_context.h"
#include "pieces/cludek.h"
#include "platform/form.h"

namespace game {

// What an exercise needs of the game form it runs on, so that an exercise can be built and
// tested without the whole form: the form its objects belong to, the three bitmaps and the
// dirty-rectangle queue, the vehicle, the curriculum, and the form's own controls that the
// exercise drives (the automatic advance, the help button, the score).
class ExerciseHost {
  public:
    virtual ~ExerciseHost() = default;

    // The form the exercise's objects are controls of; repainting it shows the queued
    // rectangles.
    virtual platform::Form& HostForm() = 0;
    // The frame, scene and background bitmaps and the queue of changed rectangles.
    virtual media::DrawContext Context() = 0;
    virtual pieces::CLudek& Vehicle() = 0;
    virtual const WordGroupTable& WordGroups() const = 0;
    virtual const PairSetTable& PairSets() const = 0;

    // The automatic advance to the next exercise a few seconds after a solution.
    virtual void StartAutoNext() = 0;
    virtual void StopAutoNext() = 0;
    // The help button: the exercise decides when help is available.
    virtual void EnableHelp(bool enabled) = 0;
    // Redraws the number of solved tasks.
    virtual void DrawScore() = 0;
};

}  // namespace game
