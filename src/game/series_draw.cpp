#include "game/series_draw.h"

#include <algorithm>
#include <vector>

#include "game/cgrupa.h"
#include "media/random.h"

namespace game {

int SeriesDraw::Modulus(int level) {
    switch (level) {
        case LevelIII:
            return 8;
        case LevelIV:
            return 10;
        default:
            return 7;
    }
}

int SeriesDraw::Draw(int level, const std::function<bool(int)>& available) const {
    const int n = Modulus(level);
    std::vector<int> allowed;
    for (int r = 1; r < n; ++r) {
        if (r != last_ && r != prev_ && available(r)) {
            allowed.push_back(r);
        }
    }
    if (allowed.empty()) {
        return 0;
    }
    // The draw itself: random mod n, again until the number is allowed.
    for (;;) {
        const int r = media::Random() % n;
        if (std::find(allowed.begin(), allowed.end(), r) != allowed.end()) {
            return r;
        }
    }
}

void SeriesDraw::Accept(int draw) {
    prev_ = last_;
    last_ = draw;
}

}  // namespace game
