#include "media/random.h"

#include <cstddef>
#include <mutex>
#include <random>
#include <stdexcept>
#include <utility>

namespace media {

namespace {

// The Mersenne twister is fully specified by the standard, so a seed gives the same series
// with every compiler and library.
struct RandomState {
    std::mutex Lock;
    std::mt19937 Engine{5489u};
    std::vector<std::int32_t> Script;
    std::size_t ScriptPos = 0;
    bool ScriptActive = false;
};

RandomState& State() {
    static RandomState state;
    return state;
}

}  // namespace

std::int32_t Random() {
    RandomState& s = State();
    std::lock_guard lock(s.Lock);
    if (s.ScriptActive && s.ScriptPos < s.Script.size()) {
        return s.Script[s.ScriptPos++];
    }
    // 32 random bits, the top 31 kept: never negative.
    return static_cast<std::int32_t>(s.Engine() >> 1);
}

void SeedRandom(std::uint32_t seed) {
    RandomState& s = State();
    std::lock_guard lock(s.Lock);
    s.Engine.seed(seed);
}

ScopedRandomScript::ScopedRandomScript(std::vector<std::int32_t> values) {
    for (std::int32_t v : values) {
        if (v < 0) {
            throw std::invalid_argument("ScopedRandomScript: values must not be negative");
        }
    }
    RandomState& s = State();
    std::lock_guard lock(s.Lock);
    if (s.ScriptActive) {
        throw std::logic_error("ScopedRandomScript: scripts do not nest");
    }
    s.Script = std::move(values);
    s.ScriptPos = 0;
    s.ScriptActive = true;
}

ScopedRandomScript::~ScopedRandomScript() {
    RandomState& s = State();
    std::lock_guard lock(s.Lock);
    s.Script.clear();
    s.ScriptPos = 0;
    s.ScriptActive = false;
}

std::size_t ScopedRandomScript::Remaining() const {
    RandomState& s = State();
    std::lock_guard lock(s.Lock);
    return s.Script.size() - s.ScriptPos;
}

}  // namespace media
