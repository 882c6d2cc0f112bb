#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "exercises/csuper_schemat.h"
#include "game/tfm_gry.h"

namespace series_player {

// How the child plays: two switches (one steps the highlight, the other selects) or one
// switch (the highlight steps by itself every scan time, the switch selects).
enum class Switches { Two, One };

// Plays the current exercise of a running series to its solution through the same steps the
// switches take: the highlight moves, and when it stands on an element of the exercise the
// select switch drives the vehicle there and chooses it. It knows nothing of the exercise
// type: it selects the elements one after the other in scanning order, wrong ones included,
// until the task is solved. settle lets the program handle what is pending; wait lets game
// time pass. Returns the number of selections, or -1 when the task was not solved within
// maxSelections.
inline int Solve(game::TfmGry& form, Switches switches, const std::function<void()>& settle,
                 const std::function<void(std::uint32_t)>& wait, int maxSelections = 400) {
    constexpr std::uint32_t kSliceMs = 10;
    std::int32_t wanted = 1;  // the position of the order to select next
    for (int selections = 0; selections < maxSelections;) {
        auto* exercise = dynamic_cast<exercises::CSuperSchemat*>(form.CurrentExercise());
        if (exercise == nullptr) {
            return -1;
        }
        // Let the highlight reach the wanted position: stepped by the switch, or by the
        // timer while a one-switch player waits. A position it never reaches (nothing to
        // choose there any more) is given up after a whole round.
        const int order = std::max<int>(static_cast<int>(exercise->GetScanOrder().size()), 12);
        bool reached = false;
        for (int tries = 0; tries < order * 2 && !reached; ++tries) {
            if (switches == Switches::Two) {
                form.SwitchStep();
            } else {
                const std::uint32_t scan = static_cast<std::uint32_t>(form.Settings().scanTime);
                for (std::uint32_t t = 0; t < scan + kSliceMs && exercise->GetScanPos() != wanted;
                     t += kSliceMs) {
                    wait(kSliceMs);
                }
            }
            reached = exercise->GetScanPos() == wanted &&
                      form.Scanning().Highlighted() == nullptr &&
                      exercise->ScanTargetRect().has_value();
        }
        const int size = static_cast<int>(exercise->GetScanOrder().size());
        if (reached) {
            form.SwitchSelect();
            ++selections;
            settle();
            if (exercise->IsSolved()) {
                return selections;
            }
        }
        wanted = size > 1 ? wanted % (size - 1) + 1 : 1;
    }
    return -1;
}

}  // namespace series_player
