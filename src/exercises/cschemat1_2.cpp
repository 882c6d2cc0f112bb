#include "exercises/cschemat1_2.h"

namespace exercises {

CSchemat1_2::CSchemat1_2(game::ExerciseHost& host, const game::CWybor& settings)
    : CardPairs(host, settings, "S1_2") {
    const auto words = DrawDifferentWords();
    CreateColumns(DrawPartnerOrder(), [&](std::int32_t pair, bool, platform::Point at) {
        return MakeCard(kCardFolder, *words[static_cast<size_t>(pair)], at);
    });
}

CSchemat1_2::~CSchemat1_2() = default;

}  // namespace exercises
