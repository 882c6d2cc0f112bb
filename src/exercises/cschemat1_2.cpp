#include "exercises/cschemat1_2.h"

#include <algorithm>
#include <array>
#include <memory>

#include "catalog/word_table.h"
#include "exercises/draws.h"
#include "media/cslowo.h"
#include "media/random.h"

using namespace catalog;
using namespace media;
using namespace pieces;

namespace exercises {

namespace {

// Room between two cards of a column.
constexpr double kRowGap = 25;

// With no sound selected every trained-sound word may be drawn.
constexpr std::int32_t kAnySound = SectionMaskL | SectionMaskR | SectionMaskJ;

}  // namespace

CSchemat1_2::CSchemat1_2(game::ExerciseHost& host, const game::CWybor& settings)
    : PairColumns(host, settings, "S1_2", kRowGap) {
    const auto mask = static_cast<std::uint32_t>(SoundMask(Settings.SoundGroups(), kAnySound));
    // Five words of the selected sounds, no key twice.
    std::array<const CSlowo*, kColumnCount> words{};
    for (std::int32_t j = 0; j < kColumnCount; ++j) {
        while (words[static_cast<size_t>(j)] == nullptr) {
            const CSlowo& w = WordAt(Random() % WordCount);
            const bool taken =
                std::any_of(words.begin(), words.begin() + j,
                            [&](const CSlowo* other) { return other->Key == w.Key; });
            if (w.Matches(mask) && !taken) {
                words[static_cast<size_t>(j)] = &w;
            }
        }
    }
    const DrawContext context = Host.Context();
    CreateColumns(DrawPartnerOrder(), [&](std::int32_t pair, bool, platform::Point at) {
        return std::make_unique<CKarta>(Host.HostForm(), context, at, kCardFolder,
                                        *words[static_cast<size_t>(pair)], true, 0, 0);
    });
}

CSchemat1_2::~CSchemat1_2() = default;

}  // namespace exercises
