#include "exercises/cschemat1_8.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string>

#include "catalog/resource_names.h"
#include "media/random.h"

using namespace catalog;
using namespace media;
using namespace pieces;

namespace exercises {

namespace {

// Tiles stand closer together than cards.
constexpr double kRowGap = 10;
constexpr std::int32_t kDigitZero = 50;

}  // namespace

CSchemat1_8::CSchemat1_8(game::ExerciseHost& host, const game::CWybor& settings)
    : PairColumns(host, settings, "S1_8", kRowGap) {
    // Five different digits.
    std::array<std::int32_t, kColumnCount> codes{};
    for (std::int32_t k = 0; k < kColumnCount; ++k) {
        std::int32_t code = 0;
        while (code == 0 ||
               std::find(codes.begin(), codes.begin() + k, code) != codes.begin() + k) {
            std::int32_t a = 0;
            while (a == 0) {
                a = Random() % 11;
            }
            code = a + kDigitZero - 1;
        }
        codes[static_cast<size_t>(k)] = code;
    }
    const DrawContext context = Host.Context();
    CreateColumns(DrawPartnerOrder(), [&](std::int32_t pair, bool, platform::Point at) {
        const std::int32_t code = codes[static_cast<size_t>(pair)];
        return std::make_unique<CLitCyf>(Host.HostForm(), context, at,
                                         std::string(SymbolName(code)), true, code, 0);
    });
}

CSchemat1_8::~CSchemat1_8() = default;

}  // namespace exercises
