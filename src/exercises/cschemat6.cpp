#include "exercises/cschemat6.h"

namespace exercises {

CSchemat6::CSchemat6(game::ExerciseHost& host, const game::CWybor& settings)
    : CardPairs(host, settings, "S6") {
    const auto words = DrawDifferentWords();
    CreateColumns(DrawPartnerOrder(), [&](std::int32_t pair, bool right, platform::Point at) {
        return MakeCard(right ? kSecondCardFolder : kCardFolder, *words[static_cast<size_t>(pair)],
                        at);
    });
}

CSchemat6::~CSchemat6() = default;

}  // namespace exercises
