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
    std::vector<int> usable;
    for (int r = 1; r < n; ++r) {
        if (available(r)) {
            usable.push_back(r);
        }
    }
    if (usable.empty()) {
        return 0;
    }
    // Stop-gap while not every exercise type of a level is built: with two types the
    // no-repeat rule cannot hold, so it relaxes step by step until some number is allowed.
    auto allowedBy = [&](std::vector<int> excluded) {
        std::vector<int> allowed;
        for (int r : usable) {
            if (std::find(excluded.begin(), excluded.end(), r) == excluded.end()) {
                allowed.push_back(r);
            }
        }
        return allowed;
    };
    std::vector<int> allowed = allowedBy({last_, prev_});
    if (allowed.empty()) {
        allowed = allowedBy({last_});
    }
    if (allowed.empty()) {
        allowed = usable;
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
