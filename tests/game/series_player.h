#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "catalog/screen_geometry.h"
#include "exercises/csuper_schemat.h"
#include "game/tfm_gry.h"
#include "platform/input.h"

namespace series_player {

// How the child plays: the arrow keys steer the vehicle; two switches (one steps the
// highlight, the other selects); or one switch (the highlight steps by itself every scan
// time, the switch selects).
enum class Input { Keys, OneSwitch, TwoSwitches };

// What the player needs of the session around the game form.
struct Session {
    game::TfmGry& Form;
    // Lets the program handle what is pending.
    std::function<void()> Settle;
    // Lets game time pass.
    std::function<void(std::uint32_t)> Wait;
    // Holds an arrow key down (true) or lets it go.
    std::function<void(platform::Key, bool)> HoldKey;
};

namespace detail {

inline exercises::CSuperSchemat* Current(const Session& s) {
    return dynamic_cast<exercises::CSuperSchemat*>(s.Form.CurrentExercise());
}

// Two switches step the highlight; one switch waits for it. Returns whether the highlight
// stands on the wanted position of the exercise's scanning order.
inline bool ScanTo(const Session& s, exercises::CSuperSchemat& exercise, Input input,
                   std::int32_t wanted) {
    const int order = std::max<int>(static_cast<int>(exercise.GetScanOrder().size()), 12);
    for (int tries = 0; tries < order * 2; ++tries) {
        if (input == Input::TwoSwitches) {
            s.Form.SwitchStep();
        } else {
            // The highlight steps once a scan time.
            s.Wait(static_cast<std::uint32_t>(s.Form.Settings().scanTime));
        }
        if (exercise.GetScanPos() == wanted && s.Form.Scanning().Highlighted() == nullptr &&
            exercise.ScanTargetRect().has_value()) {
            return true;
        }
    }
    return false;
}

// An arrow key and the step it makes.
struct Approach {
    platform::Key Key;
    std::int32_t Dx, Dy;
};

// Puts the vehicle a few steps beside the object, on a side from which the arrow key leads
// straight into it with nothing else in the way. A child finds its own way there; the player
// only drives the last steps, so that the key poll, the hit test and the choice run as in play.
inline std::optional<Approach> LineUp(const Session& s, exercises::CSuperSchemat& exercise,
                                      const game::Choosable& object) {
    pieces::CLudek& vehicle = s.Form.Vehicle();
    const platform::Rect area = s.Form.MoveArea();
    const platform::Rect v = vehicle.Rectangle();
    const std::int32_t w = v.Right - v.Left;
    const std::int32_t h = v.Bottom - v.Top;
    const std::int32_t step = catalog::Geometry().FigureStep;
    const std::int32_t gap = 4 * step;
    const platform::Rect& o = object.Place;
    const std::int32_t midX = (o.Left + o.Right) / 2 - w / 2;
    const std::int32_t midY = (o.Top + o.Bottom) / 2 - h / 2;
    struct Side {
        platform::Point At;
        Approach Way;
    };
    const std::array<Side, 4> sides{{
        {{midX, o.Bottom + gap}, {platform::Key::Up, 0, -step}},
        {{midX, o.Top - gap - h}, {platform::Key::Down, 0, step}},
        {{o.Right + gap, midY}, {platform::Key::Left, -step, 0}},
        {{o.Left - gap - w, midY}, {platform::Key::Right, step, 0}},
    }};
    const platform::Point home{v.Left, v.Top};
    for (const Side& side : sides) {
        const platform::Rect at = platform::Rect::FromSize(side.At.X, side.At.Y, w, h);
        if (at.Left <= area.Left || at.Top <= area.Top || at.Right >= area.Right ||
            at.Bottom >= area.Bottom) {
            continue;
        }
        vehicle.Erase();
        vehicle.MoveTo(side.At);
        // The way is clear when the first thing the vehicle meets is the object.
        for (std::int32_t k = 0; k * step < gap + w + h; ++k) {
            const game::Hit hit = exercise.HitTest(side.Way.Dx * k, side.Way.Dy * k);
            if (hit.Kind != 0) {
                if (k > 0 && hit.Kind == 1 && hit.Element == object.Element) {
                    vehicle.Draw();
                    return side.Way;
                }
                break;
            }
        }
    }
    vehicle.Erase();
    vehicle.MoveTo(home);
    vehicle.Draw();
    return std::nullopt;
}

// Holds the arrow key and polls as the key thread does until the vehicle meets something.
inline void DriveInto(const Session& s, exercises::CSuperSchemat& exercise, const Approach& way) {
    s.HoldKey(way.Key, true);
    for (int poll = 0; poll < 400 && !exercise.IsSolved(); ++poll) {
        const game::Hit ahead = exercise.HitTest(way.Dx, way.Dy);
        s.Form.PollKeys();
        s.Settle();
        if (ahead.Kind != 0) {
            break;
        }
    }
    s.HoldKey(way.Key, false);
    s.Settle();
}

inline int SolveByKeys(const Session& s, int maxChoices) {
    size_t next = 0;
    int tries = 0;
    for (int choices = 0; choices < maxChoices && tries < maxChoices * 4; ++tries) {
        exercises::CSuperSchemat* exercise = Current(s);
        if (exercise == nullptr) {
            return -1;
        }
        if (exercise->IsSolved()) {  // the key thread's own polls may have made the last choice
            return std::max(choices, 1);
        }
        const auto objects = exercise->ChoosableElements();
        if (objects.empty()) {
            s.Wait(100);  // an animation may still be bringing them in
            continue;
        }
        const auto& object = objects[next++ % objects.size()];
        // A blocked element is untouchable until the form lets it go again.
        while (s.Form.TOdblokuj.Enabled() && s.Form.TOdblokujTag == object.Element) {
            s.Wait(100);
        }
        // The key thread's own polls may make the choice before the player's poll does:
        // either way the vehicle went into the element.
        if (const auto way = LineUp(s, *exercise, object)) {
            DriveInto(s, *exercise, *way);
            ++choices;
        }
    }
    return -1;
}

inline int SolveBySwitches(const Session& s, Input input, int maxChoices) {
    std::int32_t wanted = 1;  // the position of the order to select next
    for (int choices = 0; choices < maxChoices;) {
        exercises::CSuperSchemat* exercise = Current(s);
        if (exercise == nullptr) {
            return -1;
        }
        // A position the highlight never reaches (nothing to choose there any more) is
        // given up after two rounds.
        const bool reached = ScanTo(s, *exercise, input, wanted);
        const int size = static_cast<int>(exercise->GetScanOrder().size());
        if (reached) {
            s.Form.SwitchSelect();
            ++choices;
            s.Settle();
            if (exercise->IsSolved()) {
                return choices;
            }
        }
        wanted = size > 1 ? wanted % (size - 1) + 1 : 1;
    }
    return -1;
}

}  // namespace detail

// Makes one choice in the current exercise through the child's input, right or wrong: the
// pick-th of the choosable elements (counted round) is driven into with the keys, or the
// pick-th element of the scanning order after the instruction picture is highlighted and
// selected with the switches. Returns whether a choice was made.
inline bool ChooseOne(const Session& s, Input input, unsigned pick) {
    exercises::CSuperSchemat* exercise = detail::Current(s);
    if (exercise == nullptr || exercise->IsSolved()) {
        return false;
    }
    if (input != Input::Keys) {
        const auto order = exercise->GetScanOrder().size();
        const auto wanted = static_cast<std::int32_t>(order > 1 ? 1 + pick % (order - 1) : 1);
        if (!detail::ScanTo(s, *exercise, input, wanted)) {
            return false;
        }
        s.Form.SwitchSelect();
        s.Settle();
        return true;
    }
    const auto objects = exercise->ChoosableElements();
    if (objects.empty()) {
        return false;
    }
    const game::Choosable& object = objects[pick % objects.size()];
    while (s.Form.TOdblokuj.Enabled() && s.Form.TOdblokujTag == object.Element) {
        s.Wait(100);
    }
    const auto way = detail::LineUp(s, *exercise, object);
    if (!way) {
        return false;
    }
    detail::DriveInto(s, *exercise, *way);
    return true;
}

// Plays the current exercise of a running series to its solution through the same steps the
// child's input takes, knowing nothing of the exercise type: it chooses the elements one
// after the other (in scanning order with switches, by object number with the keys), wrong
// ones included, until the task is solved. Asks for `hints` hints first, as the help key
// does. Returns the number of elements selected or driven into, or -1 when the task was not
// solved within maxChoices.
inline int Solve(const Session& s, Input input, int hints = 0, int maxChoices = 400) {
    for (int i = 0; i < hints; ++i) {
        s.Form.A_Pomoc.Execute();
        s.Settle();
    }
    return input == Input::Keys ? detail::SolveByKeys(s, maxChoices)
                                : detail::SolveBySwitches(s, input, maxChoices);
}

}  // namespace series_player
