#include "exercises/cschemat1_6.h"

#include <vector>

#include "game/cpara.h"
#include "media/cblad.h"
#include "media/cslowo.h"
#include "media/random.h"

using namespace media;

namespace exercises {

namespace {

// A pair taken for the columns and the set it came from.
struct Taken {
    const game::CPara* Pair;
    std::int32_t Set;
};

// Draws the pairs of the columns from the sets of one level: each pair's two words practise
// a selected sound, every pair comes from another set, and neither column shows a word key
// twice.
class PairDraw {
  public:
    PairDraw(const std::vector<game::PairSet>& sets, std::uint32_t mask)
        : sets_(sets), mask_(mask) {}

    // count pairs in the order drawn. A pair that fits but would leave too few fitting pairs
    // for the places still open is drawn again, so the draw never runs into a dead end; when
    // the sets cannot give count pairs at all it is CBlad code 9.
    std::vector<Taken> Draw(std::int32_t count) {
        std::vector<Taken> taken;
        if (!Completable(taken, count, 0)) {
            throw CBlad::FromCode(CBlad::TooFewWordsCode);
        }
        const auto setCount = static_cast<std::int32_t>(sets_.size());
        while (static_cast<std::int32_t>(taken.size()) < count) {
            const std::int32_t set = Random() % setCount;
            const game::PairSet& pairs = sets_[static_cast<size_t>(set)];
            if (pairs.empty()) {
                continue;
            }
            const game::CPara& pair =
                pairs[static_cast<size_t>(Random() % static_cast<std::int32_t>(pairs.size()))];
            if (!Fits(pair, set, taken)) {
                continue;
            }
            taken.push_back({&pair, set});
            if (!Completable(taken, count - static_cast<std::int32_t>(taken.size()), 0)) {
                taken.pop_back();
            }
        }
        return taken;
    }

  private:
    bool Fits(const game::CPara& pair, std::int32_t set, const std::vector<Taken>& taken) const {
        const CSlowo& a = WordAt(pair.WordA);
        const CSlowo& b = WordAt(pair.WordB);
        if (!a.Matches(mask_) || !b.Matches(mask_)) {
            return false;
        }
        for (const Taken& t : taken) {
            if (t.Set == set || WordAt(t.Pair->WordA).Key == a.Key ||
                WordAt(t.Pair->WordB).Key == b.Key) {
                return false;
            }
        }
        return true;
    }

    // Whether needed more pairs can be found in the sets from firstSet on, beside taken.
    bool Completable(std::vector<Taken>& taken, std::int32_t needed, std::int32_t firstSet) const {
        if (needed <= 0) {
            return true;
        }
        const auto setCount = static_cast<std::int32_t>(sets_.size());
        for (std::int32_t set = firstSet; set + needed <= setCount; ++set) {
            for (const game::CPara& pair : sets_[static_cast<size_t>(set)]) {
                if (!Fits(pair, set, taken)) {
                    continue;
                }
                taken.push_back({&pair, set});
                const bool found = Completable(taken, needed - 1, set + 1);
                taken.pop_back();
                if (found) {
                    return true;
                }
            }
        }
        return false;
    }

    const std::vector<game::PairSet>& sets_;
    std::uint32_t mask_;
};

}  // namespace

CSchemat1_6::CSchemat1_6(game::ExerciseHost& host, const game::CWybor& settings)
    : CardPairs(host, settings, "S1_6") {
    // A level the table does not hold has no sets.
    static const std::vector<game::PairSet> kNoSets;
    const game::PairSetTable& table = Host.PairSets();
    const auto level = static_cast<size_t>(Settings.Level());
    const std::vector<game::PairSet>& sets = level < table.size() ? table[level] : kNoSets;
    const std::vector<Taken> pairs = PairDraw(sets, WordMask()).Draw(kColumnCount);
    CreateColumns(DrawPartnerOrder(), [&](std::int32_t pair, bool right, platform::Point at) {
        const Taken& t = pairs[static_cast<size_t>(pair)];
        return MakeCard(kCardFolder, WordAt(right ? t.Pair->WordB : t.Pair->WordA), at, t.Set);
    });
}

CSchemat1_6::~CSchemat1_6() = default;

}  // namespace exercises
